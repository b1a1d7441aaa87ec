// The world's layout: the size of a cell and of the map, and where the player
// and the seven characters start. Free of SDL, so the media tools and the map
// checks read the same facts as the game.
#ifndef WORLD_LAYOUT_H
#define WORLD_LAYOUT_H

const int TILE_SIZE = 20;
const int MAP_SIZE = 200;
const int MAP_PIXELS = TILE_SIZE * MAP_SIZE;

// The player's start, in map pixels.
const int PLAYER_START_X = 1541;
const int PLAYER_START_Y = 2909;

// The characters' starting points, in map pixels; index = NPC number.
const int NPC_COUNT = 7;
const int NPC_START_X[NPC_COUNT] = {3409, 1194, 1072, 1985, 808, 2214, 3590};
const int NPC_START_Y[NPC_COUNT] = {2115, 1952, 3449, 2038, 1146, 908, 1929};

#endif
