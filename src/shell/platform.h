// The desktop platform layer: keyboard and window events translated into the
// console's joystick button numbers, so the game can be played without one.
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

// The console button a desktop key stands for, or -1 for a key without one.
int key_to_button(SDLKey key);

// Turns a keyboard or window event into a console button press or release.
// Returns false for events that have no button meaning.
bool translate_platform_event(const SDL_Event& event, int* button, bool* pressed);

#endif
