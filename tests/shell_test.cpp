// The game shell: button states, the save/load menu, quitting, the frame
// timer, the desktop keys and the images' colour key. The clip tables are
// seen at work in the world view's and the text's tests.
#include <algorithm>
#include <unistd.h>

#include "common/png_write.h"
#include "shell/timer.h"
#include "support/test_support.h"

namespace
{

class Shell : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        open_test_screen();
    }
};

TEST_F(Shell, PressAndReleaseInOneFrameHaveNoEffect)
{
    frame({ GP2X_START, ~GP2X_START, GP2X_RIGHT, ~GP2X_RIGHT });
    EXPECT_EQ(Ints({ start_button, right_button, menu_state, player_x }), Ints({ 0, 0, MENU_CLOSED, 1541 }));

    // A release followed by a press leaves the button pressed.
    frame({ ~GP2X_A, GP2X_A, GP2X_UP });
    EXPECT_EQ(accept, 2);
    run_frames(2);
    EXPECT_EQ(accept, 1) << "a confirm press lasts one frame";
    EXPECT_EQ(up_button, 2) << "a direction stays pressed while held";
}

TEST_F(Shell, LAndRQuitFromEveryStateAndTheirReleaseDoesNothing)
{
    for (int button : { GP2X_L, GP2X_R })
        for (int state : { 0, 1, 2 }) { // exploring, in the menu, in a battle
            reset_game_state();
            menu_state = state == 1 ? MENU_LOAD : MENU_CLOSED;
            current_monster = state == 2 ? 4 : NO_MONSTER;
            frame({ ~button });
            EXPECT_FALSE(quit_requested);
            frame({ button });
            frame({ ~button });
            EXPECT_TRUE(quit_requested) << "button " << button << " in state " << state;
        }
}

TEST_F(Shell, MenuMovesWithHeldDirectionsAndStartClosesItUnlessDownIsHeld)
{
    frame({ GP2X_START });
    frame({ ~GP2X_START, GP2X_DOWN });
    run_frames(2);
    EXPECT_EQ(menu_state, MENU_LOAD) << "held DOWN stops at Load";
    frame({ GP2X_UP });
    EXPECT_EQ(menu_state, MENU_LOAD) << "UP then DOWN in one frame ends on Load";
    frame({ ~GP2X_DOWN });
    EXPECT_EQ(menu_state, MENU_SAVE);

    menu_state = MENU_LOAD;
    frame({ GP2X_START });
    EXPECT_EQ(Ints({ menu_state, start_button }), Ints({ MENU_CLOSED, BUTTON_HELD }))
        << "START with UP held closes the menu";
    menu_state = MENU_LOAD;
    frame({ ~GP2X_UP, ~GP2X_START, GP2X_START, GP2X_DOWN });
    EXPECT_EQ(menu_state, MENU_SAVE) << "START with DOWN held reopens at Save";
}

TEST_F(Shell, DesktopKeysBecomeConsoleButtons)
{
    for (SDLKey key : { SDLK_RIGHT, SDLK_UP, SDLK_z, SDLK_q }) // q has no meaning
        push_key(key, true);
    run_frame();
    EXPECT_EQ(Ints({ right_button, up_button, accept }), Ints({ 2, 2, 2 }));
    push_key(SDLK_RIGHT, false);
    push_key(SDLK_BACKSPACE, true);
    run_frame();
    EXPECT_EQ(Ints({ right_button, menu_state, quit_requested }), Ints({ 0, MENU_SAVE, 0 }))
        << "Backspace is SELECT";
    push_key(SDLK_ESCAPE, true);
    run_frame();
    EXPECT_TRUE(quit_requested);
}

TEST_F(Shell, WindowCloseEndsTheMainLoopLikeL)
{
    push_quit();
    alarm(10); // a loop that never ends fails here rather than hanging
    run_main_loop();
    alarm(0);
    EXPECT_TRUE(quit_requested);
}

TEST(Timer, SleepsOutTheRestOfTheFrameAndNeverANegativeTime)
{
    const int cases[][2]
        = { { 0, 16 }, { 5, 11 }, { 15, 1 }, { 16, 0 }, { 250, 0 }, { -1, 0 }, { INT_MIN, 0 } };
    for (const auto& c : cases)
        EXPECT_EQ(frame_sleep_ticks(c[0]), c[1]) << "after a pass of " << c[0] << " ms";
}

TEST(Timer, CountsOnlyWhileStartedAndFreezesWhilePaused)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_TIMER), 0);
    Timer timer;
    timer.pause();
    EXPECT_EQ(Ints({ timer.is_paused(), timer.get_ticks() }), Ints({ 0, 0 }))
        << "an unstarted timer cannot pause";
    timer.start();
    SDL_Delay(5);
    timer.pause();
    const int frozen = timer.get_ticks();
    SDL_Delay(5);
    EXPECT_EQ(timer.get_ticks(), frozen);
    EXPECT_GE(frozen, 5);
    timer.unpause();
    EXPECT_GE(timer.get_ticks(), frozen);
    timer.stop();
    EXPECT_EQ(Ints({ timer.is_started(), timer.get_ticks() }), Ints({ 0, 0 }));
}

TEST_F(Shell, CyanStaysTransparentAfterConversionAndBlitsClip)
{
    ScratchDir dir;
    // A 24-bit PNG, as the game's media are: left half cyan, right half red.
    const unsigned char cyan_rgb[3] = { 0, 255, 255 }, red_rgb[3] = { 255, 0, 0 };
    unsigned char rgb[2][4][3];
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 4; x++)
            std::copy(x < 2 ? cyan_rgb : red_rgb, (x < 2 ? cyan_rgb : red_rgb) + 3, rgb[y][x]);
    ASSERT_TRUE(write_png_rgb("key.png", 4, 2, &rgb[0][0][0]));
    SDL_Rect clip { 2, 0, 1, 1 };
    SDL_Surface* loaded = load_image("key.png");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->format->BitsPerPixel, 16);

    const int green = SDL_MapRGB(screen->format, 0, 255, 0), red = SDL_MapRGB(screen->format, 255, 0, 0);
    SDL_FillRect(screen, nullptr, green);
    apply_surface(10, 10, loaded, screen, nullptr);
    apply_surface(-3, 0, loaded, screen, nullptr); // partly off the left edge
    apply_surface(100, 100, loaded, screen, &clip);
    // The cyan half is transparent; only the clip is drawn.
    EXPECT_EQ(Ints({ pixel16(screen, 10, 10), pixel16(screen, 12, 11), pixel16(screen, 0, 0),
                  pixel16(screen, 100, 100), pixel16(screen, 101, 100) }),
        Ints({ green, red, red, red, green }));
    SDL_FreeSurface(loaded);

    EXPECT_EQ(load_image("missing.png"), nullptr);
    apply_surface(0, 0, nullptr, screen, nullptr); // draws nothing, does not crash
}

} // namespace
