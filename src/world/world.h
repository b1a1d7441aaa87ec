// The world: the map layers and their file, exploration with its random
// encounters, and the fixed tables of monsters and characters.
#ifndef WORLD_WORLD_H
#define WORLD_WORLD_H

// The map file, and the four layers it holds in file order (each column by
// column); the edge layer is not stored but derived.
extern const char* const MAP_FILE;
const int MAP_FILE_LAYER_COUNT = 4;
extern const int MAP_FILE_LAYERS[MAP_FILE_LAYER_COUNT];

// Reads "Media/map.dat" into layers 0, 2, 3 and 4, then derives layer 1, the
// collision grid and the box count. Called once at start-up.
void load_map();

// Rewrites the edge layer (1) from the ground layer (0).
void build_edge_layer();

// Rewrites collision_grid from layers 0, 2 and 3.
void build_collision_grid();

// Sets boxes_remaining to the number of boxes lying in layer 3.
void count_boxes();

// The world's step for one exploration frame: walk, face, animate, roll for
// an encounter, push back out of blocked cells, move the characters.
void update_exploration();

// The characters' step, taken on every second exploration frame.
void move_npcs();

// The walking step shown, from anim_phase: 0 for the first half of the
// animation cycle, 1 for the second. A phase restored from a save may be 2.0
// or stranger; the step stays 0 or 1 whatever it holds.
int walking_step();

// True when a character anchored at world pixel (x, y) stands clear: none of
// the four probes that push walkers back lies in a blocked cell or off the map.
bool stands_free(int x, int y);

// Starts a battle against a randomly drawn monster.
void start_encounter();

// Fills the monster table.
void init_monsters();

// Fills the character table; draws seven random starting directions.
void init_npcs();

#endif
