// Fuzz target for the save loader: any bytes as "gamesave.dat" loaded over a
// small walled map, then frames walked and drawn from the loaded state.
#include "fuzz_common.h"

#include "save/save.h"
#include "shell/game_state.h"
#include "world/world.h"

static void make_walled_map()
{
    for (int x = 0; x < MAP_SIZE; x++) {
        for (int y = 0; y < MAP_SIZE; y++) {
            bool rim = x == 0 || y == 0 || x == MAP_SIZE - 1 || y == MAP_SIZE - 1;
            map_layers[LAYER_GROUND][x][y] = rim ? TILE_EMPTY : (x + y) % 20;
            map_layers[LAYER_OBSTACLE][x][y] = (x % 17 == 3 && y % 13 == 5) ? 4 : TILE_EMPTY;
            map_layers[LAYER_OBJECT][x][y] = (x % 23 == 7 && y % 19 == 2) ? BOX_TILE : TILE_EMPTY;
            map_layers[LAYER_OVERHEAD][x][y] = (x % 23 == 7 && y % 19 == 1) ? 2 : TILE_EMPTY;
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_setup();
    make_walled_map();
    fuzz_write("gamesave.dat", data, size);
    load_game();
    fuzz_play_frames();
    return 0;
}
