// What POSIX systems and Windows do differently, in one place: opening the
// files the game reads, replacing a file whole, folders, the environment and
// where the game plays. The build takes system_posix.cpp or system_windows.cpp.
#ifndef SHELL_SYSTEM_H
#define SHELL_SYSTEM_H

#include <string>

// open_game_file's result for a path that names something other than a
// regular file.
const int NOT_A_FILE = -2;

// Opens `path` for reading, in binary mode and without blocking, when it is a
// regular file. Returns the descriptor, -1 when it cannot be opened (errno
// says why), or NOT_A_FILE, having opened nothing that stays open.
int open_game_file(const char* path);

// Removes whatever stands at `path` (a stale file, a link, a FIFO) and creates
// it anew, exclusively, for writing in binary mode. Returns the descriptor, or
// -1 with errno set and *failed naming the step: "cannot remove" or "cannot
// create".
int create_fresh_file(const char* path, const char** failed);

// Waits until the storage device holds what was written to `fd`: 0, or -1
// with errno set.
int sync_file(int fd);

// Puts the file `from` in the place of `to` in one step, so that `to` is
// always either the old file or the new one: 0, or -1 with errno set and
// both files as they were.
int replace_file(const char* from, const char* to);

// Makes a replacement into the folder that holds `path` last. One that
// cannot be made to last is not reported: the replacement has taken place.
void sync_folder_of(const char* path);

// Makes the folder `path` (its parent must exist): 0, or -1 with errno set
// (EEXIST when something is there already).
int make_folder(const char* path);

// Makes a new, empty folder named after `prefix` in the system's folder for
// temporary files and returns its path, or "" when none could be made.
std::string make_temp_folder(const char* prefix);

// Removes the folder and everything in it; false when something stayed.
bool remove_folder(const std::string& folder);

// Makes `name` show the files of the folder `folder`: a symbolic link to it,
// or on Windows, where links need privileges, a copy of its files.
bool show_folder_as(const char* folder, const char* name);

// The absolute path of an existing file or folder, or "" when it has none.
std::string full_path(const char* path);

// Sets the environment variable `name` to `value` (NULL removes it); an
// existing value stays unless `replace`.
void set_environment(const char* name, const char* value, bool replace);

// The program's file name without its folder, for its messages.
const char* program_name();

// Before the game starts: enters the folder where it plays, with Media/ to
// read and room for its save. On POSIX the launcher has done that already;
// on Windows it is the player's folder in %APPDATA%, with sdl12-compat's
// sharp scaling and pad layout set as the launcher sets them. False after
// one line on stderr when there is no such folder.
bool enter_play_folder();

// After the game, off the console: on Windows the library shuts down, closing
// its window and letting go of the pads before the program ends (Wine was
// seen to crash once in an exit that left them open); elsewhere nothing, as
// sdl12-compat over an older SDL2 crashes in that shutdown.
void leave_play();

#endif
