// Button input: the pending SDL events turned into the game's button states.
// This is the only place that reads the event queue. The console's joystick
// buttons apply directly; a pad, keys and the window go through platform.cpp.
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"

void apply_button(int button, bool pressed)
{
    int state = pressed ? BUTTON_PRESSED : BUTTON_RELEASED;
    switch (button) {
    case GP2X_UP: up_button = state; break;
    case GP2X_LEFT: left_button = state; break;
    case GP2X_DOWN: down_button = state; break;
    case GP2X_RIGHT: right_button = state; break;
    case GP2X_START:
    case GP2X_SELECT: start_button = state; break;
    case GP2X_L:
    case GP2X_R:
        if (pressed)
            quit_requested = true;
        break;
    case GP2X_A:
    case GP2X_B:
    case GP2X_X:
    case GP2X_Y: accept = state; break;
    default: break; // the stick's diagonals and unknown buttons
    }
}

void read_input()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        bool joystick = event.type == SDL_JOYBUTTONDOWN || event.type == SDL_JOYBUTTONUP
            || event.type == SDL_JOYAXISMOTION || event.type == SDL_JOYHATMOTION
            || event.type == SDL_JOYBALLMOTION;
        if (joystick && pad_layout_in_use()) {
            apply_pad_event(event);
            continue;
        }
        if (event.type == SDL_JOYBUTTONDOWN || event.type == SDL_JOYBUTTONUP) {
            apply_button(event.jbutton.button, event.type == SDL_JOYBUTTONDOWN);
            continue;
        }
        int button;
        bool pressed;
        if (translate_platform_event(event, &button, &pressed))
            apply_button(button, pressed);
    }
}
