// The busiest view of the map, where the benchmark, the callgrind count and
// the web page's figures measure an exploration frame.
#ifndef BUSIEST_H
#define BUSIEST_H

// Opens the headless screen and starts a new game with seed 1 from the
// Media/ of the working folder; false after a line on stderr, naming `tool`,
// when there is no Media/ there.
bool start_beside_media(const char* tool);

// The camera position, in cells, whose screen shows the most tiles of all layers.
void find_busiest_view(int* best_x, int* best_y);

// Puts the player in the middle of the busiest view, standing, exploring.
void stand_in_busiest_view();

// One exploration frame there: the game's own pass, the player kept in place
// and no monster met, so every frame draws the same view.
void busiest_frame();

#endif
