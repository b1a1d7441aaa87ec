// Preloaded into the real game by the launcher checks (LD_PRELOAD): plays the
// console's buttons through SDL_PollEvent, START to open the menu, A to save,
// L to leave, so a game started by its launcher writes its save and ends.
#include <SDL.h>
#include <dlfcn.h>

namespace {

struct Press {
    int frame;
    Uint8 button;
    bool down;
};

// Frames count the passes of the game's input step; a press and its release
// fall in different frames, as the game needs.
const Press presses[] = {
    { 20, 8, true }, { 22, 8, false },   // START: the menu opens on "Save"
    { 30, 12, true }, { 32, 12, false }, // A: the game saves
    { 40, 10, true },                    // L: the game leaves
};
const int press_count = sizeof presses / sizeof presses[0];

int frame = 0;
int next_press = 0;

typedef int (*PollEvent)(SDL_Event*);

} // namespace

extern "C" int SDL_PollEvent(SDL_Event* event)
{
    static PollEvent real = (PollEvent)dlsym(RTLD_NEXT, "SDL_PollEvent");
    if (next_press < press_count && presses[next_press].frame <= frame) {
        const Press& p = presses[next_press++];
        if (event != NULL) {
            event->type = p.down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
            event->jbutton.which = 0;
            event->jbutton.button = p.button;
            event->jbutton.state = p.down ? SDL_PRESSED : SDL_RELEASED;
        }
        return 1;
    }
    int got = real(event);
    if (!got)
        frame++;
    return got;
}
