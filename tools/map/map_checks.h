// The map's rules, checked over map_layers: the editor runs them on every
// save and export, and the tests run them on the shipped map. Walking is
// judged by the game's own collision grid and the probes its walkers use.
#ifndef MAP_MAP_CHECKS_H
#define MAP_MAP_CHECKS_H

#include <string>
#include <vector>

// One broken rule at one cell.
struct MapFinding {
    std::string rule;
    int x, y;
};

// Every rule the map breaks, ordered by rule, then column, then row. Derives
// collision_grid from the layers first; changes nothing else.
//  - every cell of the outer ring blocks walking;
//  - the player's start and the characters' starting points stand clear;
//  - every box has its upper half in layer 4 in the cell above, and every such
//    upper half a box below it;
//  - every box, repair station and character can be reached on foot from the start;
//  - a repair station stands on the first screen of a new game;
//  - no land shows the two water frames (ground tiles 0 and 1);
//  - every value is -1 or 0 to 19.
std::vector<MapFinding> check_map();

// "unreachable box at (12, 40)".
std::string describe(const MapFinding& finding);

// One line for the screen: "map checks passed", or the number of findings
// and the first few of them.
std::string summarise(const std::vector<MapFinding>& findings);

#endif
