// Event dialogs: a character's line when the player faces it, the box that
// can be picked up and the repair station, with their confirm actions. They
// act on a confirm press in the frame it arrives, as the menu and the battle
// do; run_frame lowers the press to held before the next frame's input.
#include <climits>

#include "render/render.h"
#include "shell/game_state.h"

static const int DIALOG_TOP = 181;

static bool within_dialog_range(int a, int b)
{
    long long distance = (long long)a - b;
    return distance > -DIALOG_RANGE && distance < DIALOG_RANGE;
}

static bool cell_on_map(int column, int row)
{
    return column >= 0 && column < MAP_SIZE && row >= 0 && row < MAP_SIZE;
}

// The object layer at a cell; a cell off the map holds nothing.
static int object_at(int column, int row)
{
    return cell_on_map(column, row) ? map_layers[LAYER_OBJECT][column][row] : TILE_EMPTY;
}

static void show_dialog(const char* text, const char* question)
{
    apply_surface(0, DIALOG_TOP, text_window, screen, NULL);
    draw_text(5, 186, text, ALIGN_LEFT);
    if (question != NULL)
        draw_text(315, 197, question, ALIGN_RIGHT);
}

// The box's upper half lies in the overhead layer of the cell above.
static void take_box(int column, int row)
{
    if (row > 0)
        map_layers[LAYER_OVERHEAD][column][row - 1] = TILE_EMPTY;
    collision_grid[column][row] = 0;
    if (boxes_collected < INT_MAX)
        boxes_collected++;
    if (boxes_remaining > INT_MIN)
        boxes_remaining--;
    map_layers[LAYER_OBJECT][column][row] = TILE_EMPTY;
}

// Fills HP and MP to the level's maxima for REPAIR_COST gold, only when the
// player can pay and has something to repair. A level outside the tables
// (a damaged save) has no maxima, so nothing is repaired.
static void repair()
{
    if (gold < REPAIR_COST || level < 0 || level >= LEVEL_COUNT)
        return;
    int max_hp = max_hp_table[level];
    int max_mp = max_mp_table[level];
    if (player_hp >= max_hp && player_mp >= max_mp)
        return;
    player_hp = max_hp;
    player_mp = max_mp;
    gold -= REPAIR_COST;
}

void draw_event_dialogs()
{
    if (menu_state != MENU_CLOSED)
        return;

    for (int n = 0; n < NPC_COUNT; n++) {
        if (within_dialog_range(npc_x[n], facing_x) && within_dialog_range(npc_y[n], facing_y))
            show_dialog(npc_text[n], NULL);
    }

    int column = facing_x / TILE_SIZE;
    int row = facing_y / TILE_SIZE;

    if (object_at(column, row) == BOX_TILE) {
        show_dialog("It is a box and presumably part of some form of fetch quest.", "Pick it up?");
        if (accept == BUTTON_PRESSED)
            take_box(column, row);
    }

    if (object_at(column, row) == REPAIR_TILE) {
        show_dialog("You can repair yourself here but it will cost you five gold.", "Spend the monies?");
        if (accept == BUTTON_PRESSED)
            repair();
    }
}
