// The media in the build's Media folder: the ground tiles, the edge tiles'
// rims, the character rows and the font's glyphs. The scenarios' screens show
// the rest of what the game draws.
#include <algorithm>

#include "support/test_support.h"

namespace
{

std::string media(const std::string& name)
{
    return std::string(RPG_BUILD_DIR) + "/Media/" + name;
}

class MediaImages : public ::testing::Test
{
protected:
    // The nine images loaded into the game's surfaces: 16-bit, with the key set.
    void SetUp() override
    {
        open_test_screen();
        for (const ImageFile& image : IMAGE_FILES) {
            *image.surface = load_image(media(image.name).c_str());
            ASSERT_NE(*image.surface, nullptr) << image.name;
        }
    }
    void TearDown() override
    {
        for (const ImageFile& image : IMAGE_FILES) {
            SDL_FreeSurface(*image.surface);
            *image.surface = nullptr;
        }
    }

    static bool is_key(SDL_Surface* sheet, int x, int y)
    {
        return pixel16(sheet, x, y) == (Uint16)SDL_MapRGB(sheet->format, 0, 0xFF, 0xFF);
    }

    static int opaque_count(SDL_Surface* sheet, int x0, int y0, int w, int h)
    {
        int n = 0;
        for (int y = y0; y < y0 + h; y++)
            for (int x = x0; x < x0 + w; x++)
                n += !is_key(sheet, x, y);
        return n;
    }

    static int differing_pixels(SDL_Surface* sheet, int ax, int ay, int bx, int by, int w, int h)
    {
        int n = 0;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                n += pixel16(sheet, ax + x, ay + y) != pixel16(sheet, bx + x, by + y);
        return n;
    }
};

// The screen is never cleared: every ground tile must cover its cell, the
// ones the map does not use yet too.
TEST_F(MediaImages, GroundTilesCoverTheirCellsAndTheWaterMoves)
{
    for (int t = 0; t < 20; t++)
        EXPECT_EQ(opaque_count(tileset0, 20 * t, 0, 20, 20), 400) << "ground tile " << t;
    EXPECT_GT(differing_pixels(tileset0, 0, 0, 20, 0, 20, 20), 20) << "the two water frames";
}

// The edge pass gives a cell the tile whose rim lies on exactly the sides
// where its neighbours have no ground; beyond the map counts as ground.
TEST_F(MediaImages, EachCellsEdgeTileIsRimmedWhereItsGroundEnds)
{
    reset_game_state();
    for (int open = 0; open < 16; open++) { // bits: 1 left, 2 right, 4 above, 8 below
        fill_map(0);
        map_layers[LAYER_GROUND][9][10] = open & 1 ? TILE_EMPTY : 0;
        map_layers[LAYER_GROUND][11][10] = open & 2 ? TILE_EMPTY : 0;
        map_layers[LAYER_GROUND][10][9] = open & 4 ? TILE_EMPTY : 0;
        map_layers[LAYER_GROUND][10][11] = open & 8 ? TILE_EMPTY : 0;
        build_edge_layer();
        const int t = map_layers[LAYER_EDGE][10][10], x = 20 * t;
        if (open == 0) {
            EXPECT_EQ(t, TILE_EMPTY) << "ground all round";
            continue;
        }
        ASSERT_TRUE(t >= 0 && t < TILES_PER_SHEET) << "open sides " << open << ": tile " << t;
        EXPECT_TRUE(is_key(tileset1, x + 10, 10)) << "the ground shows through tile " << t;
        const int rimmed = (!is_key(tileset1, x, 10)) | (!is_key(tileset1, x + 19, 10) << 1)
            | (!is_key(tileset1, x + 10, 0) << 2) | (!is_key(tileset1, x + 10, 19) << 3);
        EXPECT_EQ(rimmed, open) << "rimmed sides of tile " << t;
    }
    // One hole in ground that reaches the map's borders, with a stale edge
    // in it: only its four neighbours get an edge.
    fill_map(0);
    map_layers[LAYER_GROUND][0][5] = TILE_EMPTY;
    map_layers[LAYER_EDGE][0][5] = 3;
    build_edge_layer();
    const int* edges = &map_layers[LAYER_EDGE][0][0];
    EXPECT_EQ(MAP_SIZE * MAP_SIZE - std::count(edges, edges + MAP_SIZE * MAP_SIZE, TILE_EMPTY), 3)
        << "(0, 5) has three neighbours on the map";
}

// Walking frames of the characters seen in the scenarios are held by their
// screens; every row must still be a character of its own.
TEST_F(MediaImages, EveryCharacterLooksDifferent)
{
    for (int a = 0; a < 8; a++)
        for (int b = a + 1; b < 8; b++)
            EXPECT_GT(differing_pixels(charset, 0, 40 * a, 0, 40 * b, 20, 40), 100)
                << "rows " << a << ", " << b;
}

TEST_F(MediaImages, EveryGlyphIsDistinctAndTheSpaceIsBlank)
{
    EXPECT_EQ(opaque_count(font_image, 0, 0, 6, 10), 0);
    for (int g = 1; g < 95; g++) {
        const int opaque = opaque_count(font_image, 6 * g, 0, 6, 10);
        EXPECT_TRUE(opaque > 0 && opaque < 60) << "glyph " << g << " shows the key around it";
        for (int h = 0; h < g; h++)
            EXPECT_GT(differing_pixels(font_image, 6 * g, 0, 6 * h, 0, 6, 10), 0)
                << "'" << (char)(32 + g) << "' and '" << (char)(32 + h) << "'";
    }
}

} // namespace
