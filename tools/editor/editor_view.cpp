// Drawing the editor's window. The map view is put together from 320 x 240
// pieces that the game's draw_world paints (with hidden layers' sheets taken
// away and the characters kept off the map), then the editor's overlays are
// laid on each piece before it is copied, at 1x or 2x, into the window.
#include "editor_view.h"

#include <cstdio>

#include "glyphs.h"
#include "map/map_file.h"
#include "render/render.h"
#include "world/world.h"

namespace
{

// How far the view may show beyond the map's edges, in world pixels.
const int VIEW_MARGIN = 60;

SDL_Surface** sheet_slot(int layer)
{
    SDL_Surface** const slots[LAYER_COUNT] = { &tileset0, &tileset1, &tileset2, &tileset3, &tileset4 };
    return slots[layer];
}

Uint32 rgb(SDL_Surface* s, Uint8 r, Uint8 g, Uint8 b)
{
    return SDL_MapRGB(s->format, r, g, b);
}

void fill(SDL_Surface* s, int x, int y, int w, int h, Uint32 colour)
{
    SDL_Rect r = { (Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h };
    SDL_FillRect(s, &r, colour);
}

void frame_rect(SDL_Surface* s, int x, int y, int w, int h, int thickness, Uint32 colour)
{
    fill(s, x, y, w, thickness, colour);
    fill(s, x, y + h - thickness, w, thickness, colour);
    fill(s, x, y, thickness, h, colour);
    fill(s, x + w - thickness, y, thickness, h, colour);
}

// A surface in the window's pixel format.
SDL_Surface* make_surface(int w, int h)
{
    const SDL_PixelFormat* f = SDL_GetVideoSurface()->format;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, 0);
}

// A flat colour with per-surface alpha, for tints laid over the map.
SDL_Surface* make_tint(int w, int h, Uint8 r, Uint8 g, Uint8 b, Uint8 alpha)
{
    SDL_Surface* s = make_surface(w, h);
    if (s != nullptr) {
        SDL_FillRect(s, nullptr, rgb(s, r, g, b));
        SDL_SetAlpha(s, SDL_SRCALPHA, alpha);
    }
    return s;
}

// Numbered tiles for a layer whose sheet cannot be read: ground tiles are
// solid colours, the others numbered boxes on the transparent key.
SDL_Surface* make_stand_in(int layer)
{
    SDL_Surface* s = make_surface(TILE_SIZE * TILES_PER_SHEET, TILE_SIZE);
    if (s == nullptr)
        return nullptr;
    const Uint32 key = rgb(s, 0, 0xFF, 0xFF);
    SDL_FillRect(s, nullptr, key);
    SDL_SetColorKey(s, SDL_SRCCOLORKEY, key);
    for (int t = 0; t < TILES_PER_SHEET; t++) {
        const int x = TILE_SIZE * t;
        const Uint8 shade = (Uint8)(60 + 9 * t);
        if (layer == LAYER_GROUND)
            fill(s, x, 0, TILE_SIZE, TILE_SIZE, rgb(s, (Uint8)(40 + 7 * t), shade, (Uint8)(160 - 5 * t)));
        else
            fill(s, x + 1, 3, TILE_SIZE - 2, 14, rgb(s, 30, 30, 30));
        char number[4];
        std::snprintf(number, sizeof number, "%d", t);
        draw_glyphs(s, x + (t < 10 ? 7 : 3), 5, number, rgb(s, 255, 255, 255), 2);
    }
    return s;
}

// Copies a piece of the map onto the window at (x, y), doubled when zoom is
// 2, cut to the map view.
void copy_piece(SDL_Surface* piece, SDL_Surface* window, int x, int y, int zoom)
{
    SDL_Rect view = { 0, 0, MAP_VIEW_WIDTH, MAP_VIEW_HEIGHT };
    SDL_SetClipRect(window, &view);
    if (zoom == 1 || piece->format->BytesPerPixel != 2 || window->format->BytesPerPixel != 2) {
        SDL_Rect at = { (Sint16)x, (Sint16)y, 0, 0 };
        SDL_BlitSurface(piece, nullptr, window, &at);
        SDL_SetClipRect(window, nullptr);
        return;
    }
    SDL_SetClipRect(window, nullptr);
    SDL_LockSurface(window);
    for (int sy = 0; sy < piece->h; sy++) {
        const Uint16* from = (const Uint16*)((const Uint8*)piece->pixels + sy * piece->pitch);
        for (int k = 0; k < zoom; k++) {
            const int wy = y + sy * zoom + k;
            if (wy < 0 || wy >= MAP_VIEW_HEIGHT)
                continue;
            Uint16* to = (Uint16*)((Uint8*)window->pixels + wy * window->pitch);
            for (int sx = 0; sx < piece->w; sx++)
                for (int j = 0; j < zoom; j++) {
                    const int wx = x + sx * zoom + j;
                    if (wx >= 0 && wx < MAP_VIEW_WIDTH)
                        to[wx] = from[sx];
                }
        }
    }
    SDL_UnlockSurface(window);
}

// Text in the game's font, or in the built-in one when font.png is missing;
// cut after `width` pixels.
int text_advance()
{
    return font_image != nullptr ? GLYPH_WIDTH : 2 * GLYPH_ADVANCE;
}

void text(SDL_Surface* window, int x, int y, const std::string& line, int width = WINDOW_WIDTH)
{
    const int advance = text_advance();
    const int count = (int)line.size() < width / advance ? (int)line.size() : width / advance;
    if (font_image == nullptr) {
        draw_glyphs(window, x, y, line.substr(0, (size_t)count).c_str(), rgb(window, 235, 235, 235), 2);
        return;
    }
    for (int i = 0; i < count; i++)
        apply_surface(x + advance * i, y, font_image, window, &font_clips[glyph_index(line.c_str(), i)]);
}

// Draws the map's overlays onto a piece whose top-left is world (wx, wy).
void draw_overlays(SDL_Surface* piece, int wx, int wy, const EditorView& v)
{
    static SDL_Surface* blocked_tint = make_tint(TILE_SIZE, TILE_SIZE, 230, 30, 30, 110);
    static SDL_Surface* row_line = make_tint(SCREEN_WIDTH, 1, 0, 0, 0, 90);
    static SDL_Surface* column_line = make_tint(1, SCREEN_HEIGHT, 0, 0, 0, 90);
    const Uint32 bad = rgb(piece, 255, 0, 255);

    const int first_x = wx < 0 ? 0 : wx / TILE_SIZE, first_y = wy < 0 ? 0 : wy / TILE_SIZE;
    const int last_x = (wx + SCREEN_WIDTH - 1) / TILE_SIZE, last_y = (wy + SCREEN_HEIGHT - 1) / TILE_SIZE;
    for (int i = first_x; i <= last_x && i < MAP_SIZE; i++)
        for (int j = first_y; j <= last_y && j < MAP_SIZE; j++) {
            const int x = TILE_SIZE * i - wx, y = TILE_SIZE * j - wy;
            if (v.collision && collision_grid[i][j] != 0)
                apply_surface(x, y, blocked_tint, piece, nullptr);
            bool broken = false;
            for (int layer = 0; layer < LAYER_COUNT; layer++)
                broken = broken || !valid_tile_value(map_layers[layer][i][j]);
            if (broken) {
                frame_rect(piece, x, y, TILE_SIZE, TILE_SIZE, 2, bad);
                for (int k = 2; k < TILE_SIZE - 2; k++) {
                    fill(piece, x + k, y + k, 2, 2, bad);
                    fill(piece, x + TILE_SIZE - 2 - k, y + k, 2, 2, bad);
                }
            }
        }
    if (v.grid) {
        for (int i = first_x; i <= last_x + 1 && i <= MAP_SIZE; i++)
            apply_surface(TILE_SIZE * i - wx, 0, column_line, piece, nullptr);
        for (int j = first_y; j <= last_y + 1 && j <= MAP_SIZE; j++)
            apply_surface(0, TILE_SIZE * j - wy, row_line, piece, nullptr);
    }
    if (v.markers) {
        // The player's start and the characters' starting points: their
        // standing frames, a ring at the anchor and a label above the head.
        for (int n = -1; n < NPC_COUNT; n++) {
            const int x = (n < 0 ? PLAYER_START_X : NPC_START_X[n]) - wx;
            const int y = (n < 0 ? PLAYER_START_Y : NPC_START_Y[n]) - wy;
            const int frame = n < 0 ? 0 : npc_sprite[n];
            if (frame >= 0 && frame < SPRITE_FRAME_COUNT)
                apply_surface(x - SPRITE_WIDTH / 2, y - 30, charset, piece, &sprite_clips[frame]);
            const Uint32 ring = n < 0 ? rgb(piece, 255, 220, 40) : rgb(piece, 80, 230, 255);
            frame_rect(piece, x - 9, y - 5, 18, 12, 1, ring);
            char label[4];
            std::snprintf(label, sizeof label, "%c", n < 0 ? 'P' : (char)('1' + n));
            fill(piece, x - 3, y - 41, 7, 9, rgb(piece, 20, 20, 20));
            draw_glyphs(piece, x - 1, y - 39, label, ring, 1);
        }
    }
}

// One 320 x 240 piece of the map with world (wx, wy) at its top-left.
void draw_piece(SDL_Surface* piece, int wx, int wy, const EditorView& v)
{
    // Beyond the map and under a hidden ground layer: a dark checkerboard.
    const Uint32 dark = rgb(piece, 22, 26, 38), darker = rgb(piece, 16, 19, 28);
    for (int y = 0; y < SCREEN_HEIGHT; y += 10)
        for (int x = 0; x < SCREEN_WIDTH; x += 10)
            fill(piece, x, y, 10, 10, (((x + wx) / 10 + (y + wy) / 10) & 1) ? dark : darker);

    // A hidden layer's sheet is taken away while the piece is drawn. The
    // ground's unkeyed copy needs no remaking for that: the game draws from
    // it only while tileset0 is the sheet it was made from.
    SDL_Surface* sheets[LAYER_COUNT];
    for (int layer = 0; layer < LAYER_COUNT; layer++) {
        sheets[layer] = *sheet_slot(layer);
        if (!v.shown[layer])
            *sheet_slot(layer) = nullptr;
    }

    SDL_Surface* const game_screen = screen;
    screen = piece;
    camera_x = wx;
    camera_y = wy;
    draw_world();
    screen = game_screen;

    for (int layer = 0; layer < LAYER_COUNT; layer++)
        *sheet_slot(layer) = sheets[layer];

    draw_overlays(piece, wx, wy, v);
}

void draw_map_view(SDL_Surface* window, const EditorView& v)
{
    static SDL_Surface* piece = make_surface(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (piece == nullptr)
        return;
    const int world_w = MAP_VIEW_WIDTH / v.zoom, world_h = MAP_VIEW_HEIGHT / v.zoom;
    for (int dy = 0; dy < world_h; dy += SCREEN_HEIGHT)
        for (int dx = 0; dx < world_w; dx += SCREEN_WIDTH) {
            draw_piece(piece, v.view_x + dx, v.view_y + dy, v);
            copy_piece(piece, window, dx * v.zoom, dy * v.zoom, v.zoom);
        }

    int x, y;
    if (cell_under(v, v.pointer_x, v.pointer_y, &x, &y)) {
        const int size = TILE_SIZE * v.zoom;
        const int left = (TILE_SIZE * x - v.view_x) * v.zoom, top = (TILE_SIZE * y - v.view_y) * v.zoom;
        SDL_Rect view = { 0, 0, MAP_VIEW_WIDTH, MAP_VIEW_HEIGHT };
        SDL_SetClipRect(window, &view);
        frame_rect(window, left - 1, top - 1, size + 2, size + 2, 1, rgb(window, 0, 0, 0));
        frame_rect(window, left, top, size, size, 1, rgb(window, 255, 255, 255));
        SDL_SetClipRect(window, nullptr);
    }
}

void draw_palette(SDL_Surface* window, const EditorView& v)
{
    static SDL_Surface* palette
        = make_surface(PALETTE_COLUMNS * TILE_SIZE, TILES_PER_SHEET / PALETTE_COLUMNS * TILE_SIZE);
    if (palette == nullptr)
        return;
    const Uint32 light = rgb(palette, 90, 94, 104), dark = rgb(palette, 64, 68, 78);
    for (int y = 0; y < palette->h; y += 5)
        for (int x = 0; x < palette->w; x += 5)
            fill(palette, x, y, 5, 5, ((x + y) / 5 & 1) ? light : dark);
    for (int t = 0; t < TILES_PER_SHEET; t++)
        apply_surface(t % PALETTE_COLUMNS * TILE_SIZE, t / PALETTE_COLUMNS * TILE_SIZE, *sheet_slot(v.layer),
            palette, &tile_clips[t]);

    // Doubled into the window, with each tile's number in a corner.
    SDL_LockSurface(window);
    if (window->format->BytesPerPixel == 2)
        for (int y = 0; y < 2 * palette->h; y++) {
            const Uint16* from = (const Uint16*)((const Uint8*)palette->pixels + y / 2 * palette->pitch);
            Uint16* to = (Uint16*)((Uint8*)window->pixels + (PALETTE_TOP + y) * window->pitch) + PANEL_LEFT;
            for (int x = 0; x < 2 * palette->w; x++)
                to[x] = from[x / 2];
        }
    SDL_UnlockSurface(window);
    for (int t = 0; t < TILES_PER_SHEET; t++) {
        const int x = PANEL_LEFT + t % PALETTE_COLUMNS * PALETTE_CELL,
                  y = PALETTE_TOP + t / PALETTE_COLUMNS * PALETTE_CELL;
        char number[4];
        std::snprintf(number, sizeof number, "%d", t);
        fill(window, x, y, t < 10 ? 6 : 10, 7, rgb(window, 20, 20, 20));
        draw_glyphs(window, x + 1, y + 1, number, rgb(window, 220, 220, 220), 1);
        if (t == v.tile) {
            frame_rect(window, x, y, PALETTE_CELL, PALETTE_CELL, 2, rgb(window, 255, 220, 40));
        }
    }
}

void draw_panel(SDL_Surface* window, const EditorView& v, const MapEdit& edit)
{
    const int width = WINDOW_WIDTH - PANEL_LEFT;
    fill(window, PANEL_LEFT, 0, width, STATUS_TOP, rgb(window, 36, 40, 52));
    text(window, PANEL_LEFT + 4, 5, edit.unsaved() ? "MAP EDITOR   (unsaved)" : "MAP EDITOR", width - 8);
    for (int layer = 0; layer < LAYER_COUNT; layer++) {
        const int y = LAYER_LIST_TOP + LINE_HEIGHT * layer;
        if (layer == v.layer)
            fill(window, PANEL_LEFT, y - 1, width, LINE_HEIGHT, rgb(window, 70, 92, 150));
        std::string line = std::string(v.shown[layer] ? "[x] " : "[ ] ") + std::to_string(layer + 1) + " "
            + layer_name(layer);
        if (v.stand_in[layer])
            line += " (numbers)";
        else if (layer == LAYER_EDGE)
            line += " (derived)";
        text(window, PANEL_LEFT + 4, y, line, width - 8);
    }
    draw_palette(window, v);

    int y = PALETTE_TOP + 5 * PALETTE_CELL + 6;
    const auto line = [&](const std::string& s) {
        text(window, PANEL_LEFT + 4, y, s, width - 8);
        y += LINE_HEIGHT;
    };
    line("tile " + std::to_string(v.tile) + " of " + layer_name(v.layer));
    line("zoom " + std::to_string(v.zoom) + "x  undo " + std::to_string(edit.undo_count()) + "  redo "
        + std::to_string(edit.redo_count()));
    line(std::string(v.collision ? "[x]" : "[ ]") + " C collision");
    line(std::string(v.grid ? "[x]" : "[ ]") + " G grid lines");
    line(std::string(v.markers ? "[x]" : "[ ]") + " M start markers");
    y += 4;
    line("Home start   Z zoom");
    line("I pick tile  F1-F5 show");
}

void draw_status(SDL_Surface* window, const EditorView& v)
{
    fill(window, 0, STATUS_TOP, WINDOW_WIDTH, WINDOW_HEIGHT - STATUS_TOP, rgb(window, 28, 31, 41));
    fill(window, 0, STATUS_TOP, WINDOW_WIDTH, 1, rgb(window, 80, 86, 100));
    const int left = 6;
    int top = STATUS_TOP + 4;
    int x, y;
    if (cell_under(v, v.pointer_x, v.pointer_y, &x, &y)) {
        char where[96];
        std::snprintf(where, sizeof where, "cell (%d, %d)   pixels %d..%d, %d..%d   %s", x, y, TILE_SIZE * x,
            TILE_SIZE * x + TILE_SIZE - 1, TILE_SIZE * y, TILE_SIZE * y + TILE_SIZE - 1,
            collision_grid[x][y] ? "blocks walking" : "walkable");
        text(window, left, top, where);
        std::string values;
        for (int layer = 0; layer < LAYER_COUNT; layer++) {
            const int value = map_layers[layer][x][y];
            values += std::string(layer_name(layer)) + " " + std::to_string(value)
                + (valid_tile_value(value) ? "" : "!") + "   ";
        }
        text(window, left, top + LINE_HEIGHT, values);
    } else {
        text(window, left, top, "point at the map to see a cell");
    }
    top += 2 * LINE_HEIGHT + 2;
    if (v.message_is_error)
        fill(window, 0, top - 2, WINDOW_WIDTH, LINE_HEIGHT, rgb(window, 150, 30, 30));
    text(window, left, top, v.message);
    text(window, left, top + LINE_HEIGHT, v.checks);
    text(window, left, top + 2 * LINE_HEIGHT + 2,
        "left: paint (on the palette: pick)   right: clear   middle drag or arrows: move   1-5: layer");
    text(window, left, top + 3 * LINE_HEIGHT + 2,
        "Ctrl+S: save test.dat   Ctrl+E: export the game's map   Ctrl+Z / Ctrl+Y: undo / redo   Esc: leave");
}

} // namespace

void move_view(EditorView& v, int dx, int dy)
{
    const int world_w = MAP_VIEW_WIDTH / v.zoom, world_h = MAP_VIEW_HEIGHT / v.zoom;
    const auto clamp = [](int value, int low, int high) {
        return value < low ? low : value > high ? high : value;
    };
    v.view_x = clamp(v.view_x + dx, -VIEW_MARGIN, MAP_PIXELS - world_w + VIEW_MARGIN);
    v.view_y = clamp(v.view_y + dy, -VIEW_MARGIN, MAP_PIXELS - world_h + VIEW_MARGIN);
}

void centre_view(EditorView& v, int x, int y)
{
    v.view_x = x - MAP_VIEW_WIDTH / v.zoom / 2;
    v.view_y = y - MAP_VIEW_HEIGHT / v.zoom / 2;
    move_view(v, 0, 0);
}

bool cell_under(const EditorView& v, int px, int py, int* x, int* y)
{
    if (px < 0 || py < 0 || px >= MAP_VIEW_WIDTH || py >= MAP_VIEW_HEIGHT)
        return false;
    const int wx = v.view_x + px / v.zoom, wy = v.view_y + py / v.zoom;
    if (wx < 0 || wy < 0 || wx >= MAP_PIXELS || wy >= MAP_PIXELS)
        return false;
    *x = wx / TILE_SIZE;
    *y = wy / TILE_SIZE;
    return true;
}

int palette_tile_under(int px, int py)
{
    const int column = (px - PANEL_LEFT) / PALETTE_CELL, row = (py - PALETTE_TOP) / PALETTE_CELL;
    if (px < PANEL_LEFT || py < PALETTE_TOP || column >= PALETTE_COLUMNS
        || row >= TILES_PER_SHEET / PALETTE_COLUMNS)
        return -1;
    return row * PALETTE_COLUMNS + column;
}

int layer_line_under(int px, int py, bool* on_box)
{
    if (px < PANEL_LEFT || py < LAYER_LIST_TOP - 1 || py >= LAYER_LIST_TOP - 1 + LAYER_COUNT * LINE_HEIGHT)
        return -1;
    *on_box = px < PANEL_LEFT + 4 + 3 * GLYPH_WIDTH + 2;
    return (py - LAYER_LIST_TOP + 1) / LINE_HEIGHT;
}

void load_editor_sheets(EditorView& v)
{
    load_images();
    for (int layer = 0; layer < LAYER_COUNT; layer++) {
        if (*sheet_slot(layer) != nullptr)
            continue;
        *sheet_slot(layer) = make_stand_in(layer);
        v.stand_in[layer] = true;
        std::fprintf(stderr,
            "map-editor: no usable sheet Media/tileset%d.png: layer %d (%s) is drawn as numbered cells\n",
            layer, layer, layer_name(layer));
    }
    update_ground_sheet();
}

void draw_editor(SDL_Surface* window, const EditorView& v, const MapEdit& edit)
{
    draw_map_view(window, v);
    draw_panel(window, v, edit);
    draw_status(window, v);
}
