// Writing the save slot. The record goes to a temporary file beside the slot,
// reaches the storage device, and only then replaces "gamesave.dat", so a
// save that fails part-way never costs the player the save they had.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <locale>
#include <sstream>
#include <string>

#include "save/save.h"
#include "save/save_slot.h"
#include "shell/game_state.h"

namespace {

// The game goes on after a failed save; this line is all that tells of it.
void report_failure(const char* what, const char* file, int error)
{
    std::fprintf(stderr, "gp2x-rpg: could not save the game: %s %s: %s\n", what, file, std::strerror(error));
}

// The record's writer: one buffered stream over the temporary file. The first
// failure is kept with its errno, and every write after it is skipped.
class SaveWriter {
public:
    explicit SaveWriter(std::FILE* file) : out(file) {}

    void line(int value)
    {
        if (ok() && std::fprintf(out, "%d\n", value) < 0)
            fail("cannot write", SAVE_TEMP_FILE);
    }

    void line(const std::string& text)
    {
        if (ok() && std::fprintf(out, "%s\n", text.c_str()) < 0)
            fail("cannot write", SAVE_TEMP_FILE);
    }

    // Empties the buffer and waits until the storage device holds the data.
    void sync()
    {
        if (ok() && std::fflush(out) != 0)
            fail("cannot write", SAVE_TEMP_FILE);
        if (ok() && fsync(fileno(out)) != 0)
            fail("cannot sync", SAVE_TEMP_FILE);
    }

    void fail(const char* what, const char* file)
    {
        if (ok()) {
            error = errno;
            doing = what;
            path = file;
        }
    }

    bool ok() const { return doing == nullptr; }

    void report() const { report_failure(doing, path, error); }

private:
    std::FILE* out;
    const char* doing = nullptr;
    const char* path = nullptr;
    int error = 0;
};

// The phase in a text stream's default notation (6 significant digits, as
// 0, 0.1, 1.3, 2), with '.' whatever the locale.
std::string phase_text(double phase)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << phase;
    return text.str();
}

void write_record(SaveWriter& w)
{
    w.line(level);
    w.line(exp);
    w.line(player_hp);
    w.line(player_mp);
    w.line(gold);
    w.line(boxes_collected);
    w.line(player_x);
    w.line(player_y);
    w.line(camera_x);
    w.line(camera_y);
    w.line(facing_x);
    w.line(facing_y);
    w.line(phase_text(anim_phase));
    w.line(player_frame);
    for (int layer : {LAYER_OBJECT, LAYER_OVERHEAD})
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                w.line(map_layers[layer][x][y]);
    for (int i = 0; i < NPC_COUNT; i++)
        w.line(npc_x[i]);
    for (int i = 0; i < NPC_COUNT; i++)
        w.line(npc_y[i]);
    for (int i = 0; i < NPC_COUNT; i++)
        w.line(npc_direction[i]);
    w.line(std::string()); // the record ends in one empty line
}

// Makes the rename that replaced the slot durable. The save is already in
// place, so a folder that cannot be synced is not a failed save.
void sync_folder()
{
    int folder = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
}

} // namespace

void save_game()
{
    int fd = open(SAVE_TEMP_FILE, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        report_failure("cannot create", SAVE_TEMP_FILE, errno);
        return;
    }
    std::FILE* file = fdopen(fd, "w");
    if (file == nullptr) {
        report_failure("cannot write", SAVE_TEMP_FILE, errno);
        close(fd);
        unlink(SAVE_TEMP_FILE);
        return;
    }

    SaveWriter w(file);
    write_record(w);
    w.sync();
    if (std::fclose(file) != 0)
        w.fail("cannot close", SAVE_TEMP_FILE);
    if (w.ok() && std::rename(SAVE_TEMP_FILE, SAVE_FILE) != 0)
        w.fail("cannot replace", SAVE_FILE);

    if (!w.ok()) {
        w.report();
        unlink(SAVE_TEMP_FILE);
        return;
    }
    sync_folder();
}
