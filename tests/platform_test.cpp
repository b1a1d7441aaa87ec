// The platform layer: a pad in the library's game-controller layout mapped
// onto the console's buttons (every button, the stick's dead zone, stick and
// D-pad together, bad input), when that layout is used, a virtual pad of the
// real library from start-up on, and Alt+Return.
#include <dlfcn.h>

#include <cstdlib>

#include "support/test_support.h"

namespace
{

const char* const SETTING = "SDL12COMPAT_USE_GAME_CONTROLLERS";

void push_pad_button(int button, bool pressed, int which = 0)
{
    SDL_Event event {};
    event.type = event.jbutton.type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.which = (Uint8)which;
    event.jbutton.button = (Uint8)button;
    event.jbutton.state = pressed ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

void push_axis(int axis, int value, int which = 0)
{
    SDL_Event event {};
    event.type = event.jaxis.type = SDL_JOYAXISMOTION;
    event.jaxis.which = (Uint8)which;
    event.jaxis.axis = (Uint8)axis;
    event.jaxis.value = (Sint16)value;
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

// The direction buttons: up, down, left, right.
Ints directions()
{
    return Ints({ up_button, down_button, left_button, right_button });
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

TEST_F(Pad, EveryButtonDoesWhatItsConsoleButtonDoes)
{
    struct Case {
        int button;
        Ints pressed; // buttons() in the frame of the press
        int menu, dx, dy; // what that frame did
    };
    const Case cases[] = {
        { PAD_A, { 0, 0, 0, 0, 0, 2, 0 }, 0, 0, 0 },
        { PAD_B, { 0, 0, 0, 0, 0, 2, 0 }, 0, 0, 0 },
        { PAD_X, { 0, 0, 0, 0, 0, 2, 0 }, 0, 0, 0 },
        { PAD_Y, { 0, 0, 0, 0, 0, 2, 0 }, 0, 0, 0 },
        { PAD_START, { 0, 0, 0, 0, 1, 0, 0 }, 1, 0, 0 },
        { PAD_BACK, { 0, 0, 0, 0, 1, 0, 0 }, 1, 0, 0 },
        { PAD_GUIDE, { 0, 0, 0, 0, 0, 0, 0 }, 0, 0, 0 },
        { PAD_LEFT_STICK, { 0, 0, 0, 0, 0, 0, 0 }, 0, 0, 0 },
        { PAD_RIGHT_STICK, { 0, 0, 0, 0, 0, 0, 0 }, 0, 0, 0 },
        { PAD_LEFT_SHOULDER, { 0, 0, 0, 0, 0, 0, 1 }, 0, 0, 0 },
        { PAD_RIGHT_SHOULDER, { 0, 0, 0, 0, 0, 0, 1 }, 0, 0, 0 },
        { PAD_DPAD_UP, { 2, 0, 0, 0, 0, 0, 0 }, 0, 0, -1 },
        { PAD_DPAD_DOWN, { 0, 2, 0, 0, 0, 0, 0 }, 0, 0, 1 },
        { PAD_DPAD_LEFT, { 0, 0, 2, 0, 0, 0, 0 }, 0, -1, 0 },
        { PAD_DPAD_RIGHT, { 0, 0, 0, 2, 0, 0, 0 }, 0, 1, 0 },
    };
    for (const Case& c : cases) {
        reset_game_state();
        detect_pad_layout();
        const int x = player_x, y = player_y;
        push_pad_button(c.button, true);
        run_frame();
        EXPECT_EQ(buttons(), c.pressed) << "pad button " << c.button;
        EXPECT_EQ(Ints({ menu_state, player_x - x, player_y - y }), Ints({ c.menu, c.dx, c.dy }))
            << "pad button " << c.button;
        push_pad_button(c.button, false);
        run_frame();
        EXPECT_EQ(buttons(), Ints({ 0, 0, 0, 0, 0, 0, c.pressed[6] }))
            << "the release of pad button " << c.button << " lets go; only a quit stays";
    }
}

TEST_F(Pad, StickWalksOutsideItsDeadZoneAndDoesNotChatterAtItsEdge)
{
    struct Step {
        int axis, value;
        Ints held; // directions() after the frame
    };
    const Step steps[] = {
        { PAD_AXIS_LEFT_X, 9000, { 0, 0, 0, 0 } },
        { PAD_AXIS_LEFT_X, 11999, { 0, 0, 0, 0 } },
        { PAD_AXIS_LEFT_X, 12000, { 0, 0, 0, 2 } },
        { PAD_AXIS_LEFT_X, 11500, { 0, 0, 0, 2 } }, // resting at the edge: no release
        { PAD_AXIS_LEFT_X, 12500, { 0, 0, 0, 2 } },
        { PAD_AXIS_LEFT_X, 9000, { 0, 0, 0, 2 } },
        { PAD_AXIS_LEFT_X, 8999, { 0, 0, 0, 0 } },
        { PAD_AXIS_LEFT_X, 11999, { 0, 0, 0, 0 } }, // back towards the edge: no press
        { PAD_AXIS_LEFT_X, -32768, { 0, 0, 2, 0 } },
        { PAD_AXIS_LEFT_X, 32767, { 0, 0, 0, 2 } }, // across in one event
        { PAD_AXIS_LEFT_Y, -32768, { 2, 0, 0, 2 } }, // the other axis adds a direction
        { PAD_AXIS_LEFT_Y, -10000, { 2, 0, 0, 2 } },
        { PAD_AXIS_LEFT_Y, 32767, { 0, 2, 0, 2 } },
        { PAD_AXIS_LEFT_X, 0, { 0, 2, 0, 0 } },
        { PAD_AXIS_LEFT_Y, -8000, { 0, 0, 0, 0 } },
    };
    for (size_t i = 0; i < sizeof steps / sizeof steps[0]; i++) {
        push_axis(steps[i].axis, steps[i].value);
        run_frame();
        EXPECT_EQ(directions(), steps[i].held)
            << "step " << i << ": axis " << steps[i].axis << " at " << steps[i].value;
    }

    // Held right and down, the player walks diagonally.
    reset_game_state();
    const int x = player_x, y = player_y;
    push_axis(PAD_AXIS_LEFT_X, 20000);
    push_axis(PAD_AXIS_LEFT_Y, 20000);
    run_frames(3);
    EXPECT_EQ(Ints({ player_x - x, player_y - y }), Ints({ 3, 3 }));
}

TEST_F(Pad, StickAndDpadAreOneSetOfDirections)
{
    struct Step {
        bool stick; // the stick's x axis, else the D-pad's left and right
        int value; // the axis value, or for the D-pad -1 left, 1 right, 0 both let go
        int left, right;
    };
    const Step steps[] = {
        { false, 1, 0, 2 },
        { true, 32767, 0, 2 },
        { false, 0, 0, 2 }, // the stick still holds right
        { true, 0, 0, 0 },
        { true, -32768, 2, 0 },
        { false, -1, 2, 0 },
        { true, 0, 2, 0 }, // the D-pad still holds left
        { false, 0, 0, 0 },
        { true, 32767, 0, 2 },
        { false, -1, 2, 2 }, // opposite directions from the two are both held
        { true, 0, 2, 0 },
    };
    bool dpad_left = false, dpad_right = false;
    for (size_t i = 0; i < sizeof steps / sizeof steps[0]; i++) {
        const Step& s = steps[i];
        if (s.stick) {
            push_axis(PAD_AXIS_LEFT_X, s.value);
        } else {
            if (dpad_left != (s.value < 0))
                push_pad_button(PAD_DPAD_LEFT, dpad_left = s.value < 0);
            if (dpad_right != (s.value > 0))
                push_pad_button(PAD_DPAD_RIGHT, dpad_right = s.value > 0);
        }
        run_frame();
        EXPECT_EQ(Ints({ left_button, right_button }), Ints({ s.left, s.right })) << "step " << i;
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

TEST(PadLayout, WithoutItJoystickEventsKeepTheConsoleNumbering)
{
    reset_game_state();
    open_test_screen();
    unsetenv(SETTING);
    detect_pad_layout();
    ASSERT_FALSE(pad_layout_in_use());
    // The pad's A, X and D-pad right are the console's UP, LEFT and A here.
    push_pad_button(PAD_A, true);
    push_pad_button(PAD_X, true);
    push_pad_button(PAD_DPAD_RIGHT, true);
    push_axis(PAD_AXIS_LEFT_X, 32767);
    run_frame();
    EXPECT_EQ(buttons(), Ints({ 2, 0, 2, 0, 0, 2, 0 }));
    // The pad's D-pad up is the console's R, which leaves.
    push_pad_button(PAD_DPAD_UP, true);
    run_frame();
    EXPECT_TRUE(quit_requested);
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
    const std::pair<int, std::string> names[]
        = { { PAD_A, "a" }, { PAD_B, "b" }, { PAD_X, "x" }, { PAD_Y, "y" }, { PAD_BACK, "back" },
              { PAD_GUIDE, "guide" }, { PAD_START, "start" }, { PAD_LEFT_STICK, "leftstick" },
              { PAD_RIGHT_STICK, "rightstick" }, { PAD_LEFT_SHOULDER, "leftshoulder" },
              { PAD_RIGHT_SHOULDER, "rightshoulder" }, { PAD_DPAD_UP, "dpup" }, { PAD_DPAD_DOWN, "dpdown" },
              { PAD_DPAD_LEFT, "dpleft" }, { PAD_DPAD_RIGHT, "dpright" } };
    for (const auto& n : names)
        EXPECT_EQ(button_name(n.first), n.second);
    EXPECT_EQ(std::string(axis_name(PAD_AXIS_LEFT_X)) + " " + axis_name(PAD_AXIS_LEFT_Y), "leftx lefty");

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
    SDL_Event key {};
    key.type = key.key.type = SDL_KEYDOWN;
    key.key.state = SDL_PRESSED;
    key.key.keysym.sym = SDLK_RETURN;
    key.key.keysym.mod = KMOD_LALT;
    ASSERT_EQ(SDL_PushEvent(&key), 0);
    run_frame();
    EXPECT_NE(screen->flags & SDL_FULLSCREEN, full);
    EXPECT_EQ(Ints({ start_button, menu_state }), Ints({ 0, 0 }));
    key.key.keysym.mod = KMOD_RALT;
    ASSERT_EQ(SDL_PushEvent(&key), 0);
    run_frame();
    EXPECT_EQ(screen->flags & SDL_FULLSCREEN, full) << "and back";
    push_key(SDLK_RETURN, true);
    run_frame();
    EXPECT_EQ(menu_state, 1) << "Return alone is START";
}

} // namespace
