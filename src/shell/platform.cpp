// Desktop keys, the window and game pads as console-button changes. The
// console's own joystick buttons come through unchanged; a pad in the
// library's game-controller layout is mapped here onto the same buttons.
// Nothing here changes the game's state: read_input applies the changes.
#include "shell/platform.h"

#include <stdlib.h>

#include "shell/game_state.h"

namespace
{

// How the game tells a pad in the game-controller layout from the console's
// own buttons: by the library and its setting, read once after SDL_Init.
// sdl12-compat (SDL 1.2 over SDL2) reads SDL12COMPAT_USE_GAME_CONTROLLERS
// during SDL_Init as a number (atoi: "1" or "2" turn it on, "yes" does not);
// in that mode it shows only the pads it can present in its one layout and
// hides every other joystick, so joystick 0, if there is one, is such a pad.
// Without the setting, and with the classic SDL 1.2 that the console runs
// (its releases end at 1.2.15, sdl12-compat's start at 1.2.50), joystick 0
// keeps the console's numbering, as the tests and replays that push it
// expect. The joystick's name is only the pad's own, and the button count
// the library reports in that mode differs between its versions, so neither
// can tell; a build switch could not tell a desktop without the setting.
const int COMPAT_FIRST_PATCH = 50;
bool pad_layout = false;

// The changes one event means, as translate_event fills them in.
struct Changes {
    ButtonChange* at;
    int count;
    int max;

    void add(int button, bool pressed)
    {
        if (count < max) {
            at[count].button = button;
            at[count].pressed = pressed;
            count++;
        }
    }
};

// The console button a pad button stands for, or -1.
int pad_to_console(int pad_button)
{
    switch (pad_button) {
    case PAD_A: return GP2X_A;
    case PAD_B: return GP2X_B;
    case PAD_X: return GP2X_X;
    case PAD_Y: return GP2X_Y;
    case PAD_BACK: return GP2X_SELECT;
    case PAD_START: return GP2X_START;
    case PAD_LEFT_SHOULDER: return GP2X_L;
    case PAD_RIGHT_SHOULDER: return GP2X_R;
    case PAD_DPAD_UP: return GP2X_UP;
    case PAD_DPAD_DOWN: return GP2X_DOWN;
    case PAD_DPAD_LEFT: return GP2X_LEFT;
    case PAD_DPAD_RIGHT: return GP2X_RIGHT;
    default: return -1; // Guide and the stick clicks do nothing
    }
}

// The four directions, each held by the D-pad, the stick or both; the
// console's direction button is down while either holds it.
const int DIRECTION_COUNT = 4;
const int DIRECTION_BUTTONS[DIRECTION_COUNT] = { GP2X_UP, GP2X_DOWN, GP2X_LEFT, GP2X_RIGHT };
bool held_by_dpad[DIRECTION_COUNT];
bool held_by_stick[DIRECTION_COUNT];

// The side each stick axis leans to: -1, 0 or 1, for the left stick's x and y.
int stick_side[2];

int direction_of(int console_button)
{
    for (int d = 0; d < DIRECTION_COUNT; d++)
        if (DIRECTION_BUTTONS[d] == console_button)
            return d;
    return -1;
}

// Records what one source holds of direction d; the console's direction
// button changes only when the two sources together change.
void hold_direction(bool* source, int d, bool held, Changes& changes)
{
    bool before = held_by_dpad[d] || held_by_stick[d];
    source[d] = held;
    bool after = held_by_dpad[d] || held_by_stick[d];
    if (before != after)
        changes.add(DIRECTION_BUTTONS[d], after);
}

// The side a stick axis leans to after it moved to value, with the dead
// zone's hysteresis around the side it leant to before.
int lean(int before, int value)
{
    if (value <= -PAD_STICK_PRESS || (before < 0 && value <= -PAD_STICK_RELEASE))
        return -1;
    if (value >= PAD_STICK_PRESS || (before > 0 && value >= PAD_STICK_RELEASE))
        return 1;
    return 0;
}

void move_stick(int axis, int value, Changes& changes)
{
    int negative = direction_of(axis == PAD_AXIS_LEFT_X ? GP2X_LEFT : GP2X_UP);
    int positive = direction_of(axis == PAD_AXIS_LEFT_X ? GP2X_RIGHT : GP2X_DOWN);
    int side = lean(stick_side[axis], value);
    stick_side[axis] = side;
    hold_direction(held_by_stick, negative, side < 0, changes);
    hold_direction(held_by_stick, positive, side > 0, changes);
}

// A joystick event of a pad in the game-controller layout. Events of other
// joysticks, and buttons and axes the game does not use, mean nothing.
void translate_pad_event(const SDL_Event& event, Changes& changes)
{
    switch (event.type) {
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: {
        if (event.jbutton.which != 0)
            return;
        int console_button = pad_to_console(event.jbutton.button);
        bool down = event.type == SDL_JOYBUTTONDOWN;
        int d = direction_of(console_button);
        if (d >= 0)
            hold_direction(held_by_dpad, d, down, changes);
        else if (console_button >= 0)
            changes.add(console_button, down);
        return;
    }
    case SDL_JOYAXISMOTION:
        if (event.jaxis.which == 0
            && (event.jaxis.axis == PAD_AXIS_LEFT_X || event.jaxis.axis == PAD_AXIS_LEFT_Y))
            move_stick(event.jaxis.axis, event.jaxis.value, changes);
        return;
    default: return;
    }
}

void toggle_full_screen()
{
    if (screen != NULL)
        SDL_WM_ToggleFullScreen(screen);
}

// The console button a desktop key stands for, or -1 for a key without one.
int key_to_button(SDLKey key)
{
    switch (key) {
    case SDLK_UP: return GP2X_UP;
    case SDLK_LEFT: return GP2X_LEFT;
    case SDLK_DOWN: return GP2X_DOWN;
    case SDLK_RIGHT: return GP2X_RIGHT;
    case SDLK_RETURN: return GP2X_START;
    case SDLK_BACKSPACE: return GP2X_SELECT;
    case SDLK_SPACE: return GP2X_A;
    case SDLK_z: return GP2X_A;
    case SDLK_x: return GP2X_B;
    case SDLK_c: return GP2X_X;
    case SDLK_v: return GP2X_Y;
    case SDLK_ESCAPE: return GP2X_L;
    default: return -1;
    }
}

} // namespace

int translate_event(const SDL_Event& event, ButtonChange* at, int max)
{
    Changes changes = { at, 0, max };
    switch (event.type) {
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
    case SDL_JOYAXISMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBALLMOTION:
        if (pad_layout)
            translate_pad_event(event, changes);
        else if (event.type == SDL_JOYBUTTONDOWN || event.type == SDL_JOYBUTTONUP)
            changes.add(event.jbutton.button, event.type == SDL_JOYBUTTONDOWN);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        int button = key_to_button(event.key.keysym.sym);
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_RETURN
            && (event.key.keysym.mod & KMOD_ALT) != 0)
            toggle_full_screen();
        else if (button >= 0)
            changes.add(button, event.type == SDL_KEYDOWN);
        break;
    }
    case CONSOLE_BUTTON_DOWN_EVENT:
    case CONSOLE_BUTTON_UP_EVENT:
        changes.add(event.user.code, event.type == CONSOLE_BUTTON_DOWN_EVENT);
        break;
    case SDL_QUIT:
        // A desktop window must close when asked: treat it as the L button.
        changes.add(GP2X_L, true);
        break;
    default: break;
    }
    return changes.count;
}

void detect_pad_layout()
{
    const char* setting = getenv("SDL12COMPAT_USE_GAME_CONTROLLERS");
    const SDL_version* library = SDL_Linked_Version();
    pad_layout = setting != NULL && atoi(setting) != 0 && library->major == 1 && library->minor == 2
        && library->patch >= COMPAT_FIRST_PATCH;
    for (int d = 0; d < DIRECTION_COUNT; d++)
        held_by_dpad[d] = held_by_stick[d] = false;
    stick_side[PAD_AXIS_LEFT_X] = stick_side[PAD_AXIS_LEFT_Y] = 0;
}
