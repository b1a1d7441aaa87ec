// Bitmap text: the fixed-width 6 x 10 font, one glyph per byte, with one
// line break at the last space among the first 52 characters of a long text.
#include <cstring>

#include "render/render.h"
#include "shell/game_state.h"

int glyph_index(const char* text, int position)
{
    if (text == NULL)
        return 0;
    int byte = (unsigned char)text[position];
    if (byte >= 33 && byte <= 126)
        return byte - 32;
    return 0;
}

// Any alignment other than centred or right-aligned is drawn left-aligned.
void draw_text(int x, int y, const char* text, int align)
{
    if (text == NULL)
        return;
    int length = (int)std::strlen(text);
    if (length == 0)
        return;

    // The first line ends just before the last space among the first
    // WRAP_LIMIT characters; that space opens the second line, one glyph
    // left of x. A text that fits on one line is not searched.
    int last_first_line = WRAP_LIMIT;
    if (length > WRAP_LIMIT) {
        for (int p = 0; p < WRAP_LIMIT; p++) {
            if (text[p] == ' ')
                last_first_line = p - 1;
        }
    }

    for (int i = 0; i < length; i++) {
        int left;
        int top = y;
        if (i > last_first_line) {
            left = x + GLYPH_WIDTH * (i - last_first_line - 2);
            top = y + LINE_SPACING;
        } else if (align == ALIGN_CENTRE) {
            left = x - 3 * length - 3 + GLYPH_WIDTH * i;
        } else if (align == ALIGN_RIGHT) {
            left = x - GLYPH_WIDTH * length + GLYPH_WIDTH * i;
        } else {
            left = x + GLYPH_WIDTH * i;
        }
        apply_surface(left, top, font_image, screen, &font_clips[glyph_index(text, i)]);
    }
}
