// The monster and character tables.
// Empty until its subsystem is written.
#include "world/world.h"
#include "shell/game_state.h"

void init_monsters() {}
void init_npcs() {}
