// What every test program includes: GoogleTest, the game's headers and the
// shared helpers (a fresh game state for every test, a headless screen,
// button events pushed into SDL's queue, maps, seeds, files and pixels).
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include <SDL.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "render/render.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"
#include "world/world.h"

// Several values compared at once.
using Ints = std::vector<int>;

// The harness's headless screen (open_screen) and console button events
// (push_button_event), failing the test when SDL refuses them.
void open_test_screen();
void push_button(int button, bool pressed);

// Pushes a desktop key press or release, or the window's close request.
void push_key(SDLKey key, bool pressed);
void push_quit();

// Discards every pending event.
void drain_events();

// Runs `frames` passes of run_frame.
void run_frames(int frames);

// One frame with `button` newly pressed; its release is read the frame after.
void tap(int button);

// Pushes button events (~button for a release), then runs one frame.
void frame(std::initializer_list<int> events);

// Ground `ground` in every cell and nothing in the other layers; the
// collision grid follows (-1 blocks every cell).
void fill_map(int ground);

// The values rand() is about to give after srand(seed), which stays in force.
Ints seeded_draws(unsigned seed, int count);

// The first seed whose first rand() suits `wanted`; rand() is left seeded with it.
unsigned seed_where(const std::function<bool(int)>& wanted);

// What `run` writes on standard error.
std::string stderr_of(const std::function<void()>& run);

// A scratch folder that is the working directory while the object lives.
class ScratchDir
{
public:
    ScratchDir();
    ~ScratchDir();
    const std::string& path() const { return dir; }

private:
    std::string dir;
    std::string previous;
};

void write_file(const std::string& path, const std::string& content);
std::string read_file(const std::string& path);
bool file_exists(const std::string& path);

// A 16-bit surface in the screen's format filled with one colour.
SDL_Surface* make_surface(int w, int h, Uint8 r, Uint8 g, Uint8 b);

// The raw 16-bit value of one pixel.
Uint16 pixel16(SDL_Surface* surface, int x, int y);

#endif
