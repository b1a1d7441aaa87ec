// The editor's window: its layout, the view and selection the designer
// changes, and the drawing of the map (with the game's draw_world), the
// palette, the layer list and the status lines.
#ifndef EDITOR_EDITOR_VIEW_H
#define EDITOR_EDITOR_VIEW_H

#include <SDL.h>

#include <string>

#include "map_edit.h"
#include "shell/game_state.h"

const int WINDOW_WIDTH = 640;
const int WINDOW_HEIGHT = 480;

// The map view at the window's top-left; the panel at its right; the status
// lines below both.
const int MAP_VIEW_WIDTH = 480;
const int MAP_VIEW_HEIGHT = 400;
const int PANEL_LEFT = MAP_VIEW_WIDTH;
const int STATUS_TOP = MAP_VIEW_HEIGHT;

// The layer list and the palette of the selected layer's tiles, drawn twice
// their size in 4 columns of 5.
const int LAYER_LIST_TOP = 20;
const int LINE_HEIGHT = 12;
const int PALETTE_TOP = LAYER_LIST_TOP + LAYER_COUNT * LINE_HEIGHT + 8;
const int PALETTE_COLUMNS = 4;
const int PALETTE_CELL = 2 * TILE_SIZE;

struct EditorView {
    int view_x = 0, view_y = 0; // the world pixel at the map view's top-left
    int zoom = 1; // 1 or 2
    int layer = LAYER_OBSTACLE;
    int tile = 0;
    bool shown[LAYER_COUNT] = { true, true, true, true, true };
    bool collision = false, grid = false, markers = true;
    int pointer_x = -1, pointer_y = -1; // window pixels
    std::string message; // what the last action said
    bool message_is_error = false;
    std::string checks; // the last save's or export's checks
    bool stand_in[LAYER_COUNT] = {}; // sheets drawn as numbered cells
};

// Puts the view's centre on world pixel (x, y), within reach of the map.
void centre_view(EditorView& v, int x, int y);

// Moves the view by world pixels, within reach of the map.
void move_view(EditorView& v, int dx, int dy);

// The map cell under a window pixel; false outside the map view or the map.
bool cell_under(const EditorView& v, int px, int py, int* x, int* y);

// The palette tile under a window pixel, or -1.
int palette_tile_under(int px, int py);

// The layer whose line in the layer list is under a window pixel, or -1;
// *on_box tells whether the pixel is on its show/hide box.
int layer_line_under(int px, int py, bool* on_box);

// Loads the images; a tile sheet that is missing or unreadable is replaced
// by numbered stand-in tiles, with one line on stderr.
void load_editor_sheets(EditorView& v);

// Draws the whole window.
void draw_editor(SDL_Surface* window, const EditorView& v, const MapEdit& edit);

#endif
