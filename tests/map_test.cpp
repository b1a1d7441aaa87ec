// Reading the map file, and the collision grid and box count derived from it.
// The edge tiles are held against their images in the media test.

#include <algorithm>

#include "shell/system.h"
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
        make_folder("Media");
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

    // Boxes in the map's corners count too.
    map_layers[LAYER_OBJECT][0][0] = map_layers[LAYER_OBJECT][MAP_SIZE - 1][MAP_SIZE - 1] = BOX_TILE;
    count_boxes();
    EXPECT_EQ(boxes_remaining, 2);
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

} // namespace
