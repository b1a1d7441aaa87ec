// Reading the map file, and the collision grid and box count derived from it.
// The edge tiles are held against their images in the media test.
#include <sys/stat.h>

#include <algorithm>

#include "support/test_support.h"

namespace
{

const int CELLS = MAP_SIZE * MAP_SIZE;

class MapFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        mkdir("Media", 0755);
    }

    // A value from -1 to 19 for value k of file block b, different for
    // neighbouring cells and blocks.
    static int pattern(int block, int k) { return (k * 7 + block * 3) % 21 - 1; }

    // `count` values of the pattern, block after block, with `separators` used in turn between them.
    static std::string map_text(int count, const std::vector<std::string>& separators)
    {
        std::string text;
        for (int n = 0; n < count; n++)
            text += std::to_string(pattern(n / CELLS, n % CELLS)) + separators[n % separators.size()];
        return text;
    }

    // Writes the map file (unless null), loads it and returns what loading said on standard error.
    static std::string load(const char* text)
    {
        if (text != nullptr)
            write_file("Media/map.dat", text);
        return stderr_of(load_map);
    }

    ScratchDir scratch;
};

TEST_F(MapFile, WithoutAFileEveryCellIsEmptyAndBlocked)
{
    boxes_remaining = 9;
    const std::string said = load(nullptr);
    EXPECT_EQ(std::count(&map_layers[0][0][0], &map_layers[0][0][0] + LAYER_COUNT * CELLS, TILE_EMPTY),
        LAYER_COUNT * CELLS);
    EXPECT_EQ(std::count(&collision_grid[0][0], &collision_grid[0][0] + CELLS, 1), CELLS);
    EXPECT_EQ(boxes_remaining, 0);
    EXPECT_NE(said.find("Media/map.dat"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST_F(MapFile, ReadingStopsForGoodAtTheFirstValueThatCannotBeRead)
{
    const struct {
        const char* text;
        Ints kept;
    } files[] = {
        { "", {} }, { "4 -1 12 7.5 3 3 3\n", { 4, -1, 12, 7 } }, // the point cannot start a number
        { "3 99999999999 3\n", { 3 } }, // beyond an int
        { "25 -7 x 1", { 25, -7 } }, // kept as they stand; the view copes
    };
    for (const auto& f : files) {
        const std::string said = load(f.text);
        int filled = 0;
        for (int layer : MAP_FILE_LAYERS)
            filled
                += CELLS - std::count(&map_layers[layer][0][0], &map_layers[layer][0][0] + CELLS, TILE_EMPTY);
        EXPECT_EQ(filled, std::count_if(f.kept.begin(), f.kept.end(), [](int v) { return v != -1; }))
            << f.text;
        EXPECT_EQ(Ints(map_layers[LAYER_GROUND][0], map_layers[LAYER_GROUND][0] + f.kept.size()), f.kept);
        EXPECT_NE(said.find("value " + std::to_string(f.kept.size() + 1) + " "), std::string::npos) << said;
    }
}

TEST_F(MapFile, ValuesFillTheBlocksColumnByColumnWhateverSeparatesThem)
{
    // The file, how many cells of each block it fills, and what loading says.
    const struct {
        std::string text;
        int cells[4];
        const char* said;
    } files[] = {
        { map_text(CELLS, { "\n" }), { CELLS, 0, 0, 0 }, "value 40001 " },
        { map_text(50000, { " " }) + "x 5 5 5\n", { CELLS, 10000, 0, 0 }, "value 50001 " }, // columns 0 to 49
        { map_text(4 * CELLS, { "\t", "\r\n", " ", "\t\t\r\n" }) + "99999999999 x\r\n",
            { CELLS, CELLS, CELLS, CELLS }, "" },
    };
    for (const auto& f : files) {
        const std::string said = load(f.text.c_str());
        int wrong = 0, boxes = 0, wrong_grid = 0;
        for (int b = 0; b < 4; b++)
            for (int k = 0; k < CELLS; k++) {
                const int expected = k < f.cells[b] ? pattern(b, k) : TILE_EMPTY;
                wrong += map_layers[MAP_FILE_LAYERS[b]][k / MAP_SIZE][k % MAP_SIZE] != expected;
                boxes += b == 2 && expected == BOX_TILE;
            }
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                wrong_grid += collision_grid[x][y]
                    != (map_layers[0][x][y] == -1 || map_layers[2][x][y] != -1 || map_layers[3][x][y] != -1);
        EXPECT_EQ(Ints({ wrong, wrong_grid, boxes_remaining }), Ints({ 0, 0, boxes })) << f.said;
        EXPECT_TRUE(*f.said ? said.find(f.said) != std::string::npos : said.empty()) << said;
    }
}

} // namespace
