// Writing the save slot.
// Empty until its subsystem is written.
#include "save/save.h"
#include "shell/game_state.h"

void save_game() {}
