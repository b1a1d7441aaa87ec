// Names shared by the save slot's writer and reader: the slot's file, and the
// temporary file a save is written to before it replaces the slot.
#ifndef SAVE_SLOT_H
#define SAVE_SLOT_H

static const char* const SAVE_FILE = "gamesave.dat";
static const char* const SAVE_TEMP_FILE = "gamesave.dat.tmp";

#endif
