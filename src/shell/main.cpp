// The program's entry point: start-up, the main loop, and the return to the
// console's launcher. It returns only when the launcher cannot be started.
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
    leave_play();
    return 0;
}
