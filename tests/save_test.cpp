// The save slot: the file's exact layout, loading it back whatever separates
// its values, short, damaged and hostile files, and saves that cannot be
// completed without losing the save already there.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "save/save.h"
#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"
#include "support/test_support.h"
#include "world/world.h"

namespace {

const int VALUE_LINES = 80035;
const int LAYER_CELLS = MAP_SIZE * MAP_SIZE;
const int FIRST_LAYER3_LINE = 15;
const int FIRST_LAYER4_LINE = FIRST_LAYER3_LINE + LAYER_CELLS;
const int FIRST_NPC_LINE = FIRST_LAYER4_LINE + LAYER_CELLS;

int layer3_line(int x, int y) { return FIRST_LAYER3_LINE + x * MAP_SIZE + y; }

// Everything the save holds and everything loading derives, for comparison.
struct Snapshot {
    std::vector<int> ints;
    double phase;
    std::vector<int> layers;
    std::vector<unsigned char> grid;

    static Snapshot take()
    {
        Snapshot s;
        s.ints = {level, exp, player_hp, player_mp, gold, boxes_collected, player_x, player_y, camera_x, camera_y,
            facing_x, facing_y, player_frame, boxes_remaining};
        s.ints.insert(s.ints.end(), npc_x, npc_x + NPC_COUNT);
        s.ints.insert(s.ints.end(), npc_y, npc_y + NPC_COUNT);
        s.ints.insert(s.ints.end(), npc_direction, npc_direction + NPC_COUNT);
        s.phase = anim_phase;
        s.layers.assign(&map_layers[0][0][0], &map_layers[0][0][0] + LAYER_COUNT * LAYER_CELLS);
        s.grid.assign(&collision_grid[0][0], &collision_grid[0][0] + LAYER_CELLS);
        return s;
    }
};

// Empty when the two agree, otherwise the first difference.
std::string difference(const Snapshot& a, const Snapshot& b)
{
    std::ostringstream d;
    for (size_t i = 0; i < a.ints.size(); i++)
        if (a.ints[i] != b.ints[i])
            d << "value " << i << ": " << a.ints[i] << " vs " << b.ints[i] << "; ";
    if (a.phase != b.phase)
        d << "phase " << a.phase << " vs " << b.phase << "; ";
    for (size_t i = 0; i < a.layers.size(); i++)
        if (a.layers[i] != b.layers[i]) {
            d << "layer " << i / LAYER_CELLS << " cell " << i % LAYER_CELLS << ": " << a.layers[i] << " vs "
              << b.layers[i] << "; ";
            break;
        }
    if (a.grid != b.grid)
        d << "collision grids differ";
    return d.str();
}

// A walled island of ground: the outer ring has none, inside nothing blocks.
void build_island()
{
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++) {
            bool ring = x == 0 || y == 0 || x == MAP_SIZE - 1 || y == MAP_SIZE - 1;
            map_layers[LAYER_GROUND][x][y] = ring ? TILE_EMPTY : 0;
            for (int layer : {LAYER_OBSTACLE, LAYER_OBJECT, LAYER_OVERHEAD})
                map_layers[layer][x][y] = TILE_EMPTY;
        }
    build_edge_layer();
    build_collision_grid();
    count_boxes();
}

// A tile number, or -1, for every inner cell of layers 3 and 4.
int varied_tile(int seed, int layer, int x, int y) { return (x * 7 + y * 3 + seed + layer) % 21 - 1; }

// Sets every saved value to something valid that depends on `seed`.
void vary_saved_values(int seed)
{
    level = seed % LEVEL_COUNT;
    exp = 100 + seed;
    player_hp = 20 + seed;
    player_mp = 3 + seed;
    gold = 70 + seed;
    boxes_collected = seed;
    player_x = 1000 + seed;
    player_y = 1200 + seed;
    camera_x = 850 + seed;
    camera_y = 1080 + seed;
    facing_x = 1008 + seed;
    facing_y = 1200 + seed;
    anim_phase = 0.1 * (seed % 20);
    player_frame = seed % 8;
    for (int layer : {LAYER_OBJECT, LAYER_OVERHEAD})
        for (int x = 1; x < MAP_SIZE - 1; x++)
            for (int y = 1; y < MAP_SIZE - 1; y++)
                map_layers[layer][x][y] = varied_tile(seed, layer, x, y);
    for (int i = 0; i < NPC_COUNT; i++) {
        npc_x[i] = 400 + 10 * i + seed;
        npc_y[i] = 3000 - 10 * i + seed;
        npc_direction[i] = (i + seed) % 5;
    }
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string joined(const std::vector<std::string>& lines, const std::string& end)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

class Save : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_game_state();
        build_island();
    }

    // Writes the current state's save, then returns its value lines.
    std::vector<std::string> saved_lines()
    {
        save_game();
        std::vector<std::string> lines = lines_of(read_file("gamesave.dat"));
        lines.pop_back();
        return lines;
    }

    ScratchDir scratch;
};

TEST_F(Save, FileAfterStartUpHasTheFixedLayout)
{
    save_game();
    std::string text = read_file("gamesave.dat");
    const std::string start = "0\n0\n1\n1\n5\n0\n1541\n2909\n1381\n2789\n1541\n2909\n0\n0\n-1\n";
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_EQ((int)std::count(text.begin(), text.end(), '\n'), VALUE_LINES + 1);
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n") << "ends in one empty line";
    EXPECT_EQ(text.find('\r'), std::string::npos);

    std::string empty_layer;
    for (int i = 0; i < LAYER_CELLS; i++)
        empty_layer += "-1\n";
    EXPECT_EQ(text.compare(start.size() - 3, 2 * empty_layer.size(), empty_layer + empty_layer), 0)
        << "both layers: 40,000 lines of -1 each";
    EXPECT_FALSE(file_exists("gamesave.dat.tmp"));
}

TEST_F(Save, EachValueGoesWhereTheLayoutPutsIt)
{
    map_layers[LAYER_OBJECT][1][0] = 7;
    map_layers[LAYER_OBJECT][0][199] = 3;
    map_layers[LAYER_OVERHEAD][199][199] = 19;
    npc_x[0] = 3409;
    npc_y[6] = -25;
    npc_direction[6] = 4;
    exp = -2147483647 - 1;
    gold = 2147483647;

    struct Phase {
        double value;
        const char* text;
    };
    for (Phase p : {Phase{0.0, "0"}, Phase{0.1, "0.1"}, Phase{1.3, "1.3"}, Phase{2.0, "2"},
             Phase{0.1 + 0.2, "0.3"}, Phase{1.9000000000000006, "1.9"}, Phase{1e9, "1e+09"}}) {
        anim_phase = p.value;
        std::vector<std::string> lines = saved_lines();
        ASSERT_EQ((int)lines.size(), VALUE_LINES);
        EXPECT_EQ(lines[12], p.text);
        EXPECT_EQ(lines[1], "-2147483648");
        EXPECT_EQ(lines[4], "2147483647");
        EXPECT_EQ(lines[FIRST_LAYER3_LINE - 1 + 200], "7") << "columns are written one after the other";
        EXPECT_EQ(lines[FIRST_LAYER3_LINE - 1 + 199], "3");
        EXPECT_EQ(lines[FIRST_NPC_LINE - 2], "19");
        EXPECT_EQ(lines[FIRST_NPC_LINE - 1], "3409");
        EXPECT_EQ(lines[FIRST_NPC_LINE - 1 + 13], "-25");
        EXPECT_EQ(lines[VALUE_LINES - 1], "4");
    }
}

TEST_F(Save, LoadBringsBackTheSaveInAnyWhitespaceAndLeavesTheBattleAlone)
{
    vary_saved_values(13);
    anim_phase = 1.3;
    build_collision_grid();
    count_boxes();
    save_game();
    std::string text = read_file("gamesave.dat");
    Snapshot saved = Snapshot::take();
    std::vector<std::string> lines = lines_of(text);

    for (std::string variant : {text, joined(lines, "\r\n"), joined(lines, " "), joined(lines, "\t \n\n")}) {
        vary_saved_values(4);
        build_collision_grid();
        count_boxes();
        current_monster = 6;
        monster_hp = 9;
        battle_state = 5;
        std::strcpy(battle_message, "A Rat approaches.");
        message_chars = 3.5;
        write_file("gamesave.dat", variant);
        load_game();
        EXPECT_EQ(difference(Snapshot::take(), saved), "") << "variant starting " << variant.substr(0, 20);
        EXPECT_EQ(current_monster, 6);
        EXPECT_EQ(monster_hp, 9);
        EXPECT_EQ(battle_state, 5);
        EXPECT_STREQ(battle_message, "A Rat approaches.");
        EXPECT_EQ(message_chars, 3.5);
    }
}

// Holds a direction for `frames` frames, then presses A with it still held.
void walk_and_confirm(int direction, int frames)
{
    push_button(direction, true);
    run_frames(frames);
    push_button(GP2X_A, true);
    run_frame();
    push_button(GP2X_A, false);
    push_button(direction, false);
    run_frame();
}

TEST_F(Save, PlayedGameComesBackFromTheMenuWithTheBoxTakenSinceTheSave)
{
    open_test_screen();
    fill_clip_tables();
    const int box_a = 79, box_b = 74, row = 145; // either side of the player's start
    for (int x : {box_a, box_b}) {
        map_layers[LAYER_OBJECT][x][row] = BOX_TILE;
        map_layers[LAYER_OVERHEAD][x][row - 1] = 6;
    }
    build_collision_grid();
    count_boxes();
    std::srand(11);
    init_monsters();
    init_npcs();

    walk_and_confirm(GP2X_RIGHT, 40);
    ASSERT_EQ(boxes_collected, 1) << "the first box is taken before the save";
    push_button(GP2X_DOWN, true);
    run_frames(15);
    push_button(GP2X_DOWN, false);
    run_frames(10);
    push_button(GP2X_START, true);
    run_frame();
    push_button(GP2X_START, false);
    ASSERT_EQ(menu_state, 1);
    Snapshot saved = Snapshot::take(); // nothing moves while the menu is open
    std::vector<int> npc_x_saved(npc_x, npc_x + NPC_COUNT);
    push_button(GP2X_A, true);
    run_frame();
    push_button(GP2X_A, false);
    ASSERT_EQ(menu_state, 0);
    ASSERT_TRUE(file_exists("gamesave.dat"));

    push_button(GP2X_UP, true);
    run_frames(15);
    push_button(GP2X_UP, false);
    walk_and_confirm(GP2X_LEFT, 75);
    ASSERT_EQ(current_monster, -1) << "this seed meets no monster on the way";
    ASSERT_EQ(boxes_collected, 2) << "the second box is taken after the save";
    ASSERT_EQ(boxes_remaining, 0);
    ASSERT_FALSE(std::equal(npc_x, npc_x + NPC_COUNT, npc_x_saved.begin())) << "the characters walked on";

    push_button(GP2X_START, true);
    run_frame();
    push_button(GP2X_START, false);
    push_button(GP2X_DOWN, true);
    run_frame();
    push_button(GP2X_DOWN, false);
    ASSERT_EQ(menu_state, 2);
    push_button(GP2X_A, true);
    run_frame();
    EXPECT_EQ(menu_state, 0);

    // The loading frame is drawn as an exploration frame: the phase moves on.
    double phase = std::atof(lines_of(read_file("gamesave.dat"))[12].c_str()) + 0.1;
    EXPECT_NEAR(anim_phase, phase > 2.0 ? 0.0 : phase, 1e-9);
    Snapshot loaded = Snapshot::take();
    loaded.phase = saved.phase;
    EXPECT_EQ(difference(loaded, saved), "");
    EXPECT_EQ(map_layers[LAYER_OBJECT][box_b][row], BOX_TILE);
    EXPECT_EQ(map_layers[LAYER_OVERHEAD][box_b][row - 1], 6);
    EXPECT_EQ(collision_grid[box_b][row], 1);
    EXPECT_EQ(map_layers[LAYER_OBJECT][box_a][row], TILE_EMPTY);
    EXPECT_EQ(boxes_remaining, 1);
    EXPECT_EQ(boxes_collected, 1);
}

TEST_F(Save, MissingAndShortFilesChangeOnlyWhatTheyHold)
{
    vary_saved_values(2);
    std::vector<std::string> lines = saved_lines();
    vary_saved_values(5);
    map_layers[LAYER_OBJECT][20][30] = BOX_TILE;
    build_collision_grid();
    count_boxes();
    const int boxes = boxes_remaining;
    map_layers[LAYER_OBJECT][20][30] = TILE_EMPTY; // taken since
    Snapshot before = Snapshot::take();

    unlink("gamesave.dat");
    load_game();
    EXPECT_EQ(collision_grid[20][30], 0) << "derived again from the layers in play";
    EXPECT_EQ(boxes_remaining, boxes - 1);
    EXPECT_EQ(player_x, 1005);
    EXPECT_EQ(Snapshot::take().layers, before.layers);

    lines.resize(14);
    write_file("gamesave.dat", joined(lines, "\n"));
    load_game();
    EXPECT_EQ(level, 2);
    EXPECT_EQ(player_x, 1002);
    EXPECT_EQ(facing_y, 1202);
    EXPECT_DOUBLE_EQ(anim_phase, 0.2);
    EXPECT_EQ(player_frame, 2);
    EXPECT_EQ(Snapshot::take().layers, before.layers) << "layers 3 and 4 stay as they were";
    EXPECT_EQ(npc_x[3], 435);
    EXPECT_EQ(npc_direction[6], 1);
}

TEST_F(Save, ReadingStopsForGoodAtTheFirstValueThatCannotBeRead)
{
    vary_saved_values(1);
    const std::vector<std::string> file = saved_lines();
    auto load_with = [&file](int line, const char* bad) {
        std::vector<std::string> lines = file;
        lines[line - 1] = bad;
        write_file("gamesave.dat", joined(lines, "\n"));
        vary_saved_values(7);
        load_game();
    };

    load_with(layer3_line(21, 121), "x");
    EXPECT_EQ(player_x, 1001);
    EXPECT_EQ(map_layers[LAYER_OBJECT][21][120], varied_tile(1, LAYER_OBJECT, 21, 120)) << "taken from the file";
    EXPECT_EQ(map_layers[LAYER_OBJECT][21][121], varied_tile(7, LAYER_OBJECT, 21, 121)) << "kept";
    EXPECT_EQ(map_layers[LAYER_OBJECT][21][122], varied_tile(7, LAYER_OBJECT, 21, 122));
    EXPECT_EQ(map_layers[LAYER_OVERHEAD][150][150], varied_tile(7, LAYER_OVERHEAD, 150, 150));
    EXPECT_EQ(npc_direction[6], 3);

    load_with(layer3_line(21, 121), "7.5");
    EXPECT_EQ(map_layers[LAYER_OBJECT][21][121], 7) << "the whole part is taken";
    EXPECT_EQ(map_layers[LAYER_OBJECT][21][122], varied_tile(7, LAYER_OBJECT, 21, 122));

    load_with(1, "99999999999");
    EXPECT_EQ(level, 7) << "a number beyond int is no number";
    EXPECT_EQ(player_x, 1007);

    load_with(13, "nan");
    EXPECT_EQ(facing_y, 1201);
    EXPECT_DOUBLE_EQ(anim_phase, 0.7);
    EXPECT_EQ(player_frame, 7);
}

TEST_F(Save, ValuesTheGameCannotUseKeepTheirPreviousValueAndReadingGoesOn)
{
    std::vector<std::string> lines = saved_lines();
    auto set = [&lines](int line, const char* value) { lines[line - 1] = value; };
    const char* const bad_singles[14] = {"12", "-1", "1000000000", "17", "-5", "0", "4000", "-1", "3681", "-20",
        "-8", "4008", "1e9", "9"};
    for (int line = 1; line <= 14; line++)
        set(line, bad_singles[line - 1]);
    set(layer3_line(1, 1), "500");
    set(layer3_line(1, 2), "-2");
    set(layer3_line(1, 3), "3");
    set(layer3_line(1, 4), "1");
    set(FIRST_LAYER4_LINE + 201, "20");
    set(FIRST_NPC_LINE, "-1");
    set(FIRST_NPC_LINE + 1, "3999");
    set(FIRST_NPC_LINE + 7, "4000");
    set(FIRST_NPC_LINE + 14, "1");
    set(VALUE_LINES, "9");
    write_file("gamesave.dat", joined(lines, "\n"));

    vary_saved_values(4);
    load_game();
    const std::vector<int> kept = {level, exp, player_hp, gold, player_x, player_y, camera_x, camera_y,
        facing_x, facing_y, player_frame, npc_x[0], npc_y[0], npc_direction[6]};
    EXPECT_EQ(kept, (std::vector<int>{4, 104, 24, 74, 1004, 1204, 854, 1084, 1012, 1204, 4, 404, 3004, 0}));
    EXPECT_DOUBLE_EQ(anim_phase, 0.4);
    EXPECT_EQ(map_layers[LAYER_OBJECT][1][1], varied_tile(4, LAYER_OBJECT, 1, 1));
    EXPECT_EQ(map_layers[LAYER_OBJECT][1][2], varied_tile(4, LAYER_OBJECT, 1, 2));
    EXPECT_EQ(map_layers[LAYER_OVERHEAD][1][1], varied_tile(4, LAYER_OVERHEAD, 1, 1));

    // Reading went on past every one of them.
    EXPECT_EQ(player_mp, 17);
    EXPECT_EQ(boxes_collected, 0);
    EXPECT_EQ(npc_x[1], 3999);
    EXPECT_EQ(npc_direction[0], 1);
    EXPECT_EQ(map_layers[LAYER_OBJECT][1][3], REPAIR_TILE);
    EXPECT_EQ(collision_grid[1][3], 1) << "the repair station blocks";
    EXPECT_EQ(map_layers[LAYER_OBJECT][1][4], BOX_TILE);
    EXPECT_EQ(boxes_remaining, 1) << "but only the box is counted";
}

TEST_F(Save, SaveThatCannotBeCompletedKeepsThePreviousSave)
{
    vary_saved_values(8);
    save_game();
    const std::string previous = read_file("gamesave.dat");
    ASSERT_FALSE(previous.empty());
    vary_saved_values(9);

    ASSERT_EQ(mkdir("gamesave.dat.tmp", 0755), 0);
    testing::internal::CaptureStderr();
    save_game();
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(read_file("gamesave.dat"), previous);
    EXPECT_EQ(said.rfind("gp2x-rpg: could not save the game: ", 0), 0u) << said;
    EXPECT_NE(said.find("Is a directory"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    ASSERT_EQ(rmdir("gamesave.dat.tmp"), 0);

    // A card that fills up part-way, saved from the menu: the menu closes,
    // play goes on, the old save stays and the temporary file goes.
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no full device to write to";
    ASSERT_EQ(symlink("/dev/full", "gamesave.dat.tmp"), 0);
    open_test_screen();
    menu_state = 1;
    push_button(GP2X_A, true);
    testing::internal::CaptureStderr();
    run_frame();
    said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(menu_state, 0);
    EXPECT_EQ(read_file("gamesave.dat"), previous);
    EXPECT_NE(said.find("No space left on device"), std::string::npos) << said;
    struct stat info;
    EXPECT_NE(lstat("gamesave.dat.tmp", &info), 0) << "the temporary file is removed";

    testing::internal::CaptureStderr();
    save_game();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_NE(read_file("gamesave.dat"), previous) << "a save that can be written replaces the slot";
}

} // namespace
