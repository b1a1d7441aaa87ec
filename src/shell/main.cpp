// The program's entry point: start-up, the main loop, and the return to the
// console's launcher. It returns only when the launcher cannot be started.
#include "shell/shell.h"

int main(int, char**)
{
    if (!init_video())
        return 1;
    init_game();
    run_main_loop();
    quit_to_launcher();
    return 0;
}
