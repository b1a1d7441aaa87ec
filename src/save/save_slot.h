// What the save slot's writer and reader share: the slot's file, the
// temporary file a save is written to before it replaces the slot, and the
// record's layout with the range of each value the reader accepts.
#ifndef SAVE_SAVE_SLOT_H
#define SAVE_SAVE_SLOT_H

static const char* const SAVE_FILE = "gamesave.dat";
static const char* const SAVE_TEMP_FILE = "gamesave.dat.tmp";

// How a value is written: an int, or the animation phase, a double in a
// text stream's default notation with '.' whatever the locale.
enum SaveKind { SAVE_INT, SAVE_PHASE };

// `count` values of one kind, one per line, from `first` on in memory. The
// reader takes a value only within low..high; any other value leaves its
// variable as it was.
struct SaveEntry {
    SaveKind kind;
    void* first;
    int count;
    int low;
    int high;
};

// The record in file order; an empty line ends it.
extern const SaveEntry SAVE_RECORD[];
extern const int SAVE_RECORD_ENTRIES;

#endif
