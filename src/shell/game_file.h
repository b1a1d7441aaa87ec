// Opening the files the game reads, the map and the save slot, so that a
// FIFO or a device named like one of them never stalls the game.
#ifndef SHELL_GAME_FILE_H
#define SHELL_GAME_FILE_H

// open_game_file's result for a path that names something other than a
// regular file.
const int NOT_A_FILE = -2;

// Opens `path` for reading, without blocking, when it is a regular file.
// Returns the descriptor, -1 when it cannot be opened (errno says why), or
// NOT_A_FILE, having opened nothing that stays open.
int open_game_file(const char* path);

#endif
