// Shared by the fuzz targets: a headless screen and plain sheets, so every
// blit the game makes after reading a hostile file really reads its clip
// table; a scratch folder in which the files are written; and the way an
// input's first bytes choose how the game is played over what was read.
#ifndef FUZZ_COMMON_H
#define FUZZ_COMMON_H

#include <cstddef>
#include <cstdint>

#include "shell/platform.h"

// Frames of button input an input holds.
const int FUZZ_FRAMES = 8;

// The first FUZZ_PLAY_SIZE bytes of an input; the rest is the file.
struct FuzzPlay {
    unsigned seed; // rand() for the input: encounters, monsters, characters
    int x, y; // a place of the world, in map pixels
    uint8_t held[FUZZ_FRAMES]; // per frame, the buttons held (see fuzz_press)
};
const size_t FUZZ_PLAY_SIZE = 1 + 2 + 2 + FUZZ_FRAMES;

// Opens the dummy screen, makes the sheets, fills the clip tables and enters
// a scratch folder with an empty Media/ in it. Runs once.
void fuzz_setup();

// Takes the play from the front of the input (zeros where it is too short)
// and leaves `data` and `size` on the file that follows.
FuzzPlay fuzz_take_play(const uint8_t** data, size_t* size);

// Starts an input from a new game: every variable at its initial value, the
// monster and character tables filled with rand() seeded by `seed`, no
// button held or pending, no save slot. A crash found then reproduces from
// its one input.
void fuzz_new_game(unsigned seed);

// Writes `size` bytes to `path` in the scratch folder.
void fuzz_write(const char* path, const uint8_t* data, size_t size);

// A frame's held buttons: bit i holds console button FUZZ_BUTTON_OF_BIT[i].
const int FUZZ_BUTTON_OF_BIT[8]
    = { GP2X_UP, GP2X_LEFT, GP2X_DOWN, GP2X_RIGHT, GP2X_START, GP2X_A, GP2X_B, GP2X_SELECT };
const uint8_t FUZZ_DIRECTIONS = 0x0F;
const uint8_t FUZZ_A = 1 << 5;

// Plays `frames` frames through run_frame; before each, the buttons of
// held[i] that changed since the frame before are pressed or released.
void fuzz_press(const uint8_t* held, int frames);

#endif
