// The save record's layout: every saved value in file order, with its kind
// and the range the reader accepts. The writer and the reader both walk it.
#include "save/save_slot.h"
#include "shell/game_state.h"

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
const int LAYER_CELLS = MAP_SIZE * MAP_SIZE;

} // namespace

// A layer is written column by column, which is its order in memory.
const SaveEntry SAVE_RECORD[] = {
    { SAVE_INT, &level, 1, 0, LEVEL_COUNT - 1 },
    { SAVE_INT, &exp, 1, 0, COUNTER_MAX },
    { SAVE_INT, &player_hp, 1, 0, COUNTER_MAX },
    { SAVE_INT, &player_mp, 1, 0, COUNTER_MAX },
    { SAVE_INT, &gold, 1, 0, COUNTER_MAX },
    { SAVE_INT, &boxes_collected, 1, 0, COUNTER_MAX },
    { SAVE_INT, &player_x, 1, 0, LAST_PIXEL },
    { SAVE_INT, &player_y, 1, 0, LAST_PIXEL },
    { SAVE_INT, &camera_x, 1, 0, CAMERA_MAX_X },
    { SAVE_INT, &camera_y, 1, 0, CAMERA_MAX_Y },
    { SAVE_INT, &facing_x, 1, 0, LAST_PIXEL },
    { SAVE_INT, &facing_y, 1, 0, LAST_PIXEL },
    { SAVE_PHASE, &anim_phase, 1, 0, 2 },
    { SAVE_INT, &player_frame, 1, 0, PLAYER_FRAME_MAX },
    { SAVE_INT, &map_layers[LAYER_OBJECT][0][0], LAYER_CELLS, TILE_EMPTY, LAST_TILE },
    { SAVE_INT, &map_layers[LAYER_OVERHEAD][0][0], LAYER_CELLS, TILE_EMPTY, LAST_TILE },
    { SAVE_INT, npc_x, NPC_COUNT, 0, LAST_PIXEL },
    { SAVE_INT, npc_y, NPC_COUNT, 0, LAST_PIXEL },
    { SAVE_INT, npc_direction, NPC_COUNT, NPC_STANDING, NPC_WALK_UP },
};

const int SAVE_RECORD_ENTRIES = sizeof SAVE_RECORD / sizeof SAVE_RECORD[0];
