// What the replay player, its recorder and the autoplayer share: the replay
// file, the game's start-up with a fixed seed, a replay's events pushed frame
// by frame, the recording of what the game reads, the end-of-game summary and
// the scratch folder a replay runs in.
#ifndef REPLAY_IO_H
#define REPLAY_IO_H

#include <cstdio>
#include <string>
#include <vector>

struct ButtonEvent {
    int frame;
    int button;
    bool pressed;
};

// "seed N", an optional "place X Y", the button events in frame order and
// "end FRAMES".
struct Replay {
    unsigned seed = 1;
    int end = 0;
    bool placed = false;
    int place_x = 0, place_y = 0;
    std::vector<ButtonEvent> events;
};

bool read_replay(const char* path, Replay* replay);
void write_replay(std::FILE* out, const Replay& replay);

// The game's start-up with `seed` in place of the clock, and the player put
// at the replay's place, if it has one.
void start_game(const Replay& replay);

// Pushes the replay's events of `frame` (and any earlier ones not yet sent);
// `next` is the index of the first event not yet sent.
void push_events_of_frame(const Replay& replay, int frame, size_t* next);

// Records into `replay` every button change the game reads, as events of
// the frame replay->end, and end_recorded_pass notes the screen of each pass
// played and counts it, as run_main_loop's after_pass. NULL stops the recording.
void record_buttons(Replay* replay);
void end_recorded_pass();

// FNV-1a over the screen's visible bytes in memory order, row by row (the
// pitch may differ), going on from `digest`; a new digest starts at
// SCREEN_DIGEST_START.
extern const unsigned long long SCREEN_DIGEST_START;
unsigned long long screen_digest(unsigned long long digest);

// Folds the screen as drawn in `frame` into the digest of the screens of
// that frame's stretch of SCREEN_STRETCH frames.
const int SCREEN_STRETCH = 256;
void note_screen(int frame);

// Statistics, position, camera, battle, boxes, menu and characters, then a
// digest of the screens of each stretch of frames played, so anything that
// shows differently on any frame shows in the summary too.
void print_summary(int frames);

// Enters a new scratch folder whose Media/ shows `media`, so a replay that
// saves never writes beside the real media; returns the folder.
std::string enter_scratch_folder(const char* media);
void leave_scratch_folder(const std::string& folder);

#endif
