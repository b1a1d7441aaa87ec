// Files that only POSIX systems give a player: FIFOs in place of the game's
// files, a disk that fills up part-way (a file size limit) and links in the
// temporary's and the map's place.
// Skipped on Windows: no FIFOs, no file size limit, no links without privileges.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "editor/map_edit.h"
#include "map/map_file.h"
#include "save/save.h"
#include "support/test_support.h"

namespace
{

class Posix : public ::testing::Test
{
protected:
    void SetUp() override { reset_game_state(); }
    ScratchDir scratch;
};

// A card that fills up part-way, saved from the menu: the menu closes, play
// goes on, the old save stays and the temporary file goes.
TEST_F(Posix, AFullCardKeepsThePreviousSave)
{
    save_game();
    const std::string previous = read_file("gamesave.dat");
    ASSERT_FALSE(previous.empty());
    level = 5;
    struct rlimit limit;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    struct rlimit small = limit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    void (*previous_handler)(int) = signal(SIGXFSZ, SIG_IGN);
    open_test_screen();
    menu_state = MENU_SAVE;
    const std::string said = stderr_of([] { frame({ GP2X_A }); });
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, previous_handler);
    EXPECT_EQ(menu_state, MENU_CLOSED);
    struct stat info;
    EXPECT_TRUE(read_file("gamesave.dat") == previous);
    EXPECT_NE(said.find("cannot write gamesave.dat.tmp: File too large"), std::string::npos) << said;
    EXPECT_NE(lstat("gamesave.dat.tmp", &info), 0) << "the temporary file is removed";
}

// Runs `step` in a child with a few seconds to finish; returns what it wrote
// on stderr, or "blocked" when it did not finish, "wrong" when `check` failed.
std::string within_seconds(void (*step)(), bool (*check)())
{
    const pid_t child = fork();
    if (child == 0) {
        alarm(5);
        if (freopen("child.err", "w", stderr) == nullptr)
            _exit(2);
        step();
        const bool ok = check();
        std::fflush(stderr);
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return "blocked";
    return WEXITSTATUS(status) == 0 ? read_file("child.err") : "wrong";
}

TEST_F(Posix, FifosInPlaceOfTheGamesFilesNeverBlock)
{
    ASSERT_EQ(mkdir("Media", 0755), 0);
    ASSERT_EQ(mkfifo("Media/map.dat", 0644), 0);
    EXPECT_EQ(within_seconds(load_map, [] { return map_layers[LAYER_GROUND][5][5] == TILE_EMPTY; }),
        "gp2x-rpg: Media/map.dat is not a regular file: the map is empty\n");

    ASSERT_EQ(mkfifo("gamesave.dat", 0644), 0);
    level = 3;
    EXPECT_EQ(within_seconds(load_game, [] { return level == 3; }),
        "gp2x-rpg: gamesave.dat is not a regular file: nothing is loaded\n");

    // A FIFO left as the temporary file goes like any stale one, and the
    // save replaces the FIFO in the slot.
    ASSERT_EQ(mkfifo("gamesave.dat.tmp", 0644), 0);
    EXPECT_EQ(within_seconds(save_game, [] { return true; }), "");
    struct stat info;
    ASSERT_TRUE(lstat("gamesave.dat", &info) == 0 && S_ISREG(info.st_mode));
    EXPECT_EQ(read_file("gamesave.dat").substr(0, 4), "3\n0\n");
    EXPECT_EQ(lstat("gamesave.dat.tmp", &info), -1);
}

// A stale temporary is replaced; a symlink in the target's place is replaced
// too, never written through.
TEST_F(Posix, LinksInTheMapsPlaceAreReplacedNeverWrittenThrough)
{
    fill_map(2);
    write_file("elsewhere.dat", "not the map");
    ASSERT_EQ(symlink("elsewhere.dat", EDITOR_MAP_FILE), 0);
    ASSERT_EQ(symlink("elsewhere.dat", "test.dat.new"), 0);
    const SaveOutcome outcome = save_editor_map(EDITOR_MAP_FILE);
    EXPECT_TRUE(outcome.written) << outcome.message;
    struct stat info;
    ASSERT_EQ(lstat(EDITOR_MAP_FILE, &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(read_file("elsewhere.dat"), "not the map");
    EXPECT_EQ(read_file(EDITOR_MAP_FILE), editor_map_text());
    EXPECT_FALSE(file_exists("test.dat.new"));
}

} // namespace
