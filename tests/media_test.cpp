// The generated media in the build's Media folder: the sheets' sizes and
// where they are transparent, the font's glyphs, and the map's rules (values,
// the sea around it, room for the start and the characters, the boxes' lids,
// a repair station in sight of the start, everything reachable on foot).
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <queue>
#include <string>
#include <vector>

#include "render/render.h"
#include "shell/game_state.h"
#include "support/test_support.h"

namespace
{

std::string media(const std::string& name)
{
    return build_dir() + "/Media/" + name;
}

class MediaImages : public ::testing::Test
{
protected:
    void SetUp() override { open_test_screen(); }
    void TearDown() override
    {
        for (SDL_Surface* s : loaded)
            SDL_FreeSurface(s);
    }

    // An image as the game holds it: 16-bit, with the key set.
    SDL_Surface* sheet(const std::string& name)
    {
        SDL_Surface* s = load_image(media(name).c_str());
        if (s != nullptr)
            loaded.push_back(s);
        return s;
    }

    static bool is_key(SDL_Surface* s, int x, int y)
    {
        return pixel16(s, x, y) == (Uint16)SDL_MapRGB(s->format, 0, 0xFF, 0xFF);
    }

    static int opaque_count(SDL_Surface* s, int x0, int y0, int w, int h)
    {
        int n = 0;
        for (int y = y0; y < y0 + h; y++)
            for (int x = x0; x < x0 + w; x++)
                n += !is_key(s, x, y);
        return n;
    }

    static int differing_pixels(SDL_Surface* s, int ax, int ay, int bx, int by, int w, int h)
    {
        int n = 0;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
                n += pixel16(s, ax + x, ay + y) != pixel16(s, bx + x, by + y);
        return n;
    }

    std::vector<SDL_Surface*> loaded;
};

const char* const IMAGES[] = { "charecterset.png", "font.png", "textwindow.png", "tallwindow.png",
    "tileset0.png", "tileset1.png", "tileset2.png", "tileset3.png", "tileset4.png" };

TEST_F(MediaImages, SheetsHaveTheLayoutTheClipTablesCut)
{
    const struct {
        const char* name;
        int w, h;
    } sizes[] = { { "charecterset.png", 160, 320 }, { "font.png", 570, 10 }, { "tileset0.png", 400, 20 },
        { "tileset1.png", 400, 20 }, { "tileset2.png", 400, 20 }, { "tileset3.png", 400, 20 },
        { "tileset4.png", 400, 20 } };
    for (const auto& s : sizes) {
        SDL_Surface* image = sheet(s.name);
        ASSERT_NE(image, nullptr) << s.name;
        EXPECT_EQ(image->w, s.w) << s.name;
        EXPECT_EQ(image->h, s.h) << s.name;
    }
    // The wide window spans the screen and holds two text lines (down to
    // 26 px below its top) without running past the screen's bottom from
    // y 209; the tall one holds its rows from (243, 35) to the box counter.
    SDL_Surface* wide = sheet("textwindow.png");
    SDL_Surface* tall = sheet("tallwindow.png");
    ASSERT_NE(wide, nullptr);
    ASSERT_NE(tall, nullptr);
    EXPECT_EQ(wide->w, 320);
    EXPECT_GE(wide->h, 27);
    EXPECT_LE(wide->h, 31);
    EXPECT_GE(tall->w, 72);
    EXPECT_LE(238 + tall->w, 320);
    EXPECT_GE(tall->h, 148);
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
                const Uint8* p = (const Uint8*)raw->pixels + y * raw->pitch + x * raw->format->BytesPerPixel;
                std::memcpy(&value, p, raw->format->BytesPerPixel);
                Uint8 r, g, b;
                SDL_GetRGB(value, raw->format, &r, &g, &b);
                bool key = r == 0 && g == 255 && b == 255;
                clashes += !key && r < 8 && g >= 252 && b >= 248;
            }
        SDL_UnlockSurface(raw);
        SDL_FreeSurface(raw);
        EXPECT_EQ(clashes, 0) << name;
    }
}

TEST_F(MediaImages, GroundCoversItsCellAndTheWaterMoves)
{
    SDL_Surface* ground = sheet("tileset0.png");
    ASSERT_NE(ground, nullptr);
    // The screen is never cleared: every ground tile must cover its cell.
    for (int t = 0; t < 20; t++)
        EXPECT_EQ(opaque_count(ground, 20 * t, 0, 20, 20), 400) << "ground tile " << t;
    EXPECT_GT(differing_pixels(ground, 0, 0, 20, 0, 20, 20), 20) << "the two water frames";
}

TEST_F(MediaImages, EdgeTilesRimExactlyTheirOpenSides)
{
    SDL_Surface* edges = sheet("tileset1.png");
    ASSERT_NE(edges, nullptr);
    // Open sides (left, right, above, below) of edge tiles 0 to 14.
    const bool open[15][4] = { { 1, 1, 0, 0 }, { 0, 0, 1, 1 }, { 0, 1, 0, 0 }, { 0, 0, 0, 1 }, { 1, 0, 0, 0 },
        { 0, 0, 1, 0 }, { 0, 1, 1, 0 }, { 0, 1, 0, 1 }, { 1, 0, 0, 1 }, { 1, 0, 1, 0 }, { 1, 1, 1, 0 },
        { 0, 1, 1, 1 }, { 1, 1, 0, 1 }, { 1, 0, 1, 1 }, { 1, 1, 1, 1 } };
    for (int t = 0; t < 15; t++) {
        int x0 = 20 * t;
        EXPECT_TRUE(is_key(edges, x0 + 10, 10)) << "the ground shows through tile " << t;
        EXPECT_EQ(!is_key(edges, x0, 10), open[t][0]) << "left side of tile " << t;
        EXPECT_EQ(!is_key(edges, x0 + 19, 10), open[t][1]) << "right side of tile " << t;
        EXPECT_EQ(!is_key(edges, x0 + 10, 0), open[t][2]) << "top side of tile " << t;
        EXPECT_EQ(!is_key(edges, x0 + 10, 19), open[t][3]) << "bottom side of tile " << t;
    }
}

TEST_F(MediaImages, BoxAndRepairStationStandOverTwoCells)
{
    SDL_Surface* objects = sheet("tileset3.png");
    SDL_Surface* overhead = sheet("tileset4.png");
    ASSERT_NE(objects, nullptr);
    ASSERT_NE(overhead, nullptr);
    for (int t : { BOX_TILE, REPAIR_TILE }) {
        EXPECT_GT(opaque_count(objects, 20 * t, 0, 20, 20), 150) << "object " << t;
        EXPECT_LT(opaque_count(objects, 20 * t, 0, 20, 20), 400) << "object " << t << " is cut out";
        EXPECT_LT(opaque_count(overhead, 20 * t, 0, 20, 20), 400) << "top " << t << " is cut out";
        // The upper half ends where the lower half begins.
        int joined = 0;
        for (int x = 0; x < 20; x++)
            joined += !is_key(overhead, 20 * t + x, 19) && !is_key(objects, 20 * t + x, 0);
        EXPECT_GE(joined, 10) << "halves of object " << t;
    }
}

TEST_F(MediaImages, CharactersWalkAndDifferFromEachOther)
{
    SDL_Surface* sprites = sheet("charecterset.png");
    ASSERT_NE(sprites, nullptr);
    for (int frame = 0; frame < 64; frame++) {
        int x0 = 20 * (frame % 8), y0 = 40 * (frame / 8);
        EXPECT_GT(opaque_count(sprites, x0, y0, 20, 40), 150) << "frame " << frame;
        EXPECT_TRUE(is_key(sprites, x0, y0) && is_key(sprites, x0 + 19, y0)) << "frame " << frame;
        // Feet stand at the anchor's probes, 30 px below the frame's top.
        EXPECT_GT(opaque_count(sprites, x0, y0 + 33, 20, 4), 0) << "frame " << frame;
        if (frame % 2 == 1) {
            EXPECT_GT(differing_pixels(sprites, x0 - 20, y0, x0, y0, 20, 40), 8)
                << "steps of frame " << frame;
        }
    }
    for (int a = 0; a < 8; a++)
        for (int b = a + 1; b < 8; b++)
            EXPECT_GT(differing_pixels(sprites, 0, 40 * a, 0, 40 * b, 20, 40), 100)
                << "rows " << a << ", " << b;
}

TEST_F(MediaImages, EveryGlyphIsDistinctAndTheSpaceIsBlank)
{
    SDL_Surface* font = sheet("font.png");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(opaque_count(font, 0, 0, 6, 10), 0);
    for (int g = 1; g < 95; g++) {
        EXPECT_GT(opaque_count(font, 6 * g, 0, 6, 10), 0) << "glyph " << g;
        EXPECT_LT(opaque_count(font, 6 * g, 0, 6, 10), 60) << "glyph " << g << " shows the key around it";
        for (int h = 0; h < g; h++)
            EXPECT_GT(differing_pixels(font, 6 * g, 0, 6 * h, 0, 6, 10), 0)
                << "'" << (char)(32 + g) << "' and '" << (char)(32 + h) << "'";
    }
}

TEST_F(MediaImages, WindowsHaveCutCornersAndSolidInsides)
{
    for (const char* name : { "textwindow.png", "tallwindow.png" }) {
        SDL_Surface* w = sheet(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(is_key(w, 0, 0) && is_key(w, w->w - 1, 0) && is_key(w, 0, w->h - 1)
            && is_key(w, w->w - 1, w->h - 1))
            << name;
        EXPECT_EQ(opaque_count(w, 4, 4, w->w - 8, w->h - 8), (w->w - 8) * (w->h - 8)) << name;
    }
}

// The map file read by hand: four blocks of 200 columns of 200 values.
struct MapFile {
    std::vector<int> values;
    bool trailing_junk = false;

    int at(int block, int x, int y) const { return values[(size_t)(block * 40000 + x * 200 + y)]; }
    int ground(int x, int y) const { return at(0, x, y); }
    int over(int x, int y) const { return at(3, x, y); }
    bool walkable(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < 200 && y < 200 && at(0, x, y) != -1 && at(1, x, y) == -1
            && at(2, x, y) == -1;
    }
    bool walkable_at(int px, int py) const { return walkable(px / 20, py / 20); }
    int object(int x, int y) const { return at(2, x, y); }
};

class MediaMap : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        map = new MapFile;
        std::ifstream in(media("map.dat"));
        int v;
        while (in >> v)
            map->values.push_back(v);
        map->trailing_junk = !in.eof();
    }
    static void TearDownTestSuite() { delete map; }

    // Cells reached on foot from the player's start.
    static std::vector<std::vector<char>> reach()
    {
        std::vector<std::vector<char>> seen(200, std::vector<char>(200, 0));
        std::queue<std::pair<int, int>> q;
        q.push({ 1541 / 20, 2909 / 20 });
        seen[1541 / 20][2909 / 20] = 1;
        while (!q.empty()) {
            auto [x, y] = q.front();
            q.pop();
            const int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
            for (int k = 0; k < 4; k++)
                if (map->walkable(x + dx[k], y + dy[k]) && !seen[x + dx[k]][y + dy[k]]) {
                    seen[x + dx[k]][y + dy[k]] = 1;
                    q.push({ x + dx[k], y + dy[k] });
                }
        }
        return seen;
    }

    static MapFile* map;
};

MapFile* MediaMap::map = nullptr;

const int STARTS[8][2] = { { 1541, 2909 }, { 3409, 2115 }, { 1194, 1952 }, { 1072, 3449 }, { 1985, 2038 },
    { 808, 1146 }, { 2214, 908 }, { 3590, 1929 } };

TEST_F(MediaMap, HoldsFourFullLayersOfTileNumbers)
{
    ASSERT_EQ(map->values.size(), 160000u);
    EXPECT_FALSE(map->trailing_junk);
    int out_of_range = 0, filler_as_ground = 0;
    for (int v : map->values)
        out_of_range += v < -1 || v > 19;
    for (int x = 0; x < 200; x++)
        for (int y = 0; y < 200; y++)
            filler_as_ground += map->ground(x, y) == 0 || map->ground(x, y) == 1;
    EXPECT_EQ(out_of_range, 0);
    EXPECT_EQ(filler_as_ground, 0) << "the water frames would look like water and walk like land";
}

TEST_F(MediaMap, TheBorderBlocksAndEveryoneStartsWithRoomToWalk)
{
    ASSERT_EQ(map->values.size(), 160000u);
    for (int i = 0; i < 200; i++) {
        EXPECT_FALSE(map->walkable(i, 0)) << "top border at " << i;
        EXPECT_FALSE(map->walkable(i, 199)) << "bottom border at " << i;
        EXPECT_FALSE(map->walkable(0, i)) << "left border at " << i;
        EXPECT_FALSE(map->walkable(199, i)) << "right border at " << i;
    }
    for (const auto& s : STARTS) {
        int x = s[0], y = s[1];
        EXPECT_TRUE(map->walkable_at(x - 8, y) && map->walkable_at(x + 8, y) && map->walkable_at(x, y - 4)
            && map->walkable_at(x, y + 6))
            << "probes at (" << x << ", " << y << ")";
        for (int dx = -2; dx <= 2; dx++)
            for (int dy = -2; dy <= 2; dy++)
                EXPECT_TRUE(map->walkable(x / 20 + dx, y / 20 + dy))
                    << "room around (" << x << ", " << y << ") at cell offset " << dx << ", " << dy;
    }
}

TEST_F(MediaMap, BoxesHaveLidsAndARepairStationIsInSightOfTheStart)
{
    ASSERT_EQ(map->values.size(), 160000u);
    int boxes = 0, stations = 0, stations_in_sight = 0;
    for (int x = 0; x < 200; x++)
        for (int y = 0; y < 200; y++) {
            if (map->object(x, y) == BOX_TILE) {
                boxes++;
                ASSERT_GT(y, 0);
                EXPECT_EQ(map->over(x, y - 1), BOX_TILE) << "lid of the box at " << x << ", " << y;
            }
            if (map->object(x, y) == REPAIR_TILE) {
                stations++;
                // The first screen: camera (1381, 2789), 320 x 240.
                stations_in_sight += 20 * x >= 1381 && 20 * x + 19 < 1381 + 320 && 20 * y >= 2789
                    && 20 * y + 19 < 2789 + 240;
            }
            if (map->over(x, y) == BOX_TILE) {
                EXPECT_TRUE(y + 1 < 200 && map->object(x, y + 1) == BOX_TILE)
                    << "stray lid at " << x << ", " << y;
            }
        }
    EXPECT_GE(boxes, 12);
    EXPECT_LE(boxes, 30);
    EXPECT_GE(stations, 1);
    EXPECT_GE(stations_in_sight, 1);
}

TEST_F(MediaMap, EveryBoxStationAndCharacterCanBeReachedOnFoot)
{
    ASSERT_EQ(map->values.size(), 160000u);
    auto seen = reach();
    auto beside = [&](int x, int y) {
        const int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
        for (int k = 0; k < 4; k++) {
            int nx = x + dx[k], ny = y + dy[k];
            if (nx >= 0 && ny >= 0 && nx < 200 && ny < 200 && seen[nx][ny])
                return true;
        }
        return false;
    };
    for (int x = 0; x < 200; x++)
        for (int y = 0; y < 200; y++)
            if (map->object(x, y) == BOX_TILE || map->object(x, y) == REPAIR_TILE) {
                EXPECT_TRUE(beside(x, y)) << "object " << map->object(x, y) << " at " << x << ", " << y;
            }
    for (const auto& s : STARTS)
        EXPECT_TRUE(seen[s[0] / 20][s[1] / 20]) << "character at " << s[0] << ", " << s[1];
}

TEST(MediaGenerator, WritesTheSameBytesOnEveryRun)
{
    ScratchDir scratch;
    std::string command = "'" + build_dir() + "/tools/make-media' '" + scratch.path() + "/Media' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : IMAGES)
        EXPECT_TRUE(read_file(scratch.path() + "/Media/" + name) == read_file(media(name))) << name;
    EXPECT_TRUE(read_file(scratch.path() + "/Media/map.dat") == read_file(media("map.dat")));
}

} // namespace
