// The media generator's pieces: the tile numbers of the sheets (which the map
// in data/map.dat uses), and the functions that draw each picture.
#ifndef MEDIA_MEDIA_H
#define MEDIA_MEDIA_H

#include "canvas.h"

// Layer 0, ground. 0 and 1 are the two frames of the water drawn where a
// cell has no ground; they never stand in the map itself.
enum GroundTile {
    WATER_A = 0,
    WATER_B = 1,
    GRASS = 2,
    GRASS_TUFTS = 3,
    FLOWERS_WARM = 4,
    FLOWERS_COOL = 5,
    PATH = 6,
    PATH_PEBBLES = 7,
    SAND = 8,
    SAND_RIPPLES = 9,
    WOOD_FLOOR = 10,
    COBBLES = 11,
    FOREST_FLOOR = 12,
    FOREST_LEAVES = 13,
    SOIL = 14,
    WHEAT = 15,
    BRIDGE = 16,
    PIER = 17,
    FLAGSTONES = 18,
    DARK_GRASS = 19,
};

// Layer 2, obstacles: everything here blocks walking.
enum ObstacleTile {
    OAK_TRUNK = 0,
    PINE_TRUNK = 1,
    BOULDER = 2,
    ROCKS = 3,
    BUSH = 4,
    FENCE_ACROSS = 5,
    FENCE_DOWN = 6,
    FENCE_POST = 7,
    HOUSE_WALL = 8,
    HOUSE_WINDOW = 9,
    HOUSE_DOOR = 10,
    STONE_WALL = 11,
    BROKEN_WALL = 12,
    PILLAR = 13,
    LOG_PILE = 14,
    PALM_TRUNK = 15,
    REEDS = 16,
    STUMP = 17,
    LAMP_POST = 18,
    HAY_BALE = 19,
};

// Layer 3, objects: 1 is the box the player picks up and 3 the repair
// station; the rest are plain things in the way.
enum ObjectTile {
    BARREL = 0,
    BOX_BOTTOM = 1,
    SIGNPOST = 2,
    REPAIR_BOTTOM = 3,
    WELL = 4,
    SACKS = 5,
    CAMPFIRE = 6,
    PINEAPPLE = 7,
    FLOWER_POT = 8,
    BENCH = 9,
    PUMPKIN = 10,
    ANVIL = 11,
    GRAVESTONE = 12,
    ROWBOAT = 13,
    MUSHROOMS = 14,
    TENT = 15,
    CRATE_STACK = 16,
    BUCKET = 17,
    STATUE = 18,
    MARKET_STALL = 19,
};

// Layer 4, overhead: drawn over the characters, who can walk behind it.
enum OverheadTile {
    OAK_CROWN_TOP = 0,
    BOX_TOP = 1,
    OAK_CROWN_BOTTOM = 2,
    REPAIR_TOP = 3,
    PINE_TOP = 4,
    PINE_BOTTOM = 5,
    ROOF_RIDGE_LEFT = 6,
    ROOF_RIDGE = 7,
    ROOF_RIDGE_RIGHT = 8,
    ROOF_LEFT = 9,
    ROOF = 10,
    ROOF_RIGHT = 11,
    ROOF_EAVE_LEFT = 12,
    ROOF_EAVE = 13,
    ROOF_EAVE_RIGHT = 14,
    WELL_ROOF = 15,
    LAMP_TOP = 16,
    STATUE_TOP = 17,
    PALM_TOP = 18,
    PALM_BOTTOM = 19,
};

// One of the five 400 x 20 tile sheets.
Canvas draw_tileset(int layer);

// The 160 x 320 sheet of walking frames: the robot, then seven people.
Canvas draw_characters();

// The 570 x 10 strip of glyphs for the characters 32 to 126.
Canvas draw_font();

// The window frames: the wide one behind panels and dialogs, the tall one
// behind the save/load menu.
Canvas draw_text_window();
Canvas draw_tall_window();

#endif
