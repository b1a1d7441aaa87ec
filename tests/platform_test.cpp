// The platform layer: a pad in the library's game-controller layout mapped
// onto the console's buttons (every button, the stick's dead zone, stick and
// D-pad together, bad input), when that layout is used, a virtual pad of the
// real library from start-up on, and Alt+Return.
#include <dlfcn.h>

#include <cstdlib>

#include "replay_io.h"
#include "support/test_support.h"

namespace
{

const char* const SETTING = "SDL12COMPAT_USE_GAME_CONTROLLERS";

void push_pad_button(int button, bool pressed, int which = 0)
{
    SDL_Event event {};
    const Uint8 type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton = { type, (Uint8)which, (Uint8)button, (Uint8)(pressed ? SDL_PRESSED : SDL_RELEASED) };
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

void push_axis(int axis, int value, int which = 0)
{
    SDL_Event event {};
    event.jaxis = { SDL_JOYAXISMOTION, (Uint8)which, (Uint8)axis, (Sint16)value };
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

// The direction buttons: up, down, left, right.
Ints directions()
{
    return Ints({ up_button, down_button, left_button, right_button });
}

// Whether joystick 0 is read as a pad: its button 0 is then A, not UP.
bool pad_layout_in_use()
{
    SDL_Event event {};
    event.type = SDL_JOYBUTTONUP;
    ButtonChange changes[MAX_EVENT_CHANGES];
    return translate_event(event, changes, MAX_EVENT_CHANGES) == 1 && changes[0].button == GP2X_A;
}

// Every button state and quitting.
Ints buttons()
{
    return Ints({ up_button, down_button, left_button, right_button, start_button, accept, quit_requested });
}

class Pad : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        open_test_screen();
        setenv(SETTING, "1", 1);
        detect_pad_layout();
        ASSERT_TRUE(pad_layout_in_use());
    }
    void TearDown() override
    {
        unsetenv(SETTING);
        detect_pad_layout();
    }
};

TEST_F(Pad, EachButtonMeansItsConsoleButton)
{
    // The console button of each pad button, in pad numbering; -1 for none.
    const int console[PAD_BUTTON_COUNT] = { GP2X_A, GP2X_B, GP2X_X, GP2X_Y, GP2X_SELECT, -1, GP2X_START, -1, -1,
        GP2X_L, GP2X_R, GP2X_UP, GP2X_DOWN, GP2X_LEFT, GP2X_RIGHT };
    for (int b = 0; b < PAD_BUTTON_COUNT; b++)
        for (bool pressed : { true, false }) {
            SDL_Event event {};
            event.type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
            event.jbutton.button = (Uint8)b;
            ButtonChange changes[MAX_EVENT_CHANGES];
            const int count = translate_event(event, changes, MAX_EVENT_CHANGES);
            EXPECT_EQ(count == 1 ? Ints({ changes[0].button, changes[0].pressed }) : Ints({ -count }),
                console[b] < 0 ? Ints({ 0 }) : Ints({ console[b], pressed }))
                << "pad button " << b << (pressed ? " down" : " up");
        }
}

TEST_F(Pad, StickWalksOutsideItsDeadZoneAndHoldsOneSetOfDirectionsWithTheDpad)
{
    enum { AXIS, PRESS, LIFT }; // a stick axis moves, a D-pad button goes down or up
    struct Step {
        int event, index, value;
        Ints held; // directions() after the frame
    };
    const Step steps[] = {
        { AXIS, PAD_AXIS_LEFT_X, 9000, { 0, 0, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 11999, { 0, 0, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 12000, { 0, 0, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_X, 11500, { 0, 0, 0, 2 } }, // resting at the edge: no release
        { AXIS, PAD_AXIS_LEFT_X, 12500, { 0, 0, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_X, 9000, { 0, 0, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_X, 8999, { 0, 0, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 11999, { 0, 0, 0, 0 } }, // back towards the edge: no press
        { AXIS, PAD_AXIS_LEFT_X, -32768, { 0, 0, 2, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 32767, { 0, 0, 0, 2 } }, // across in one event
        { AXIS, PAD_AXIS_LEFT_Y, -32768, { 2, 0, 0, 2 } }, // the other axis adds a direction
        { AXIS, PAD_AXIS_LEFT_Y, -10000, { 2, 0, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_Y, 32767, { 0, 2, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_X, 0, { 0, 2, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_Y, -8000, { 0, 0, 0, 0 } },
        // The stick and the D-pad: a direction is held while either holds it.
        { PRESS, PAD_DPAD_RIGHT, 0, { 0, 0, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_X, 32767, { 0, 0, 0, 2 } },
        { LIFT, PAD_DPAD_RIGHT, 0, { 0, 0, 0, 2 } }, // the stick still holds right
        { AXIS, PAD_AXIS_LEFT_X, 0, { 0, 0, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, -32768, { 0, 0, 2, 0 } },
        { PRESS, PAD_DPAD_LEFT, 0, { 0, 0, 2, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 0, { 0, 0, 2, 0 } }, // the D-pad still holds left
        { LIFT, PAD_DPAD_LEFT, 0, { 0, 0, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 32767, { 0, 0, 0, 2 } },
        { PRESS, PAD_DPAD_LEFT, 0, { 0, 0, 2, 2 } }, // opposite directions from the two are both held
        { AXIS, PAD_AXIS_LEFT_X, 0, { 0, 0, 2, 0 } },
    };
    for (size_t i = 0; i < sizeof steps / sizeof steps[0]; i++) {
        const Step& s = steps[i];
        if (s.event == AXIS)
            push_axis(s.index, s.value);
        else
            push_pad_button(s.index, s.event == PRESS);
        run_frame();
        EXPECT_EQ(directions(), s.held) << "step " << i << ": " << s.index << " at " << s.value;
    }
}

// The recorder writes down what the game read from the pad, as console
// buttons: played back as the console sends them, the pad's walk again.
TEST_F(Pad, RecordedDpadAndStickReplayAsTheSameWalk)
{
    enum { AXIS, PRESS, LIFT };
    const struct {
        int frame, event, index, value;
    } steps[] = { { 0, PRESS, PAD_DPAD_RIGHT, 0 }, { 3, AXIS, PAD_AXIS_LEFT_Y, -32768 },
        { 5, LIFT, PAD_DPAD_RIGHT, 0 }, { 6, AXIS, PAD_AXIS_LEFT_X, -20000 }, { 8, AXIS, PAD_AXIS_LEFT_X, 32767 },
        { 8, PRESS, PAD_DPAD_DOWN, 0 }, { 10, AXIS, PAD_AXIS_LEFT_Y, 0 }, { 11, AXIS, PAD_AXIS_LEFT_X, 0 },
        { 13, LIFT, PAD_DPAD_DOWN, 0 }, { 13, PRESS, PAD_A, 0 } };
    Replay replay;
    std::vector<Ints> walk;
    std::srand(7);
    record_buttons(&replay);
    for (int frame = 0; frame < 16; frame++) {
        for (const auto& s : steps)
            if (s.frame == frame && s.event == AXIS)
                push_axis(s.index, s.value);
            else if (s.frame == frame)
                push_pad_button(s.index, s.event == PRESS);
        run_frame();
        end_recorded_pass();
        walk.push_back({ player_x, player_y, accept });
    }
    record_buttons(nullptr);
    ASSERT_EQ(replay.end, 16);
    EXPECT_NE(walk[12], walk[0]);

    unsetenv(SETTING);
    detect_pad_layout();
    reset_game_state();
    std::srand(7);
    size_t next = 0;
    for (int frame = 0; frame < replay.end; frame++) {
        push_events_of_frame(replay, frame, &next);
        run_frame();
        EXPECT_EQ(Ints({ player_x, player_y, accept }), walk[frame]) << "frame " << frame;
    }
}

TEST_F(Pad, OtherAxesJoysticksAndButtonsChangeNothing)
{
    push_pad_button(PAD_DPAD_RIGHT, true);
    run_frame();
    const int x = player_x;
    for (int axis : { 2, 3, 4, 5, 6, 255 })
        for (int value : { -32768, 32767, 0 })
            push_axis(axis, value);
    for (int button : { PAD_BUTTON_COUNT, 16, 21, 255 }) {
        push_pad_button(button, true);
        push_pad_button(button, false);
    }
    // A second pad: its shoulder, confirm, D-pad and stick are not the player's.
    for (int button : { PAD_LEFT_SHOULDER, PAD_A, PAD_START, PAD_DPAD_UP })
        push_pad_button(button, true, 1);
    push_pad_button(PAD_DPAD_RIGHT, false, 1);
    push_axis(PAD_AXIS_LEFT_X, -32768, 1);
    push_axis(PAD_AXIS_LEFT_Y, 32767, 1);
    SDL_Event hat {};
    hat.type = hat.jhat.type = SDL_JOYHATMOTION;
    hat.jhat.value = SDL_HAT_UP;
    ASSERT_EQ(SDL_PushEvent(&hat), 0);
    run_frame();
    EXPECT_EQ(buttons(), Ints({ 0, 0, 0, 2, 0, 0, 0 }));
    EXPECT_EQ(Ints({ player_x - x, menu_state }), Ints({ 1, 0 })) << "still walking right, and only that";
}

TEST(PadLayout, UsedOnlyWhenTheLibrarySettingAsksForIt)
{
    // The library reads its setting as a number: "true" leaves the mode off.
    const struct {
        const char* value;
        bool used;
    } settings[] = { { nullptr, false }, { "0", false }, { "", false }, { "true", false }, { "1", true },
        { "2", true } };
    for (const auto& s : settings) {
        if (s.value == nullptr)
            unsetenv(SETTING);
        else
            setenv(SETTING, s.value, 1);
        detect_pad_layout();
        EXPECT_EQ(pad_layout_in_use(), s.used) << (s.value ? s.value : "unset");
    }
    unsetenv(SETTING);
    detect_pad_layout();
}

// SDL2 beneath sdl12-compat makes virtual pads: one of them goes through the
// library and the game's own start-up, to show that the layout and the
// setting are the library's.
TEST(PadLayout, AVirtualPadOfTheLibraryWalksConfirmsAndLeaves)
{
    void* sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (sdl2 == nullptr || SDL_Linked_Version()->patch < 50)
        GTEST_SKIP() << "needs sdl12-compat over SDL2";
    auto init = (int (*)(Uint32))dlsym(sdl2, "SDL_Init");
    auto attach = (int (*)(int, int, int, int))dlsym(sdl2, "SDL_JoystickAttachVirtual");
    auto open = (void* (*)(int))dlsym(sdl2, "SDL_JoystickOpen");
    auto set_button = (int (*)(void*, int, Uint8))dlsym(sdl2, "SDL_JoystickSetVirtualButton");
    auto set_axis = (int (*)(void*, int, Sint16))dlsym(sdl2, "SDL_JoystickSetVirtualAxis");
    auto button_name = (const char* (*)(int))dlsym(sdl2, "SDL_GameControllerGetStringForButton");
    auto axis_name = (const char* (*)(int))dlsym(sdl2, "SDL_GameControllerGetStringForAxis");
    ASSERT_TRUE(init && attach && open && set_button && set_axis && button_name && axis_name);

    // The library numbers a pad's buttons and axes as SDL2 does its game
    // controller's, which names them.
    std::string names = std::string(axis_name(PAD_AXIS_LEFT_X)) + " " + axis_name(PAD_AXIS_LEFT_Y);
    for (int b : { PAD_A, PAD_B, PAD_X, PAD_Y, PAD_BACK, PAD_GUIDE, PAD_START, PAD_LEFT_STICK,
             PAD_RIGHT_STICK, PAD_LEFT_SHOULDER, PAD_RIGHT_SHOULDER, PAD_DPAD_UP, PAD_DPAD_DOWN,
             PAD_DPAD_LEFT, PAD_DPAD_RIGHT })
        names += std::string(" ") + button_name(b);
    EXPECT_EQ(names,
        "leftx lefty a b x y back guide start leftstick rightstick leftshoulder rightshoulder dpup dpdown "
        "dpleft dpright");

    SDL_Quit();
    screen = nullptr;
    setenv(SETTING, "1", 1);
    setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1); // no window has the focus here
    const Uint32 joystick_and_game_controller = 0x200 | 0x2000; // SDL2's flags
    ASSERT_EQ(init(joystick_and_game_controller), 0);
    const int game_controller = 1, axes = 6;
    void* pad = open(attach(game_controller, axes, PAD_BUTTON_COUNT, 0));
    ASSERT_NE(pad, nullptr);
    ASSERT_TRUE(init_video());
    EXPECT_EQ(SDL_NumJoysticks(), 1);
    EXPECT_TRUE(pad_layout_in_use());

    reset_game_state();
    const int x = player_x, y = player_y;
    set_button(pad, PAD_DPAD_RIGHT, 1);
    set_axis(pad, PAD_AXIS_LEFT_Y, -32768);
    set_button(pad, PAD_B, 1);
    run_frame();
    EXPECT_EQ(
        Ints({ right_button, up_button, accept, player_x - x, player_y - y }), Ints({ 2, 2, 2, 1, -1 }));
    set_button(pad, PAD_DPAD_RIGHT, 0);
    set_button(pad, PAD_RIGHT_SHOULDER, 1);
    run_frame();
    EXPECT_EQ(Ints({ right_button, up_button, quit_requested }), Ints({ 0, 2, 1 }));

    unsetenv(SETTING);
    detect_pad_layout();
}

TEST(Window, AltReturnSwitchesTheScreenAndIsNoStartPress)
{
    reset_game_state();
    open_test_screen();
    const Uint32 full = screen->flags & SDL_FULLSCREEN;
    push_key(SDLK_RETURN, true, KMOD_LALT);
    run_frame();
    EXPECT_NE(screen->flags & SDL_FULLSCREEN, full);
    EXPECT_EQ(Ints({ start_button, menu_state }), Ints({ 0, 0 }));
    push_key(SDLK_RETURN, true, KMOD_RALT);
    run_frame();
    EXPECT_EQ(screen->flags & SDL_FULLSCREEN, full) << "and back";
    push_key(SDLK_RETURN, true);
    run_frame();
    EXPECT_EQ(menu_state, 1) << "Return alone is START";
}

} // namespace
