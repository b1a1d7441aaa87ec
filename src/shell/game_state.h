// The whole game state: every variable the game keeps, declared here and
// defined once in game_state.cpp. Every subsystem reads and writes these
// globals directly; nothing of the game state is allocated while it runs.
//
// Never include <cmath>, <math.h> or <random> beside this header: the global
// `exp` would collide with the C library's exp().
#ifndef GAME_STATE_H
#define GAME_STATE_H

#include <SDL.h>

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

// Player.
extern int player_x;
extern int player_y;
extern int player_hp;
extern int player_mp;
extern int gold;
extern int exp;
extern int level;
extern int boxes_collected;
extern int player_frame;
extern double anim_phase;

// Camera and the facing point, 8 px ahead of the player.
extern int camera_x;
extern int camera_y;
extern int facing_x;
extern int facing_y;

// Progression tables, indexed by level.
extern const int max_hp_table[LEVEL_COUNT];
extern const int max_mp_table[LEVEL_COUNT];
extern const int exp_table[LEVEL_COUNT - 1];

// Battle.
extern int current_monster;
extern int monster_hp;
extern int battle_state;
extern char battle_message[TEXT_SIZE];
extern double message_chars;
extern int battle_amount;
extern int escape_pending;

// Monster table, index = monster type.
extern char monster_name[MONSTER_COUNT][MONSTER_NAME_SIZE];
extern int monster_max_hp[MONSTER_COUNT];
extern int monster_attack[MONSTER_COUNT];
extern int monster_exp[MONSTER_COUNT];
extern int monster_gold[MONSTER_COUNT];

// Non-player characters, index = NPC number.
extern int npc_x[NPC_COUNT];
extern int npc_y[NPC_COUNT];
extern int npc_sprite[NPC_COUNT];
extern int npc_direction[NPC_COUNT];
extern const char* npc_text[NPC_COUNT];
extern int npc_step_counter;

// Map: [layer][x cell][y cell], and the walking grid derived from it.
extern int map_layers[LAYER_COUNT][MAP_SIZE][MAP_SIZE];
extern unsigned char collision_grid[MAP_SIZE][MAP_SIZE];
extern int boxes_remaining;

// Images and clip tables.
extern SDL_Surface* screen;
extern SDL_Surface* charset;
extern SDL_Surface* font_image;
extern SDL_Surface* text_window;
extern SDL_Surface* tall_window;
extern SDL_Surface* tileset0;
extern SDL_Surface* tileset1;
extern SDL_Surface* tileset2;
extern SDL_Surface* tileset3;
extern SDL_Surface* tileset4;
extern SDL_Rect tile_clips[TILES_PER_SHEET];
extern SDL_Rect font_clips[GLYPH_COUNT];
extern SDL_Rect sprite_clips[SPRITE_FRAME_COUNT];

// Buttons (ButtonState values) and quitting.
extern int start_button;
extern int accept;
extern int up_button;
extern int down_button;
extern int left_button;
extern int right_button;
extern bool quit_requested;

// Save/load menu (0 closed, 1 Save selected, 2 Load selected) and the
// scratch line in which the panels compose their texts.
extern int menu_state;
extern char text_buffer[TEXT_SIZE];

#endif
