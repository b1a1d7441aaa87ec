// The whole game state: every variable the game keeps, declared here and
// defined once in game_state.cpp. Every subsystem reads and writes these
// globals directly; nothing of the game state is allocated while it runs.
//
// Never include <cmath>, <math.h> or <random> beside this header: the global
// `exp` would collide with the C library's exp().
#ifndef SHELL_GAME_STATE_H
#define SHELL_GAME_STATE_H

// The images' types, complete wherever SDL is included; the game logic
// outside the drawing needs only their names.
struct SDL_Surface;
struct SDL_Rect;

#include "world/layout.h"

// Screen and map geometry.
const int SCREEN_WIDTH = 320;
const int SCREEN_HEIGHT = 240;
const int SCREEN_BPP = 16;
const int CAMERA_MAX_X = MAP_PIXELS - SCREEN_WIDTH;
const int CAMERA_MAX_Y = MAP_PIXELS - SCREEN_HEIGHT;

// Minimum length of one pass of the main loop, in milliseconds.
const int FRAME_TICKS = 16;

// Map layers and the tile values with a meaning of their own.
const int LAYER_COUNT = 5;
const int LAYER_GROUND = 0;
const int LAYER_EDGE = 1;
const int LAYER_OBSTACLE = 2;
const int LAYER_OBJECT = 3;
const int LAYER_OVERHEAD = 4;
const int TILE_EMPTY = -1;
const int BOX_TILE = 1;
const int REPAIR_TILE = 3;

// Events, encounters and the repair station.
const int REPAIR_COST = 5;
const int DIALOG_RANGE = 10;
const int ENCOUNTER_ROLL = 250;

// Sheets and clip tables.
const int TILES_PER_SHEET = 20;
const int GLYPH_COUNT = 95;
const int GLYPH_WIDTH = 6;
const int GLYPH_HEIGHT = 10;
const int SPRITE_FRAME_COUNT = 64;
const int SPRITE_WIDTH = 20;
const int SPRITE_HEIGHT = 40;

// Bitmap text.
const int WRAP_LIMIT = 52;
const int LINE_SPACING = 11;
const int ALIGN_LEFT = 1;
const int ALIGN_CENTRE = 2;
const int ALIGN_RIGHT = 3;
const int TEXT_SIZE = 80;

// The cast.
const int LEVEL_COUNT = 10;
const int MONSTER_COUNT = 10;
const int MONSTER_NAME_SIZE = 40;

// npc_direction values.
const int NPC_STANDING = 0;
const int NPC_WALK_DOWN = 1;
const int NPC_WALK_LEFT = 2;
const int NPC_WALK_RIGHT = 3;
const int NPC_WALK_UP = 4;

// ButtonState values.
const int BUTTON_RELEASED = 0;
const int BUTTON_HELD = 1;
const int BUTTON_PRESSED = 2;

// battle_state values: the message being typed, the menu with its cursor on
// one of the four actions, and the message of the action chosen.
const int BATTLE_MESSAGE = 0;
const int BATTLE_ATTACK = 1;
const int BATTLE_INVENTORY = 2;
const int BATTLE_MAGIC = 3;
const int BATTLE_RUN = 4;
const int BATTLE_ACTION = 5;

// menu_state values.
const int MENU_CLOSED = 0;
const int MENU_SAVE = 1;
const int MENU_LOAD = 2;

// current_monster while no battle is fought.
const int NO_MONSTER = -1;

// The game's variables, listed once. Each entry is one plain global:
//   VALUE(type, name, initial)  a single value that starts at `initial`;
//   ARRAY(type, name, size)     an array that starts all zero (or null);
//   ASSET(type, name, size)     an image or a clip table, filled at start-up
//                               (size is empty for a single surface).
// The declarations below, the definitions in game_state.cpp and
// reset_game_state all expand this list.
#define GAME_STATE(VALUE, ARRAY, ASSET)                                                                      \
    /* Player. */                                                                                            \
    VALUE(int, player_x, PLAYER_START_X)                                                                     \
    VALUE(int, player_y, PLAYER_START_Y)                                                                     \
    VALUE(int, player_hp, 1)                                                                                 \
    VALUE(int, player_mp, 1)                                                                                 \
    VALUE(int, gold, 5)                                                                                      \
    VALUE(int, exp, 0)                                                                                       \
    VALUE(int, level, 0)                                                                                     \
    VALUE(int, boxes_collected, 0)                                                                           \
    VALUE(int, player_frame, 0)                                                                              \
    VALUE(double, anim_phase, 0.0)                                                                           \
    /* The camera puts the player's anchor 160 px from the screen's left edge */                             \
    /* and 120 px from its top; the facing point, 8 px ahead of the player, */                               \
    /* starts on the player. */                                                                              \
    VALUE(int, camera_x, PLAYER_START_X - SCREEN_WIDTH / 2)                                                  \
    VALUE(int, camera_y, PLAYER_START_Y - SCREEN_HEIGHT / 2)                                                 \
    VALUE(int, facing_x, PLAYER_START_X)                                                                     \
    VALUE(int, facing_y, PLAYER_START_Y)                                                                     \
    /* Battle. */                                                                                            \
    VALUE(int, current_monster, NO_MONSTER)                                                                  \
    VALUE(int, monster_hp, 1)                                                                                \
    VALUE(int, battle_state, BATTLE_ATTACK)                                                                  \
    ARRAY(char, battle_message, [TEXT_SIZE])                                                                 \
    VALUE(double, message_chars, 0.0)                                                                        \
    VALUE(int, battle_amount, 0)                                                                             \
    VALUE(int, escape_pending, 0)                                                                            \
    /* Monster table, index = monster type. */                                                               \
    ARRAY(char, monster_name, [MONSTER_COUNT][MONSTER_NAME_SIZE])                                            \
    ARRAY(int, monster_max_hp, [MONSTER_COUNT])                                                              \
    ARRAY(int, monster_attack, [MONSTER_COUNT])                                                              \
    ARRAY(int, monster_exp, [MONSTER_COUNT])                                                                 \
    ARRAY(int, monster_gold, [MONSTER_COUNT])                                                                \
    /* Non-player characters, index = NPC number. */                                                         \
    ARRAY(int, npc_x, [NPC_COUNT])                                                                           \
    ARRAY(int, npc_y, [NPC_COUNT])                                                                           \
    ARRAY(int, npc_sprite, [NPC_COUNT])                                                                      \
    ARRAY(int, npc_direction, [NPC_COUNT])                                                                   \
    ARRAY(const char*, npc_text, [NPC_COUNT])                                                                \
    VALUE(int, npc_step_counter, 0)                                                                          \
    /* Map: [layer][x cell][y cell], and the walking grid derived from it. */                                \
    ARRAY(int, map_layers, [LAYER_COUNT][MAP_SIZE][MAP_SIZE])                                                \
    ARRAY(unsigned char, collision_grid, [MAP_SIZE][MAP_SIZE])                                               \
    VALUE(int, boxes_remaining, 0)                                                                           \
    /* Images and clip tables. */                                                                            \
    ASSET(SDL_Surface*, screen, )                                                                            \
    ASSET(SDL_Surface*, charset, )                                                                           \
    ASSET(SDL_Surface*, font_image, )                                                                        \
    ASSET(SDL_Surface*, text_window, )                                                                       \
    ASSET(SDL_Surface*, tall_window, )                                                                       \
    ASSET(SDL_Surface*, tileset0, )                                                                          \
    ASSET(SDL_Surface*, tileset1, )                                                                          \
    ASSET(SDL_Surface*, tileset2, )                                                                          \
    ASSET(SDL_Surface*, tileset3, )                                                                          \
    ASSET(SDL_Surface*, tileset4, )                                                                          \
    ASSET(SDL_Rect, tile_clips, [TILES_PER_SHEET])                                                           \
    ASSET(SDL_Rect, font_clips, [GLYPH_COUNT])                                                               \
    ASSET(SDL_Rect, sprite_clips, [SPRITE_FRAME_COUNT])                                                      \
    /* Buttons (ButtonState values) and quitting. */                                                         \
    VALUE(int, start_button, BUTTON_RELEASED)                                                                \
    VALUE(int, accept, BUTTON_RELEASED)                                                                      \
    VALUE(int, up_button, BUTTON_RELEASED)                                                                   \
    VALUE(int, down_button, BUTTON_RELEASED)                                                                 \
    VALUE(int, left_button, BUTTON_RELEASED)                                                                 \
    VALUE(int, right_button, BUTTON_RELEASED)                                                                \
    VALUE(bool, quit_requested, false)                                                                       \
    /* The save/load menu, and the scratch line in which the panels compose */                               \
    /* their texts. */                                                                                       \
    VALUE(int, menu_state, MENU_CLOSED)                                                                      \
    ARRAY(char, text_buffer, [TEXT_SIZE])

#define GAME_STATE_DECLARE_VALUE(type, name, initial) extern type name;
#define GAME_STATE_DECLARE_ARRAY(type, name, size) extern type name size;
GAME_STATE(GAME_STATE_DECLARE_VALUE, GAME_STATE_DECLARE_ARRAY, GAME_STATE_DECLARE_ARRAY)
#undef GAME_STATE_DECLARE_VALUE
#undef GAME_STATE_DECLARE_ARRAY

// Progression tables, indexed by level.
extern const int max_hp_table[LEVEL_COUNT];
extern const int max_mp_table[LEVEL_COUNT];
extern const int exp_table[LEVEL_COUNT - 1];

// Puts every variable of the list back to its initial value, images and clip
// tables excepted, as if the program had just started. For tests and fuzz
// targets that play many games in one process.
void reset_game_state();

#endif
