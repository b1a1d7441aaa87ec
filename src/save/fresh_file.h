// Files written so that they replace the old one whole or not at all: the
// temporary is created afresh, never through a link, and once it has been
// renamed over its target the folder is synced so that the rename lasts.
#ifndef SAVE_FRESH_FILE_H
#define SAVE_FRESH_FILE_H

// Removes whatever stands at `path` (a stale file, a link, a FIFO) and creates
// it anew, exclusively, for writing. Returns the descriptor, or -1 with errno
// set and *failed naming the step: "cannot remove" or "cannot create".
int create_fresh_file(const char* path, const char** failed);

// Syncs the folder that holds `path`. A folder that cannot be synced is not
// reported: the rename into it has already taken place.
void sync_folder_of(const char* path);

#endif
