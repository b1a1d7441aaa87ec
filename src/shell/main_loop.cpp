// Start-up, the fixed-rate main loop and the hand-over to the launcher.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "render/render.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"
#include "shell/timer.h"
#include "world/world.h"

// The name on the desktop window's title bar and in the game's messages.
static const char GAME_TITLE[] = "gp2x-rpg";

bool init_video()
{
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) != 0) {
        std::fprintf(stderr, "%s: cannot initialise SDL: %s\n", GAME_TITLE, SDL_GetError());
        return false;
    }
    SDL_WM_SetCaption(GAME_TITLE, GAME_TITLE);
    // Full screen, as on the console; on a desktop Alt+Return makes it a window.
    screen = SDL_SetVideoMode(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, SDL_FULLSCREEN);
    if (screen == NULL) {
        std::fprintf(stderr, "%s: cannot open the 320x240 screen: %s\n", GAME_TITLE, SDL_GetError());
        return false;
    }
    // Without a joystick no button event arrives; the desktop keys still do.
    SDL_JoystickOpen(0);
    detect_pad_layout();
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

void init_game() { init_game_seeded((unsigned)std::time(NULL)); }

void init_game_seeded(unsigned seed)
{
    std::srand(seed);
    load_images();
    load_map();
    init_monsters();
    init_npcs();
}

int frame_sleep_ticks(int elapsed)
{
    if (elapsed < 0 || elapsed >= FRAME_TICKS)
        return 0;
    return FRAME_TICKS - elapsed;
}

void run_main_loop(void (*after_pass)())
{
    Timer fps;
    while (!quit_requested) {
        fps.start();
        run_frame();
        if (after_pass != NULL)
            after_pass();
        SDL_Flip(screen);
        int sleep = frame_sleep_ticks(fps.get_ticks());
        if (sleep > 0)
            SDL_Delay((Uint32)sleep);
    }
}

int quit_to_launcher()
{
    SDL_FreeSurface(screen);
    screen = NULL;
    if (chdir("/usr/gp2x") != 0) {
        // Not on the console; execl below fails the same way and we return.
    }
    return execl("/usr/gp2x/gp2xmenu", "/usr/gp2x/gp2xmenu", (char*)NULL);
}
