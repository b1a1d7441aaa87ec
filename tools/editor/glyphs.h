// A tiny built-in font of 3 x 5 pixel glyphs (digits, capitals and a few
// signs), for the editor's numbered stand-in tiles and for its text when the
// game's font.png cannot be read.
#ifndef EDITOR_GLYPHS_H
#define EDITOR_GLYPHS_H

#include <SDL.h>

// Glyph cells are 4 x 6 pixels, times `scale`; lower case is drawn as capitals.
const int GLYPH_ADVANCE = 4;

// Draws `text` with its top-left at (x, y), each glyph pixel `scale` pixels
// on a side, in `colour` (a pixel value of the surface's format).
void draw_glyphs(SDL_Surface* surface, int x, int y, const char* text, Uint32 colour, int scale);

#endif
