// The platform layer: desktop keys, the window, and a game pad in the SDL
// library's game-controller layout, all turned into the console's joystick
// button numbers, so the game plays the same without the console.
#ifndef PLATFORM_H
#define PLATFORM_H

#include <SDL.h>

// Console button numbers of joystick 0.
const int GP2X_UP = 0;
const int GP2X_LEFT = 2;
const int GP2X_DOWN = 4;
const int GP2X_RIGHT = 6;
const int GP2X_START = 8;
const int GP2X_SELECT = 9;
const int GP2X_L = 10;
const int GP2X_R = 11;
const int GP2X_A = 12;
const int GP2X_B = 13;
const int GP2X_X = 14;
const int GP2X_Y = 15;

// The one layout in which sdl12-compat's game-controller mode presents every
// pad it knows: its button numbers, then its axes (2 to 5 are the right
// stick and the triggers, which the game does not use; there are no hats).
const int PAD_A = 0;
const int PAD_B = 1;
const int PAD_X = 2;
const int PAD_Y = 3;
const int PAD_BACK = 4;
const int PAD_GUIDE = 5;
const int PAD_START = 6;
const int PAD_LEFT_STICK = 7;
const int PAD_RIGHT_STICK = 8;
const int PAD_LEFT_SHOULDER = 9;
const int PAD_RIGHT_SHOULDER = 10;
const int PAD_DPAD_UP = 11;
const int PAD_DPAD_DOWN = 12;
const int PAD_DPAD_LEFT = 13;
const int PAD_DPAD_RIGHT = 14;
const int PAD_BUTTON_COUNT = 15;
const int PAD_AXIS_LEFT_X = 0;
const int PAD_AXIS_LEFT_Y = 1;

// The left stick presses a direction beyond PAD_STICK_PRESS and lets it go
// only back inside PAD_STICK_RELEASE, so a stick resting near the edge of
// its dead zone (about a third of the range) does not chatter.
const int PAD_STICK_PRESS = 12000;
const int PAD_STICK_RELEASE = 9000;

// A console button pressed or let go by something that is neither a key nor
// a joystick (the web page's touch controls): an SDL user event of one of
// these two types, whose code is the console button's number.
const int CONSOLE_BUTTON_DOWN_EVENT = SDL_USEREVENT;
const int CONSOLE_BUTTON_UP_EVENT = SDL_USEREVENT + 1;

// One console button going down or up, as the game reads it.
struct ButtonChange {
    int button;
    bool pressed;
};

// The most changes one event can mean: a stick axis swung from one side to
// the other lets one direction go and presses the opposite one.
const int MAX_EVENT_CHANGES = 2;

// Turns one SDL event into the console-button changes it means, at most
// `max` of them written to `changes`, and returns their number. The console's
// joystick buttons and the console-button events come through unchanged;
// keys, the window's close request (L) and a pad in the game-controller
// layout are mapped here, the pad's stick and D-pad remembered in between.
// Alt+Return switches the screen between full screen and a window and means
// no change.
int translate_event(const SDL_Event& event, ButtonChange* changes, int max);

// Decides whether joystick 0 is a pad in the game-controller layout (see
// platform.cpp for how) and forgets every direction a pad held. Called once
// after SDL_Init; the tests call it again after changing the environment.
void detect_pad_layout();

#endif
