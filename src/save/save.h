// The one save slot, "gamesave.dat" in the working directory.
#ifndef SAVE_SAVE_H
#define SAVE_SAVE_H

// Writes the player's progress to "gamesave.dat".
void save_game();

// Reads "gamesave.dat" back and derives the edge layer, the collision grid
// and the box count again. Never touches the battle.
void load_game();

// Reads the record of the save file at `path` into the game state as
// load_game does, deriving nothing; what the tools read a save with.
void read_save_file(const char* path);

#endif
