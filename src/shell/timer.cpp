// The frame timer of the main loop.
#include "shell/timer.h"

#include <SDL.h>

Timer::Timer() : start_ticks(0), paused_ticks(0), paused(false), started(false) {}

void Timer::start()
{
    started = true;
    paused = false;
    start_ticks = (int)SDL_GetTicks();
}

void Timer::stop()
{
    started = false;
    paused = false;
}

void Timer::pause()
{
    if (started && !paused) {
        paused = true;
        paused_ticks = (int)SDL_GetTicks() - start_ticks;
    }
}

void Timer::unpause()
{
    if (paused) {
        paused = false;
        start_ticks = (int)SDL_GetTicks() - paused_ticks;
        paused_ticks = 0;
    }
}

int Timer::get_ticks() const
{
    if (!started)
        return 0;
    if (paused)
        return paused_ticks;
    return (int)SDL_GetTicks() - start_ticks;
}

bool Timer::is_started() const { return started; }

bool Timer::is_paused() const { return paused; }
