// The platform layer: a pad in the library's game-controller layout mapped
// onto the console's buttons (every button, the stick's dead zone, stick and
// D-pad together, bad input) and recorded as those, when that layout is used,
// a virtual pad of the real library from start-up on, and Alt+Return.
#include <SDL_loadso.h>

#include <cstdlib>

#include "replay_io.h"
#include "shell/system.h"
#include "support/test_support.h"

namespace
{

const char* const SETTING = "SDL12COMPAT_USE_GAME_CONTROLLERS";

SDL_Event pad_button(int button, bool pressed, int which = 0)
{
    SDL_Event event {};
    const Uint8 type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton = { type, (Uint8)which, (Uint8)button, (Uint8)(pressed ? SDL_PRESSED : SDL_RELEASED) };
    return event;
}

SDL_Event axis(int index, int value, int which = 0)
{
    SDL_Event event {};
    event.jaxis = { SDL_JOYAXISMOTION, (Uint8)which, (Uint8)index, (Sint16)value };
    return event;
}

// The console-button changes an event means, as button and pressed pairs.
Ints changes_of(const SDL_Event& event)
{
    ButtonChange changes[MAX_EVENT_CHANGES];
    Ints all;
    for (int i = 0, count = translate_event(event, changes, MAX_EVENT_CHANGES); i < count; i++)
        all.insert(all.end(), { changes[i].button, changes[i].pressed });
    return all;
}

// Whether joystick 0 is read as a pad: its button 0 is then A, not UP.
bool pad_layout_in_use()
{
    return changes_of(pad_button(0, false)) == Ints({ GP2X_A, 0 });
}

// The direction buttons: up, down, left, right.
Ints directions()
{
    return Ints({ up_button, down_button, left_button, right_button });
}

class Pad : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        open_test_screen();
        set_environment(SETTING, "1", true);
        detect_pad_layout();
        ASSERT_TRUE(pad_layout_in_use());
    }
    void TearDown() override
    {
        set_environment(SETTING, NULL, true);
        detect_pad_layout();
    }
};

TEST_F(Pad, EachButtonMeansItsConsoleButtonAndNoOtherEventMeansAnything)
{
    // The console button of each pad button, in pad numbering; -1 for none.
    const int console[PAD_BUTTON_COUNT] = { GP2X_A, GP2X_B, GP2X_X, GP2X_Y, GP2X_SELECT, -1, GP2X_START, -1,
        -1, GP2X_L, GP2X_R, GP2X_UP, GP2X_DOWN, GP2X_LEFT, GP2X_RIGHT };
    for (int b = 0; b < PAD_BUTTON_COUNT; b++)
        for (bool pressed : { true, false })
            EXPECT_EQ(
                changes_of(pad_button(b, pressed)), console[b] < 0 ? Ints() : Ints({ console[b], pressed }))
                << "pad button " << b << (pressed ? " down" : " up");

    // Buttons past the pad's, the other axes, a second pad and the hat.
    std::vector<SDL_Event> others;
    for (int button : { PAD_BUTTON_COUNT, 16, 21, 255 })
        others.push_back(pad_button(button, true));
    for (int index : { 2, 3, 4, 5, 6, 255 })
        others.push_back(axis(index, -32768));
    for (int button : { PAD_LEFT_SHOULDER, PAD_A, PAD_START, PAD_DPAD_UP })
        others.push_back(pad_button(button, true, 1));
    others.push_back(axis(PAD_AXIS_LEFT_X, -32768, 1));
    others.push_back(axis(PAD_AXIS_LEFT_Y, 32767, 1));
    others.push_back(SDL_Event {});
    others.back().jhat = { SDL_JOYHATMOTION, 0, 0, SDL_HAT_UP };
    for (size_t i = 0; i < others.size(); i++)
        EXPECT_EQ(changes_of(others[i]), Ints()) << "event " << i;
    EXPECT_EQ(changes_of(axis(PAD_AXIS_LEFT_X, 32767)), Ints({ GP2X_RIGHT, 1 }))
        << "the stick was left alone";
}

// The stick's dead zone, the stick and the D-pad together; what the recorder
// wrote down, played back as the console's buttons, holds the same directions.
TEST_F(Pad, StickWalksOutsideItsDeadZoneHoldsOneSetOfDirectionsWithTheDpadAndReplays)
{
    enum { AXIS, PRESS, LIFT }; // a stick axis moves, a D-pad button goes down or up
    struct Step {
        int event, index, value;
        Ints held; // directions() after the frame
    };
    const Step steps[] = {
        { AXIS, PAD_AXIS_LEFT_X, 11999, { 0, 0, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 12000, { 0, 0, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_X, 9000, { 0, 0, 0, 2 } }, // resting at the edge: no release
        { AXIS, PAD_AXIS_LEFT_X, 8999, { 0, 0, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 11999, { 0, 0, 0, 0 } }, // back towards the edge: no press
        { AXIS, PAD_AXIS_LEFT_X, -12000, { 0, 0, 2, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 32767, { 0, 0, 0, 2 } }, // across in one event
        { AXIS, PAD_AXIS_LEFT_Y, -32768, { 2, 0, 0, 2 } }, // the other axis adds a direction
        { AXIS, PAD_AXIS_LEFT_Y, -9000, { 2, 0, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_Y, 32767, { 0, 2, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_X, 0, { 0, 2, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_Y, -8999, { 0, 0, 0, 0 } },
        // A direction is held while either the stick or the D-pad holds it.
        { PRESS, PAD_DPAD_RIGHT, 0, { 0, 0, 0, 2 } },
        { AXIS, PAD_AXIS_LEFT_X, 32767, { 0, 0, 0, 2 } },
        { LIFT, PAD_DPAD_RIGHT, 0, { 0, 0, 0, 2 } }, // the stick still holds right
        { AXIS, PAD_AXIS_LEFT_X, -32768, { 0, 0, 2, 0 } },
        { PRESS, PAD_DPAD_LEFT, 0, { 0, 0, 2, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 0, { 0, 0, 2, 0 } }, // the D-pad still holds left
        { LIFT, PAD_DPAD_LEFT, 0, { 0, 0, 0, 0 } },
        { AXIS, PAD_AXIS_LEFT_X, 32767, { 0, 0, 0, 2 } },
        { PRESS, PAD_DPAD_LEFT, 0, { 0, 0, 2, 2 } }, // opposite directions from the two are both held
        { AXIS, PAD_AXIS_LEFT_X, 0, { 0, 0, 2, 0 } },
    };
    const int count = sizeof steps / sizeof steps[0];
    Replay replay;
    record_buttons(&replay);
    for (int i = 0; i < count; i++) {
        const Step& s = steps[i];
        SDL_Event event = s.event == AXIS ? axis(s.index, s.value) : pad_button(s.index, s.event == PRESS);
        ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
        run_frame();
        end_recorded_pass();
        EXPECT_EQ(directions(), s.held) << "step " << i << ": " << s.index << " at " << s.value;
    }
    record_buttons(nullptr);

    set_environment(SETTING, NULL, true);
    detect_pad_layout();
    reset_game_state();
    size_t next = 0;
    for (int i = 0; i < count; i++) {
        push_events_of_frame(replay, i, &next);
        run_frame();
        EXPECT_EQ(directions(), steps[i].held) << "replayed step " << i;
    }
}

TEST(PadLayout, UsedOnlyWhenTheLibrarySettingAsksForIt)
{
    // The library reads its setting as a number: "true" leaves the mode off.
    for (const char* value : { "0", "true", "2" }) {
        set_environment(SETTING, value, true);
        detect_pad_layout();
        EXPECT_EQ(pad_layout_in_use(), value[0] == '2') << value;
    }
    set_environment(SETTING, NULL, true);
    detect_pad_layout();
}

// The web page's touch controls push console-button events into the
// library's queue: they reach the game as their own buttons in either layout.
TEST(PadLayout, ConsoleButtonEventsMeanTheirButtonsInEitherLayout)
{
    reset_game_state();
    open_test_screen();
    for (const char* value : { "0", "1" }) {
        set_environment(SETTING, value, true);
        detect_pad_layout();
        for (bool pressed : { true, false }) {
            SDL_Event event {};
            event.type = pressed ? CONSOLE_BUTTON_DOWN_EVENT : CONSOLE_BUTTON_UP_EVENT;
            event.user.code = GP2X_RIGHT;
            ASSERT_EQ(SDL_PushEvent(&event), 0);
            read_input();
            EXPECT_EQ(directions(), Ints({ 0, 0, 0, pressed ? BUTTON_PRESSED : BUTTON_RELEASED }))
                << "setting " << value << (pressed ? ", pressed" : ", let go");
        }
    }
    set_environment(SETTING, NULL, true);
    detect_pad_layout();
}

// SDL2 beneath sdl12-compat makes virtual pads: one of them goes through the
// library and the game's own start-up, to show that the layout and the
// setting are the library's.
TEST(PadLayout, AVirtualPadOfTheLibraryWalksConfirmsAndLeaves)
{
    // SDL2 by its name on Linux, then on Windows.
    void* sdl2 = nullptr;
    for (const char* name : { "libSDL2-2.0.so.0", "SDL2.dll" })
        if (sdl2 == nullptr && SDL_Linked_Version()->patch >= 50)
            sdl2 = SDL_LoadObject(name);
    if (sdl2 == nullptr)
        GTEST_SKIP() << "needs sdl12-compat over SDL2";
    auto init = (int (*)(Uint32))SDL_LoadFunction(sdl2, "SDL_Init");
    auto attach = (int (*)(int, int, int, int))SDL_LoadFunction(sdl2, "SDL_JoystickAttachVirtual");
    auto open = (void* (*)(int))SDL_LoadFunction(sdl2, "SDL_JoystickOpen");
    auto set_button = (int (*)(void*, int, Uint8))SDL_LoadFunction(sdl2, "SDL_JoystickSetVirtualButton");
    auto set_axis = (int (*)(void*, int, Sint16))SDL_LoadFunction(sdl2, "SDL_JoystickSetVirtualAxis");
    auto axis_name = (const char* (*)(int))SDL_LoadFunction(sdl2, "SDL_GameControllerGetStringForAxis");
    ASSERT_TRUE(init && attach && open && set_button && set_axis && axis_name);

    // The library numbers a pad's axes as SDL2 does its game controller's,
    // which names them (the buttons' numbers are the first test's).
    EXPECT_EQ(std::string(axis_name(PAD_AXIS_LEFT_X)) + " " + axis_name(PAD_AXIS_LEFT_Y), "leftx lefty");

    SDL_Quit();
    screen = nullptr;
    set_environment(SETTING, "1", true);
    set_environment("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", true); // no window has the focus here
    const Uint32 joystick_and_game_controller = 0x200 | 0x2000; // SDL2's flags
    ASSERT_EQ(init(joystick_and_game_controller), 0);
    const int game_controller = 1, axes = 6;
    void* pad = open(attach(game_controller, axes, PAD_BUTTON_COUNT, 0));
    ASSERT_NE(pad, nullptr);
    ASSERT_TRUE(init_video());
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

    set_environment(SETTING, NULL, true);
    detect_pad_layout();
}

// Either Alt key with Return; Return alone is START (the end-to-end tests').
TEST(Window, AltReturnSwitchesTheScreenAndIsNoStartPress)
{
    reset_game_state();
    open_test_screen();
    const Uint32 full = screen->flags & SDL_FULLSCREEN;
    push_key(SDLK_RETURN, true, KMOD_RALT);
    run_frame();
    EXPECT_NE(screen->flags & SDL_FULLSCREEN, full);
    EXPECT_EQ(Ints({ start_button, menu_state }), Ints({ 0, 0 }));
}

} // namespace
