// Writing the save slot. The record goes to a new temporary file beside the
// slot, reaches the storage device, and only then replaces "gamesave.dat", so
// a save that fails part-way never costs the player the save they had.
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
#include "shell/system.h"
#include "shell/web.h"

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
    explicit SaveWriter(std::FILE* file) : out(file), doing(NULL), path(NULL), error(0) {}

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
        if (ok() && sync_file(fileno(out)) != 0)
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

    bool ok() const { return doing == NULL; }

    void report() const { report_failure(doing, path, error); }

private:
    std::FILE* out;
    const char* doing;
    const char* path;
    int error;
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
    for (int e = 0; e < SAVE_RECORD_ENTRIES; e++) {
        const SaveEntry& entry = SAVE_RECORD[e];
        for (int i = 0; i < entry.count; i++) {
            if (entry.kind == SAVE_PHASE)
                w.line(phase_text(((const double*)entry.first)[i]));
            else
                w.line(((const int*)entry.first)[i]);
        }
    }
    w.line(std::string()); // the record ends in one empty line
}

} // namespace

void save_game()
{
    // Whatever a failed save or anything else left under the temporary name
    // (a file, a link, a FIFO) goes: a save never writes through a link nor
    // waits on a FIFO.
    const char* failed = NULL;
    int fd = create_fresh_file(SAVE_TEMP_FILE, &failed);
    if (fd < 0) {
        report_failure(failed, SAVE_TEMP_FILE, errno);
        return;
    }
    std::FILE* file = fdopen(fd, "wb");
    if (file == NULL) {
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
    if (w.ok() && replace_file(SAVE_TEMP_FILE, SAVE_FILE) != 0)
        w.fail("cannot replace", SAVE_FILE);

    if (!w.ok()) {
        w.report();
        unlink(SAVE_TEMP_FILE);
        return;
    }
    sync_folder_of(SAVE_FILE);
    web_keep_save();
}
