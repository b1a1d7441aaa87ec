// The editor's work on the map, apart from any window: cells set in strokes
// with undo and redo, opening the map, saving test.dat and exporting the
// game's map file with the map checks. The working map is map_layers itself,
// so the game's own drawing and edge pass work on what the designer sees.
#ifndef EDITOR_MAP_EDIT_H
#define EDITOR_MAP_EDIT_H

#include <deque>
#include <string>
#include <vector>

#include "map/map_checks.h"

struct CellChange {
    int layer, x, y, before, after;
};

// Strokes of cell changes: everything set between begin_stroke and
// end_stroke is undone and redone as one.
class MapEdit
{
public:
    // Strokes kept for undo; older ones are dropped.
    static const size_t HISTORY = 1000;

    void begin_stroke();
    // Sets one cell as part of the stroke (starting one if none is open).
    // A change of layer 0 derives the edge layer again at once; cells off the
    // map or layers that do not exist are ignored.
    void set_cell(int layer, int x, int y, int value);
    void end_stroke();

    // Take back or put again the last whole stroke; false when there is none.
    bool undo();
    bool redo();

    size_t undo_count() const { return done.size(); }
    size_t redo_count() const { return undone.size(); }

    // Whether the map differs from what was last saved (or opened).
    bool unsaved() const { return top_id() != saved_id || !current.changes.empty(); }
    void mark_saved() { saved_id = top_id(); }

private:
    struct Stroke {
        long id;
        std::vector<CellChange> changes;
    };
    long top_id() const { return done.empty() ? dropped_id : done.back().id; }
    void record(int layer, int x, int y, int value);

    std::deque<Stroke> done;
    std::vector<Stroke> undone;
    Stroke current = { 0, {} };
    bool painting = false;
    long next_id = 1;
    long dropped_id = 0;
    long saved_id = 0;
};

// What a save or an export did: whether the file was written, one line for
// the screen (the same is said on stderr), and the checks' findings.
struct SaveOutcome {
    bool written;
    std::string message;
    std::vector<MapFinding> findings;
};

// Opens test.dat when it exists in the working folder, else Media/map.dat.
// Returns one line saying what was read, or what was wrong with it.
std::string open_map();

// Writes all five layers to `path` (test.dat).
SaveOutcome save_editor_map(const std::string& path);

// Writes layers 0, 2, 3 and 4 to `path` in the game's map format.
SaveOutcome export_game_map(const std::string& path);

#endif
