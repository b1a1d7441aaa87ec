// Preloaded into the real game by the launcher checks (LD_PRELOAD): presses
// keys through SDL_PollEvent, Return (START) to open the menu, Space (A) to
// save, Escape (L) to leave, so a game started by its launcher saves and ends.
// Keys, not joystick buttons: a pad's numbering depends on the library's
// game-controller setting, which the desktop launcher turns on.
#include <SDL.h>
#include <dlfcn.h>

namespace {

struct Press {
    int frame;
    SDLKey key;
    bool down;
};

// Frames count the passes of the game's input step; a press and its release
// fall in different frames, as the game needs.
const Press presses[] = {
    { 20, SDLK_RETURN, true }, { 22, SDLK_RETURN, false }, // the menu opens on "Save"
    { 30, SDLK_SPACE, true }, { 32, SDLK_SPACE, false },   // the game saves
    { 40, SDLK_ESCAPE, true },                             // the game leaves
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
            SDL_Event key = {};
            key.type = key.key.type = p.down ? SDL_KEYDOWN : SDL_KEYUP;
            key.key.state = p.down ? SDL_PRESSED : SDL_RELEASED;
            key.key.keysym.sym = p.key;
            *event = key;
        }
        return 1;
    }
    int got = real(event);
    if (!got)
        frame++;
    return got;
}
