// The map editor's work without a window: strokes with undo and redo, the
// five-layer file and the game's map file written and read back, the messages
// for broken files, the map checks on broken maps, writes that fail, and the
// drawing of bad cells and of a layer whose sheet is missing.
#include <unistd.h>

#include <filesystem>

#include "editor/editor_view.h"
#include "editor/map_edit.h"
#include "map/map_checks.h"
#include "map/map_file.h"
#include "shell/system.h"
#include "support/test_support.h"

namespace
{

const int CELLS = MAP_SIZE * MAP_SIZE;

std::vector<int> all_layers()
{
    return std::vector<int>(&map_layers[0][0][0], &map_layers[0][0][0] + LAYER_COUNT * CELLS);
}

// A value from -1 to 19 for cell (x, y) of a layer, varied enough that a
// swapped layer, column or row shows.
int pattern(int layer, int x, int y)
{
    return (x * 7 + y * 3 + layer * 5) % 21 - 1;
}

void fill_pattern()
{
    for (int layer = 0; layer < LAYER_COUNT; layer++)
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                map_layers[layer][x][y] = pattern(layer, x, y);
}

class Editing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        fill_map(2);
    }
};

TEST_F(Editing, StrokesUndoAndRedoAsWholesAndGroundRedrawsItsShore)
{
    MapEdit edit;
    const std::vector<int> start = all_layers();
    edit.begin_stroke();
    edit.set_cell(LAYER_OBSTACLE, 5, 5, 4);
    edit.set_cell(LAYER_OBSTACLE, 6, 5, 4);
    edit.set_cell(LAYER_OBSTACLE, 6, 5, 4); // no change: not recorded twice
    edit.set_cell(LAYER_OBSTACLE, 200, 5, 4); // off the map: ignored
    edit.end_stroke();
    const std::vector<int> after_first = all_layers();
    // A pond dug in one stroke: the edge layer follows at once.
    edit.begin_stroke();
    edit.set_cell(LAYER_GROUND, 10, 10, TILE_EMPTY);
    edit.set_cell(LAYER_GROUND, 11, 10, TILE_EMPTY);
    edit.end_stroke();
    edit.begin_stroke();
    edit.end_stroke(); // an empty stroke is no stroke

    EXPECT_EQ(Ints({ map_layers[LAYER_EDGE][9][10], map_layers[LAYER_EDGE][12][10],
                  map_layers[LAYER_EDGE][10][9], map_layers[LAYER_EDGE][10][10] }),
        Ints({ 2, 4, 3, TILE_EMPTY }));
    EXPECT_EQ(
        Ints({ collision_grid[10][10], collision_grid[5][5], collision_grid[7][5] }), Ints({ 1, 1, 0 }));
    EXPECT_EQ(edit.undo_count(), 2u);
    EXPECT_TRUE(edit.unsaved());

    ASSERT_TRUE(edit.undo());
    EXPECT_EQ(all_layers(), after_first) << "the pond and its shore go together";
    EXPECT_EQ(collision_grid[10][10], 0);
    ASSERT_TRUE(edit.undo());
    EXPECT_EQ(all_layers(), start);
    EXPECT_FALSE(edit.unsaved());
    EXPECT_FALSE(edit.undo());
    ASSERT_TRUE(edit.redo() && edit.redo());
    EXPECT_EQ(map_layers[LAYER_EDGE][9][10], 2);
    EXPECT_FALSE(edit.redo());

    // A new stroke after an undo drops what could have been redone.
    edit.mark_saved();
    edit.undo();
    EXPECT_TRUE(edit.unsaved());
    edit.set_cell(LAYER_OBJECT, 1, 1, BOX_TILE);
    edit.end_stroke();
    EXPECT_EQ(edit.redo_count(), 0u);
    EXPECT_TRUE(edit.unsaved());
}

class Files : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        make_folder("Media");
    }
    ScratchDir scratch;
};

TEST_F(Files, FiveLayersRoundTripAndTheExportReadsBackThroughTheGame)
{
    fill_pattern();
    map_layers[LAYER_EDGE][3][4] = 25; // kept as it stands, and marked by the checks
    const std::vector<int> painted = all_layers();
    const SaveOutcome saved = save_editor_map(EDITOR_MAP_FILE);
    EXPECT_TRUE(saved.written) << saved.message;
    EXPECT_EQ(read_file(EDITOR_MAP_FILE).substr(0, 8), "-1 2 5 8");
    ASSERT_FALSE(saved.findings.empty());
    EXPECT_EQ(describe(saved.findings.back()), "value 25 outside -1 to 19 in layer 1 at (3, 4)");

    fill_map(0);
    std::string problem;
    EXPECT_FALSE(read_editor_map(EDITOR_MAP_FILE, problem));
    EXPECT_EQ(problem, "test.dat: value 40605 (layer 1 edge, cell 3, 4) is 25, outside -1 to 19");
    EXPECT_EQ(all_layers(), painted);

    // The export holds layers 0, 2, 3 and 4; the game derives the rest.
    map_layers[LAYER_EDGE][3][4] = 0;
    EXPECT_TRUE(export_game_map(MAP_FILE).written);
    build_edge_layer();
    const std::vector<int> exported = all_layers();
    fill_map(5);
    EXPECT_EQ(stderr_of(load_map), "");
    EXPECT_EQ(all_layers(), exported);
    EXPECT_TRUE(read_game_map(MAP_FILE, problem)) << problem;
    EXPECT_EQ(all_layers(), exported);
}

TEST_F(Files, TheShippedMapExportsToTheVeryBytesItWasReadFrom)
{
    const std::string shipped = std::string(RPG_BUILD_DIR) + "/Media/map.dat";
    std::string problem;
    ASSERT_TRUE(read_game_map(shipped, problem)) << problem;
    EXPECT_TRUE(game_map_text() == read_file(shipped));
}

TEST_F(Files, ABrokenFileSaysWhatAndWhereOnce)
{
    const struct {
        std::string text;
        const char* said;
        int kept; // values read into the layers, in file order
    } files[] = {
        { "2 3 4\n",
            "test.dat: ends after 3 of 200000 values; value 4 (layer 0 ground, cell 0, 3) and the rest "
            "are empty",
            3 },
        { "\n\n", "test.dat: ends after 0 of 200000 values; value 1 (layer 0 ground, cell 0, 0)", 0 },
        { "1 1 1 x1 1", "test.dat: value 4 (layer 0 ground, cell 0, 3) is \"x1\", not a number", 3 },
        { "1 -2 7 30 4", "test.dat: value 2 (layer 0 ground, cell 0, 1) is -2, outside -1 to 19", 5 },
    };
    for (const auto& f : files) {
        write_file(EDITOR_MAP_FILE, f.text);
        fill_map(9);
        std::string problem;
        EXPECT_FALSE(read_editor_map(EDITOR_MAP_FILE, problem));
        EXPECT_EQ(problem.find(f.said), 0u) << problem;
        const std::vector<int> layers = all_layers();
        EXPECT_EQ(CELLS * LAYER_COUNT - std::count(layers.begin(), layers.end(), TILE_EMPTY), f.kept)
            << f.text;
    }
    // Out-of-range values are kept and counted; the first is named.
    std::string problem;
    read_editor_map(EDITOR_MAP_FILE, problem);
    EXPECT_EQ(problem,
        "test.dat: value 2 (layer 0 ground, cell 0, 1) is -2, outside -1 to 19 (2 such values in "
        "all); ends after 5 of 200000 values; value 6 (layer 0 ground, cell 0, 5) and the rest are "
        "empty");
    EXPECT_EQ(
        Ints(map_layers[LAYER_GROUND][0], map_layers[LAYER_GROUND][0] + 6), Ints({ 1, -2, 7, 30, 4, -1 }));
}

TEST_F(Files, AFailedWriteSaysWhyAndKeepsTheOldFile)
{
    fill_map(2);
    write_file(EDITOR_MAP_FILE, "the old map");
    ASSERT_EQ(make_folder("test.dat.new"), 0); // nothing can be put in the temporary's place
    SaveOutcome outcome;
    const std::string said = stderr_of([&] { outcome = save_editor_map(EDITOR_MAP_FILE); });
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.message.find("NOT SAVED: cannot remove test.dat.new: "), 0u) << outcome.message;
    EXPECT_NE(said.find(outcome.message), std::string::npos) << said;
    EXPECT_EQ(read_file(EDITOR_MAP_FILE), "the old map");
    rmdir("test.dat.new");
}

// The shipped map keeps every rule; each way of breaking one is found at its cell.
TEST(MapChecks, EachBrokenRuleIsFoundWhereItIsBroken)
{
    reset_game_state();
    std::string problem;
    ASSERT_TRUE(read_game_map(std::string(RPG_BUILD_DIR) + "/Media/map.dat", problem)) << problem;
    ASSERT_EQ(summarise(check_map()), "map checks passed");
    static int shipped[LAYER_COUNT][MAP_SIZE][MAP_SIZE];
    std::memcpy(shipped, map_layers, sizeof shipped);

    // A box and the repair station on the first screen, found in the map.
    int box_x = -1, box_y = -1;
    for (int x = 0; x < MAP_SIZE && box_x < 0; x++)
        for (int y = 0; y < MAP_SIZE && box_x < 0; y++)
            if (map_layers[LAYER_OBJECT][x][y] == BOX_TILE) {
                box_x = x;
                box_y = y;
            }
    const int sx = PLAYER_START_X / TILE_SIZE, sy = PLAYER_START_Y / TILE_SIZE;
    const int nx = NPC_START_X[3] / TILE_SIZE, ny = NPC_START_Y[3] / TILE_SIZE;

    const struct {
        std::function<void()> breaks;
        const char* found;
    } cases[] = {
        { [] { map_layers[LAYER_GROUND][0][50] = 2; }, "walkable cell on the outer ring at (0, 50)" },
        { [] { map_layers[LAYER_GROUND][199][199] = 2; }, "walkable cell on the outer ring at (199, 199)" },
        { [&] { map_layers[LAYER_OBSTACLE][sx][sy] = 4; }, "player's start blocked at (77, 145)" },
        // Character 3 stands 5 px into its cell: the probe 8 px to its left
        // lies in the column west of it.
        { [&] { map_layers[LAYER_OBJECT][(NPC_START_X[3] - 8) / TILE_SIZE][ny] = 0; },
            "character 3's starting point blocked at (99, 101)" },
        { [&] { map_layers[LAYER_OVERHEAD][box_x][box_y - 1] = TILE_EMPTY; },
            "box without its upper half above it at" },
        { [&] { map_layers[LAYER_OBJECT][box_x][box_y] = TILE_EMPTY; },
            "box's upper half without its box below" },
        { [&] {
             for (int d = -1; d <= 1; d += 2) {
                 map_layers[LAYER_OBSTACLE][box_x + d][box_y] = 4;
                 map_layers[LAYER_OBSTACLE][box_x][box_y + d] = 4;
             }
         },
            "unreachable box at" },
        { [&] {
             // Water two cells away all round: room to stand, nowhere to go.
             for (int d = -2; d <= 2; d++)
                 for (int e = -2; e <= 2; e++)
                     if (std::abs(d) == 2 || std::abs(e) == 2)
                         map_layers[LAYER_GROUND][nx + d][ny + e] = TILE_EMPTY;
         },
            "unreachable character 3" },
        { [] {
             for (int x = 0; x < MAP_SIZE; x++)
                 for (int y = 0; y < MAP_SIZE; y++)
                     if (map_layers[LAYER_OBJECT][x][y] == REPAIR_TILE && x < 100 && y > 120)
                         map_layers[LAYER_OBJECT][x][y] = 0;
         },
            "no repair station on the first screen at (77, 145)" },
        { [] { map_layers[LAYER_GROUND][60][60] = 1; }, "land drawn as water (ground tile 1) at (60, 60)" },
        { [] { map_layers[LAYER_OVERHEAD][7][9] = -2; }, "value -2 outside -1 to 19 in layer 4 at (7, 9)" },
    };
    ASSERT_GT(box_y, 0);
    for (const auto& c : cases) {
        std::memcpy(map_layers, shipped, sizeof shipped);
        c.breaks();
        const std::vector<MapFinding> found = check_map();
        EXPECT_TRUE(std::any_of(
            found.begin(), found.end(), [&](const MapFinding& f) { return describe(f).find(c.found) == 0; }))
            << c.found << ", but found " << summarise(found);
    }
}

TEST(EditorView, BadCellsAreMarkedAndAMissingSheetIsDrawnAsNumberedTiles)
{
    open_test_screen();
    reset_game_state();
    ScratchDir scratch;
    std::filesystem::copy(std::string(RPG_BUILD_DIR) + "/Media", "Media");
    ASSERT_TRUE(std::filesystem::remove("Media/tileset2.png"));
    EditorView v;
    const std::string said = stderr_of([&] { load_editor_sheets(v); });
    EXPECT_NE(
        said.find(
            "map-editor: no usable sheet Media/tileset2.png: layer 2 (obstacle) is drawn as numbered cells"),
        std::string::npos)
        << said;
    EXPECT_EQ(Ints(v.stand_in, v.stand_in + LAYER_COUNT), Ints({ 0, 0, 1, 0, 0 }));

    fill_map(2);
    map_layers[LAYER_OBSTACLE][5][5] = 7;
    map_layers[LAYER_OBJECT][2][3] = 20;
    map_layers[LAYER_OVERHEAD][8][1] = -5;
    SDL_Surface* window = make_surface(WINDOW_WIDTH, WINDOW_HEIGHT, 0, 0, 0);
    MapEdit edit;
    v.markers = false;
    draw_editor(window, v, edit);
    const Uint16 magenta = (Uint16)SDL_MapRGB(window->format, 255, 0, 255);
    const Uint16 numbered = (Uint16)SDL_MapRGB(window->format, 30, 30, 30);
    const Uint16 white = (Uint16)SDL_MapRGB(window->format, 255, 255, 255);
    EXPECT_EQ(Ints({ pixel16(window, 40, 60), pixel16(window, 50, 70), pixel16(window, 160, 20) }),
        Ints({ magenta, magenta, magenta }));
    EXPECT_EQ(Ints({ pixel16(window, 102, 104), pixel16(window, 111, 105) }), Ints({ numbered, white }))
        << "tile 7";
    EXPECT_NE(pixel16(window, 70, 70), magenta) << "a good cell";

    v.shown[LAYER_OBSTACLE] = false;
    v.zoom = 2;
    draw_editor(window, v, edit);
    EXPECT_NE(pixel16(window, 204, 208), numbered) << "a hidden layer";
    EXPECT_EQ(pixel16(window, 80, 120), magenta) << "bad cells stay marked, at 2x";
    SDL_FreeSurface(window);
}

} // namespace
