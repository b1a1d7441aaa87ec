// Shared by the fuzz targets.
#include "fuzz_common.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "common/headless.h"
#include "render/render.h"
#include "shell/game_state.h"
#include "shell/shell.h"
#include "world/world.h"

static SDL_Surface* plain_sheet(int w, int h)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, screen->format->Rmask, screen->format->Gmask,
        screen->format->Bmask, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 200, 100, 50));
    return s;
}

void fuzz_setup()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    if (!open_screen())
        std::abort();
    char folder[] = "/tmp/fuzz-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0 || mkdir("Media", 0755) != 0) {
        std::fprintf(stderr, "fuzz: no scratch folder\n");
        std::abort();
    }
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
    init_monsters();
    init_npcs();
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

void fuzz_play_frames()
{
    menu_state = 0;
    current_monster = -1;
    const int held[4][4] = {{2, 0, 2, 0}, {0, 2, 0, 2}, {2, 2, 2, 2}, {0, 0, 0, 0}};
    for (const int* h : held) {
        up_button = h[0];
        down_button = h[1];
        left_button = h[2];
        right_button = h[3];
        accept = 2;
        update_exploration();
        current_monster = -1; // an encounter would stop the walk; keep exploring
        draw_frame();
        move_npcs();
    }
}
