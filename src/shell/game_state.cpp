// Definitions of every game-state variable with its initial value, and the
// reset that restores them. This is the only file that defines game state;
// game_state.h lists it.
#include <SDL.h>

#include <cstring>

#include "shell/game_state.h"

#define DEFINE_VALUE(type, name, initial) type name = initial;
#define DEFINE_ARRAY(type, name, size) type name size;
GAME_STATE(DEFINE_VALUE, DEFINE_ARRAY, DEFINE_ARRAY)
#undef DEFINE_VALUE
#undef DEFINE_ARRAY

const int max_hp_table[LEVEL_COUNT] = { 25, 35, 45, 55, 65, 75, 85, 95, 105, 125 };
const int max_mp_table[LEVEL_COUNT] = { 5, 10, 15, 20, 25, 30, 35, 40, 45, 50 };
const int exp_table[LEVEL_COUNT - 1] = { 10, 20, 40, 80, 160, 320, 640, 1280, 2560 };

void reset_game_state()
{
#define RESET_VALUE(type, name, initial) name = initial;
#define RESET_ARRAY(type, name, size) std::memset(name, 0, sizeof name);
#define KEEP_ASSET(type, name, size)
    GAME_STATE(RESET_VALUE, RESET_ARRAY, KEEP_ASSET)
#undef RESET_VALUE
#undef RESET_ARRAY
#undef KEEP_ASSET
}
