// Shared by the fuzz targets.
#include "fuzz_common.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/headless.h"
#include "render/render.h"
#include "save/save_slot.h"
#include "shell/game_state.h"
#include "shell/shell.h"
#include "world/world.h"

namespace
{

// The buttons held at the end of the last frame played.
uint8_t held_now = 0;

// A sheet of one colour, keyed like the game's.
SDL_Surface* plain_sheet(int w, int h)
{
    SDL_Surface* s = SDL_CreateRGBSurface(
        SDL_SWSURFACE, w, h, 16, screen->format->Rmask, screen->format->Gmask, screen->format->Bmask, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 200, 100, 50));
    SDL_SetColorKey(s, SDL_SRCCOLORKEY, SDL_MapRGB(s->format, 0, 0xFF, 0xFF));
    return s;
}

std::string scratch;

// Removes the scratch folder and what the game wrote in it.
void remove_scratch()
{
    const std::string command = "rm -rf '" + scratch + "'";
    if (chdir("/") != 0 || std::system(command.c_str()) != 0)
        std::fprintf(stderr, "fuzz: cannot remove %s\n", scratch.c_str());
}

} // namespace

void fuzz_setup()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!open_screen())
        std::abort();
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr ? tmp : "/tmp") + "/fuzz-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr || chdir(pattern.c_str()) != 0 || mkdir("Media", 0755) != 0) {
        std::fprintf(stderr, "fuzz: no scratch folder\n");
        std::abort();
    }
    scratch = pattern;
    std::atexit(remove_scratch);
    fill_clip_tables();
    charset = plain_sheet(160, 320);
    font_image = plain_sheet(570, 10);
    text_window = plain_sheet(320, 31);
    tall_window = plain_sheet(82, 150);
    tileset0 = plain_sheet(400, 20);
    tileset1 = plain_sheet(400, 20);
    tileset2 = plain_sheet(400, 20);
    tileset3 = plain_sheet(400, 20);
    tileset4 = plain_sheet(400, 20);
    update_ground_sheet();
}

FuzzPlay fuzz_take_play(const uint8_t** data, size_t* size)
{
    uint8_t bytes[FUZZ_PLAY_SIZE] = {};
    for (size_t i = 0; i < FUZZ_PLAY_SIZE && i < *size; i++)
        bytes[i] = (*data)[i];
    const size_t taken = *size < FUZZ_PLAY_SIZE ? *size : FUZZ_PLAY_SIZE;
    *data += taken;
    *size -= taken;

    FuzzPlay play;
    play.seed = bytes[0];
    play.x = (bytes[1] | bytes[2] << 8) % MAP_PIXELS;
    play.y = (bytes[3] | bytes[4] << 8) % MAP_PIXELS;
    for (int i = 0; i < FUZZ_FRAMES; i++)
        play.held[i] = bytes[5 + i];
    return play;
}

void fuzz_new_game(unsigned seed)
{
    reset_game_state();
    std::srand(seed);
    init_monsters();
    init_npcs();
    SDL_Event event;
    while (SDL_PollEvent(&event)) { }
    held_now = 0;
    unlink(SAVE_FILE);
}

void fuzz_write(const char* path, const uint8_t* data, size_t size)
{
    std::FILE* f = std::fopen(path, "wb");
    if (f == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size)
        std::abort();
    std::fclose(f);
}

void fuzz_press(const uint8_t* held, int frames)
{
    for (int i = 0; i < frames; i++) {
        for (int bit = 0; bit < 8; bit++) {
            const bool down = (held[i] >> bit & 1) != 0;
            if (down != ((held_now >> bit & 1) != 0) && !push_button_event(FUZZ_BUTTON_OF_BIT[bit], down))
                std::abort();
        }
        held_now = held[i];
        run_frame();
    }
}
