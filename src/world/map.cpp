// The map layers, the map file reader and the derived edge layer, collision grid and box count.
// Empty until its subsystem is written.
#include "world/world.h"
#include "shell/game_state.h"

void load_map() {}
void build_edge_layer() {}
void build_collision_grid() {}
void count_boxes() {}
