// Panels and menus: the status panel along the bottom, the monster panel and
// battle window during a fight, and the save/load menu with its box counter.
// Every line is composed in text_buffer just before it is drawn.
#include <cstdio>

#include "render/render.h"
#include "shell/game_state.h"

static const int STATUS_TOP = 209;
static const int BATTLE_WINDOW_TOP = 181;
static const int MENU_LEFT = 238;
static const int MENU_TOP = 30;

// "label value/maximum", or "label value" when there is no maximum to show.
static void compose_ratio(const char* label, int value, bool has_maximum, int maximum)
{
    if (has_maximum)
        std::snprintf(text_buffer, sizeof text_buffer, "%s%d/%d", label, value, maximum);
    else
        std::snprintf(text_buffer, sizeof text_buffer, "%s%d", label, value);
}

// A level outside the tables (only a damaged save can hold one) shows its
// values without maxima rather than reading past the tables.
void draw_status_panel()
{
    apply_surface(0, STATUS_TOP, text_window, screen, NULL);

    std::snprintf(text_buffer, sizeof text_buffer, "%s", "Insert name here");
    draw_text(5, 214, text_buffer, ALIGN_LEFT);

    std::snprintf(text_buffer, sizeof text_buffer, "LV %lld", (long long)level + 1);
    draw_text(160, 214, text_buffer, ALIGN_LEFT);

    bool below_top = level >= 0 && level < LEVEL_COUNT - 1;
    compose_ratio("EXP ", exp, below_top, below_top ? exp_table[level] : 0);
    draw_text(315, 214, text_buffer, ALIGN_RIGHT);

    bool known = level >= 0 && level < LEVEL_COUNT;
    compose_ratio("HP ", player_hp, known, known ? max_hp_table[level] : 0);
    draw_text(5, 225, text_buffer, ALIGN_LEFT);

    compose_ratio("MP ", player_mp, known, known ? max_mp_table[level] : 0);
    draw_text(160, 225, text_buffer, ALIGN_LEFT);

    std::snprintf(text_buffer, sizeof text_buffer, "GOLD %d", gold);
    draw_text(315, 225, text_buffer, ALIGN_RIGHT);
}

// Draws nothing unless current_monster names an entry of the monster table.
void draw_monster_panel()
{
    if (current_monster < 0 || current_monster >= MONSTER_COUNT)
        return;
    apply_surface(0, 0, text_window, screen, NULL);

    // The name is copied up to the size of its entry, terminated or not.
    std::snprintf(text_buffer, sizeof text_buffer, "%.*s", MONSTER_NAME_SIZE, monster_name[current_monster]);
    draw_text(5, 5, text_buffer, ALIGN_LEFT);

    compose_ratio("HP ", monster_hp, true, monster_max_hp[current_monster]);
    draw_text(5, 16, text_buffer, ALIGN_LEFT);
}

// How many characters of battle_message the typewriter has revealed, kept
// within what text_buffer can hold whatever message_chars holds.
static int revealed_chars()
{
    if (!(message_chars >= 1.0))
        return 0;
    if (message_chars >= (double)(TEXT_SIZE - 1))
        return TEXT_SIZE - 1;
    return (int)message_chars;
}

// The battle message revealed so far, or the battle menu with its cursor.
void draw_battle_window()
{
    apply_surface(0, BATTLE_WINDOW_TOP, text_window, screen, NULL);

    if (battle_state == BATTLE_MESSAGE || battle_state == BATTLE_ACTION) {
        std::snprintf(text_buffer, sizeof text_buffer, "%.*s", revealed_chars(), battle_message);
        draw_text(5, 186, text_buffer, ALIGN_LEFT);
        return;
    }
    if (battle_state < BATTLE_ATTACK || battle_state > BATTLE_RUN)
        return;

    struct Entry {
        const char* word;
        int x, y;
    };
    static const Entry entries[BATTLE_RUN - BATTLE_ATTACK + 1]
        = { { "Attack", 5, 186 }, { "Inventory", 160, 186 }, { "Magic", 5, 197 }, { "Run", 160, 197 } };
    for (int state = BATTLE_ATTACK; state <= BATTLE_RUN; state++) {
        const Entry& entry = entries[state - BATTLE_ATTACK];
        std::snprintf(
            text_buffer, sizeof text_buffer, "%s%s", state == battle_state ? ">>>" : "", entry.word);
        draw_text(entry.x, entry.y, text_buffer, ALIGN_LEFT);
    }
}

// The menu, while it is open, with the boxes taken out of all on the map.
void draw_save_menu()
{
    if (menu_state <= MENU_CLOSED)
        return;
    apply_surface(MENU_LEFT, MENU_TOP, tall_window, screen, NULL);

    std::snprintf(text_buffer, sizeof text_buffer, "%s", menu_state == MENU_SAVE ? ">>>Save" : "Save");
    draw_text(243, 35, text_buffer, ALIGN_LEFT);

    std::snprintf(text_buffer, sizeof text_buffer, "%s", menu_state == MENU_LOAD ? ">>>Load" : "Load");
    draw_text(243, 46, text_buffer, ALIGN_LEFT);

    // The total is summed wide so that no count from a save can overflow it.
    long long total = (long long)boxes_remaining + boxes_collected;
    std::snprintf(text_buffer, sizeof text_buffer, "boxes %d/%lld", boxes_collected, total);
    draw_text(243, 167, text_buffer, ALIGN_LEFT);
}
