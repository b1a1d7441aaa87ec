// The program's entry point: start-up, the main loop, and the return to the
// console's launcher. It returns only when the launcher cannot be started.
#include <SDL.h>

#include "shell/shell.h"
#include "shell/system.h"
#include "shell/web.h"

int main(int, char**)
{
    web_start();
    if (!enter_play_folder() || !init_video())
        return 1;
    init_game();
    run_main_loop(WEB_AFTER_PASS);
    web_game_ended();
    quit_to_launcher();
    // Not on the console: the library closes the window and lets go of the
    // screen and the pads before the program ends, rather than leaving them
    // to the system's exit (which Wine has been seen to crash in).
    SDL_Quit();
    return 0;
}
