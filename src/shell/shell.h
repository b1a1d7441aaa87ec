// The game shell: start-up, the fixed-rate main loop, button input, the
// per-frame dispatch and the hand-over to the console's launcher.
#ifndef SHELL_SHELL_H
#define SHELL_SHELL_H

#include <cstddef>

// Opens SDL video and the joystick, the 320 x 240 screen, hides the cursor.
// Returns false after printing one line on stderr naming what failed.
bool init_video();

// Seeds the random generator once, loads the images, the map and the tables.
void init_game();

// The same start-up with a chosen seed in place of the clock, for replays,
// tools and benchmarks that must play the same game every time.
void init_game_seeded(unsigned seed);

// Runs passes of start, run_frame, flip and sleep until quit_requested;
// after_pass, when given, is called after each pass's run_frame.
void run_main_loop(void (*after_pass)() = NULL);

// Milliseconds to sleep after a pass that took `elapsed` ms: never negative.
int frame_sleep_ticks(int elapsed);

// One pass of the game: button events, then the menu, exploration or a
// battle turn, then the drawing of the whole frame.
void run_frame();

// Reads every pending event and turns it into button states.
void read_input();

// Applies a press or release of a console button number to the button states.
void apply_button(int button, bool pressed);

// Told by read_input of every button change it applies, in order: how the
// replay recorder writes down what the game sees. NULL, the start, tells nobody.
typedef void (*ButtonWatcher)(int button, bool pressed);
void watch_buttons(ButtonWatcher watcher);

// Frees the screen and replaces the process with the console's launcher.
// Returns only when that failed, with execl's result.
int quit_to_launcher();

#endif
