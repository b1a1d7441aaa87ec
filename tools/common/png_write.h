// Writing pictures to PNG files: plain RGB or RGBA pixel buffers, and 16-bit
// SDL surfaces such as the game's screen. The same pixels always give the
// same bytes: no time stamp or other varying chunk is written.
#ifndef PNG_WRITE_H
#define PNG_WRITE_H

#include <SDL.h>

#include <string>

// Writes w x h pixels, rows top to bottom, 3 bytes (R, G, B) or 4 bytes
// (R, G, B, A) a pixel. Returns false, with a line on stderr, on failure.
bool write_png_rgb(const std::string& path, int w, int h, const unsigned char* rgb);
bool write_png_rgba(const std::string& path, int w, int h, const unsigned char* rgba);

// Writes a surface of any pixel format SDL can read back (the game's screen
// is 16-bit) as an RGB PNG.
bool write_surface_png(const std::string& path, SDL_Surface* surface);

#endif
