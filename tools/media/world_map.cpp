// The island: a 200 x 200 world of meadows, a western forest, a village with
// its farm, old ruins by a lake, a river with a bridge, beaches and rocky
// highlands, all joined by paths. Built from fixed seeds, checked against the
// game's rules, and written as the game's map file.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <queue>
#include <vector>

#include "media.h"
#include "world/layout.h"

namespace
{

const int N = WORLD_CELLS;

struct Cell {
    int x, y;
};

// Where the player and the seven characters start, in cells.
const Cell START = { PLAYER_START_X / TILE_SIZE, PLAYER_START_Y / TILE_SIZE };
const Cell CHARACTERS[NPC_COUNT] = { { NPC_START_X[0] / TILE_SIZE, NPC_START_Y[0] / TILE_SIZE },
    { NPC_START_X[1] / TILE_SIZE, NPC_START_Y[1] / TILE_SIZE }, { NPC_START_X[2] / TILE_SIZE, NPC_START_Y[2] / TILE_SIZE },
    { NPC_START_X[3] / TILE_SIZE, NPC_START_Y[3] / TILE_SIZE }, { NPC_START_X[4] / TILE_SIZE, NPC_START_Y[4] / TILE_SIZE },
    { NPC_START_X[5] / TILE_SIZE, NPC_START_Y[5] / TILE_SIZE }, { NPC_START_X[6] / TILE_SIZE, NPC_START_Y[6] / TILE_SIZE } };

// The cells of the first screen of a new game: 160 px left and 120 px above
// the start, 320 x 240 px.
const int FIRST_SCREEN_X0 = (PLAYER_START_X - 160) / TILE_SIZE, FIRST_SCREEN_X1 = (PLAYER_START_X + 159) / TILE_SIZE;
const int FIRST_SCREEN_Y0 = (PLAYER_START_Y - 120) / TILE_SIZE, FIRST_SCREEN_Y1 = (PLAYER_START_Y + 119) / TILE_SIZE;

class World
{
public:
    int ground[N][N], obstacle[N][N], object[N][N], overhead[N][N];
    // Cells kept free of trees, rocks and bushes.
    bool kept[N][N];

    World()
    {
        for (int x = 0; x < N; x++)
            for (int y = 0; y < N; y++) {
                ground[x][y] = obstacle[x][y] = object[x][y] = overhead[x][y] = EMPTY;
                kept[x][y] = false;
            }
    }

    static bool in_map(int x, int y) { return x >= 0 && y >= 0 && x < N && y < N; }
    bool land(int x, int y) const { return in_map(x, y) && ground[x][y] != EMPTY; }
    bool walkable(int x, int y) const
    {
        return land(x, y) && obstacle[x][y] == EMPTY && object[x][y] == EMPTY;
    }
    bool bare(int x, int y) const
    {
        return land(x, y) && obstacle[x][y] == EMPTY && object[x][y] == EMPTY && overhead[x][y] == EMPTY;
    }
    void keep(int x0, int y0, int x1, int y1)
    {
        for (int x = x0; x <= x1; x++)
            for (int y = y0; y <= y1; y++)
                if (in_map(x, y))
                    kept[x][y] = true;
    }
};

bool is_tree_trunk(int tile)
{
    return tile == OAK_TRUNK || tile == PINE_TRUNK || tile == PALM_TRUNK;
}

// Things that may be cleared to open a way: plants and loose rocks.
bool is_clearable(int tile)
{
    return is_tree_trunk(tile) || tile == BOULDER || tile == ROCKS || tile == BUSH || tile == REEDS
        || tile == STUMP;
}

void remove_obstacle(World& w, int x, int y)
{
    if (is_tree_trunk(w.obstacle[x][y])) {
        for (int k = 1; k <= 2; k++)
            if (World::in_map(x, y - k))
                w.overhead[x][y - k] = EMPTY;
    }
    w.obstacle[x][y] = EMPTY;
}

// Cells of land within `steps` of water, by four-way steps.
std::vector<std::vector<int>> distance_to_water(const World& w)
{
    std::vector<std::vector<int>> d(N, std::vector<int>(N, 1 << 20));
    std::queue<Cell> q;
    for (int x = 0; x < N; x++)
        for (int y = 0; y < N; y++)
            if (!w.land(x, y)) {
                d[x][y] = 0;
                q.push({ x, y });
            }
    const int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
    while (!q.empty()) {
        Cell c = q.front();
        q.pop();
        for (int k = 0; k < 4; k++) {
            int nx = c.x + dx[k], ny = c.y + dy[k];
            if (World::in_map(nx, ny) && d[nx][ny] > d[c.x][c.y] + 1) {
                d[nx][ny] = d[c.x][c.y] + 1;
                q.push({ nx, ny });
            }
        }
    }
    return d;
}

double dist(double ax, double ay, double bx, double by)
{
    return std::hypot(ax - bx, ay - by);
}

// The island's outline: a rounded square with a wandering coast, at least
// six cells of sea from the map's border.
void shape_island(World& w)
{
    for (int x = 0; x < N; x++)
        for (int y = 0; y < N; y++) {
            double nx = (x - 99.5) / 90, ny = (y - 99.5) / 90;
            double d = std::pow(std::pow(std::abs(nx), 4) + std::pow(std::abs(ny), 4), 0.25);
            double n = fractal_noise(x / 17.0, y / 17.0, 1) - 0.5;
            bool land = d + n * 0.36 < 1.0;
            for (const Cell& c : CHARACTERS)
                land = land || dist(x, y, c.x, c.y) < 6;
            land = land || dist(x, y, START.x, START.y) < 6;
            if (land && x >= 6 && y >= 6 && x < N - 6 && y < N - 6)
                w.ground[x][y] = GRASS;
        }
    // Keep only the land joined to the start, and fill in inland puddles.
    std::vector<std::vector<char>> seen(N, std::vector<char>(N, 0));
    auto flood = [&](Cell from, bool want_land) {
        std::queue<Cell> q;
        q.push(from);
        seen[from.x][from.y] = 1;
        while (!q.empty()) {
            Cell c = q.front();
            q.pop();
            const int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
            for (int k = 0; k < 4; k++) {
                int nx = c.x + dx[k], ny = c.y + dy[k];
                if (World::in_map(nx, ny) && !seen[nx][ny] && w.land(nx, ny) == want_land) {
                    seen[nx][ny] = 1;
                    q.push({ nx, ny });
                }
            }
        }
    };
    flood(START, true);
    for (int x = 0; x < N; x++)
        for (int y = 0; y < N; y++)
            if (w.land(x, y) && !seen[x][y])
                w.ground[x][y] = EMPTY;
    seen.assign(N, std::vector<char>(N, 0));
    flood({ 0, 0 }, false);
    for (int x = 0; x < N; x++)
        for (int y = 0; y < N; y++)
            if (!w.land(x, y) && !seen[x][y])
                w.ground[x][y] = GRASS;
}

// The lake by the ruins and the river that runs from it to the east coast.
void carve_waters(World& w)
{
    for (int x = 0; x < N; x++)
        for (int y = 0; y < N; y++) {
            double r = 7.5 + fractal_noise(x / 5.0, y / 5.0, 2) * 4;
            if (dist(x, y, 137, 57) < r)
                w.ground[x][y] = EMPTY;
        }
    for (double t = 0; t < 70; t += 0.25) {
        double x = 143 + t, y = 60 + 9 * std::sin(t / 13) + t * 0.28;
        for (int k = 0; k < 2; k++)
            if (World::in_map((int)x, (int)y + k))
                w.ground[(int)x][(int)y + k] = EMPTY;
    }
}

// Ground cover: sand along the sea, grass of two tones with tufts, and
// patches of flowers.
void paint_ground(World& w)
{
    auto d = distance_to_water(w);
    for (int x = 0; x < N; x++)
        for (int y = 0; y < N; y++) {
            if (!w.land(x, y))
                continue;
            double tone = fractal_noise(x / 9.0, y / 9.0, 5);
            int g = tone < 0.38 ? DARK_GRASS : GRASS;
            if (hash01(x, y, 50) < 0.12)
                g = GRASS_TUFTS;
            double meadow = fractal_noise(x / 7.0, y / 7.0, 6);
            if (meadow > 0.6 && hash01(x, y, 51) < 0.4)
                g = fractal_noise(x / 11.0, y / 11.0, 7) < 0.5 ? FLOWERS_WARM : FLOWERS_COOL;
            // Beaches: wide along the south and east, narrow or none elsewhere.
            double beach = fractal_noise(x / 12.0, y / 12.0, 8) + (x + y - 200) / 260.0;
            int width = beach > 0.55 ? 4 : beach > 0.42 ? 2 : beach > 0.3 ? 1 : 0;
            bool by_sea = d[x][y] <= width;
            if (by_sea)
                g = d[x][y] == 1 && hash01(x, y, 52) < 0.5 ? SAND_RIPPLES : SAND;
            w.ground[x][y] = g;
        }
}

void paint_sand(World& w, Cell centre, double radius)
{
    for (int x = 0; x < N; x++)
        for (int y = 0; y < N; y++)
            if (w.land(x, y)
                && dist(x, y, centre.x, centre.y) < radius + (fractal_noise(x / 4.0, y / 4.0, 53) - 0.5) * 6)
                w.ground[x][y] = hash01(x, y, 54) < 0.2 ? SAND_RIPPLES : SAND;
}

void path_cell(World& w, int x, int y)
{
    for (int dx = 0; dx < 2; dx++)
        for (int dy = 0; dy < 2; dy++) {
            int px = x + dx, py = y + dy;
            if (!World::in_map(px, py))
                continue;
            if (w.ground[px][py] == EMPTY || w.ground[px][py] == BRIDGE)
                w.ground[px][py] = BRIDGE;
            else if (w.ground[px][py] != COBBLES && w.ground[px][py] != FLAGSTONES)
                w.ground[px][py] = hash01(px, py, 60) < 0.22 ? PATH_PEBBLES : PATH;
            w.kept[px][py] = true;
        }
}

// A straight run along one axis.
void path_run(World& w, Cell a, Cell b)
{
    int sx = b.x > a.x ? 1 : b.x < a.x ? -1 : 0, sy = b.y > a.y ? 1 : b.y < a.y ? -1 : 0;
    for (Cell c = a;; c = { c.x + sx, c.y + sy }) {
        path_cell(w, c.x, c.y);
        if (c.x == b.x && c.y == b.y)
            break;
    }
}

// A path two cells wide through the waypoints, wandering a little on the
// way in steps along the grid; it bridges water it meets.
void lay_path(World& w, std::vector<Cell> points)
{
    std::vector<Cell> route;
    for (size_t i = 0; i + 1 < points.size(); i++) {
        Cell a = points[i], b = points[i + 1];
        int length = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
        int pieces = std::max(1, length / 9);
        for (int k = 0; k < pieces; k++) {
            double t = (double)k / pieces;
            Cell c = { (int)std::lround(a.x + (b.x - a.x) * t), (int)std::lround(a.y + (b.y - a.y) * t) };
            bool near_water = false;
            for (int dx = -3; dx <= 3; dx++)
                for (int dy = -3; dy <= 3; dy++)
                    near_water
                        = near_water || (World::in_map(c.x + dx, c.y + dy) && !w.land(c.x + dx, c.y + dy));
            if (k > 0 && !near_water) {
                int jog = (int)(hash01(c.x, c.y, 61) * 5) - 2;
                if (std::abs(b.x - a.x) >= std::abs(b.y - a.y))
                    c.y += jog;
                else
                    c.x += jog;
            }
            route.push_back(c);
        }
    }
    route.push_back(points.back());
    for (size_t i = 0; i + 1 < route.size(); i++) {
        Cell a = route[i], b = route[i + 1];
        if (std::abs(b.x - a.x) >= std::abs(b.y - a.y)) {
            int m = (a.x + b.x) / 2;
            path_run(w, a, { m, a.y });
            path_run(w, { m, a.y }, { m, b.y });
            path_run(w, { m, b.y }, b);
        } else {
            int m = (a.y + b.y) / 2;
            path_run(w, a, { a.x, m });
            path_run(w, { a.x, m }, { b.x, m });
            path_run(w, { b.x, m }, b);
        }
    }
}

// A house: a wall row with a door and windows, two rows of roof over the
// blocked body, and a ridge row that the player can walk behind.
void build_house(World& w, int left, int wall_row, int width, int door)
{
    for (int x = left; x < left + width; x++) {
        for (int y = wall_row - 2; y <= wall_row; y++) {
            w.obstacle[x][y] = HOUSE_WALL;
            w.object[x][y] = EMPTY;
        }
        int column = x == left ? 0 : x == left + width - 1 ? 2 : 1;
        w.overhead[x][wall_row - 3] = ROOF_RIDGE_LEFT + column;
        w.overhead[x][wall_row - 2] = ROOF_LEFT + column;
        w.overhead[x][wall_row - 1] = ROOF_EAVE_LEFT + column;
        if (x == left + door)
            w.obstacle[x][wall_row] = HOUSE_DOOR;
        else if ((x - left) % 2 == 1 || width == 3)
            w.obstacle[x][wall_row] = HOUSE_WINDOW;
    }
    w.keep(left - 1, wall_row - 3, left + width, wall_row + 1);
}

void plant_tree(World& w, int x, int y, int trunk)
{
    w.obstacle[x][y] = trunk;
    w.overhead[x][y - 1] = trunk == OAK_TRUNK ? OAK_CROWN_BOTTOM
        : trunk == PINE_TRUNK                 ? PINE_BOTTOM
                                              : PALM_BOTTOM;
    w.overhead[x][y - 2] = trunk == OAK_TRUNK ? OAK_CROWN_TOP : trunk == PINE_TRUNK ? PINE_TOP : PALM_TOP;
}

// Something two cells tall: its foot blocks, its top hangs over the cell
// above.
void place_tall(World& w, int x, int y, int layer, int foot, int top)
{
    if (layer == 2)
        w.obstacle[x][y] = foot;
    else
        w.object[x][y] = foot;
    w.overhead[x][y - 1] = top;
    w.keep(x - 1, y - 2, x + 1, y + 1);
}

void place(World& w, int x, int y, int layer, int tile)
{
    if (!w.land(x, y))
        return;
    if (layer == 2)
        w.obstacle[x][y] = tile;
    else
        w.object[x][y] = tile;
    w.kept[x][y] = true;
}

void fill_ground(World& w, int x0, int y0, int x1, int y1, int tile)
{
    for (int x = x0; x <= x1; x++)
        for (int y = y0; y <= y1; y++)
            if (w.land(x, y))
                w.ground[x][y] = tile;
}

void fence_rectangle(World& w, int x0, int y0, int x1, int y1, int gap_x)
{
    for (int x = x0; x <= x1; x++) {
        if (std::abs(x - gap_x) > 1)
            place(w, x, y1, 2, x == x0 || x == x1 ? FENCE_POST : FENCE_ACROSS);
        place(w, x, y0, 2, x == x0 || x == x1 ? FENCE_POST : FENCE_ACROSS);
    }
    for (int y = y0 + 1; y < y1; y++) {
        place(w, x0, y, 2, FENCE_DOWN);
        place(w, x1, y, 2, FENCE_DOWN);
    }
}

void build_camp(World& w)
{
    // The landing: a camp in a meadow with the first repair station.
    for (int x = START.x - 8; x <= START.x + 9; x++)
        for (int y = START.y - 7; y <= START.y + 7; y++)
            if (w.land(x, y) && dist(x, y, START.x, START.y) < 7.5 && w.ground[x][y] != PATH
                && w.ground[x][y] != PATH_PEBBLES)
                w.ground[x][y] = hash01(x, y, 70) < 0.25 ? FLOWERS_WARM : GRASS;
    fill_ground(w, 82, 141, 84, 143, FLAGSTONES);
    place_tall(w, 83, 142, 3, REPAIR_BOTTOM, REPAIR_TOP);
    place(w, 85, 141, 3, BARREL);
    place(w, 81, 141, 3, CRATE_STACK);
    place(w, 71, 142, 3, TENT);
    place(w, 72, 145, 3, CAMPFIRE);
    place(w, 71, 146, 3, BENCH);
    place(w, 80, 140, 3, SIGNPOST);
    w.keep(START.x - 8, START.y - 7, START.x + 9, START.y + 7);
}

void build_village(World& w)
{
    fill_ground(w, 90, 94, 108, 108, COBBLES);
    fill_ground(w, 97, 99, 102, 103, FLAGSTONES);
    build_house(w, 87, 93, 5, 2);
    build_house(w, 94, 93, 4, 1);
    build_house(w, 101, 93, 5, 2);
    build_house(w, 81, 99, 5, 2);
    build_house(w, 81, 108, 4, 1);
    build_house(w, 87, 114, 5, 2);
    build_house(w, 103, 114, 5, 2);
    place_tall(w, 94, 98, 3, WELL, WELL_ROOF);
    place(w, 95, 99, 3, BUCKET);
    place_tall(w, 105, 98, 3, STATUE, STATUE_TOP);
    place_tall(w, 90, 96, 2, LAMP_POST, LAMP_TOP);
    place_tall(w, 108, 96, 2, LAMP_POST, LAMP_TOP);
    place_tall(w, 90, 107, 2, LAMP_POST, LAMP_TOP);
    place_tall(w, 108, 107, 2, LAMP_POST, LAMP_TOP);
    place(w, 93, 106, 3, MARKET_STALL);
    place(w, 94, 106, 3, MARKET_STALL);
    place(w, 92, 106, 3, SACKS);
    place(w, 89, 94, 3, FLOWER_POT);
    place(w, 103, 94, 3, FLOWER_POT);
    place(w, 86, 100, 3, BARREL);
    place(w, 104, 107, 3, BENCH);
    place(w, 105, 107, 3, BENCH);
    // The second repair station, for the way back from the wilds.
    place_tall(w, 107, 101, 3, REPAIR_BOTTOM, REPAIR_TOP);
    // Flower beds with shade trees on the square.
    fill_ground(w, 91, 101, 92, 103, FLOWERS_WARM);
    plant_tree(w, 92, 103, OAK_TRUNK);
    fill_ground(w, 104, 102, 105, 104, FLOWERS_COOL);
    plant_tree(w, 105, 104, OAK_TRUNK);
    place(w, 86, 108, 3, ANVIL);
    place(w, 85, 109, 2, LOG_PILE);
    w.keep(80, 88, 110, 116);

    // The pineapple farm east of the village, and a wheat field.
    fill_ground(w, 113, 92, 125, 99, SOIL);
    fence_rectangle(w, 112, 91, 126, 100, 119);
    for (int y = 93; y <= 97; y += 2)
        for (int x = 114; x <= 124; x += 2)
            place(w, x, y, 3, PINEAPPLE);
    place(w, 128, 98, 2, HAY_BALE);
    place(w, 128, 96, 2, HAY_BALE);
    place(w, 127, 101, 3, PUMPKIN);
    fill_ground(w, 113, 105, 125, 110, WHEAT);
    fence_rectangle(w, 112, 104, 126, 111, 119);
    w.keep(110, 89, 130, 113);
}

void build_ruins(World& w)
{
    for (int x = 102; x <= 119; x++)
        for (int y = 38; y <= 53; y++)
            if (w.land(x, y))
                w.ground[x][y] = fractal_noise(x / 3.0, y / 3.0, 80) < 0.3 ? GRASS_TUFTS : FLAGSTONES;
    for (int x = 102; x <= 119; x++) {
        if (std::abs(x - 110) > 2) {
            place(w, x, 38, 2, (x * 7) % 5 == 0 ? BROKEN_WALL : STONE_WALL);
            if (hash01(x, 53, 81) < 0.55)
                place(w, x, 53, 2, BROKEN_WALL);
        }
    }
    for (int y = 39; y <= 52; y++)
        if (std::abs(y - 45) > 2) {
            if (hash01(102, y, 82) < 0.7)
                place(w, 102, y, 2, y % 3 ? STONE_WALL : BROKEN_WALL);
            if (hash01(119, y, 83) < 0.6)
                place(w, 119, y, 2, y % 3 ? BROKEN_WALL : STONE_WALL);
        }
    for (Cell p : { Cell { 105, 41 }, Cell { 115, 41 }, Cell { 105, 50 }, Cell { 115, 50 } })
        place(w, p.x, p.y, 2, PILLAR);
    place(w, 117, 44, 3, GRAVESTONE);
    place(w, 117, 47, 3, GRAVESTONE);
    w.keep(100, 36, 121, 55);
}

void build_beach(World& w)
{
    paint_sand(w, { 180, 100 }, 7);
    paint_sand(w, { 52, 176 }, 6);
    // A pier out to sea from the eastern beach.
    int x = 180;
    while (x < N - 9 && w.land(x, 101))
        x++;
    for (int end = x + 5; x < end && x < N - 4; x++)
        for (int y = 100; y <= 101; y++)
            w.ground[x][y] = PIER;
    place(w, x - 1, 100, 3, BARREL);
    build_house(w, 167, 92, 4, 1);
    place(w, 171, 93, 3, SACKS);
    place(w, 184, 105, 3, ROWBOAT);
    place(w, 46, 180, 3, ROWBOAT);
    place(w, 58, 177, 2, LOG_PILE);
    w.keep(176, 96, N - 1, 103);
}

void build_woodcutters(World& w)
{
    // Dav17's clearing in the forest: stumps and stacked logs.
    Cell c = CHARACTERS[4];
    for (int x = c.x - 6; x <= c.x + 6; x++)
        for (int y = c.y - 6; y <= c.y + 6; y++)
            if (w.land(x, y) && dist(x, y, c.x, c.y) < 6.3 && w.ground[x][y] != PATH
                && w.ground[x][y] != PATH_PEBBLES)
                w.ground[x][y] = hash01(x, y, 90) < 0.3 ? GRASS_TUFTS : GRASS;
    place(w, c.x - 4, c.y - 3, 2, STUMP);
    place(w, c.x + 4, c.y + 3, 2, STUMP);
    place(w, c.x + 4, c.y - 4, 2, LOG_PILE);
    place(w, c.x + 5, c.y - 4, 2, LOG_PILE);
    place(w, c.x - 4, c.y + 4, 3, ANVIL);
    w.keep(c.x - 6, c.y - 6, c.x + 6, c.y + 6);
    // A ring of stones in the highlands.
    for (int k = 0; k < 8; k++) {
        double a = k * 3.14159265 / 4;
        place(w, 146 + (int)std::lround(std::cos(a) * 4), 163 + (int)std::lround(std::sin(a) * 4), 2, PILLAR);
    }
    fill_ground(w, 144, 161, 148, 165, FLAGSTONES);
    w.keep(140, 157, 152, 169);
}

// Trees, rocks and bushes, denser in the forest and the highlands.
void grow_plants(World& w)
{
    Random r(20261206);
    auto d = distance_to_water(w);
    for (int y = 2; y < N; y++)
        for (int x = 0; x < N; x++) {
            double forest = fractal_noise(x / 10.0, y / 10.0, 9);
            bool west_wood = dist(x, y, 42, 82) < 38 + (forest - 0.5) * 20 && x < 80;
            bool highland = x > 118 && y > 122 && x < 185 && y < 190;
            int g = w.ground[x][y];
            if (west_wood
                && (g == GRASS || g == GRASS_TUFTS || g == DARK_GRASS || g == FLOWERS_WARM
                    || g == FLOWERS_COOL))
                w.ground[x][y] = hash01(x, y, 91) < 0.3 ? FOREST_LEAVES : FOREST_FLOOR;
            if (!w.land(x, y) || w.kept[x][y] || w.obstacle[x][y] != EMPTY || w.object[x][y] != EMPTY
                || w.overhead[x][y] != EMPTY)
                continue;
            bool sandy = w.ground[x][y] == SAND || w.ground[x][y] == SAND_RIPPLES;
            double p_tree = west_wood ? 0.34 : highland ? 0.05 : 0.012;
            if (!west_wood && forest > 0.62)
                p_tree = 0.2;
            if (sandy)
                p_tree = d[x][y] >= 2 ? 0.06 : 0;
            int trunk = sandy ? PALM_TRUNK : OAK_TRUNK;
            if (!sandy && (highland || (west_wood && hash01(x, y, 92) < 0.35)))
                trunk = PINE_TRUNK;
            bool room = w.bare(x, y - 1) && w.bare(x, y - 2) && !w.kept[x][y - 1] && !w.kept[x][y - 2];
            if (room && r.chance(p_tree)) {
                plant_tree(w, x, y, trunk);
                continue;
            }
            double p_rock = highland ? 0.07 : sandy ? 0.004 : 0.006;
            double p_bush = west_wood ? 0.04 : 0.008;
            if (r.chance(p_rock))
                w.obstacle[x][y] = r.chance(0.5) ? BOULDER : ROCKS;
            else if (!sandy && r.chance(p_bush))
                w.obstacle[x][y] = BUSH;
            else if (west_wood && r.chance(0.01))
                w.object[x][y] = MUSHROOMS;
            else if (d[x][y] == 1 && dist(x, y, 137, 57) < 18 && r.chance(0.3))
                w.obstacle[x][y] = REEDS;
        }
}

// Where a box can stand near the wanted cell: on bare land with bare land
// above for its lid and room around it.
bool find_box_spot(const World& w, Cell want, Cell& spot)
{
    for (int radius = 0; radius <= 10; radius++)
        for (int dx = -radius; dx <= radius; dx++)
            for (int dy = -radius; dy <= radius; dy++) {
                if (std::max(std::abs(dx), std::abs(dy)) != radius)
                    continue;
                int x = want.x + dx, y = want.y + dy;
                bool ok = true;
                for (int i = -1; i <= 1 && ok; i++)
                    for (int j = -2; j <= 1 && ok; j++)
                        ok = w.bare(x + i, y + j) && !(w.kept[x + i][y + j] && (i == 0 && j >= -1));
                if (ok) {
                    spot = { x, y };
                    return true;
                }
            }
    return false;
}

const Cell BOX_WISHES[] = {
    { 88, 150 },
    { 84, 112 },
    { 110, 111 },
    { 130, 93 },
    { 30, 80 },
    { 47, 112 },
    { 25, 45 },
    { 64, 70 },
    { 45, 51 },
    { 104, 41 },
    { 117, 51 },
    { 165, 38 },
    { 180, 52 },
    { 186, 110 },
    { 160, 118 },
    { 135, 150 },
    { 157, 170 },
    { 127, 176 },
    { 42, 176 },
    { 64, 164 },
    { 18, 130 },
    { 126, 66 },
    { 150, 30 },
    { 76, 30 },
};

int place_boxes(World& w)
{
    int placed = 0;
    for (Cell want : BOX_WISHES) {
        Cell spot;
        if (!find_box_spot(w, want, spot)) {
            std::fprintf(stderr, "make-media: no room for a box near (%d, %d)\n", want.x, want.y);
            continue;
        }
        w.object[spot.x][spot.y] = BOX_BOTTOM;
        w.overhead[spot.x][spot.y - 1] = BOX_TOP;
        w.keep(spot.x - 1, spot.y - 2, spot.x + 1, spot.y + 1);
        placed++;
    }
    return placed;
}

std::vector<std::vector<char>> reachable_from_start(const World& w)
{
    std::vector<std::vector<char>> seen(N, std::vector<char>(N, 0));
    std::queue<Cell> q;
    if (w.walkable(START.x, START.y)) {
        seen[START.x][START.y] = 1;
        q.push(START);
    }
    const int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
    while (!q.empty()) {
        Cell c = q.front();
        q.pop();
        for (int k = 0; k < 4; k++) {
            int nx = c.x + dx[k], ny = c.y + dy[k];
            if (World::in_map(nx, ny) && !seen[nx][ny] && w.walkable(nx, ny)) {
                seen[nx][ny] = 1;
                q.push({ nx, ny });
            }
        }
    }
    return seen;
}

// Every place the player must be able to walk up to: the characters' cells
// and the cells of the boxes and repair stations.
std::vector<Cell> destinations(const World& w)
{
    std::vector<Cell> out(CHARACTERS, CHARACTERS + NPC_COUNT);
    for (int x = 0; x < N; x++)
        for (int y = 0; y < N; y++)
            if (w.object[x][y] == BOX_BOTTOM || w.object[x][y] == REPAIR_BOTTOM)
                out.push_back({ x, y });
    return out;
}

bool reached(const std::vector<std::vector<char>>& seen, Cell c)
{
    if (seen[c.x][c.y])
        return true;
    const int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
    for (int k = 0; k < 4; k++)
        if (World::in_map(c.x + dx[k], c.y + dy[k]) && seen[c.x + dx[k]][c.y + dy[k]])
            return true;
    return false;
}

// Opens a way to every destination the start cannot reach, felling the
// fewest plants and rocks in between.
void open_ways(World& w)
{
    for (Cell target : destinations(w)) {
        auto seen = reachable_from_start(w);
        if (reached(seen, target))
            continue;
        std::vector<std::vector<int>> cost(N, std::vector<int>(N, 1 << 30));
        std::vector<std::vector<Cell>> from(N, std::vector<Cell>(N, Cell { -1, -1 }));
        using Item = std::pair<int, int>;
        std::priority_queue<Item, std::vector<Item>, std::greater<Item>> q;
        const int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
        for (int k = 0; k < 4; k++) {
            int nx = target.x + dx[k], ny = target.y + dy[k];
            if (w.land(nx, ny) && (w.walkable(nx, ny) || is_clearable(w.obstacle[nx][ny]))) {
                cost[nx][ny] = 0;
                q.push({ 0, nx * N + ny });
            }
        }
        Cell end = { -1, -1 };
        while (!q.empty()) {
            auto [c, at] = q.top();
            q.pop();
            int x = at / N, y = at % N;
            if (c > cost[x][y])
                continue;
            if (seen[x][y]) {
                end = { x, y };
                break;
            }
            for (int k = 0; k < 4; k++) {
                int nx = x + dx[k], ny = y + dy[k];
                if (!w.land(nx, ny) || w.object[nx][ny] != EMPTY)
                    continue;
                int step = w.obstacle[nx][ny] == EMPTY ? 1 : is_clearable(w.obstacle[nx][ny]) ? 8 : -1;
                if (step < 0 || cost[nx][ny] <= c + step)
                    continue;
                cost[nx][ny] = c + step;
                from[nx][ny] = { x, y };
                q.push({ c + step, nx * N + ny });
            }
        }
        for (Cell c = end; c.x >= 0; c = from[c.x][c.y])
            if (w.obstacle[c.x][c.y] != EMPTY)
                remove_obstacle(w, c.x, c.y);
    }
}

// The world's own rules; says on stderr what is broken.
bool check(const World& w)
{
    bool ok = true;
    auto fail = [&](const char* what, int x, int y) {
        std::fprintf(stderr, "make-media: %s at (%d, %d)\n", what, x, y);
        ok = false;
    };
    for (int i = 0; i < N; i++)
        for (Cell c : { Cell { i, 0 }, Cell { i, N - 1 }, Cell { 0, i }, Cell { N - 1, i } })
            if (w.walkable(c.x, c.y))
                fail("walkable border cell", c.x, c.y);
    auto seen = reachable_from_start(w);
    int boxes = 0, stations = 0, near_start = 0;
    for (Cell c : destinations(w)) {
        if (!reached(seen, c))
            fail("unreachable place", c.x, c.y);
        if (w.object[c.x][c.y] == BOX_BOTTOM) {
            boxes++;
            if (c.y == 0 || w.overhead[c.x][c.y - 1] != BOX_TOP)
                fail("box without its lid", c.x, c.y);
        }
        if (w.object[c.x][c.y] == REPAIR_BOTTOM) {
            stations++;
            if (c.x >= FIRST_SCREEN_X0 && c.x <= FIRST_SCREEN_X1 && c.y >= FIRST_SCREEN_Y0
                && c.y <= FIRST_SCREEN_Y1)
                near_start++;
        }
    }
    for (Cell c : CHARACTERS)
        for (int dx = -2; dx <= 2; dx++)
            for (int dy = -2; dy <= 2; dy++)
                if (!w.walkable(c.x + dx, c.y + dy))
                    fail("no room around a character", c.x + dx, c.y + dy);
    for (int dx = -2; dx <= 2; dx++)
        for (int dy = -2; dy <= 2; dy++)
            if (!w.walkable(START.x + dx, START.y + dy))
                fail("no room around the start", START.x + dx, START.y + dy);
    if (boxes < 12 || boxes > 30)
        fail("box count out of 12..30", boxes, 0);
    if (near_start == 0)
        fail("no repair station on the first screen", START.x, START.y);
    std::printf("make-media: map with %d boxes, %d repair stations\n", boxes, stations);
    return ok;
}

} // namespace

bool write_world_map(const std::string& path)
{
    // Too big for the stack; built once per run.
    static World w;
    shape_island(w);
    paint_ground(w);
    carve_waters(w);
    build_beach(w);
    // Paths first, so that nothing grows on them; the bridge crosses the
    // river on the way north from the beach.
    lay_path(w, { { 77, 145 }, { 77, 126 }, { 95, 118 }, { 99, 109 } });
    lay_path(w, { { 108, 101 }, { 130, 103 }, { 150, 100 }, { 170, 100 }, { 178, 97 } });
    lay_path(w, { { 99, 93 }, { 100, 76 }, { 108, 62 }, { 110, 54 } });
    lay_path(w, { { 90, 101 }, { 75, 100 }, { 62, 97 } });
    lay_path(w, { { 59, 95 }, { 52, 80 }, { 45, 66 }, { 41, 60 } });
    lay_path(w, { { 158, 100 }, { 160, 86 }, { 160, 62 }, { 161, 58 }, { 168, 44 } });
    lay_path(w, { { 77, 145 }, { 65, 158 }, { 55, 168 }, { 53, 172 } });
    lay_path(w, { { 77, 145 }, { 100, 152 }, { 120, 155 }, { 138, 158 } });
    lay_path(w, { { 110, 45 }, { 82, 40 }, { 56, 50 }, { 43, 56 } });
    lay_path(w, { { 119, 45 }, { 124, 40 }, { 140, 36 }, { 158, 40 }, { 168, 44 } });
    build_camp(w);
    build_village(w);
    build_ruins(w);
    build_woodcutters(w);
    for (Cell c : CHARACTERS)
        w.keep(c.x - 3, c.y - 3, c.x + 3, c.y + 3);
    place_boxes(w);
    grow_plants(w);
    open_ways(w);
    if (!check(w))
        return false;

    std::ofstream out(path);
    for (auto layer : { &w.ground, &w.obstacle, &w.object, &w.overhead }) {
        for (int x = 0; x < N; x++) {
            for (int y = 0; y < N; y++)
                out << (*layer)[x][y] << (y + 1 < N ? ' ' : '\n');
        }
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "make-media: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
