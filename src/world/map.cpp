// The map layers: the map file reader, and the three steps that derive the
// edge layer, the collision grid and the box count from the layers.
#include <cstdio>
#include <ext/stdio_filebuf.h>
#include <istream>

#include "shell/game_state.h"
#include "shell/system.h"
#include "world/world.h"

const char* const MAP_FILE = "Media/map.dat";

// The four layers stored in the map file, in file order.
const int MAP_FILE_LAYERS[MAP_FILE_LAYER_COUNT] = {LAYER_GROUND, LAYER_OBSTACLE, LAYER_OBJECT, LAYER_OVERHEAD};

void load_map()
{
    for (int layer = 0; layer < LAYER_COUNT; layer++)
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                map_layers[layer][x][y] = TILE_EMPTY;

    const int fd = open_game_file(MAP_FILE);
    long values_read = 0;
    const long expected = (long)MAP_FILE_LAYER_COUNT * MAP_SIZE * MAP_SIZE;
    if (fd == NOT_A_FILE) {
        std::fprintf(stderr, "gp2x-rpg: %s is not a regular file: the map is empty\n", MAP_FILE);
    } else if (fd < 0) {
        std::fprintf(stderr, "gp2x-rpg: cannot open %s: the map is empty\n", MAP_FILE);
    } else {
        __gnu_cxx::stdio_filebuf<char> file(fd, std::ios::in); // closes fd when done
        std::istream in(&file);
        for (int l = 0; l < MAP_FILE_LAYER_COUNT; l++) {
            const int layer = MAP_FILE_LAYERS[l];
            for (int x = 0; x < MAP_SIZE && in; x++) {
                for (int y = 0; y < MAP_SIZE; y++) {
                    int value;
                    if (!(in >> value))
                        break;
                    map_layers[layer][x][y] = value;
                    values_read++;
                }
            }
        }
        if (values_read < expected)
            std::fprintf(stderr, "gp2x-rpg: %s: reading stopped at value %ld of %ld\n", MAP_FILE,
                values_read + 1, expected);
    }

    build_edge_layer();
    build_collision_grid();
    count_boxes();
}

// Edge tile for each set of open sides: bit 0 left, 1 right, 2 above, 3 below.
static const int EDGE_TILES[16] = {
    TILE_EMPTY, // none
    4,          // left
    2,          // right
    0,          // left and right
    5,          // above
    9,          // left and above
    6,          // right and above
    10,         // left, right and above
    3,          // below
    8,          // left and below
    7,          // right and below
    12,         // left, right and below
    1,          // above and below
    13,         // left, above and below
    11,         // right, above and below
    14,         // all four
};

// A side is open where the neighbour has no ground. Beyond the map's border
// there is nothing to draw a rim against, so outside counts as ground.
static bool no_ground(int x, int y)
{
    if (x < 0 || x >= MAP_SIZE || y < 0 || y >= MAP_SIZE)
        return false;
    return map_layers[LAYER_GROUND][x][y] == TILE_EMPTY;
}

void build_edge_layer()
{
    for (int x = 0; x < MAP_SIZE; x++) {
        for (int y = 0; y < MAP_SIZE; y++) {
            map_layers[LAYER_EDGE][x][y] = TILE_EMPTY;
            if (map_layers[LAYER_GROUND][x][y] == TILE_EMPTY)
                continue;
            int open = (no_ground(x - 1, y) ? 1 : 0) | (no_ground(x + 1, y) ? 2 : 0) | (no_ground(x, y - 1) ? 4 : 0)
                | (no_ground(x, y + 1) ? 8 : 0);
            map_layers[LAYER_EDGE][x][y] = EDGE_TILES[open];
        }
    }
}

void build_collision_grid()
{
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            collision_grid[x][y] = map_layers[LAYER_GROUND][x][y] == TILE_EMPTY
                    || map_layers[LAYER_OBSTACLE][x][y] != TILE_EMPTY
                    || map_layers[LAYER_OBJECT][x][y] != TILE_EMPTY
                ? 1
                : 0;
}

void count_boxes()
{
    boxes_remaining = 0;
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            if (map_layers[LAYER_OBJECT][x][y] == BOX_TILE)
                boxes_remaining++;
}
