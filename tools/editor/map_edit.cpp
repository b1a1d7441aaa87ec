// Strokes with undo and redo over map_layers, and the editor's files. Every
// save and export runs the map checks and writes the map even when they fail:
// work in progress may break them for a while.
#include "map_edit.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "map/map_file.h"
#include "shell/game_state.h"
#include "world/world.h"

void MapEdit::begin_stroke()
{
    end_stroke();
    painting = true;
}

void MapEdit::record(int layer, int x, int y, int value)
{
    int& cell = map_layers[layer][x][y];
    if (cell == value)
        return;
    current.changes.push_back({ layer, x, y, cell, value });
    cell = value;
}

void MapEdit::set_cell(int layer, int x, int y, int value)
{
    if (layer < 0 || layer >= LAYER_COUNT || x < 0 || y < 0 || x >= MAP_SIZE || y >= MAP_SIZE
        || map_layers[layer][x][y] == value)
        return;
    if (!painting)
        begin_stroke();
    record(layer, x, y, value);
    if (layer == LAYER_GROUND) {
        // The game's pass rewrites the whole edge layer; what it changed is
        // part of the stroke, so undo puts back exactly what was there.
        static int edges[MAP_SIZE][MAP_SIZE];
        std::memcpy(edges, map_layers[LAYER_EDGE], sizeof edges);
        build_edge_layer();
        for (int i = 0; i < MAP_SIZE; i++)
            for (int j = 0; j < MAP_SIZE; j++)
                if (edges[i][j] != map_layers[LAYER_EDGE][i][j])
                    current.changes.push_back(
                        { LAYER_EDGE, i, j, edges[i][j], map_layers[LAYER_EDGE][i][j] });
    }
    build_collision_grid();
}

void MapEdit::end_stroke()
{
    painting = false;
    if (current.changes.empty())
        return;
    current.id = next_id++;
    done.push_back(std::move(current));
    current = { 0, {} };
    undone.clear();
    if (done.size() > HISTORY) {
        dropped_id = done.front().id;
        done.pop_front();
    }
}

bool MapEdit::undo()
{
    end_stroke();
    if (done.empty())
        return false;
    const Stroke& stroke = done.back();
    for (auto c = stroke.changes.rbegin(); c != stroke.changes.rend(); ++c)
        map_layers[c->layer][c->x][c->y] = c->before;
    undone.push_back(std::move(done.back()));
    done.pop_back();
    build_collision_grid();
    return true;
}

bool MapEdit::redo()
{
    end_stroke();
    if (undone.empty())
        return false;
    for (const CellChange& c : undone.back().changes)
        map_layers[c.layer][c.x][c.y] = c.after;
    done.push_back(std::move(undone.back()));
    undone.pop_back();
    build_collision_grid();
    return true;
}

std::string open_map()
{
    std::string problem;
    std::string said;
    if (access(EDITOR_MAP_FILE, F_OK) == 0)
        said = read_editor_map(EDITOR_MAP_FILE, problem) ? std::string("opened ") + EDITOR_MAP_FILE : problem;
    else
        said = read_game_map(MAP_FILE, problem) ? std::string("opened ") + MAP_FILE : problem;
    build_collision_grid();
    if (!problem.empty())
        std::fprintf(stderr, "map-editor: %s\n", problem.c_str());
    return said;
}

namespace
{

SaveOutcome write_checked(const std::string& path, const std::string& text)
{
    SaveOutcome outcome;
    outcome.findings = check_map();
    std::string error;
    outcome.written = write_file_atomically(path, text, error);
    outcome.message = outcome.written ? "wrote " + path + "; " + summarise(outcome.findings)
                                      : "NOT SAVED: " + error + "; the old file is kept";
    std::fprintf(stderr, "map-editor: %s\n", outcome.message.c_str());
    const size_t shown = outcome.findings.size() < 20 ? outcome.findings.size() : 20;
    for (size_t i = 0; i < shown; i++)
        std::fprintf(stderr, "map-editor: check: %s\n", describe(outcome.findings[i]).c_str());
    if (shown < outcome.findings.size())
        std::fprintf(stderr, "map-editor: check: and %zu more\n", outcome.findings.size() - shown);
    return outcome;
}

} // namespace

SaveOutcome save_editor_map(const std::string& path)
{
    return write_checked(path, editor_map_text());
}

SaveOutcome export_game_map(const std::string& path)
{
    return write_checked(path, game_map_text());
}
