// Text on screen: where draw_text puts each glyph, what the status panel, the
// battle panels and the save/load menu say, and the map's event dialogs with
// their confirm actions. The font is a sheet whose 95 glyphs are solid cells
// of distinct colours, so every glyph can be read back from the screen.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "render/render.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"
#include "support/test_support.h"

namespace
{

const Uint16 BLANK = 0x0000;
const Uint16 WINDOW = 0x0100;
const Uint16 FIRST_GLYPH = 0x4000;

void install_images()
{
    if (font_image == nullptr) {
        font_image = make_surface(GLYPH_COUNT * 6, 10, 0, 0, 0);
        for (int g = 0; g < GLYPH_COUNT; g++) {
            SDL_Rect cell = { (Sint16)(6 * g), 0, 6, 10 };
            SDL_FillRect(font_image, &cell, FIRST_GLYPH + g);
        }
        text_window = make_surface(SCREEN_WIDTH, 31, 0, 0, 0);
        SDL_FillRect(text_window, nullptr, WINDOW);
        tall_window = make_surface(82, 180, 0, 0, 0);
        SDL_FillRect(tall_window, nullptr, WINDOW);
    }
    fill_clip_tables();
}

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

// The text drawn from x to the right, up to the first cell without a glyph.
std::string text_from(int x, int y)
{
    std::string text;
    for (char c; (c = glyph_cell(x, y)) != 0; x += 6)
        text += c;
    return text;
}

// The text drawn to the left of x, ending exactly there.
std::string text_ending_at(int x, int y)
{
    std::string text;
    for (char c; (c = glyph_cell(x - 6, y)) != 0; x -= 6)
        text.insert(text.begin(), c);
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

class OnScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        open_test_screen();
        install_images();
        clear_screen();
    }
};

using Text = OnScreen;
using Panels = OnScreen;

TEST_F(Text, EmptyTextAndLineFeed)
{
    draw_text(5, 5, "", ALIGN_LEFT);
    draw_text(5, 5, nullptr, ALIGN_RIGHT);
    EXPECT_EQ(painted_pixels(), 0);

    draw_text(50, 50, "A\nB", ALIGN_LEFT);
    EXPECT_EQ(text_from(50, 50), "A B") << "a line feed is a blank glyph, not a new line";
    EXPECT_EQ(painted_pixels(), 3 * 60);
}

TEST_F(Text, LongTextBreaksOnceAtTheLastSpaceOfTheFirst52)
{
    draw_text(5, 186, "You can repair yourself here but it will cost you five gold.", ALIGN_LEFT);
    EXPECT_EQ(text_from(5, 186), "You can repair yourself here but it will cost you");
    EXPECT_EQ(text_from(5, 197), "five gold.");
    // The break's space lands at x -1, so only five of its columns show.
    EXPECT_EQ(pixel16(screen, 0, 197), FIRST_GLYPH);
    EXPECT_EQ(pixel16(screen, 4, 206), FIRST_GLYPH);
    EXPECT_EQ(painted_pixels(), 59 * 60 + 50);
}

TEST_F(Text, FiftyTwoCharactersNeverBreakAndTheSecondLineNeverBreaksAgain)
{
    std::string exact = "Twelve words of text that fill one line to its end!!";
    ASSERT_EQ(exact.size(), 52u);
    draw_text(2, 20, exact.c_str(), ALIGN_LEFT);
    EXPECT_EQ(text_from(2, 20), exact);
    EXPECT_EQ(painted_pixels(), 52 * 60);

    clear_screen();
    std::string tail = std::string(46, 'x') + " a b c";
    draw_text(5, 100, ("Hello " + tail).c_str(), ALIGN_LEFT);
    EXPECT_EQ(text_from(5, 100), "Hello");
    EXPECT_EQ(text_from(5, 111), tail);
}

TEST_F(Text, NoSpaceOrOnlyALeadingSpaceAmongTheFirst52)
{
    std::string solid = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz01234567";
    draw_text(2, 50, solid.c_str(), ALIGN_LEFT);
    EXPECT_EQ(text_from(2, 50), solid.substr(0, 53)) << "53 characters on the first line";
    EXPECT_EQ(pixel16(screen, 0, 61), FIRST_GLYPH + solid[53] - 32) << "the 54th at x - 6";
    EXPECT_EQ(text_from(2, 61), solid.substr(54));
    EXPECT_EQ(painted_pixels(), 59 * 60 + 2 * 10);

    clear_screen();
    std::string leading = " " + solid.substr(1, 52);
    draw_text(8, 100, leading.c_str(), ALIGN_LEFT);
    EXPECT_EQ(text_from(2, 111), leading) << "everything on the second line, from x - 6";
    EXPECT_EQ(painted_pixels(), 53 * 60);
}

TEST_F(Text, RightCentreAndUnknownAlignments)
{
    draw_text(315, 225, "GOLD 5", ALIGN_RIGHT);
    EXPECT_EQ(text_from(279, 225), "GOLD 5");
    EXPECT_EQ(text_ending_at(315, 225), "GOLD 5");

    draw_text(100, 10, "ABC", ALIGN_CENTRE);
    EXPECT_EQ(text_from(88, 10), "ABC");

    draw_text(100, 30, "left", 7);
    EXPECT_EQ(text_from(100, 30), "left");
    EXPECT_EQ(painted_pixels(), 13 * 60);
}

TEST_F(Panels, StatusPanelOfANewGame)
{
    draw_status_panel();
    EXPECT_EQ(pixel16(screen, 1, 210), WINDOW);
    EXPECT_EQ(text_from(5, 214), "Insert name here");
    EXPECT_EQ(text_from(160, 214), "LV 1");
    EXPECT_EQ(text_ending_at(315, 214), "EXP 0/10");
    EXPECT_EQ(text_from(5, 225), "HP 1/25");
    EXPECT_EQ(text_from(160, 225), "MP 1/5");
    EXPECT_EQ(text_ending_at(315, 225), "GOLD 5");
}

TEST_F(Panels, StatusPanelAtTheTopLevelWithExtremeNumbersAndADamagedLevel)
{
    level = 9;
    exp = INT_MIN;
    player_hp = INT_MAX;
    gold = INT_MIN;
    draw_status_panel();
    EXPECT_EQ(text_from(160, 214), "LV 10");
    EXPECT_EQ(text_ending_at(315, 214), "EXP -2147483648");
    EXPECT_EQ(text_from(5, 225), "HP 2147483647/125");
    EXPECT_EQ(text_from(160, 225), "MP 1/50");
    EXPECT_EQ(text_ending_at(315, 225), "GOLD -2147483648");

    // A level outside the tables shows the values without maxima.
    for (int damaged : { 10, -1, INT_MAX }) {
        level = damaged;
        exp = 7;
        clear_screen();
        draw_status_panel();
        EXPECT_EQ(text_from(160, 214), "LV " + std::to_string((long long)damaged + 1));
        EXPECT_EQ(text_ending_at(315, 214), "EXP 7");
        EXPECT_EQ(text_from(5, 225), "HP 2147483647");
        EXPECT_EQ(text_from(160, 225), "MP 1");
    }
}

TEST_F(Panels, MonsterPanelOnlyForAMonsterOfTheTable)
{
    current_monster = 2;
    std::snprintf(monster_name[2], MONSTER_NAME_SIZE, "Slime");
    monster_max_hp[2] = 12;
    monster_hp = 7;
    draw_monster_panel();
    EXPECT_EQ(pixel16(screen, 1, 1), WINDOW);
    EXPECT_EQ(text_from(5, 5), "Slime");
    EXPECT_EQ(text_from(5, 16), "HP 7/12");

    // A name that fills its whole entry without a terminator.
    current_monster = 9;
    std::memset(monster_name[9], 'M', MONSTER_NAME_SIZE);
    draw_monster_panel();
    EXPECT_EQ(text_from(5, 5), std::string(MONSTER_NAME_SIZE, 'M'));

    for (int outside : { -1, 10 }) {
        current_monster = outside;
        clear_screen();
        draw_monster_panel();
        EXPECT_EQ(painted_pixels(), 0) << outside;
    }
}

TEST_F(Panels, BattleWindowRevealsTheMessageOrShowsTheMenu)
{
    current_monster = 0;
    battle_state = 3;
    draw_battle_window();
    EXPECT_EQ(text_from(5, 186), "Attack");
    EXPECT_EQ(text_from(160, 186), "Inventory");
    EXPECT_EQ(text_from(5, 197), ">>>Magic");
    EXPECT_EQ(text_from(160, 197), "Run");

    std::snprintf(battle_message, TEXT_SIZE, "You have died.");
    struct Case {
        int state;
        double chars;
        const char* shown;
    };
    for (Case c : { Case { 0, 4.9, "You " }, Case { 5, 1e300, "You have died." }, Case { 5, -3.0, "" },
             Case { 0, std::numeric_limits<double>::quiet_NaN(), "" }, Case { 7, 20.0, "" } }) {
        battle_state = c.state;
        message_chars = c.chars;
        draw_battle_window();
        EXPECT_EQ(text_from(5, 186), c.shown) << "state " << c.state << ", " << c.chars << " characters";
        EXPECT_EQ(pixel16(screen, 318, 190), WINDOW);
    }

    // A message without a terminator shows at most what the buffer holds.
    std::memset(battle_message, 'x', TEXT_SIZE);
    battle_state = 0;
    message_chars = 1e9;
    draw_battle_window();
    EXPECT_EQ(text_from(5, 186), std::string(52, 'x')) << "the 53rd glyph runs off the screen";
    EXPECT_EQ(text_from(5, 197), std::string(TEXT_SIZE - 1 - 54, 'x'));
}

TEST_F(Panels, SaveMenuWithItsBoxCounter)
{
    menu_state = 2;
    boxes_collected = 3;
    boxes_remaining = 9;
    draw_save_menu();
    EXPECT_EQ(pixel16(screen, 239, 31), WINDOW);
    EXPECT_EQ(text_from(243, 35), "Save");
    EXPECT_EQ(text_from(243, 46), ">>>Load");
    EXPECT_EQ(text_from(243, 167), "boxes 3/12");

    menu_state = 1;
    boxes_collected = INT_MAX;
    boxes_remaining = INT_MAX;
    draw_save_menu();
    EXPECT_EQ(text_from(243, 35), ">>>Save");
    EXPECT_EQ(text_from(243, 46), "Load");
    EXPECT_STREQ(text_buffer, "boxes 2147483647/4294967294") << "too wide for the screen";

    for (int closed : { 0, -1 }) {
        menu_state = closed;
        clear_screen();
        draw_save_menu();
        EXPECT_EQ(painted_pixels(), 0) << closed;
    }
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
};

TEST_F(EventDialogs, AFreshConfirmTakesTheBox)
{
    map_layers[LAYER_OBJECT][50][50] = BOX_TILE;
    map_layers[LAYER_OVERHEAD][50][49] = 6;
    collision_grid[50][50] = 1;
    boxes_collected = 2;
    boxes_remaining = 5;

    accept = BUTTON_HELD;
    draw_event_dialogs();
    EXPECT_EQ(map_layers[LAYER_OBJECT][50][50], BOX_TILE) << "a held button takes nothing";

    accept = BUTTON_PRESSED;
    draw_event_dialogs();
    EXPECT_EQ(map_layers[LAYER_OBJECT][50][50], TILE_EMPTY);
    EXPECT_EQ(map_layers[LAYER_OVERHEAD][50][49], TILE_EMPTY);
    EXPECT_EQ(collision_grid[50][50], 0);
    EXPECT_EQ(boxes_collected, 3);
    EXPECT_EQ(boxes_remaining, 4);
    EXPECT_EQ(accept, BUTTON_PRESSED);
    EXPECT_EQ(text_from(5, 186), "It is a box and presumably part of some form of");
    EXPECT_EQ(text_from(5, 197), "fetch quest.");
    EXPECT_EQ(text_ending_at(315, 197), "Pick it up?");

    clear_screen();
    draw_event_dialogs();
    EXPECT_EQ(painted_pixels(), 0) << "the box is gone";
    EXPECT_EQ(boxes_collected, 3);
}

TEST_F(EventDialogs, ABoxInTheTopRowAndCellsOffTheMap)
{
    facing_y = 5;
    map_layers[LAYER_OBJECT][50][0] = BOX_TILE;
    map_layers[LAYER_OVERHEAD][49][199] = 7;
    accept = BUTTON_PRESSED;
    draw_event_dialogs();
    EXPECT_EQ(boxes_collected, 1);
    EXPECT_EQ(map_layers[LAYER_OVERHEAD][49][199], 7) << "the top row has no cell above";

    // Boxes in the cells that lie next to the map's edges in memory.
    map_layers[LAYER_OBJECT][0][0] = BOX_TILE;
    map_layers[LAYER_OBJECT][49][199] = BOX_TILE;
    map_layers[LAYER_OBJECT][51][0] = BOX_TILE;
    map_layers[LAYER_OVERHEAD][0][50] = BOX_TILE;
    map_layers[LAYER_OBSTACLE][199][50] = BOX_TILE;
    struct Point {
        int x, y;
    };
    for (Point p : { Point { -25, 1000 }, Point { 4005, 1000 }, Point { 1000, -25 }, Point { 1000, 4010 },
             Point { INT_MIN, INT_MAX } }) {
        facing_x = p.x;
        facing_y = p.y;
        clear_screen();
        draw_event_dialogs();
        EXPECT_EQ(painted_pixels(), 0) << p.x << ", " << p.y;
    }
    EXPECT_EQ(boxes_collected, 1);
}

TEST_F(EventDialogs, RepairNeedsFiveGoldAndSomethingToRepair)
{
    map_layers[LAYER_OBJECT][50][50] = REPAIR_TILE;
    gold = 5;
    player_hp = 3;
    player_mp = 5;
    accept = BUTTON_PRESSED;
    draw_event_dialogs();
    EXPECT_EQ(player_hp, 25);
    EXPECT_EQ(player_mp, 5);
    EXPECT_EQ(gold, 0);
    EXPECT_EQ(text_from(5, 186), "You can repair yourself here but it will cost you");
    EXPECT_EQ(text_from(5, 197), "five gold.");
    EXPECT_EQ(text_ending_at(315, 197), "Spend the monies?");

    draw_event_dialogs();
    EXPECT_EQ(gold, 0) << "a second press does nothing";

    struct Case {
        int gold, hp, mp, level, button;
        int want_gold, want_hp, want_mp;
    };
    for (Case c :
        { Case { 4, 3, 1, 0, BUTTON_PRESSED, 4, 3, 1 }, Case { 10, 25, 5, 0, BUTTON_PRESSED, 10, 25, 5 },
            Case { 10, 25, 2, 0, BUTTON_PRESSED, 5, 25, 5 }, Case { 10, 3, 2, 0, BUTTON_HELD, 10, 3, 2 },
            Case { 10, 3, 2, 12, BUTTON_PRESSED, 10, 3, 2 } }) {
        gold = c.gold;
        player_hp = c.hp;
        player_mp = c.mp;
        level = c.level;
        accept = c.button;
        draw_event_dialogs();
        EXPECT_EQ(gold, c.want_gold) << "gold " << c.gold << " hp " << c.hp << " mp " << c.mp << " level "
                                     << c.level;
        EXPECT_EQ(player_hp, c.want_hp);
        EXPECT_EQ(player_mp, c.want_mp);
    }
}

TEST_F(EventDialogs, CharactersSpeakWithinNinePixelsAndNotInTheMenu)
{
    npc_text[3] = "Hello there.";
    struct Case {
        int dx, dy;
        bool speaks;
    };
    for (Case c :
        { Case { 9, 0, true }, Case { 10, 0, false }, Case { -9, 9, true }, Case { 0, -10, false } }) {
        npc_x[3] = facing_x + c.dx;
        npc_y[3] = facing_y + c.dy;
        clear_screen();
        draw_event_dialogs();
        EXPECT_EQ(text_from(5, 186), c.speaks ? "Hello there." : "") << c.dx << ", " << c.dy;
    }

    npc_text[5] = "The last one speaks over me.";
    npc_x[5] = npc_x[3] = facing_x;
    npc_y[5] = npc_y[3] = facing_y;
    draw_event_dialogs();
    EXPECT_EQ(text_from(5, 186), "The last one speaks over me.");

    map_layers[LAYER_OBJECT][50][50] = BOX_TILE;
    accept = BUTTON_PRESSED;
    menu_state = 1;
    clear_screen();
    draw_event_dialogs();
    EXPECT_EQ(painted_pixels(), 0);
    EXPECT_EQ(map_layers[LAYER_OBJECT][50][50], BOX_TILE);
}

TEST_F(EventDialogs, TheConfirmThatClosesTheMenuAlsoTakesTheBox)
{
    ScratchDir scratch;
    int column = player_x / TILE_SIZE;
    int row = player_y / TILE_SIZE;
    facing_x = player_x;
    facing_y = player_y;
    map_layers[LAYER_OBJECT][column][row] = BOX_TILE;
    boxes_remaining = 1;

    menu_state = 1;
    push_button(GP2X_A, true);
    run_frame();
    EXPECT_EQ(menu_state, 0);
    EXPECT_TRUE(file_exists("gamesave.dat"));
    EXPECT_EQ(map_layers[LAYER_OBJECT][column][row], TILE_EMPTY);
    EXPECT_EQ(boxes_collected, 1);

    // Loading the save, made before the box was taken, brings the box back,
    // and the same press takes it again.
    menu_state = 2;
    push_button(GP2X_A, true);
    run_frame();
    EXPECT_EQ(menu_state, 0);
    EXPECT_EQ(map_layers[LAYER_OBJECT][column][row], TILE_EMPTY);
    EXPECT_EQ(boxes_collected, 1);
    EXPECT_EQ(boxes_remaining, 0);
}

} // namespace
