// The frame timer of the main loop: elapsed milliseconds since start, with
// pause and unpause, measured with SDL_GetTicks.
#ifndef SHELL_TIMER_H
#define SHELL_TIMER_H

class Timer {
public:
    Timer();
    void start();
    void stop();
    void pause();
    void unpause();
    int get_ticks() const;
    bool is_started() const;
    bool is_paused() const;

private:
    int start_ticks;
    int paused_ticks;
    bool paused;
    bool started;
};

#endif
