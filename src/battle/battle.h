// The turn-based battle against one monster.
#ifndef BATTLE_BATTLE_H
#define BATTLE_BATTLE_H

// One battle turn: the typewriter, messages, menu, actions, the monster's
// turn and the outcome. Called by run_frame while a monster is fought.
void update_battle();

#endif
