// Replays: plays a recorded game headless from the start, frame by frame,
// through the game's own run_frame, and prints a summary of the state at the
// end; can write screenshots of chosen frames, and can record a replay while
// a person plays in a window with the keyboard.
//
//   replay [--media DIR] [--shot FRAME:FILE.png]... [--trace] REPLAY
//   replay --record REPLAY [--seed N] [--media DIR]
//
// A replay is a text file: "seed N", then one line per button event,
// "FRAME BUTTON down|up" (console button numbers, sent before that frame's
// pass), and "end FRAMES", the number of passes to run. "place X Y" starts
// the player (and the camera around it) elsewhere than the map's start.
// Lines starting with # are comments.
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <map>
#include <string>

#include "common/headless.h"
#include "common/png_write.h"
#include "replay_io.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"
#include "shell/timer.h"

namespace {

int play(const Replay& replay, const std::map<int, std::string>& shots, bool trace)
{
    start_game(replay);
    size_t next = 0;
    int frame = 0;
    for (; frame < replay.end && !quit_requested; frame++) {
        push_events_of_frame(replay, frame, &next);
        run_frame();
        auto shot = shots.find(frame);
        if (shot != shots.end() && !write_surface_png(shot->second, screen))
            std::fprintf(stderr, "replay: cannot write %s\n", shot->second.c_str());
        if (trace)
            std::printf("%d: player %d %d monster %d state %d menu %d hp %d\n", frame, player_x, player_y,
                current_monster, battle_state, menu_state, player_hp);
    }
    print_summary(frame);
    return 0;
}

// While recording: the replay being written and the frame whose input pass
// comes next, for record_input.
Replay* recording = nullptr;
int recording_frame = 0;

// Runs as SDL puts each event into its queue, so every button the game reads
// is written down, for the frame that reads it, whichever call takes it from
// the queue. Keys become the console's buttons, as a replay plays them.
int record_input(const SDL_Event* event)
{
    int button;
    bool pressed;
    if (event->type == SDL_JOYBUTTONDOWN || event->type == SDL_JOYBUTTONUP) {
        recording->events.push_back({recording_frame, event->jbutton.button, event->type == SDL_JOYBUTTONDOWN});
        return 1;
    }
    if (!translate_platform_event(*event, &button, &pressed))
        return 0;
    recording->events.push_back({recording_frame, button, pressed});
    push_button_event(button, pressed);
    return 0;
}

// Plays in a window at the game's own pace and writes every button event.
int record(std::FILE* out, Replay& replay)
{
    start_game(replay);
    recording = &replay;
    SDL_SetEventFilter(record_input);
    Timer timer;
    while (!quit_requested) {
        timer.start();
        run_frame();
        recording_frame++; // what comes in from here on is the next frame's
        SDL_Flip(screen);
        int sleep = frame_sleep_ticks(timer.get_ticks());
        if (sleep > 0)
            SDL_Delay((Uint32)sleep);
    }
    SDL_SetEventFilter(nullptr);
    replay.end = recording_frame;
    write_replay(out, replay);
    std::fclose(out);
    print_summary(recording_frame);
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: replay [--media DIR] [--shot FRAME:FILE.png]... [--trace] REPLAY\n"
                         "       replay --record REPLAY [--seed N] [--media DIR]\n");
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
