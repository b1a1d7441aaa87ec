// Reading and writing the map's two files. A reader names the first problem
// it meets with the value's number, layer and cell, so a broken file can be
// mended by hand; a writer never leaves a half-written file in place.
#include "map_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "shell/game_state.h"
#include "shell/system.h"
#include "world/world.h"

const char* const EDITOR_MAP_FILE = "test.dat";

namespace
{

const int CELLS = MAP_SIZE * MAP_SIZE;
const int ALL_LAYERS[LAYER_COUNT]
    = { LAYER_GROUND, LAYER_EDGE, LAYER_OBSTACLE, LAYER_OBJECT, LAYER_OVERHEAD };

// "value 40123 (layer 1, cell 0, 122)" for the value at `index` of the file.
std::string where(long index, const int* layers)
{
    char text[96];
    const int layer = layers[index / CELLS];
    std::snprintf(text, sizeof text, "value %ld (layer %d %s, cell %ld, %ld)", index + 1, layer,
        layer_name(layer), index % CELLS / MAP_SIZE, index % MAP_SIZE);
    return text;
}

bool read_layers(const std::string& path, const int* layers, int layer_count, std::string& problem)
{
    for (int layer = 0; layer < LAYER_COUNT; layer++)
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                map_layers[layer][x][y] = TILE_EMPTY;
    problem.clear();

    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = path + ": cannot open: " + std::strerror(errno);
        return false;
    }
    std::ostringstream all;
    all << in.rdbuf();
    const std::string text = all.str();

    const long expected = (long)layer_count * CELLS;
    long index = 0, out_of_range = 0;
    std::string stop, first_bad;
    std::istringstream words(text);
    std::string word;
    while (index < expected && words >> word) {
        char* end = nullptr;
        errno = 0;
        const long value = std::strtol(word.c_str(), &end, 10);
        if (*end != '\0' || end == word.c_str() || errno == ERANGE || value < -2147483647L - 1
            || value > 2147483647L) {
            stop = where(index, layers) + " is \"" + word.substr(0, 12) + "\", not a number";
            break;
        }
        if (!valid_tile_value((int)value) && out_of_range++ == 0)
            first_bad = where(index, layers) + " is " + word + ", outside -1 to 19";
        map_layers[layers[index / CELLS]][index % CELLS / MAP_SIZE][index % MAP_SIZE] = (int)value;
        index++;
    }
    if (stop.empty() && index < expected)
        stop = "ends after " + std::to_string(index) + " of " + std::to_string(expected) + " values; "
            + where(index, layers) + " and the rest are empty";
    if (stop.empty() && words >> word)
        stop = "holds more than " + std::to_string(expected) + " values; the rest is ignored";
    if (out_of_range > 1)
        first_bad += " (" + std::to_string(out_of_range) + " such values in all)";
    if (!first_bad.empty() || !stop.empty())
        problem = path + ": " + first_bad + (first_bad.empty() || stop.empty() ? "" : "; ") + stop;
    return problem.empty();
}

std::string layers_text(const int* layers, int layer_count)
{
    std::string text;
    text.reserve((size_t)layer_count * CELLS * 3);
    char number[16];
    for (int k = 0; k < layer_count; k++)
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++) {
                std::snprintf(number, sizeof number, "%d%c", map_layers[layers[k]][x][y],
                    y + 1 < MAP_SIZE ? ' ' : '\n');
                text += number;
            }
    return text;
}

} // namespace

const char* layer_name(int layer)
{
    static const char* const names[LAYER_COUNT] = { "ground", "edge", "obstacle", "object", "overhead" };
    return layer >= 0 && layer < LAYER_COUNT ? names[layer] : "?";
}

bool valid_tile_value(int value)
{
    return value == TILE_EMPTY || (value >= 0 && value < TILES_PER_SHEET);
}

bool read_editor_map(const std::string& path, std::string& problem)
{
    return read_layers(path, ALL_LAYERS, LAYER_COUNT, problem);
}

bool read_game_map(const std::string& path, std::string& problem)
{
    const bool ok = read_layers(path, MAP_FILE_LAYERS, MAP_FILE_LAYER_COUNT, problem);
    build_edge_layer();
    return ok;
}

std::string editor_map_text()
{
    return layers_text(ALL_LAYERS, LAYER_COUNT);
}

std::string game_map_text()
{
    return layers_text(MAP_FILE_LAYERS, MAP_FILE_LAYER_COUNT);
}

bool write_file_atomically(const std::string& path, const std::string& text, std::string& error)
{
    const std::string temporary = path + ".new";
    auto fail = [&](const char* what, const std::string& file) {
        error = std::string(what) + " " + file + ": " + std::strerror(errno);
        return false;
    };
    // A stale temporary from an earlier failed write goes first.
    const char* failed = nullptr;
    const int fd = create_fresh_file(temporary.c_str(), &failed);
    if (fd < 0)
        return fail(failed, temporary);
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail("cannot write", temporary);
            close(fd);
            unlink(temporary.c_str());
            return false;
        }
        done += (size_t)n;
    }
    if (sync_file(fd) != 0) {
        fail("cannot sync", temporary);
        close(fd);
        unlink(temporary.c_str());
        return false;
    }
    if (close(fd) != 0) {
        fail("cannot close", temporary);
        unlink(temporary.c_str());
        return false;
    }
    if (replace_file(temporary.c_str(), path.c_str()) != 0) {
        fail("cannot replace", path);
        unlink(temporary.c_str());
        return false;
    }
    sync_folder_of(path.c_str());
    return true;
}
