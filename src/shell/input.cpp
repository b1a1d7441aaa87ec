// Button input: the pending SDL events turned into the game's button states.
// This is the only place that reads the event queue; platform.cpp says what
// each event means as console-button changes, and they are applied here.
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"

static ButtonWatcher button_watcher = NULL;

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

void watch_buttons(ButtonWatcher watcher)
{
    button_watcher = watcher;
}

void read_input()
{
    SDL_Event event;
    ButtonChange changes[MAX_EVENT_CHANGES];
    while (SDL_PollEvent(&event)) {
        int count = translate_event(event, changes, MAX_EVENT_CHANGES);
        for (int i = 0; i < count; i++) {
            apply_button(changes[i].button, changes[i].pressed);
            if (button_watcher != NULL)
                button_watcher(changes[i].button, changes[i].pressed);
        }
    }
}
