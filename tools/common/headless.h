// The harness the tests and tools run the game in: SDL's video with the
// game's 16-bit 320 x 240 `screen` (headless on SDL's dummy driver unless a
// window is asked for), console button events pushed into SDL's queue, and
// the player put at a chosen place, and scratch folders to play in.
#ifndef HEADLESS_H
#define HEADLESS_H

#include <string>

// Opens SDL's video and joystick subsystems and the game's `screen`, on the
// dummy driver unless `window` is true or SDL_VIDEODRIVER names another one;
// a window also gets joystick 0, if there is one. Does nothing when the
// screen is already open. Says why on stderr and returns false when it cannot.
bool open_screen(bool window = false);

// Pushes a joystick button press or release of console button `button`, as
// the console sends it; false when SDL's queue refuses it.
bool push_button_event(int button, bool pressed);

// Stands the player at world pixel (x, y), the facing point on it and the
// camera centred on it, as a new game starts.
void place_player(int x, int y);

// Makes a new empty folder in the system's folder for temporary files, its
// name starting with `prefix`, and enters it; returns its path, or "" when it
// cannot. remove_folder (shell/system.h) removes it again.
std::string enter_new_folder(const char* prefix);

#endif
