// Exploration: walking, facing, encounters and the characters' wandering.
// Empty until its subsystem is written.
#include "world/world.h"
#include "shell/game_state.h"

void update_exploration() {}
void move_npcs() {}
void start_encounter() {}
