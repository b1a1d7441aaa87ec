// Reading the save slot back. Values are taken in the order the writer puts
// them, whatever whitespace separates them; reading stops for good at the
// first value that cannot be read, and a value the game could not use safely
// is passed over, leaving its variable as it was.
#include <fstream>
#include <locale>

#include "save/save.h"
#include "save/save_slot.h"
#include "shell/game_state.h"
#include "world/world.h"

namespace {

// Hit points, magic points, gold, experience and boxes are never negative in
// play and change by small steps; a ceiling far above anything play reaches
// keeps those sums within an int.
const int COUNTER_MAX = 999999999;

// The player's sprite row: two frames per walking direction, and the one frame
// past it that a phase of exactly 2.0 gives when walking up.
const int PLAYER_FRAME_MAX = 8;

const int LAST_TILE = TILES_PER_SHEET - 1;
const int LAST_PIXEL = MAP_PIXELS - 1;

// Reads the next value into `target` when it lies within low..high. A value
// that cannot be read fails the stream, so every later read fails too.
template <typename T> void take(std::istream& in, T& target, T low, T high)
{
    T value;
    if (in >> value && value >= low && value <= high)
        target = value;
}

} // namespace

void load_game()
{
    std::ifstream in(SAVE_FILE);
    in.imbue(std::locale::classic());

    take(in, level, 0, LEVEL_COUNT - 1);
    take(in, exp, 0, COUNTER_MAX);
    take(in, player_hp, 0, COUNTER_MAX);
    take(in, player_mp, 0, COUNTER_MAX);
    take(in, gold, 0, COUNTER_MAX);
    take(in, boxes_collected, 0, COUNTER_MAX);
    take(in, player_x, 0, LAST_PIXEL);
    take(in, player_y, 0, LAST_PIXEL);
    take(in, camera_x, 0, CAMERA_MAX_X);
    take(in, camera_y, 0, CAMERA_MAX_Y);
    take(in, facing_x, 0, LAST_PIXEL);
    take(in, facing_y, 0, LAST_PIXEL);
    take(in, anim_phase, 0.0, 2.0);
    take(in, player_frame, 0, PLAYER_FRAME_MAX);
    for (int layer : {LAYER_OBJECT, LAYER_OVERHEAD})
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                take(in, map_layers[layer][x][y], TILE_EMPTY, LAST_TILE);
    for (int i = 0; i < NPC_COUNT; i++)
        take(in, npc_x[i], 0, LAST_PIXEL);
    for (int i = 0; i < NPC_COUNT; i++)
        take(in, npc_y[i], 0, LAST_PIXEL);
    for (int i = 0; i < NPC_COUNT; i++)
        take(in, npc_direction[i], NPC_STANDING, NPC_WALK_UP);
    in.close();

    build_edge_layer();
    build_collision_grid();
    count_boxes();
}
