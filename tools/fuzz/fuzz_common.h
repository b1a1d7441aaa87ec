// Shared by the fuzz targets: a headless screen and plain sheets, so every
// blit the game makes after reading a hostile file really reads its clip
// table, and a scratch folder in which the files are written.
#ifndef FUZZ_COMMON_H
#define FUZZ_COMMON_H

#include <cstddef>
#include <cstdint>

// Opens the dummy screen, makes the sheets, fills the clip tables and enters
// a scratch folder with an empty Media/ in it. Runs once.
void fuzz_setup();

// Writes `size` bytes to `path` in the scratch folder.
void fuzz_write(const char* path, const uint8_t* data, size_t size);

// Plays a few frames over the current state: walking, the characters, the
// camera, drawing, a confirm press at the facing point.
void fuzz_play_frames();

#endif
