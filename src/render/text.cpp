// Bitmap text.
// Empty until its subsystem is written.
#include "render/render.h"
#include "shell/game_state.h"

int glyph_index(const char*, int) { return 0; }
void draw_text(int, int, const char*, int) {}
