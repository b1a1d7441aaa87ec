// What the replay player and the autoplayer share.
#include "replay_io.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/headless.h"
#include "render/render.h"
#include "shell/game_state.h"
#include "shell/shell.h"
#include "shell/system.h"
#include "world/world.h"

bool read_replay(const char* path, Replay* replay)
{
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "replay: cannot open %s\n", path);
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        number++;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string first;
        words >> first;
        bool ok = true;
        if (first == "seed") {
            ok = static_cast<bool>(words >> replay->seed);
        } else if (first == "place") {
            ok = static_cast<bool>(words >> replay->place_x >> replay->place_y);
            replay->placed = ok;
        } else if (first == "end") {
            ok = static_cast<bool>(words >> replay->end);
        } else {
            ButtonEvent e;
            std::string action;
            char* rest = nullptr;
            long frame = std::strtol(first.c_str(), &rest, 10);
            e.frame = (int)frame;
            ok = *rest == '\0' && frame >= 0 && frame < INT_MAX
                && static_cast<bool>(words >> e.button >> action) && (action == "down" || action == "up")
                && e.button >= 0 && e.button < 256;
            e.pressed = action == "down";
            if (ok)
                replay->events.push_back(e);
        }
        if (!ok) {
            std::fprintf(stderr, "replay: %s:%d: cannot read \"%s\"\n", path, number, line.c_str());
            return false;
        }
    }
    return true;
}

void write_replay(std::FILE* out, const Replay& replay)
{
    std::fprintf(out, "seed %u\n", replay.seed);
    if (replay.placed)
        std::fprintf(out, "place %d %d\n", replay.place_x, replay.place_y);
    for (const ButtonEvent& e : replay.events)
        std::fprintf(out, "%d %d %s\n", e.frame, e.button, e.pressed ? "down" : "up");
    std::fprintf(out, "end %d\n", replay.end);
}

void start_game(const Replay& replay)
{
    init_game_seeded(replay.seed);
    if (replay.placed)
        place_player(replay.place_x, replay.place_y);
}

void push_events_of_frame(const Replay& replay, int frame, size_t* next)
{
    for (; *next < replay.events.size() && replay.events[*next].frame <= frame; ++*next)
        push_button_event(replay.events[*next].button, replay.events[*next].pressed);
}

namespace
{
Replay* recording = nullptr;

void record_button(int button, bool pressed)
{
    recording->events.push_back({ recording->end, button, pressed });
}
} // namespace

void record_buttons(Replay* replay)
{
    recording = replay;
    watch_buttons(replay != nullptr ? record_button : nullptr);
}

void end_recorded_pass()
{
    note_screen(recording->end);
    recording->end++;
}

const unsigned long long SCREEN_DIGEST_START = 14695981039346656037ull;

unsigned long long screen_digest(unsigned long long digest)
{
    SDL_LockSurface(screen);
    const int row_bytes = screen->w * screen->format->BytesPerPixel;
    for (int y = 0; y < screen->h; y++) {
        const unsigned char* row = (const unsigned char*)screen->pixels + y * screen->pitch;
        for (int i = 0; i < row_bytes; i++)
            digest = (digest ^ row[i]) * 1099511628211ull;
    }
    SDL_UnlockSurface(screen);
    return digest;
}

namespace
{
std::vector<unsigned long long> screen_digests;
} // namespace

void note_screen(int frame)
{
    const size_t stretch = (size_t)(frame / SCREEN_STRETCH);
    if (screen_digests.size() <= stretch)
        screen_digests.resize(stretch + 1, SCREEN_DIGEST_START);
    screen_digests[stretch] = screen_digest(screen_digests[stretch]);
}

void print_summary(int frames)
{
    std::printf("frames %d\n", frames);
    std::printf("level %d exp %d hp %d mp %d gold %d\n", level, exp, player_hp, player_mp, gold);
    std::printf("player %d %d frame %d phase %.6g\n", player_x, player_y, player_frame, anim_phase);
    std::printf("camera %d %d facing %d %d\n", camera_x, camera_y, facing_x, facing_y);
    std::printf("battle monster %d hp %d state %d escape %d message \"%s\"\n", current_monster, monster_hp,
        battle_state, escape_pending, battle_message);
    std::printf("boxes collected %d remaining %d\n", boxes_collected, boxes_remaining);
    std::printf("menu %d quit %d\n", menu_state, quit_requested ? 1 : 0);
    for (int i = 0; i < NPC_COUNT; i++)
        std::printf("npc %d at %d %d direction %d\n", i, npc_x[i], npc_y[i], npc_direction[i]);
    for (size_t i = 0; i < screen_digests.size(); i++)
        std::printf("screens %d-%d %016llx\n", (int)i * SCREEN_STRETCH,
            std::min(frames, (int)(i + 1) * SCREEN_STRETCH) - 1, screen_digests[i]);
}

std::string enter_scratch_folder(const char* media)
{
    const std::string real = full_path(media);
    if (real.empty()) {
        std::fprintf(stderr, "replay: no media folder %s\n", media);
        std::exit(2);
    }
    std::string folder = enter_new_folder("replay");
    if (folder.empty() || !show_folder_as(real.c_str(), "Media")) {
        std::fprintf(stderr, "replay: cannot prepare a scratch folder\n");
        std::exit(2);
    }
    return folder;
}

void leave_scratch_folder(const std::string& folder)
{
    // Windows removes no folder that a program is in.
    if (chdir((folder + "/..").c_str()) != 0 || !remove_folder(folder))
        std::fprintf(stderr, "replay: cannot remove %s\n", folder.c_str());
}
