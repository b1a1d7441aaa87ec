// The one save slot, "gamesave.dat" in the working directory.
#ifndef SAVE_SAVE_H
#define SAVE_SAVE_H

// Writes the player's progress to "gamesave.dat".
void save_game();

// Reads "gamesave.dat" back and derives the edge layer, the collision grid
// and the box count again. Never touches the battle.
void load_game();

#endif
