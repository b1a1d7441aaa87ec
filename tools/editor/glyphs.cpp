// The built-in 3 x 5 font: each glyph is five rows of three bits, the top row
// first, the leftmost pixel the highest bit.
#include "glyphs.h"

#include <cctype>

namespace
{

struct Glyph {
    char c;
    unsigned char rows[5];
};

const Glyph GLYPHS[] = {
    { '0', { 7, 5, 5, 5, 7 } },
    { '1', { 2, 6, 2, 2, 7 } },
    { '2', { 7, 1, 7, 4, 7 } },
    { '3', { 7, 1, 3, 1, 7 } },
    { '4', { 5, 5, 7, 1, 1 } },
    { '5', { 7, 4, 7, 1, 7 } },
    { '6', { 7, 4, 7, 5, 7 } },
    { '7', { 7, 1, 1, 2, 2 } },
    { '8', { 7, 5, 7, 5, 7 } },
    { '9', { 7, 5, 7, 1, 7 } },
    { 'A', { 2, 5, 7, 5, 5 } },
    { 'B', { 6, 5, 6, 5, 6 } },
    { 'C', { 3, 4, 4, 4, 3 } },
    { 'D', { 6, 5, 5, 5, 6 } },
    { 'E', { 7, 4, 6, 4, 7 } },
    { 'F', { 7, 4, 6, 4, 4 } },
    { 'G', { 3, 4, 5, 5, 3 } },
    { 'H', { 5, 5, 7, 5, 5 } },
    { 'I', { 7, 2, 2, 2, 7 } },
    { 'J', { 1, 1, 1, 5, 2 } },
    { 'K', { 5, 5, 6, 5, 5 } },
    { 'L', { 4, 4, 4, 4, 7 } },
    { 'M', { 5, 7, 7, 5, 5 } },
    { 'N', { 6, 5, 5, 5, 5 } },
    { 'O', { 2, 5, 5, 5, 2 } },
    { 'P', { 6, 5, 6, 4, 4 } },
    { 'Q', { 2, 5, 5, 6, 3 } },
    { 'R', { 6, 5, 6, 5, 5 } },
    { 'S', { 3, 4, 2, 1, 6 } },
    { 'T', { 7, 2, 2, 2, 2 } },
    { 'U', { 5, 5, 5, 5, 7 } },
    { 'V', { 5, 5, 5, 5, 2 } },
    { 'W', { 5, 5, 7, 7, 5 } },
    { 'X', { 5, 5, 2, 5, 5 } },
    { 'Y', { 5, 5, 2, 2, 2 } },
    { 'Z', { 7, 1, 2, 4, 7 } },
    { '-', { 0, 0, 7, 0, 0 } },
    { '.', { 0, 0, 0, 0, 2 } },
    { ',', { 0, 0, 0, 2, 4 } },
    { ':', { 0, 2, 0, 2, 0 } },
    { ';', { 0, 2, 0, 2, 4 } },
    { '(', { 1, 2, 2, 2, 1 } },
    { ')', { 4, 2, 2, 2, 4 } },
    { '[', { 3, 2, 2, 2, 3 } },
    { ']', { 6, 2, 2, 2, 6 } },
    { '/', { 1, 1, 2, 4, 4 } },
    { '!', { 2, 2, 2, 0, 2 } },
    { '?', { 7, 1, 3, 0, 2 } },
    { '\'', { 2, 2, 0, 0, 0 } },
    { '"', { 5, 5, 0, 0, 0 } },
    { '+', { 0, 2, 7, 2, 0 } },
    { '=', { 0, 7, 0, 7, 0 } },
    { '*', { 5, 2, 7, 2, 5 } },
    { '_', { 0, 0, 0, 0, 7 } },
    { '<', { 1, 2, 4, 2, 1 } },
    { '>', { 4, 2, 1, 2, 4 } },
    { '%', { 5, 1, 2, 4, 5 } },
};

const Glyph* find(char c)
{
    const char wanted = (char)std::toupper((unsigned char)c);
    for (const Glyph& g : GLYPHS)
        if (g.c == wanted)
            return &g;
    return nullptr;
}

} // namespace

void draw_glyphs(SDL_Surface* surface, int x, int y, const char* text, Uint32 colour, int scale)
{
    for (int i = 0; text[i] != '\0'; i++) {
        const Glyph* g = find(text[i]);
        if (g == nullptr)
            continue;
        for (int row = 0; row < 5; row++)
            for (int column = 0; column < 3; column++)
                if (g->rows[row] & (4 >> column)) {
                    SDL_Rect dot = { (Sint16)(x + (GLYPH_ADVANCE * i + column) * scale),
                        (Sint16)(y + row * scale), (Uint16)scale, (Uint16)scale };
                    SDL_FillRect(surface, &dot, colour);
                }
    }
}
