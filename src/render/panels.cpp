// Panels and menus.
// Empty until its subsystem is written.
#include "render/render.h"
#include "shell/game_state.h"

void draw_status_panel() {}
void draw_monster_panel() {}
void draw_battle_window() {}
void draw_save_menu() {}
