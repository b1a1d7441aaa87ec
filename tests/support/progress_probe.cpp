// Preloaded into a program by the end-to-end scripts (LD_PRELOAD): counts the
// passes that emptied the event queue, the screens flipped and the key (or
// console button), mouse button and mouse motion events taken, and keeps the
// counts in the file PROGRESS_PROBE_FILE names, so a script can wait until
// the program has read its input.
#include <SDL.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>

namespace {

// One line, "passes flips keys buttons motions"; each pass that found the
// queue empty ends a frame's reading of input. The replay recorder turns keys
// into console buttons as they arrive, so those count as keys.
unsigned long passes = 0, flips = 0, keys = 0, buttons = 0, motions = 0;

// Written beside the file and renamed over it, so a reader never sees half.
void publish()
{
    static const char* path = getenv("PROGRESS_PROBE_FILE");
    if (path == NULL || *path == '\0')
        return;
    char temporary[4096];
    if (snprintf(temporary, sizeof temporary, "%s.new", path) >= (int)sizeof temporary)
        return;
    FILE* out = fopen(temporary, "w");
    if (out == NULL)
        return;
    fprintf(out, "%lu %lu %lu %lu %lu\n", passes, flips, keys, buttons, motions);
    if (fclose(out) == 0)
        rename(temporary, path);
}

typedef int (*PollEvent)(SDL_Event*);
typedef int (*Flip)(SDL_Surface*);

} // namespace

extern "C" int SDL_PollEvent(SDL_Event* event)
{
    static PollEvent real = (PollEvent)dlsym(RTLD_NEXT, "SDL_PollEvent");
    int got = real(event);
    if (event == NULL)
        return got;
    if (!got)
        passes++;
    else if (event->type == SDL_KEYDOWN || event->type == SDL_KEYUP || event->type == SDL_JOYBUTTONDOWN
        || event->type == SDL_JOYBUTTONUP)
        keys++;
    else if (event->type == SDL_MOUSEBUTTONDOWN || event->type == SDL_MOUSEBUTTONUP)
        buttons++;
    else if (event->type == SDL_MOUSEMOTION)
        motions++;
    else
        return got;
    publish();
    return got;
}

extern "C" int SDL_Flip(SDL_Surface* surface)
{
    static Flip real = (Flip)dlsym(RTLD_NEXT, "SDL_Flip");
    int result = real(surface);
    flips++;
    publish();
    return result;
}
