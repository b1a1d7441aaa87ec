// The game shell: button states, the save/load menu, quitting, the frame
// timer, the desktop keys and the images' colour key.
#include <gtest/gtest.h>

#include "render/render.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"
#include "shell/timer.h"
#include "support/test_support.h"

namespace {

class Shell : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_game_state();
        open_test_screen();
    }
};

TEST_F(Shell, StartsWithTheInitialStateAndItsDerivedValues)
{
    EXPECT_EQ(camera_x, 1381);
    EXPECT_EQ(camera_y, 2789);
    EXPECT_EQ(facing_x, 1541);
    EXPECT_EQ(facing_y, 2909);
    EXPECT_EQ(current_monster, -1);
    EXPECT_EQ(battle_state, 1);
    EXPECT_EQ(monster_hp, 1);
    EXPECT_EQ(player_hp, 1);
    EXPECT_EQ(gold, 5);
}

TEST_F(Shell, PressAndReleaseInOneFrameHaveNoEffect)
{
    push_button(GP2X_START, true);
    push_button(GP2X_START, false);
    push_button(GP2X_RIGHT, true);
    push_button(GP2X_RIGHT, false);
    run_frame();
    EXPECT_EQ(start_button, 0);
    EXPECT_EQ(right_button, 0);
    EXPECT_EQ(menu_state, 0);

    // A release followed by a press leaves the button pressed.
    push_button(GP2X_A, false);
    push_button(GP2X_A, true);
    run_frame();
    EXPECT_EQ(accept, 2);
    run_frame();
    EXPECT_EQ(accept, 1) << "a confirm press lasts one frame";
}

TEST_F(Shell, DirectionsStayPressedWhileHeld)
{
    push_button(GP2X_UP, true);
    push_button(GP2X_LEFT, true);
    run_frames(3);
    EXPECT_EQ(up_button, 2);
    EXPECT_EQ(left_button, 2);
    push_button(GP2X_UP, false);
    run_frame();
    EXPECT_EQ(up_button, 0);
    EXPECT_EQ(left_button, 2);
}

TEST_F(Shell, SelectActsLikeStartAndFaceButtonsAlike)
{
    for (int button : {GP2X_START, GP2X_SELECT}) {
        reset_game_state();
        push_button(button, true);
        run_frame();
        EXPECT_EQ(menu_state, 1) << "button " << button;
        EXPECT_EQ(start_button, 1) << "START is acted on when it opens the menu";
    }
    for (int button : {GP2X_A, GP2X_B, GP2X_X, GP2X_Y}) {
        reset_game_state();
        push_button(button, true);
        run_frame();
        EXPECT_EQ(accept, 2) << "button " << button;
    }
}

TEST_F(Shell, DiagonalsAndUnknownButtonsChangeNothing)
{
    for (int button : {1, 3, 5, 7, 16, 17, 31, 255}) {
        push_button(button, true);
        run_frame();
        push_button(button, false);
        run_frame();
    }
    EXPECT_EQ(up_button + down_button + left_button + right_button + start_button + accept, 0);
    EXPECT_FALSE(quit_requested);
    EXPECT_EQ(menu_state, 0);
}

TEST_F(Shell, LAndRQuitFromEveryStateAndTheirReleaseDoesNothing)
{
    struct Case {
        int button, menu, monster;
    };
    for (Case c : {Case{GP2X_L, 0, -1}, Case{GP2X_R, 0, -1}, Case{GP2X_L, 2, -1}, Case{GP2X_R, 1, 3},
             Case{GP2X_L, 0, 4}}) {
        reset_game_state();
        menu_state = c.menu;
        current_monster = c.monster;
        push_button(c.button, false);
        run_frame();
        EXPECT_FALSE(quit_requested);
        push_button(c.button, true);
        run_frame();
        EXPECT_TRUE(quit_requested) << "button " << c.button << " menu " << c.menu;
        push_button(c.button, false);
        run_frame();
        EXPECT_TRUE(quit_requested) << "never cleared";
    }
}

TEST_F(Shell, MenuMovesWithHeldDirectionsAndEndsOnLoadWithBoth)
{
    push_button(GP2X_START, true);
    run_frame();
    ASSERT_EQ(menu_state, 1);
    push_button(GP2X_START, false);
    push_button(GP2X_DOWN, true);
    run_frames(3);
    EXPECT_EQ(menu_state, 2) << "held DOWN stops at Load";
    push_button(GP2X_UP, true);
    run_frame();
    EXPECT_EQ(menu_state, 2) << "UP then DOWN in one frame ends on Load";
    push_button(GP2X_DOWN, false);
    run_frame();
    EXPECT_EQ(menu_state, 1);
}

TEST_F(Shell, StartClosesTheMenuUnlessDownIsHeld)
{
    menu_state = 2;
    push_button(GP2X_START, true);
    push_button(GP2X_UP, true);
    run_frame();
    EXPECT_EQ(menu_state, 0) << "START with UP held closes the menu";
    EXPECT_EQ(start_button, 1);

    menu_state = 2;
    push_button(GP2X_UP, false);
    push_button(GP2X_START, false);
    push_button(GP2X_START, true);
    push_button(GP2X_DOWN, true);
    run_frame();
    EXPECT_EQ(menu_state, 1) << "START with DOWN held reopens at Save";
}

TEST_F(Shell, ConfirmClosesTheMenuAndOnlyAFreshPressActs)
{
    ScratchDir dir;
    menu_state = 1;
    push_button(GP2X_A, true);
    run_frame();
    EXPECT_EQ(menu_state, 0);

    // A held confirm does not choose again once the menu is reopened.
    menu_state = 2;
    run_frame();
    EXPECT_EQ(menu_state, 2);
    push_button(GP2X_B, false);
    push_button(GP2X_B, true);
    run_frame();
    EXPECT_EQ(menu_state, 0);
}

TEST_F(Shell, StartDoesNothingInBattle)
{
    current_monster = 0;
    push_button(GP2X_START, true);
    run_frame();
    EXPECT_EQ(menu_state, 0);
}

TEST_F(Shell, DesktopKeysBecomeConsoleButtons)
{
    push_key(SDLK_RIGHT, true);
    push_key(SDLK_UP, true);
    push_key(SDLK_z, true);
    run_frame();
    EXPECT_EQ(right_button, 2);
    EXPECT_EQ(up_button, 2);
    EXPECT_EQ(accept, 2);
    push_key(SDLK_RIGHT, false);
    push_key(SDLK_q, true); // no meaning
    run_frame();
    EXPECT_EQ(right_button, 0);
    push_key(SDLK_BACKSPACE, true);
    run_frame();
    EXPECT_EQ(menu_state, 1) << "Backspace is SELECT";
    EXPECT_FALSE(quit_requested);
    push_key(SDLK_ESCAPE, true);
    run_frame();
    EXPECT_TRUE(quit_requested);
}

TEST_F(Shell, WindowCloseEndsTheMainLoopLikeL)
{
    push_quit();
    run_main_loop();
    EXPECT_TRUE(quit_requested);
}

TEST(Timer, SleepsOutTheRestOfTheFrameAndNeverANegativeTime)
{
    EXPECT_EQ(frame_sleep_ticks(0), 16);
    EXPECT_EQ(frame_sleep_ticks(5), 11);
    EXPECT_EQ(frame_sleep_ticks(15), 1);
    EXPECT_EQ(frame_sleep_ticks(16), 0);
    EXPECT_EQ(frame_sleep_ticks(250), 0);
    EXPECT_EQ(frame_sleep_ticks(-1), 0) << "a clock that ran backwards";
    EXPECT_EQ(frame_sleep_ticks(-2147483647 - 1), 0);
}

TEST(Timer, CountsOnlyWhileStartedAndFreezesWhilePaused)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_TIMER), 0);
    Timer timer;
    EXPECT_EQ(timer.get_ticks(), 0);
    timer.pause();
    EXPECT_FALSE(timer.is_paused()) << "an unstarted timer cannot pause";
    timer.start();
    SDL_Delay(20);
    timer.pause();
    int frozen = timer.get_ticks();
    EXPECT_GE(frozen, 20);
    SDL_Delay(20);
    EXPECT_EQ(timer.get_ticks(), frozen);
    timer.unpause();
    EXPECT_GE(timer.get_ticks(), frozen);
    EXPECT_LT(timer.get_ticks(), frozen + 20);
    timer.stop();
    EXPECT_EQ(timer.get_ticks(), 0);
}

TEST_F(Shell, ClipTablesCutTheSheets)
{
    load_images(); // the files need not exist for the tables to fill
    EXPECT_EQ(sprite_clips[9].x, 20);
    EXPECT_EQ(sprite_clips[9].y, 40);
    EXPECT_EQ(sprite_clips[63].x, 140);
    EXPECT_EQ(sprite_clips[63].y, 280);
    EXPECT_EQ(sprite_clips[63].w, 20);
    EXPECT_EQ(sprite_clips[63].h, 40);
    EXPECT_EQ(font_clips[33].x, 198);
    EXPECT_EQ(font_clips[94].x, 564);
    EXPECT_EQ(font_clips[94].w, 6);
    EXPECT_EQ(font_clips[94].h, 10);
    EXPECT_EQ(tile_clips[19].x, 380);
    EXPECT_EQ(tile_clips[19].w, 20);
    EXPECT_EQ(tile_clips[19].h, 20);
}

TEST_F(Shell, CyanStaysTransparentAfterConversionAndBlitsClipAtEdges)
{
    ScratchDir dir;
    // A 24-bit image: left half cyan, right half red.
    SDL_Surface* image = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 2, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_Rect left{0, 0, 2, 2}, right{2, 0, 2, 2};
    SDL_FillRect(image, &left, SDL_MapRGB(image->format, 0, 255, 255));
    SDL_FillRect(image, &right, SDL_MapRGB(image->format, 255, 0, 0));
    ASSERT_EQ(SDL_SaveBMP(image, "key.bmp"), 0);
    SDL_FreeSurface(image);

    SDL_Surface* loaded = load_image("key.bmp");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->format->BitsPerPixel, 16);

    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 255, 0));
    apply_surface(10, 10, loaded, screen, nullptr);
    apply_surface(-3, 0, loaded, screen, nullptr); // partly off the left edge
    apply_surface(319, 239, loaded, screen, nullptr);
    Uint8 r, g, b;
    pixel_rgb(screen, 10, 10, &r, &g, &b);
    EXPECT_EQ(r, 0) << "the cyan half is transparent";
    EXPECT_EQ(g, 255);
    pixel_rgb(screen, 12, 11, &r, &g, &b);
    EXPECT_EQ(r, 255) << "the red half is drawn";
    EXPECT_EQ(g, 0);
    pixel_rgb(screen, 0, 0, &r, &g, &b);
    EXPECT_EQ(r, 255) << "the red half of the clipped blit";
    pixel_rgb(screen, 319, 239, &r, &g, &b);
    EXPECT_EQ(g, 255) << "the cyan corner at the screen's edge";

    SDL_Rect clip{2, 0, 1, 1};
    apply_surface(100, 100, loaded, screen, &clip);
    pixel_rgb(screen, 100, 100, &r, &g, &b);
    EXPECT_EQ(r, 255);
    pixel_rgb(screen, 101, 100, &r, &g, &b);
    EXPECT_EQ(r, 0) << "only the clip is drawn";
    SDL_FreeSurface(loaded);

    EXPECT_EQ(load_image("missing.png"), nullptr);
    apply_surface(0, 0, nullptr, screen, nullptr); // draws nothing, does not crash
}

} // namespace
