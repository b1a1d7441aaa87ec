// Presentation: images and blitting, bitmap text, the world view, panels and
// menus, frame composition and the map's event dialogs.
#ifndef RENDER_RENDER_H
#define RENDER_RENDER_H

#include <SDL.h>

// One of the game's images: its file in Media/ and the surface it loads into.
struct ImageFile {
    const char* name;
    SDL_Surface** surface;
};

const int IMAGE_COUNT = 9;

// The nine images, read by load_images, drawn by make-media and checked by
// the media tests.
extern const ImageFile IMAGE_FILES[IMAGE_COUNT];

// Loads a PNG converted to the screen's format with the cyan colour key.
// Returns null (and says why on stderr) when the file cannot be used.
SDL_Surface* load_image(const char* filename);

// Loads the nine images and fills the three clip tables.
void load_images();

// Fills the clip tables that cut the tile sheets, the font and the
// character sheet. Part of load_images; tests and tools with sheets of their
// own call it alone.
void fill_clip_tables();

// Makes the unkeyed copy of tileset0 and notes its tiles without a key pixel.
// Part of load_images; tests and tools that replace or repaint tileset0 call
// it again, so that the ground shows the sheet as it is now.
void update_ground_sheet();

// The sheet to draw ground tile `tile` from: tileset0, or for a tile without
// a single key pixel its unkeyed copy, which blits faster and looks the same.
SDL_Surface* ground_sheet(int tile);

// Blits `clip` of `source` (all of it when null) with its top-left at (x, y).
void apply_surface(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip);

// The font glyph that shows the byte at `position` of `text`.
int glyph_index(const char* text, int position);

// Draws text on the screen, broken once after 52 characters at a space.
void draw_text(int x, int y, const char* text, int align);

// Paints the camera's view of the map, the characters and the overhead layer.
void draw_world();

void draw_status_panel();
void draw_monster_panel();
void draw_battle_window();
void draw_save_menu();

// Moves the camera, advances the animation while exploring, draws the frame.
void draw_frame();

// Keeps the player inside the camera's dead zone, within the map.
void update_camera();

// Characters' lines, the box and the repair station at the facing point,
// with their confirm actions.
void draw_event_dialogs();

#endif
