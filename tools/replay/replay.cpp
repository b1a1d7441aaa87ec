// Replays: plays a recorded game headless from the start, frame by frame,
// through the game's own run_frame, and prints a summary of the state at the
// end; can write screenshots of chosen frames, and can record a replay while
// a person plays in a window with the keyboard, the console's joystick or a pad.
// It also tells scripts what the game's own code says about a save.
//
//   replay [--media DIR] [--shot FRAME:FILE.png]... [--trace] REPLAY
//   replay --record REPLAY [--seed N] [--media DIR]
//   replay --start                 the player's start: "X Y"
//   replay --position SAVE         the player's position in a save: "X Y"
//   replay --same-map SAVE MAP     fails unless the save's map layers are the map file's
//
// A replay is a text file: "seed N", then one line per button change,
// "FRAME BUTTON down|up" (console button numbers, sent before that frame's
// pass), and "end FRAMES", the number of passes to run. "place X Y" starts
// the player (and the camera around it) elsewhere than the map's start.
// Lines starting with # are comments.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "common/headless.h"
#include "common/png_write.h"
#include "map/map_file.h"
#include "replay_io.h"
#include "save/save.h"
#include "save/save_slot.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"

namespace
{

int play(const Replay& replay, const std::map<int, std::string>& shots, bool trace)
{
    start_game(replay);
    size_t next = 0;
    int frame = 0;
    for (; frame < replay.end && !quit_requested; frame++) {
        push_events_of_frame(replay, frame, &next);
        run_frame();
        note_screen(frame);
        auto shot = shots.find(frame);
        if (shot != shots.end() && !write_surface_png(shot->second, screen))
            std::fprintf(stderr, "replay: cannot write %s\n", shot->second.c_str());
        if (trace)
            std::printf("%d: player %d %d monster %d state %d menu %d hp %d screen %016llx\n", frame,
                player_x, player_y, current_monster, battle_state, menu_state, player_hp,
                screen_digest(SCREEN_DIGEST_START));
    }
    print_summary(frame);
    return 0;
}

// Plays in a window at the game's own pace, through the game's own main
// loop, and writes down every button change the game reads.
int record(std::FILE* out, Replay& replay)
{
    start_game(replay);
    detect_pad_layout();
    record_buttons(&replay);
    run_main_loop(end_recorded_pass);
    record_buttons(nullptr);
    write_replay(out, replay);
    std::fclose(out);
    print_summary(replay.end);
    return 0;
}

// The player's position as the save holds it; a save without one fails.
int print_save_position(const char* save)
{
    reset_game_state();
    player_x = player_y = -1; // the reader never takes a value below 0
    read_save_file(save);
    if (player_x < 0 || player_y < 0) {
        std::fprintf(stderr, "replay: %s holds no position\n", save);
        return 1;
    }
    std::printf("%d %d\n", player_x, player_y);
    return 0;
}

// Whether the layers the save record holds are the map file's, cell by cell.
int compare_save_map(const char* save, const char* map)
{
    std::string problem;
    if (!read_game_map(map, problem)) {
        std::fprintf(stderr, "replay: %s: %s\n", map, problem.c_str());
        return 2;
    }
    int* first_cell = &map_layers[0][0][0];
    const int cells = (int)(sizeof map_layers / sizeof first_cell[0]);
    const std::vector<int> map_cells(first_cell, first_cell + cells);
    // A value the reader refuses stays in every saved cell the save lacks.
    for (int e = 0; e < SAVE_RECORD_ENTRIES; e++) {
        int* values = (int*)SAVE_RECORD[e].first;
        if (values >= first_cell && values < first_cell + cells)
            std::fill(values, values + SAVE_RECORD[e].count, SAVE_RECORD[e].low - 1);
    }
    read_save_file(save);
    int differ = 0;
    for (int i = 0; i < cells; i++)
        differ += first_cell[i] != map_cells[i];
    if (differ != 0) {
        std::fprintf(stderr, "replay: %d cells of %s are not those of %s\n", differ, save, map);
        return 1;
    }
    return 0;
}

int usage()
{
    std::fprintf(stderr,
        "usage: replay [--media DIR] [--shot FRAME:FILE.png]... [--trace] REPLAY\n"
        "       replay --record REPLAY [--seed N] [--media DIR]\n"
        "       replay --start | --position SAVE | --same-map SAVE MAP\n");
    return 2;
}

std::string absolute(const std::string& path)
{
    char cwd[4096];
    if (path.empty() || path[0] == '/' || getcwd(cwd, sizeof cwd) == nullptr)
        return path;
    return std::string(cwd) + "/" + path;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--start" && argc == 2) {
        std::printf("%d %d\n", PLAYER_START_X, PLAYER_START_Y);
        return 0;
    }
    if (mode == "--position" && argc == 3)
        return print_save_position(argv[2]);
    if (mode == "--same-map" && argc == 4)
        return compare_save_map(argv[2], argv[3]);

    const char* media = "Media";
    const char* replay_path = nullptr;
    const char* record_path = nullptr;
    Replay replay;
    replay.seed = (unsigned)std::time(nullptr);
    bool trace = false;
    std::map<int, std::string> shots;
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        if (arg == "--media" && i + 1 < argc) {
            media = argv[++i];
        } else if (arg == "--record" && i + 1 < argc) {
            record_path = argv[++i];
        } else if (arg == "--seed" && i + 1 < argc) {
            replay.seed = (unsigned)std::strtoul(argv[++i], nullptr, 10);
        } else if (arg == "--shot" && i + 1 < argc) {
            std::string shot = argv[++i];
            size_t colon = shot.find(':');
            if (colon == std::string::npos)
                return usage();
            shots[std::atoi(shot.substr(0, colon).c_str())] = absolute(shot.substr(colon + 1));
        } else if (arg == "--trace") {
            trace = true;
        } else if (arg[0] != '-' && replay_path == nullptr) {
            replay_path = argv[i];
        } else {
            return usage();
        }
    }
    if ((replay_path == nullptr) == (record_path == nullptr))
        return usage();

    if (replay_path != nullptr && !read_replay(replay_path, &replay))
        return 2;
    std::FILE* out = nullptr;
    if (record_path != nullptr && (out = std::fopen(record_path, "w")) == nullptr) {
        std::fprintf(stderr, "replay: cannot write %s\n", record_path);
        return 2;
    }
    std::string scratch = enter_scratch_folder(media);
    int status = 1;
    if (open_screen(out != nullptr))
        status = out != nullptr ? record(out, replay) : play(replay, shots, trace);
    leave_scratch_folder(scratch);
    return status;
}
