// Definitions of every game-state variable with its initial value. This is
// the only file that defines game state; game_state.h declares it.
#include "shell/game_state.h"

// The values derived from the player's start are computed at compile time,
// so they hold before any code runs.
static const int START_X = PLAYER_START_X;
static const int START_Y = PLAYER_START_Y;

int player_x = START_X;
int player_y = START_Y;
int player_hp = 1;
int player_mp = 1;
int gold = 5;
int exp = 0;
int level = 0;
int boxes_collected = 0;
int player_frame = 0;
double anim_phase = 0.0;

// The player's anchor starts 160 px from the screen's left edge and 120 px
// from its top; the facing point starts on the player.
int camera_x = START_X - SCREEN_WIDTH / 2;
int camera_y = START_Y - SCREEN_HEIGHT / 2;
int facing_x = START_X;
int facing_y = START_Y;

const int max_hp_table[LEVEL_COUNT] = {25, 35, 45, 55, 65, 75, 85, 95, 105, 125};
const int max_mp_table[LEVEL_COUNT] = {5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
const int exp_table[LEVEL_COUNT - 1] = {10, 20, 40, 80, 160, 320, 640, 1280, 2560};

int current_monster = -1;
int monster_hp = 1;
int battle_state = 1;
char battle_message[TEXT_SIZE] = "";
double message_chars = 0.0;
int battle_amount = 0;
int escape_pending = 0;

char monster_name[MONSTER_COUNT][MONSTER_NAME_SIZE] = {};
int monster_max_hp[MONSTER_COUNT] = {};
int monster_attack[MONSTER_COUNT] = {};
int monster_exp[MONSTER_COUNT] = {};
int monster_gold[MONSTER_COUNT] = {};

int npc_x[NPC_COUNT] = {};
int npc_y[NPC_COUNT] = {};
int npc_sprite[NPC_COUNT] = {};
int npc_direction[NPC_COUNT] = {};
const char* npc_text[NPC_COUNT] = {};
int npc_step_counter = 0;

int map_layers[LAYER_COUNT][MAP_SIZE][MAP_SIZE] = {};
unsigned char collision_grid[MAP_SIZE][MAP_SIZE] = {};
int boxes_remaining = 0;

SDL_Surface* screen = nullptr;
SDL_Surface* charset = nullptr;
SDL_Surface* font_image = nullptr;
SDL_Surface* text_window = nullptr;
SDL_Surface* tall_window = nullptr;
SDL_Surface* tileset0 = nullptr;
SDL_Surface* tileset1 = nullptr;
SDL_Surface* tileset2 = nullptr;
SDL_Surface* tileset3 = nullptr;
SDL_Surface* tileset4 = nullptr;
SDL_Rect tile_clips[TILES_PER_SHEET] = {};
SDL_Rect font_clips[GLYPH_COUNT] = {};
SDL_Rect sprite_clips[SPRITE_FRAME_COUNT] = {};

int start_button = 0;
int accept = 0;
int up_button = 0;
int down_button = 0;
int left_button = 0;
int right_button = 0;
bool quit_requested = false;

int menu_state = 0;
char text_buffer[TEXT_SIZE] = "";
