// Text on screen: where draw_text puts each glyph, the panels and the menu
// with values only a damaged save holds, and the map's event dialogs with
// their confirm actions. The font is a sheet whose 95 glyphs are solid cells
// of distinct colours, so every glyph can be read back from the screen.
#include <cstdio>
#include <limits>

#include "support/test_support.h"

namespace
{

const Uint16 BLANK = 0x0000, WINDOW = 0x0100, FIRST_GLYPH = 0x4000;

void clear_screen()
{
    SDL_FillRect(screen, nullptr, BLANK);
}

// The character whose glyph exactly fills the 6 x 10 cell at (x, y), or 0.
char glyph_cell(int x, int y)
{
    if (x < 0 || y < 0 || x + 6 > SCREEN_WIDTH || y + 10 > SCREEN_HEIGHT)
        return 0;
    Uint16 colour = pixel16(screen, x, y);
    if (colour < FIRST_GLYPH || colour >= FIRST_GLYPH + GLYPH_COUNT)
        return 0;
    for (int dy = 0; dy < 10; dy++)
        for (int dx = 0; dx < 6; dx++)
            if (pixel16(screen, x + dx, y + dy) != colour)
                return 0;
    return (char)(32 + colour - FIRST_GLYPH);
}

// The text drawn from x to the right (or, when `ending`, the text ending at x),
// up to the first cell without a glyph.
std::string text_from(int x, int y, bool ending = false)
{
    std::string text;
    for (char c; (c = glyph_cell(ending ? x - 6 : x, y)) != 0; x += ending ? -6 : 6)
        text.insert(ending ? text.begin() : text.end(), c);
    return text;
}

int painted_pixels()
{
    int count = 0;
    for (int y = 0; y < SCREEN_HEIGHT; y++)
        for (int x = 0; x < SCREEN_WIDTH; x++)
            count += pixel16(screen, x, y) != BLANK;
    return count;
}

// Draws a text alone on the screen; returns the pixels it painted.
int draw_alone(int x, int y, const std::string& text, int align = ALIGN_LEFT)
{
    clear_screen();
    draw_text(x, y, text.c_str(), align);
    return painted_pixels();
}

class OnScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        open_test_screen();
        if (font_image == nullptr) {
            font_image = make_surface(GLYPH_COUNT * 6, 10, 0, 0, 0);
            for (int g = 0; g < GLYPH_COUNT; g++) {
                SDL_Rect cell = { (Sint16)(6 * g), 0, 6, 10 };
                SDL_FillRect(font_image, &cell, FIRST_GLYPH + g);
            }
            text_window = make_surface(SCREEN_WIDTH, 31, 0, 0, 0);
            tall_window = make_surface(82, 180, 0, 0, 0);
            SDL_FillRect(text_window, nullptr, WINDOW);
            SDL_FillRect(tall_window, nullptr, WINDOW);
        }
        fill_clip_tables();
        clear_screen();
    }
};

using Text = OnScreen;
using Panels = OnScreen;

TEST_F(Text, OneLineUpTo52AndOneBreakAtTheLastSpaceBeforeThat)
{
    EXPECT_EQ(draw_alone(5, 5, ""), 0);
    draw_text(5, 5, nullptr, ALIGN_RIGHT);
    EXPECT_EQ(painted_pixels(), 0);
    EXPECT_EQ(draw_alone(50, 50, "A\nB"), 3 * 60);
    EXPECT_EQ(text_from(50, 50), "A B") << "a line feed is a blank glyph, not a new line";

    const std::string exact = "Twelve words of text that fill one line to its end!!";
    ASSERT_EQ(exact.size(), 52u);
    EXPECT_EQ(draw_alone(2, 20, exact), 52 * 60);
    EXPECT_EQ(text_from(2, 20), exact);

    // Right-aligned to end at x, centred on it, and an unknown alignment drawn left.
    const int alignments[][2] = { { ALIGN_RIGHT, 64 }, { ALIGN_CENTRE, 79 }, { 7, 100 } };
    for (const auto& a : alignments) {
        EXPECT_EQ(draw_alone(100, 225, "GOLD 5", a[0]), 6 * 60);
        EXPECT_EQ(text_from(a[1], 225), "GOLD 5") << "alignment " << a[0];
    }

    // A long text without a space, and one whose only space comes first.
    const std::string solid = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz01234567";
    EXPECT_EQ(draw_alone(2, 50, solid), 59 * 60 + 2 * 10);
    EXPECT_EQ(text_from(2, 50), solid.substr(0, 53)) << "53 characters on the first line";
    EXPECT_EQ(pixel16(screen, 0, 61), FIRST_GLYPH + solid[53] - 32) << "the 54th at x - 6";
    EXPECT_EQ(text_from(2, 61), solid.substr(54));

    const std::string leading = " " + solid.substr(1, 52);
    EXPECT_EQ(draw_alone(8, 100, leading), 53 * 60);
    EXPECT_EQ(text_from(2, 111), leading) << "everything on the second line, from x - 6";
}

// The status panel's six texts, joined by '|'.
std::string status_panel()
{
    clear_screen();
    draw_status_panel();
    return text_from(5, 214) + "|" + text_from(160, 214) + "|" + text_from(315, 214, true) + "|"
        + text_from(5, 225) + "|" + text_from(160, 225) + "|" + text_from(315, 225, true);
}

TEST_F(Panels, ValuesFromADamagedSaveStayWithinTheTablesAndBuffers)
{
    level = 9;
    exp = gold = INT_MIN;
    player_hp = INT_MAX;
    EXPECT_EQ(
        status_panel(), "Insert name here|LV 10|EXP -2147483648|HP 2147483647/125|MP 1/50|GOLD -2147483648");

    // A level outside the tables shows the values without maxima.
    exp = 7;
    for (int damaged : { 10, -1, INT_MAX }) {
        level = damaged;
        EXPECT_EQ(status_panel(),
            "Insert name here|LV " + std::to_string((long long)damaged + 1)
                + "|EXP 7|HP 2147483647|MP 1|GOLD -2147483648");
    }

    // A monster name that fills its whole entry without a terminator.
    current_monster = 9;
    std::memset(monster_name[9], 'M', MONSTER_NAME_SIZE);
    draw_monster_panel();
    EXPECT_EQ(text_from(5, 5), std::string(MONSTER_NAME_SIZE, 'M'));

    // Box counts whose total no int holds.
    menu_state = MENU_SAVE;
    boxes_collected = boxes_remaining = INT_MAX;
    draw_save_menu();
    EXPECT_STREQ(text_buffer, "boxes 2147483647/4294967294") << "too wide for the screen";

    // No panel for a monster outside the table, nor a menu for a closed or unknown state.
    for (int odd : { -1, 10 }) {
        current_monster = odd;
        menu_state = odd < 0 ? odd : MENU_CLOSED;
        clear_screen();
        draw_monster_panel();
        draw_save_menu();
        EXPECT_EQ(painted_pixels(), 0) << odd;
    }
}

TEST_F(Panels, BattleWindowRevealsWhatTheMessageHoldsAndNoMore)
{
    current_monster = 0;
    std::snprintf(battle_message, TEXT_SIZE, "You have died.");
    const struct {
        int state;
        double chars;
        const char* shown;
    } cases[] = { { BATTLE_MESSAGE, 4.9, "You " }, { BATTLE_ACTION, 1e300, "You have died." },
        { BATTLE_ACTION, -3.0, "" }, { BATTLE_MESSAGE, std::numeric_limits<double>::quiet_NaN(), "" },
        { 7, 20.0, "" } };
    for (const auto& c : cases) {
        battle_state = c.state;
        message_chars = c.chars;
        draw_battle_window();
        EXPECT_EQ(text_from(5, 186), c.shown) << "state " << c.state << ", " << c.chars << " characters";
        EXPECT_EQ(pixel16(screen, 318, 190), WINDOW);
    }

    // A message without a terminator shows at most what the buffer holds.
    std::memset(battle_message, 'x', TEXT_SIZE);
    battle_state = BATTLE_MESSAGE;
    message_chars = 1e9;
    draw_battle_window();
    EXPECT_EQ(text_from(5, 186), std::string(52, 'x')) << "the 53rd glyph runs off the screen";
    EXPECT_EQ(text_from(5, 197), std::string(TEXT_SIZE - 1 - 54, 'x'));
}

class EventDialogs : public OnScreen
{
protected:
    void SetUp() override
    {
        OnScreen::SetUp();
        for (int n = 0; n < NPC_COUNT; n++)
            npc_x[n] = npc_y[n] = -1000;
        facing_x = 1005;
        facing_y = 1019;
    }

    // Draws the dialogs on a clear screen with the confirm button as given.
    static void dialogs_with(int button)
    {
        accept = button;
        clear_screen();
        draw_event_dialogs();
    }
};

TEST_F(EventDialogs, AFreshConfirmTakesTheBoxButNoneOffTheMap)
{
    map_layers[LAYER_OBJECT][50][50] = BOX_TILE;
    map_layers[LAYER_OVERHEAD][50][49] = 6;
    collision_grid[50][50] = 1;
    boxes_collected = 2;
    boxes_remaining = 5;
    dialogs_with(BUTTON_HELD);
    EXPECT_EQ(map_layers[LAYER_OBJECT][50][50], BOX_TILE) << "a held button takes nothing";
    dialogs_with(BUTTON_PRESSED);
    EXPECT_EQ(collision_grid[50][50], 0) << "a box taken blocks no more";

    // A box in the top row has no cell above for its upper half.
    facing_y = 5;
    map_layers[LAYER_OBJECT][50][0] = BOX_TILE;
    map_layers[LAYER_OVERHEAD][49][199] = 7;
    dialogs_with(BUTTON_PRESSED);
    EXPECT_EQ(Ints({ boxes_collected, map_layers[LAYER_OVERHEAD][49][199] }), Ints({ 4, 7 }));

    // Boxes in the cells that lie next to the map's edges in memory.
    map_layers[LAYER_OBJECT][0][0] = map_layers[LAYER_OBJECT][49][199] = map_layers[LAYER_OBJECT][51][0]
        = BOX_TILE;
    map_layers[LAYER_OVERHEAD][0][50] = map_layers[LAYER_OBSTACLE][199][50] = BOX_TILE;
    const int points[][2]
        = { { -25, 1000 }, { 4005, 1000 }, { 1000, -25 }, { 1000, 4010 }, { INT_MIN, INT_MAX } };
    for (const auto& p : points) {
        facing_x = p[0];
        facing_y = p[1];
        dialogs_with(BUTTON_PRESSED);
        EXPECT_EQ(painted_pixels(), 0) << p[0] << ", " << p[1];
    }
    EXPECT_EQ(boxes_collected, 4);
}

TEST_F(EventDialogs, RepairNeedsFiveGoldAndSomethingToRepair)
{
    map_layers[LAYER_OBJECT][50][50] = REPAIR_TILE;
    // Gold, HP, MP, level and button, then gold, HP and MP after.
    const int cases[][8]
        = { { 5, 3, 5, 0, BUTTON_PRESSED, 0, 25, 5 }, { 4, 3, 1, 0, BUTTON_PRESSED, 4, 3, 1 },
              { 10, 25, 5, 0, BUTTON_PRESSED, 10, 25, 5 }, { 10, 25, 2, 0, BUTTON_PRESSED, 5, 25, 5 },
              { 10, 3, 2, 0, BUTTON_HELD, 10, 3, 2 }, { 10, 3, 2, 12, BUTTON_PRESSED, 10, 3, 2 } };
    for (const auto& c : cases) {
        gold = c[0];
        player_hp = c[1];
        player_mp = c[2];
        level = c[3];
        dialogs_with(c[4]);
        EXPECT_EQ(Ints({ gold, player_hp, player_mp }), Ints(c + 5, c + 8))
            << "gold " << c[0] << " hp " << c[1] << " mp " << c[2] << " level " << c[3] << " button " << c[4];
    }
}

TEST_F(EventDialogs, TheLastCharacterInRangeSpeaksAndNoneInTheMenu)
{
    npc_text[3] = "Hello there.";
    npc_text[5] = "The last one speaks over me.";
    npc_x[5] = npc_x[3] = facing_x;
    npc_y[5] = npc_y[3] = facing_y;
    dialogs_with(0);
    EXPECT_EQ(text_from(5, 186), "The last one speaks over me.");

    map_layers[LAYER_OBJECT][50][50] = BOX_TILE;
    menu_state = MENU_SAVE;
    dialogs_with(BUTTON_PRESSED);
    EXPECT_EQ(painted_pixels(), 0);
    EXPECT_EQ(map_layers[LAYER_OBJECT][50][50], BOX_TILE);
}

} // namespace
