// Helpers shared by the tests: a fresh game state for every test, a headless
// screen, button events pushed into SDL's queue, scratch folders and pixels.
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include <SDL.h>

#include <string>

// Puts every game variable back to the value it had when the program
// started. Surfaces and clip tables are left alone.
void reset_game_state();

// Opens SDL's video on the dummy driver and a 320 x 240, 16-bit `screen`.
void open_test_screen();

// Fills the three clip tables as the game does at start-up, without images.
void fill_clip_tables();

// Pushes a joystick button press or release of a console button number.
void push_button(int button, bool pressed);

// Pushes a desktop key press or release.
void push_key(SDLKey key, bool pressed);

// Pushes the window's close request.
void push_quit();

// Discards every pending event.
void drain_events();

// Runs `frames` passes of run_frame.
void run_frames(int frames);

// A scratch folder that is the working directory while the object lives.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    const std::string& path() const { return dir; }

private:
    std::string dir;
    std::string previous;
};

// The build folder, where the game's Media/ is generated.
std::string build_dir();

void write_file(const std::string& path, const std::string& content);
std::string read_file(const std::string& path);
bool file_exists(const std::string& path);

// A 16-bit surface in the screen's format filled with one colour.
SDL_Surface* make_surface(int w, int h, Uint8 r, Uint8 g, Uint8 b);

// The colour of one pixel of a 16-bit surface, as 8-bit components.
void pixel_rgb(SDL_Surface* surface, int x, int y, Uint8* r, Uint8* g, Uint8* b);

// The raw 16-bit value of one pixel.
Uint16 pixel16(SDL_Surface* surface, int x, int y);

#endif
