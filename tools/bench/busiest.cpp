// The busiest view of the map and one exploration frame standing in it.
#include "busiest.h"

#include <cstdio>

#include "common/headless.h"
#include "shell/game_state.h"
#include "shell/shell.h"
#include "world/world.h"

bool start_beside_media(const char* tool)
{
    if (!open_screen())
        return false;
    init_game_seeded(1);
    if (tileset0 == NULL || boxes_remaining == 0) {
        std::fprintf(stderr, "%s: run me from the build folder, beside Media/\n", tool);
        return false;
    }
    return true;
}

void find_busiest_view(int* best_x, int* best_y)
{
    int best = -1;
    for (int cx = 0; cx + 16 < MAP_SIZE; cx++) {
        for (int cy = 0; cy + 12 < MAP_SIZE; cy++) {
            int tiles = 0;
            for (int x = cx; x <= cx + 16; x++)
                for (int y = cy; y <= cy + 12; y++)
                    for (int layer = 0; layer < LAYER_COUNT; layer++)
                        tiles += map_layers[layer][x][y] != TILE_EMPTY;
            if (tiles > best) {
                best = tiles;
                *best_x = cx;
                *best_y = cy;
            }
        }
    }
}

void stand_in_busiest_view()
{
    int cx = 0, cy = 0;
    find_busiest_view(&cx, &cy);
    camera_x = cx * TILE_SIZE;
    camera_y = cy * TILE_SIZE;
    player_x = facing_x = camera_x + 160;
    player_y = facing_y = camera_y + 120;
    current_monster = NO_MONSTER;
    menu_state = MENU_CLOSED;
    up_button = down_button = left_button = right_button = accept = start_button = 0;
}

void busiest_frame()
{
    int x = player_x, y = player_y;
    run_frame();
    player_x = facing_x = x; // a push-back must not walk the player off the view
    player_y = facing_y = y;
    current_monster = NO_MONSTER; // nor an encounter end the exploring
}
