// The floor every frame pays: one colour-keyed layer of 20 x 20 tiles over
// the whole screen (17 x 13 blits), repeated for the number of frames given.
// Measured with callgrind beside the game's own frames.
#include <cstdio>
#include <cstdlib>

#include "common/headless.h"
#include "render/render.h"
#include "shell/game_state.h"

int main(int argc, char** argv)
{
    int frames = argc > 1 ? std::atoi(argv[1]) : 100;
    if (!open_screen())
        return 1;
    load_images();
    if (tileset1 == nullptr) {
        std::fprintf(stderr, "floor: run me from the build folder, beside Media/\n");
        return 1;
    }
    for (int frame = 0; frame < frames; frame++)
        for (int x = 0; x < 17; x++)
            for (int y = 0; y < 13; y++)
                apply_surface(x * TILE_SIZE - 7, y * TILE_SIZE - 11, tileset1, screen, &tile_clips[frame % 15]);
    std::printf("%d frames of 221 keyed blits\n", frames);
    return 0;
}
