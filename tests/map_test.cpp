// The map layers: reading the map file, the edge tiles drawn where ground
// borders empty cells, the collision grid and the box count.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/game_state.h"
#include "support/test_support.h"
#include "world/world.h"

namespace {

const int CELLS = MAP_SIZE * MAP_SIZE;

// A value from -1 to 19 for value k of file block b, different for
// neighbouring cells and blocks.
int pattern(int block, int k) { return (k * 7 + block * 3) % 21 - 1; }

// `count` values of the pattern, block after block, with `separators` used
// in turn between them.
std::string map_text(int count, const std::string* separators, int separator_count)
{
    std::string text;
    for (int n = 0; n < count; n++) {
        text += std::to_string(pattern(n / CELLS, n % CELLS));
        text += separators[n % separator_count];
    }
    return text;
}

class MapFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_game_state();
        mkdir("Media", 0755);
    }

    // Loads the map and returns what it said on standard error.
    std::string load()
    {
        testing::internal::CaptureStderr();
        load_map();
        return testing::internal::GetCapturedStderr();
    }

    // Layer `layer` holds file block `block` for its first `cells` cells,
    // column by column, and -1 after them.
    void expect_block(int layer, int block, int cells)
    {
        int wrong = 0;
        for (int k = 0; k < CELLS; k++) {
            int expected = k < cells ? pattern(block, k) : TILE_EMPTY;
            if (map_layers[layer][k / MAP_SIZE][k % MAP_SIZE] != expected && wrong++ < 3)
                ADD_FAILURE() << "layer " << layer << " cell " << k / MAP_SIZE << ", " << k % MAP_SIZE;
        }
        EXPECT_EQ(wrong, 0);
    }

    ScratchDir scratch;
};

TEST_F(MapFile, WithoutAFileEveryCellIsEmptyAndBlocked)
{
    boxes_remaining = 9;
    std::string said = load();
    for (int layer = 0; layer < LAYER_COUNT; layer++)
        expect_block(layer, 0, 0);
    int blocked = 0;
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            blocked += collision_grid[x][y];
    EXPECT_EQ(blocked, CELLS);
    EXPECT_EQ(boxes_remaining, 0);
    EXPECT_NE(said.find("Media/map.dat"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST_F(MapFile, ReadingStopsForGoodAtTheFirstValueThatCannotBeRead)
{
    const struct {
        const char* text;
        std::vector<int> kept;
    } files[] = {
        {"", {}},
        {"4 -1 12 7.5 3 3 3\n", {4, -1, 12, 7}}, // the point cannot start a number
        {"3 99999999999 3\n", {3}},              // beyond an int
        {"25 -7 x 1", {25, -7}},                 // kept as they stand; the view copes
    };
    for (const auto& f : files) {
        write_file("Media/map.dat", f.text);
        std::string said = load();
        int filled = 0;
        for (int layer : {LAYER_GROUND, LAYER_OBSTACLE, LAYER_OBJECT, LAYER_OVERHEAD})
            for (int x = 0; x < MAP_SIZE; x++)
                for (int y = 0; y < MAP_SIZE; y++)
                    filled += map_layers[layer][x][y] != TILE_EMPTY;
        EXPECT_EQ(filled, (int)std::count_if(f.kept.begin(), f.kept.end(), [](int v) { return v != -1; }));
        for (size_t k = 0; k < f.kept.size(); k++)
            EXPECT_EQ(map_layers[LAYER_GROUND][0][k], f.kept[k]) << f.text;
        std::string stop = "value " + std::to_string(f.kept.size() + 1) + " ";
        EXPECT_NE(said.find(stop), std::string::npos) << said;
    }
}

TEST_F(MapFile, FortyThousandValuesFillTheGroundOnly)
{
    const std::string newline[] = {"\n"};
    write_file("Media/map.dat", map_text(CELLS, newline, 1));
    std::string said = load();
    expect_block(LAYER_GROUND, 0, CELLS);
    for (int layer : {LAYER_OBSTACLE, LAYER_OBJECT, LAYER_OVERHEAD})
        expect_block(layer, 0, 0);
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            ASSERT_EQ(collision_grid[x][y], map_layers[LAYER_GROUND][x][y] == TILE_EMPTY) << x << ", " << y;
    EXPECT_EQ(boxes_remaining, 0);
    EXPECT_NE(said.find("value 40001 "), std::string::npos) << said;
}

TEST_F(MapFile, ALetterAsTheFiftyThousandAndFirstValue)
{
    const std::string space[] = {" "};
    write_file("Media/map.dat", map_text(50000, space, 1) + "x 5 5 5\n");
    std::string said = load();
    expect_block(LAYER_GROUND, 0, CELLS);
    expect_block(LAYER_OBSTACLE, 1, 10000); // columns 0 to 49
    EXPECT_EQ(map_layers[LAYER_OBSTACLE][50][0], TILE_EMPTY);
    expect_block(LAYER_OBJECT, 0, 0);
    expect_block(LAYER_OVERHEAD, 0, 0);
    EXPECT_NE(said.find("value 50001 "), std::string::npos) << said;
}

TEST_F(MapFile, TabsAndLineBreaksSeparateAlikeAndExtraValuesAreIgnored)
{
    const std::string mixed[] = {"\t", "\r\n", " ", "\t\t\r\n"};
    write_file("Media/map.dat", map_text(4 * CELLS, mixed, 4) + "99999999999 x\r\n");
    std::string said = load();
    for (int block = 0; block < 4; block++)
        expect_block(block == 0 ? 0 : block + 1, block, CELLS);
    int ones = 0;
    for (int k = 0; k < CELLS; k++)
        ones += pattern(2, k) == BOX_TILE;
    EXPECT_EQ(boxes_remaining, ones);
    EXPECT_EQ(said, "");
}

class Layers : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_game_state();
        for (int layer = 0; layer < LAYER_COUNT; layer++)
            for (int x = 0; x < MAP_SIZE; x++)
                for (int y = 0; y < MAP_SIZE; y++)
                    map_layers[layer][x][y] = layer == LAYER_GROUND ? 0 : TILE_EMPTY;
    }
};

const int LEFT = 1, RIGHT = 2, ABOVE = 4, BELOW = 8;

TEST_F(Layers, EachSetOfOpenSidesGetsItsEdgeTile)
{
    struct {
        int open, tile;
    } const cases[] = {
        {0, TILE_EMPTY},
        {LEFT | RIGHT, 0},
        {ABOVE | BELOW, 1},
        {RIGHT, 2},
        {BELOW, 3},
        {LEFT, 4},
        {ABOVE, 5},
        {RIGHT | ABOVE, 6},
        {RIGHT | BELOW, 7},
        {LEFT | BELOW, 8},
        {LEFT | ABOVE, 9},
        {LEFT | RIGHT | ABOVE, 10},
        {RIGHT | ABOVE | BELOW, 11},
        {LEFT | RIGHT | BELOW, 12},
        {LEFT | ABOVE | BELOW, 13},
        {LEFT | RIGHT | ABOVE | BELOW, 14},
    };
    // One test cell per case, four columns apart on row 10, with every
    // diagonal neighbour empty: only the four sides count.
    for (int c = 0; c < 16; c++) {
        int x = 2 + 4 * c;
        for (int dx : {-1, 1})
            for (int dy : {-1, 1})
                map_layers[LAYER_GROUND][x + dx][10 + dy] = TILE_EMPTY;
        if (cases[c].open & LEFT)
            map_layers[LAYER_GROUND][x - 1][10] = TILE_EMPTY;
        if (cases[c].open & RIGHT)
            map_layers[LAYER_GROUND][x + 1][10] = TILE_EMPTY;
        if (cases[c].open & ABOVE)
            map_layers[LAYER_GROUND][x][9] = TILE_EMPTY;
        if (cases[c].open & BELOW)
            map_layers[LAYER_GROUND][x][11] = TILE_EMPTY;
    }
    map_layers[LAYER_EDGE][100][100] = 7; // stale; the pass rewrites the whole layer
    build_edge_layer();
    for (int c = 0; c < 16; c++)
        EXPECT_EQ(map_layers[LAYER_EDGE][2 + 4 * c][10], cases[c].tile) << "open sides " << cases[c].open;
    EXPECT_EQ(map_layers[LAYER_EDGE][100][100], TILE_EMPTY);
    EXPECT_EQ(map_layers[LAYER_EDGE][1][9], TILE_EMPTY) << "an empty cell gets no edge";
}

TEST_F(Layers, BeyondTheBorderCountsAsGround)
{
    map_layers[LAYER_GROUND][1][0] = TILE_EMPTY;      // right of the corner (0, 0)
    map_layers[LAYER_GROUND][199][50] = TILE_EMPTY;   // above (199, 51)
    map_layers[LAYER_GROUND][100][198] = TILE_EMPTY;  // above (100, 199)
    map_layers[LAYER_GROUND][198][199] = TILE_EMPTY;  // left of the corner (199, 199)
    build_edge_layer();
    EXPECT_EQ(map_layers[LAYER_EDGE][0][0], 2);
    EXPECT_EQ(map_layers[LAYER_EDGE][199][51], 5);
    EXPECT_EQ(map_layers[LAYER_EDGE][100][199], 5);
    EXPECT_EQ(map_layers[LAYER_EDGE][199][199], 4);
    EXPECT_EQ(map_layers[LAYER_EDGE][0][100], TILE_EMPTY);
    EXPECT_EQ(map_layers[LAYER_EDGE][50][0], TILE_EMPTY);
}

TEST_F(Layers, CollisionFollowsGroundObstaclesAndObjectsAndOnlyBoxesCount)
{
    map_layers[LAYER_GROUND][3][3] = TILE_EMPTY;
    map_layers[LAYER_GROUND][4][4] = 19;
    map_layers[LAYER_OBSTACLE][5][5] = 0;
    map_layers[LAYER_OBJECT][6][6] = 0;
    map_layers[LAYER_OBJECT][7][7] = BOX_TILE;
    map_layers[LAYER_OBJECT][8][8] = REPAIR_TILE;
    map_layers[LAYER_OBJECT][199][0] = BOX_TILE;
    map_layers[LAYER_EDGE][9][9] = 1;
    map_layers[LAYER_OVERHEAD][10][10] = BOX_TILE;
    map_layers[LAYER_OBSTACLE][11][11] = BOX_TILE;
    collision_grid[12][12] = 1; // stale; the pass rewrites the whole grid
    build_collision_grid();
    count_boxes();
    for (int x = 0; x < 13; x++)
        for (int y = 0; y < 13; y++) {
            bool blocks = x == y && (x == 3 || (x >= 5 && x <= 8) || x == 11);
            EXPECT_EQ(collision_grid[x][y], blocks ? 1 : 0) << x << ", " << y;
        }
    EXPECT_EQ(collision_grid[199][0], 1);
    EXPECT_EQ(boxes_remaining, 2);
}

} // namespace
