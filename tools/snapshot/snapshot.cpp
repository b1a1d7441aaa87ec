// snapshot: starts the game headless, puts the player (and the camera) at a
// chosen place of the world, lets the game draw and saves the screen as a
// PNG. Run it from the build folder, where Media/ is:
//
//   tools/snapshot OUT.png [X Y | --npc N] [--face up|down|left|right]
//                    [--menu] [--frames N] [--seed S]
//
// X Y are world pixels of the player; --npc N stands the player just below
// character N, facing it, so that its line shows. --face turns the player
// and puts the facing point 8 px ahead, as walking would; --menu opens the
// save/load menu. With --frames 0
// (the default) one draw_frame() is taken, otherwise that many run_frame()
// passes.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/headless.h"
#include "common/png_write.h"
#include "render/render.h"
#include "shell/game_state.h"
#include "shell/shell.h"
#include "world/world.h"

namespace
{

int usage()
{
    std::fprintf(stderr,
        "usage: snapshot OUT.png [X Y | --npc N] [--face up|down|left|right] [--frames N] "
        "[--menu] [--seed S]\n");
    return 2;
}

bool read_int(const char* text, int& value)
{
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0')
        return false;
    value = (int)v;
    return true;
}

bool is_direction(const char* text)
{
    for (const char* d : { "up", "down", "left", "right" })
        if (std::strcmp(text, d) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    std::string out = argv[1];
    int x = player_x, y = player_y, npc = -1, frames = 0, seed = 1;
    int positional = 0;
    const char* face = nullptr;
    bool menu = false;
    for (int i = 2; i < argc; i++) {
        bool ok;
        if (std::strcmp(argv[i], "--npc") == 0 && i + 1 < argc)
            ok = read_int(argv[++i], npc) && npc >= 0 && npc < NPC_COUNT;
        else if (std::strcmp(argv[i], "--face") == 0 && i + 1 < argc)
            ok = is_direction(face = argv[++i]);
        else if (std::strcmp(argv[i], "--menu") == 0)
            ok = menu = true;
        else if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc)
            ok = read_int(argv[++i], frames) && frames >= 0;
        else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
            ok = read_int(argv[++i], seed);
        else
            ok = positional < 2 && read_int(argv[i], positional++ == 0 ? x : y);
        if (!ok)
            return usage();
    }
    if (positional == 1)
        return usage();

    if (!open_screen()) {
        SDL_Quit();
        return 1;
    }
    init_game_seeded((unsigned)seed);

    if (npc >= 0) {
        x = npc_x[npc];
        y = npc_y[npc] + 17;
        if (face == nullptr)
            face = "up";
    }
    place_player(x, y);
    if (face != nullptr) {
        // Walking frame bases: down 0, left 2, right 4, up 6.
        if (std::strcmp(face, "up") == 0) {
            facing_y = y - 8;
            player_frame = 6;
        } else if (std::strcmp(face, "down") == 0) {
            facing_y = y + 8;
            player_frame = 0;
        } else if (std::strcmp(face, "left") == 0) {
            facing_x = x - 8;
            player_frame = 2;
        } else {
            facing_x = x + 8;
            player_frame = 4;
        }
    }
    camera_x = camera_x < 0 ? 0 : camera_x > CAMERA_MAX_X ? CAMERA_MAX_X : camera_x;
    camera_y = camera_y < 0 ? 0 : camera_y > CAMERA_MAX_Y ? CAMERA_MAX_Y : camera_y;

    if (menu)
        menu_state = MENU_SAVE;
    if (frames == 0)
        draw_frame();
    for (int i = 0; i < frames; i++)
        run_frame();

    bool ok = write_surface_png(out, screen);
    SDL_Quit();
    if (!ok)
        return 1;
    std::printf("snapshot: player at (%d, %d), camera at (%d, %d), written to %s\n", player_x, player_y,
        camera_x, camera_y, out.c_str());
    return 0;
}
