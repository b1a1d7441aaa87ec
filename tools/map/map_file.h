// The map as files: the editor's "test.dat" with all five layers, and the
// game's map file with layers 0, 2, 3 and 4. Both are whitespace-separated
// numbers, each layer column by column, read into and written from map_layers.
#ifndef MAP_MAP_FILE_H
#define MAP_MAP_FILE_H

#include <string>

// The editor's own file, beside Media/.
extern const char* const EDITOR_MAP_FILE;

// The name of a layer: "ground", "edge", "obstacle", "object", "overhead".
const char* layer_name(int layer);

// True for the values a cell may hold: TILE_EMPTY or a tile of the sheet.
bool valid_tile_value(int value);

// Reads all five layers from `path`. False when the file is missing or broken;
// `problem` then says what and where (the value's number, layer and cell).
// Values outside -1 to 19 are kept as they stand, for the editor to mark;
// cells after a value that cannot be read stay empty.
bool read_editor_map(const std::string& path, std::string& problem);

// Reads a game map file into layers 0, 2, 3 and 4 and derives the edge layer
// with the game's own pass. Reports problems as read_editor_map does.
bool read_game_map(const std::string& path, std::string& problem);

// The map as the text of either file: five layers, or the game's four.
std::string editor_map_text();
std::string game_map_text();

// Writes `text` to a new temporary file beside `path`, syncs it and renames
// it over `path` (a symlink there is replaced, never written through). On
// failure the old file stays, the temporary is removed and `error` says why.
bool write_file_atomically(const std::string& path, const std::string& text, std::string& error);

#endif
