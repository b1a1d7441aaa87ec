// Reading the save slot back. Values are taken in the order the record lists
// them, whatever whitespace separates them; reading stops for good at the
// first value that cannot be read, and a value the game could not use safely
// is passed over, leaving its variable as it was.
#include <cstdio>
#include <ext/stdio_filebuf.h>
#include <istream>
#include <locale>

#include "save/save.h"
#include "save/save_slot.h"
#include "shell/game_state.h"
#include "shell/system.h"
#include "world/world.h"

namespace {

// Reads the next value into `target` when it lies within low..high. A value
// that cannot be read fails the stream, so every later read fails too.
template <typename T> void take(std::istream& in, T& target, T low, T high)
{
    T value;
    if (in >> value && value >= low && value <= high)
        target = value;
}

void read_record(std::istream& in)
{
    for (int e = 0; e < SAVE_RECORD_ENTRIES; e++) {
        const SaveEntry& entry = SAVE_RECORD[e];
        for (int i = 0; i < entry.count; i++) {
            if (entry.kind == SAVE_PHASE)
                take(in, ((double*)entry.first)[i], (double)entry.low, (double)entry.high);
            else
                take(in, ((int*)entry.first)[i], entry.low, entry.high);
        }
    }
}

} // namespace

void read_save_file(const char* path)
{
    const int fd = open_game_file(path);
    if (fd == NOT_A_FILE)
        std::fprintf(stderr, "gp2x-rpg: %s is not a regular file: nothing is loaded\n", path);
    if (fd >= 0) {
        __gnu_cxx::stdio_filebuf<char> file(fd, std::ios::in); // closes fd when done
        std::istream in(&file);
        in.imbue(std::locale::classic());
        read_record(in);
    }
}

void load_game()
{
    read_save_file(SAVE_FILE);
    build_edge_layer();
    build_collision_grid();
    count_boxes();
}
