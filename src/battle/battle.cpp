// The battle turn.
// Empty until its subsystem is written.
#include "battle/battle.h"
#include "shell/game_state.h"

void update_battle() {}
