// The media in the build's Media folder: the sheets' sizes and where they are
// transparent, the font's glyphs, and the shipped map held to the map checks.
#include <SDL_image.h>

#include "map/map_checks.h"
#include "map/map_file.h"
#include "support/test_support.h"

namespace
{

const char* const IMAGES[] = { "charecterset.png", "font.png", "textwindow.png", "tallwindow.png",
    "tileset0.png", "tileset1.png", "tileset2.png", "tileset3.png", "tileset4.png" };
enum { CHARACTERS, FONT, TEXT_WINDOW, TALL_WINDOW, GROUND, EDGES, OBSTACLES, OBJECTS, OVERHEAD };

std::string media(const std::string& name)
{
    return std::string(RPG_BUILD_DIR) + "/Media/" + name;
}

class MediaImages : public ::testing::Test
{
protected:
    // The nine images as the game holds them: 16-bit, with the key set.
    void SetUp() override
    {
        open_test_screen();
        for (const char* name : IMAGES) {
            sheets.push_back(load_image(media(name).c_str()));
            ASSERT_NE(sheets.back(), nullptr) << name;
        }
    }
    void TearDown() override
    {
        for (SDL_Surface* s : sheets)
            SDL_FreeSurface(s);
    }

    bool is_key(int sheet, int x, int y)
    {
        return pixel16(sheets[sheet], x, y) == (Uint16)SDL_MapRGB(sheets[sheet]->format, 0, 0xFF, 0xFF);
    }

    int opaque_count(int sheet, int x0, int y0, int w, int h)
    {
        int n = 0;
        for (int y = y0; y < y0 + h; y++)
            for (int x = x0; x < x0 + w; x++)
                n += !is_key(sheet, x, y);
        return n;
    }

    int differing_pixels(int sheet, int ax, int ay, int bx, int by, int w, int h)
    {
        int n = 0;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                n += pixel16(sheets[sheet], ax + x, ay + y) != pixel16(sheets[sheet], bx + x, by + y);
        return n;
    }

    std::vector<SDL_Surface*> sheets;
};

TEST_F(MediaImages, SheetsHaveTheLayoutTheClipTablesCut)
{
    const int sizes[][2] = { { 160, 320 }, { 570, 10 }, { 0, 0 }, { 0, 0 }, { 400, 20 }, { 400, 20 },
        { 400, 20 }, { 400, 20 }, { 400, 20 } };
    for (int i = 0; i < 9; i++) {
        EXPECT_TRUE(sizes[i][0] == 0 || (sheets[i]->w == sizes[i][0] && sheets[i]->h == sizes[i][1]))
            << IMAGES[i];
    }
    // The wide window spans the screen and holds two text lines (down to
    // 26 px below its top) without running past the screen's bottom from
    // y 209; the tall one holds its rows from (243, 35) to the box counter.
    SDL_Surface* wide = sheets[TEXT_WINDOW];
    SDL_Surface* tall = sheets[TALL_WINDOW];
    EXPECT_TRUE(wide->w == 320 && wide->h >= 27 && wide->h <= 31) << wide->w << " x " << wide->h;
    EXPECT_TRUE(tall->w >= 72 && 238 + tall->w <= 320 && tall->h >= 148) << tall->w << " x " << tall->h;
}

TEST_F(MediaImages, NoOpaqueColourTurnsIntoTheKeyAtSixteenBits)
{
    for (const char* name : IMAGES) {
        SDL_Surface* raw = IMG_Load(media(name).c_str());
        ASSERT_NE(raw, nullptr) << name;
        SDL_LockSurface(raw);
        int clashes = 0;
        for (int y = 0; y < raw->h; y++)
            for (int x = 0; x < raw->w; x++) {
                Uint32 value = 0;
                std::memcpy(&value,
                    (const Uint8*)raw->pixels + y * raw->pitch + x * raw->format->BytesPerPixel,
                    raw->format->BytesPerPixel);
                Uint8 r, g, b;
                SDL_GetRGB(value, raw->format, &r, &g, &b);
                clashes += !(r == 0 && g == 255 && b == 255) && r < 8 && g >= 252 && b >= 248;
            }
        SDL_UnlockSurface(raw);
        SDL_FreeSurface(raw);
        EXPECT_EQ(clashes, 0) << name;
    }
}

TEST_F(MediaImages, TilesAndWindowsAreTransparentExactlyWhereMeant)
{
    // The screen is never cleared: every ground tile must cover its cell.
    for (int t = 0; t < 20; t++)
        EXPECT_EQ(opaque_count(GROUND, 20 * t, 0, 20, 20), 400) << "ground tile " << t;
    EXPECT_GT(differing_pixels(GROUND, 0, 0, 20, 0, 20, 20), 20) << "the two water frames";

    // Open sides of edge tiles 0 to 14, as bits: 1 left, 2 right, 4 above, 8 below.
    const int open[15] = { 3, 12, 2, 8, 1, 4, 6, 10, 9, 5, 7, 14, 11, 13, 15 };
    for (int t = 0; t < 15; t++) {
        const int x = 20 * t;
        EXPECT_TRUE(is_key(EDGES, x + 10, 10)) << "the ground shows through tile " << t;
        const int rimmed = (!is_key(EDGES, x, 10)) | (!is_key(EDGES, x + 19, 10) << 1)
            | (!is_key(EDGES, x + 10, 0) << 2) | (!is_key(EDGES, x + 10, 19) << 3);
        EXPECT_EQ(rimmed, open[t]) << "rimmed sides of tile " << t;
    }

    // The box and the repair station are cut out, their upper half ending
    // where the lower half begins.
    for (int t : { BOX_TILE, REPAIR_TILE }) {
        const int lower = opaque_count(OBJECTS, 20 * t, 0, 20, 20);
        EXPECT_TRUE(lower > 150 && lower < 400 && opaque_count(OVERHEAD, 20 * t, 0, 20, 20) < 400) << t;
        int joined = 0;
        for (int x = 0; x < 20; x++)
            joined += !is_key(OVERHEAD, 20 * t + x, 19) && !is_key(OBJECTS, 20 * t + x, 0);
        EXPECT_GE(joined, 10) << "halves of object " << t;
    }

    // The windows have cut corners and solid insides.
    for (int i : { TEXT_WINDOW, TALL_WINDOW }) {
        const int w = sheets[i]->w, h = sheets[i]->h;
        EXPECT_TRUE(is_key(i, 0, 0) && is_key(i, w - 1, 0) && is_key(i, 0, h - 1) && is_key(i, w - 1, h - 1))
            << IMAGES[i];
        EXPECT_EQ(opaque_count(i, 4, 4, w - 8, h - 8), (w - 8) * (h - 8)) << IMAGES[i];
    }
}

TEST_F(MediaImages, CharactersWalkAndDifferFromEachOther)
{
    for (int frame = 0; frame < 64; frame++) {
        const int x = 20 * (frame % 8), y = 40 * (frame / 8);
        EXPECT_GT(opaque_count(CHARACTERS, x, y, 20, 40), 150) << "frame " << frame;
        EXPECT_TRUE(is_key(CHARACTERS, x, y) && is_key(CHARACTERS, x + 19, y)) << "frame " << frame;
        // Feet stand at the anchor's probes, 30 px below the frame's top.
        EXPECT_GT(opaque_count(CHARACTERS, x, y + 33, 20, 4), 0) << "frame " << frame;
        EXPECT_GT(frame % 2 ? differing_pixels(CHARACTERS, x - 20, y, x, y, 20, 40) : 9, 8)
            << "steps of " << frame;
    }
    for (int a = 0; a < 8; a++)
        for (int b = a + 1; b < 8; b++)
            EXPECT_GT(differing_pixels(CHARACTERS, 0, 40 * a, 0, 40 * b, 20, 40), 100)
                << "rows " << a << ", " << b;
}

TEST_F(MediaImages, EveryGlyphIsDistinctAndTheSpaceIsBlank)
{
    EXPECT_EQ(opaque_count(FONT, 0, 0, 6, 10), 0);
    for (int g = 1; g < 95; g++) {
        const int opaque = opaque_count(FONT, 6 * g, 0, 6, 10);
        EXPECT_TRUE(opaque > 0 && opaque < 60) << "glyph " << g << " shows the key around it";
        for (int h = 0; h < g; h++)
            EXPECT_GT(differing_pixels(FONT, 6 * g, 0, 6 * h, 0, 6, 10), 0)
                << "'" << (char)(32 + g) << "' and '" << (char)(32 + h) << "'";
    }
}

// The shipped map, copied into Media/ by the build, keeps every rule of the
// map checks that the editor runs on each save.
TEST(MediaMap, TheShippedMapReadsCleanlyAndKeepsEveryRule)
{
    reset_game_state();
    std::string problem;
    ASSERT_TRUE(read_game_map(media("map.dat"), problem)) << problem;
    const std::vector<MapFinding> found = check_map();
    EXPECT_EQ(summarise(found), "map checks passed");
}

} // namespace
