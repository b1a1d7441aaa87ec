// map-editor: paints the world's five layers with the mouse. Start it from a
// folder that holds Media/; it opens test.dat there, or Media/map.dat.
//
//   map-editor [--export PATH]
//
// Ctrl+S writes test.dat, Ctrl+E exports the game's map file to PATH
// (Media/map.dat unless given). The keys and buttons are in the README.
#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "editor_view.h"
#include "map/map_file.h"
#include "world/world.h"

namespace
{

struct Editor {
    EditorView view;
    MapEdit edit;
    std::string export_path = MAP_FILE;
    bool leave_asked = false;
    bool leaving = false;
    // The button painting or panning, and the cell or pixel it was last at.
    int stroke_button = 0;
    int last_x = 0, last_y = 0;
};

void say(Editor& e, const std::string& message, bool error = false)
{
    e.view.message = message;
    e.view.message_is_error = error;
}

// Sets every cell on the line from the last cell to (x, y): a fast drag
// still paints a gapless stroke.
void paint_to(Editor& e, int x, int y)
{
    const int value = e.stroke_button == SDL_BUTTON_LEFT ? e.view.tile : TILE_EMPTY;
    int cx = e.last_x, cy = e.last_y;
    const int dx = x > cx ? x - cx : cx - x, dy = y > cy ? cy - y : y - cy;
    const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        e.edit.set_cell(e.view.layer, cx, cy, value);
        if (cx == x && cy == y)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            cx += sx;
        }
        if (twice <= dx) {
            error += dx;
            cy += sy;
        }
    }
    e.last_x = x;
    e.last_y = y;
    e.leave_asked = false;
}

void press(Editor& e, const SDL_MouseButtonEvent& b)
{
    EditorView& v = e.view;
    v.pointer_x = b.x;
    v.pointer_y = b.y;
    int x, y;
    const bool on_map = cell_under(v, b.x, b.y, &x, &y);
    if (b.button == SDL_BUTTON_WHEELUP || b.button == SDL_BUTTON_WHEELDOWN) {
        const int step = b.button == SDL_BUTTON_WHEELUP ? -1 : 1;
        if (palette_tile_under(b.x, b.y) >= 0)
            v.tile = (v.tile + step + TILES_PER_SHEET) % TILES_PER_SHEET;
        return;
    }
    if (b.button == SDL_BUTTON_MIDDLE) {
        e.stroke_button = SDL_BUTTON_MIDDLE;
        e.last_x = b.x;
        e.last_y = b.y;
        return;
    }
    if (on_map && (b.button == SDL_BUTTON_LEFT || b.button == SDL_BUTTON_RIGHT)) {
        e.stroke_button = b.button;
        e.edit.begin_stroke();
        e.last_x = x;
        e.last_y = y;
        paint_to(e, x, y);
        return;
    }
    if (b.button != SDL_BUTTON_LEFT)
        return;
    const int tile = palette_tile_under(b.x, b.y);
    if (tile >= 0)
        v.tile = tile;
    bool on_box = false;
    const int layer = layer_line_under(b.x, b.y, &on_box);
    if (layer >= 0 && on_box)
        v.shown[layer] = !v.shown[layer];
    else if (layer >= 0)
        v.layer = layer;
}

void release(Editor& e)
{
    if (e.stroke_button == SDL_BUTTON_LEFT || e.stroke_button == SDL_BUTTON_RIGHT)
        e.edit.end_stroke();
    e.stroke_button = 0;
}

void motion(Editor& e, const SDL_MouseMotionEvent& m)
{
    e.view.pointer_x = m.x;
    e.view.pointer_y = m.y;
    if (e.stroke_button == SDL_BUTTON_MIDDLE) {
        // Whole world pixels only; at 2x the odd window pixel is kept for later.
        const int dx = (e.last_x - m.x) / e.view.zoom, dy = (e.last_y - m.y) / e.view.zoom;
        move_view(e.view, dx, dy);
        e.last_x -= dx * e.view.zoom;
        e.last_y -= dy * e.view.zoom;
        return;
    }
    int x, y;
    if (e.stroke_button != 0 && cell_under(e.view, m.x, m.y, &x, &y))
        paint_to(e, x, y);
}

bool report(Editor& e, const SaveOutcome& outcome)
{
    say(e, outcome.message, !outcome.written);
    e.view.checks = "checks: " + summarise(outcome.findings);
    return outcome.written;
}

// Escape or the window's close: leaves at once when everything is saved,
// otherwise asks first and leaves on the second request.
void ask_to_leave(Editor& e)
{
    if (!e.edit.unsaved() || e.leave_asked) {
        e.leaving = true;
        return;
    }
    e.leave_asked = true;
    say(e, "Unsaved changes: Escape (or close) again leaves without saving; Ctrl+S saves test.dat.", true);
}

void set_zoom(Editor& e, int zoom)
{
    EditorView& v = e.view;
    const int centre_x = v.view_x + MAP_VIEW_WIDTH / v.zoom / 2,
              centre_y = v.view_y + MAP_VIEW_HEIGHT / v.zoom / 2;
    v.zoom = zoom;
    centre_view(v, centre_x, centre_y);
}

void key(Editor& e, const SDL_keysym& k)
{
    EditorView& v = e.view;
    const bool ctrl = (k.mod & KMOD_CTRL) != 0;
    if (ctrl) {
        release(e);
        switch (k.sym) {
        case SDLK_s:
            if (report(e, save_editor_map(EDITOR_MAP_FILE)))
                e.edit.mark_saved();
            break;
        case SDLK_e: report(e, export_game_map(e.export_path)); break;
        case SDLK_z:
            if ((k.mod & KMOD_SHIFT) ? e.edit.redo() : e.edit.undo())
                say(e, (k.mod & KMOD_SHIFT) ? "redone" : "undone");
            else
                say(e, "nothing to undo or redo");
            break;
        case SDLK_y: say(e, e.edit.redo() ? "redone" : "nothing to redo"); break;
        default: break;
        }
        return;
    }
    int x, y;
    switch (k.sym) {
    case SDLK_ESCAPE: ask_to_leave(e); break;
    case SDLK_1:
    case SDLK_2:
    case SDLK_3:
    case SDLK_4:
    case SDLK_5: v.layer = k.sym - SDLK_1; break;
    case SDLK_F1:
    case SDLK_F2:
    case SDLK_F3:
    case SDLK_F4:
    case SDLK_F5: v.shown[k.sym - SDLK_F1] = !v.shown[k.sym - SDLK_F1]; break;
    case SDLK_c: v.collision = !v.collision; break;
    case SDLK_g: v.grid = !v.grid; break;
    case SDLK_m: v.markers = !v.markers; break;
    case SDLK_z: set_zoom(e, v.zoom == 1 ? 2 : 1); break;
    case SDLK_HOME:
    case SDLK_p: centre_view(v, PLAYER_START_X, PLAYER_START_Y); break;
    case SDLK_LEFTBRACKET: v.tile = (v.tile + TILES_PER_SHEET - 1) % TILES_PER_SHEET; break;
    case SDLK_RIGHTBRACKET: v.tile = (v.tile + 1) % TILES_PER_SHEET; break;
    case SDLK_i:
        if (cell_under(v, v.pointer_x, v.pointer_y, &x, &y) && valid_tile_value(map_layers[v.layer][x][y])
            && map_layers[v.layer][x][y] != TILE_EMPTY)
            v.tile = map_layers[v.layer][x][y];
        break;
    default: break;
    }
}

// Arrow keys held move the view; Shift moves it faster. True when it moved.
bool scroll(Editor& e)
{
    const Uint8* keys = SDL_GetKeyState(nullptr);
    const int speed = (SDL_GetModState() & KMOD_SHIFT ? 24 : 6) / e.view.zoom + 1;
    const int dx = (keys[SDLK_RIGHT] ? speed : 0) - (keys[SDLK_LEFT] ? speed : 0);
    const int dy = (keys[SDLK_DOWN] ? speed : 0) - (keys[SDLK_UP] ? speed : 0);
    if (dx == 0 && dy == 0)
        return false;
    move_view(e.view, dx, dy);
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: map-editor [--export PATH]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    static Editor e;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--export") == 0 && i + 1 < argc)
            e.export_path = argv[++i];
        else
            return usage();
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "map-editor: cannot initialise SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Surface* window = SDL_SetVideoMode(WINDOW_WIDTH, WINDOW_HEIGHT, SCREEN_BPP, SDL_SWSURFACE);
    if (window == nullptr) {
        std::fprintf(stderr, "map-editor: cannot open a %d x %d window: %s\n", WINDOW_WIDTH, WINDOW_HEIGHT,
            SDL_GetError());
        SDL_Quit();
        return 1;
    }

    load_editor_sheets(e.view);
    // The characters' rows of the sheet, for the markers; the game's own
    // walkers stay off the map, so draw_world shows the map alone.
    init_npcs();
    for (int n = 0; n < NPC_COUNT; n++)
        npc_x[n] = npc_y[n] = -MAP_PIXELS;
    player_x = player_y = -MAP_PIXELS;

    const std::string opened = open_map();
    say(e, opened, opened.compare(0, 7, "opened ") != 0);
    e.view.checks = "checks: " + summarise(check_map()) + " (export to " + e.export_path + ")";
    centre_view(e.view, PLAYER_START_X, PLAYER_START_Y);
    char driver[32] = "?";
    SDL_VideoDriverName(driver, sizeof driver);
    std::printf(
        "map-editor: view at (%d, %d), zoom %d, map view %d x %d at the window's top-left, video %s\n",
        e.view.view_x, e.view.view_y, e.view.zoom, MAP_VIEW_WIDTH, MAP_VIEW_HEIGHT, driver);
    std::fflush(stdout);

    // The window is drawn again only after an event or a move of the view.
    bool changed = true;
    while (!e.leaving) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            changed = true;
            switch (event.type) {
            case SDL_MOUSEBUTTONDOWN: press(e, event.button); break;
            case SDL_MOUSEBUTTONUP: release(e); break;
            case SDL_MOUSEMOTION: motion(e, event.motion); break;
            case SDL_KEYDOWN: key(e, event.key.keysym); break;
            case SDL_QUIT: ask_to_leave(e); break;
            default: break;
            }
        }
        changed = scroll(e) || changed;
        if (!changed) {
            SDL_Delay(16);
            continue;
        }
        changed = false;
        static bool captioned_unsaved = true;
        if (captioned_unsaved != e.edit.unsaved()) {
            captioned_unsaved = e.edit.unsaved();
            SDL_WM_SetCaption(captioned_unsaved ? "map editor - unsaved" : "map editor", "map editor");
        }
        draw_editor(window, e.view, e.edit);
        SDL_Flip(window);
        SDL_Delay(16);
    }
    SDL_Quit();
    return 0;
}
