// The game shell: the save/load menu, quitting, the frame timer, the desktop
// keys and the images' colour key. The blits' clips are the recorded
// scenarios'.

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

TEST_F(Shell, MenuMovesWithHeldDirectionsAndStartClosesItUnlessDownIsHeld)
{
    frame({ GP2X_START });
    frame({ ~GP2X_START, GP2X_DOWN });
    run_frame();
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

// The keys the end-to-end tests do not press; a confirm press lasts one
// frame; L, R and the window's close request quit when pressed, not let go.
TEST_F(Shell, DesktopKeysBecomeConsoleButtons)
{
    const struct {
        SDLKey key;
        int *state, wanted;
    } keys[] = { { SDLK_z, &accept, BUTTON_PRESSED }, { SDLK_x, &accept, BUTTON_PRESSED },
        { SDLK_c, &accept, BUTTON_PRESSED }, { SDLK_v, &accept, BUTTON_PRESSED },
        { SDLK_BACKSPACE, &menu_state, MENU_SAVE } }; // SELECT is START
    for (const auto& k : keys) {
        push_key(k.key, true);
        push_key(SDLK_q, true); // no meaning
        run_frame();
        EXPECT_EQ(*k.state, k.wanted) << SDL_GetKeyName(k.key);
        reset_game_state();
    }
    frame({ GP2X_A });
    run_frame();
    EXPECT_EQ(accept, BUTTON_HELD) << "a confirm press lasts one frame";
    push_key(SDLK_ESCAPE, false);
    frame({ ~GP2X_L, ~GP2X_R });
    EXPECT_FALSE(quit_requested);
    frame({ GP2X_R });
    EXPECT_TRUE(quit_requested);
    quit_requested = false;
    push_quit();
    run_frame();
    EXPECT_TRUE(quit_requested);
}

TEST(Timer, SleepsOutTheRestOfTheFrameAndNeverANegativeTime)
{
    const int cases[][2] = { { 0, 16 }, { 15, 1 }, { 16, 0 }, { -1, 0 }, { INT_MIN, 0 } };
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
    EXPECT_EQ(Ints({ timer.get_ticks(), frozen >= 5 }), Ints({ frozen, 1 }));
    timer.unpause();
    EXPECT_GE(timer.get_ticks(), frozen);
    timer.stop();
    EXPECT_EQ(Ints({ timer.is_started(), timer.get_ticks() }), Ints({ 0, 0 }));
}

// The media are 24-bit PNGs: converted to the screen's 16 bits, cyan is
// still the colour key.
TEST_F(Shell, CyanStaysTransparentAfterConversion)
{
    ScratchDir dir;
    const unsigned char rgb[2][3] = { { 0, 255, 255 }, { 255, 0, 0 } };
    ASSERT_TRUE(write_png_rgb("key.png", 2, 1, &rgb[0][0]));
    SDL_Surface* loaded = load_image("key.png");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->format->BitsPerPixel, 16);
    const int green = SDL_MapRGB(screen->format, 0, 255, 0), red = SDL_MapRGB(screen->format, 255, 0, 0);
    SDL_FillRect(screen, nullptr, green);
    apply_surface(10, 10, loaded, screen, nullptr);
    EXPECT_EQ(Ints({ pixel16(screen, 10, 10), pixel16(screen, 11, 10) }), Ints({ green, red }));
    SDL_FreeSurface(loaded);
}

} // namespace
