// The per-frame dispatch: input, then exactly one of the save/load menu,
// exploration or a battle turn, then the drawing of the frame.
#include "battle/battle.h"
#include "render/render.h"
#include "save/save.h"
#include "shell/game_state.h"
#include "shell/shell.h"
#include "world/world.h"

// The save/load menu while it is open; neither exploration nor battle runs.
static void update_menu()
{
    if (start_button == BUTTON_PRESSED) {
        start_button = BUTTON_HELD;
        menu_state = MENU_CLOSED;
    }
    if (menu_state == MENU_LOAD && up_button == BUTTON_PRESSED)
        menu_state = MENU_SAVE;
    if (menu_state < MENU_LOAD && down_button == BUTTON_PRESSED)
        menu_state = menu_state + 1;
    if (accept == BUTTON_PRESSED) {
        if (menu_state == MENU_SAVE) {
            menu_state = MENU_CLOSED;
            save_game();
        }
        if (menu_state == MENU_LOAD) {
            menu_state = MENU_CLOSED;
            load_game();
        }
    }
}

void run_frame()
{
    if (accept == BUTTON_PRESSED)
        accept = BUTTON_HELD;
    if (start_button == BUTTON_PRESSED)
        start_button = BUTTON_HELD;

    read_input();

    if (menu_state != MENU_CLOSED) {
        update_menu();
    } else if (current_monster == NO_MONSTER) {
        update_exploration();
        if (start_button == BUTTON_PRESSED) {
            start_button = BUTTON_HELD;
            menu_state = MENU_SAVE;
        }
    } else {
        update_battle();
    }

    draw_frame();
}
