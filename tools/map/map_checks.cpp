// The map's rules over map_layers. Reachability is a walk over the cells the
// game's collision grid leaves open, from the player's start, four ways.
#include "map_checks.h"

#include <cstdio>
#include <queue>

#include "map_file.h"
#include "shell/game_state.h"
#include "world/world.h"

namespace
{

bool on_map(int x, int y)
{
    return x >= 0 && y >= 0 && x < MAP_SIZE && y < MAP_SIZE;
}

// The cells reached on foot from the player's start.
std::vector<char> reached_from_start()
{
    std::vector<char> seen(MAP_SIZE * MAP_SIZE, 0);
    std::queue<int> open;
    auto visit = [&](int x, int y) {
        if (on_map(x, y) && collision_grid[x][y] == 0 && !seen[x * MAP_SIZE + y]) {
            seen[x * MAP_SIZE + y] = 1;
            open.push(x * MAP_SIZE + y);
        }
    };
    if (stands_free(PLAYER_START_X, PLAYER_START_Y))
        visit(PLAYER_START_X / TILE_SIZE, PLAYER_START_Y / TILE_SIZE);
    for (; !open.empty(); open.pop()) {
        const int x = open.front() / MAP_SIZE, y = open.front() % MAP_SIZE;
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    return seen;
}

} // namespace

std::vector<MapFinding> check_map()
{
    build_collision_grid();
    std::vector<MapFinding> found;
    auto add = [&](const std::string& rule, int x, int y) { found.push_back({ rule, x, y }); };

    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            if ((x == 0 || y == 0 || x == MAP_SIZE - 1 || y == MAP_SIZE - 1) && collision_grid[x][y] == 0)
                add("walkable cell on the outer ring", x, y);

    if (!stands_free(PLAYER_START_X, PLAYER_START_Y))
        add("player's start blocked", PLAYER_START_X / TILE_SIZE, PLAYER_START_Y / TILE_SIZE);
    for (int n = 0; n < NPC_COUNT; n++)
        if (!stands_free(NPC_START_X[n], NPC_START_Y[n]))
            add("character " + std::to_string(n) + "'s starting point blocked", NPC_START_X[n] / TILE_SIZE,
                NPC_START_Y[n] / TILE_SIZE);

    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++) {
            if (map_layers[LAYER_OBJECT][x][y] == BOX_TILE
                && (y == 0 || map_layers[LAYER_OVERHEAD][x][y - 1] != BOX_TILE))
                add("box without its upper half above it", x, y);
            if (map_layers[LAYER_OVERHEAD][x][y] == BOX_TILE
                && (y == MAP_SIZE - 1 || map_layers[LAYER_OBJECT][x][y + 1] != BOX_TILE))
                add("box's upper half without its box below", x, y);
        }

    const std::vector<char> seen = reached_from_start();
    auto reached = [&](int x, int y, bool beside) {
        if (seen[x * MAP_SIZE + y])
            return true;
        const int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
        for (int k = 0; beside && k < 4; k++)
            if (on_map(x + dx[k], y + dy[k]) && seen[(x + dx[k]) * MAP_SIZE + y + dy[k]])
                return true;
        return false;
    };
    // The first screen of a new game, the camera centred on the start.
    const int left = PLAYER_START_X - SCREEN_WIDTH / 2, top = PLAYER_START_Y - SCREEN_HEIGHT / 2;
    int stations_in_sight = 0;
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++) {
            const int object = map_layers[LAYER_OBJECT][x][y];
            if (object == BOX_TILE && !reached(x, y, true))
                add("unreachable box", x, y);
            if (object == REPAIR_TILE && !reached(x, y, true))
                add("unreachable repair station", x, y);
            stations_in_sight += object == REPAIR_TILE && TILE_SIZE * x >= left
                && TILE_SIZE * (x + 1) <= left + SCREEN_WIDTH && TILE_SIZE * y >= top
                && TILE_SIZE * (y + 1) <= top + SCREEN_HEIGHT;
        }
    for (int n = 0; n < NPC_COUNT; n++)
        if (!reached(NPC_START_X[n] / TILE_SIZE, NPC_START_Y[n] / TILE_SIZE, false))
            add("unreachable character " + std::to_string(n), NPC_START_X[n] / TILE_SIZE,
                NPC_START_Y[n] / TILE_SIZE);
    if (stations_in_sight == 0)
        add("no repair station on the first screen", PLAYER_START_X / TILE_SIZE, PLAYER_START_Y / TILE_SIZE);

    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++) {
            const int ground = map_layers[LAYER_GROUND][x][y];
            if (ground == 0 || ground == 1)
                add("land drawn as water (ground tile " + std::to_string(ground) + ")", x, y);
        }
    for (int layer = 0; layer < LAYER_COUNT; layer++)
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                if (!valid_tile_value(map_layers[layer][x][y]))
                    add("value " + std::to_string(map_layers[layer][x][y]) + " outside -1 to 19 in layer "
                            + std::to_string(layer),
                        x, y);
    return found;
}

std::string describe(const MapFinding& finding)
{
    return finding.rule + " at (" + std::to_string(finding.x) + ", " + std::to_string(finding.y) + ")";
}

std::string summarise(const std::vector<MapFinding>& findings)
{
    if (findings.empty())
        return "map checks passed";
    std::string line
        = std::to_string(findings.size()) + (findings.size() == 1 ? " problem: " : " problems: ");
    for (size_t i = 0; i < findings.size() && i < 2; i++)
        line += (i > 0 ? "; " : "") + describe(findings[i]);
    if (findings.size() > 2)
        line += "; ...";
    return line;
}
