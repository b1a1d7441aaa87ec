// The save slot: the file's exact layout, loading it back whatever separates
// its values, short, damaged and hostile files, and saves that cannot be
// completed without losing the save already there.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "save/save.h"
#include "support/test_support.h"

namespace
{

using Lines = std::vector<std::string>;

const int VALUE_LINES = 80035;
const int LAYER_CELLS = MAP_SIZE * MAP_SIZE;
const int FIRST_LAYER3_LINE = 15;
const int FIRST_LAYER4_LINE = FIRST_LAYER3_LINE + LAYER_CELLS;
const int FIRST_NPC_LINE = FIRST_LAYER4_LINE + LAYER_CELLS;

// The saved single values but the phase and the player's frame, in file order.
int* const SINGLES[] = { &level, &exp, &player_hp, &player_mp, &gold, &boxes_collected, &player_x, &player_y,
    &camera_x, &camera_y, &facing_x, &facing_y };

class Save : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        // A walled island of ground: the outer ring has none.
        fill_map(0);
        for (int i = 0; i < MAP_SIZE; i++)
            for (int edge : { 0, MAP_SIZE - 1 })
                map_layers[LAYER_GROUND][i][edge] = map_layers[LAYER_GROUND][edge][i] = TILE_EMPTY;
        build_edge_layer();
        build_collision_grid();
    }

    static int layer3_line(int x, int y) { return FIRST_LAYER3_LINE + x * MAP_SIZE + y; }
    static Ints layers()
    {
        return Ints(&map_layers[0][0][0], &map_layers[0][0][0] + LAYER_COUNT * LAYER_CELLS);
    }

    // A tile number, or -1, for every inner cell of layers 3 and 4.
    static int varied_tile(int seed, int layer, int x, int y)
    {
        return (x * 7 + y * 3 + seed + layer) % 21 - 1;
    }

    // Sets every saved value to something valid that depends on `seed`.
    static void vary_saved_values(int seed)
    {
        const int base[] = { 0, 100, 20, 3, 70, 0, 1000, 1200, 850, 1080, 1008, 1200 };
        for (int i = 0; i < 12; i++)
            *SINGLES[i] = base[i] + seed;
        level = seed % LEVEL_COUNT;
        anim_phase = 0.1 * (seed % 20);
        player_frame = seed % 8;
        for (int layer : { LAYER_OBJECT, LAYER_OVERHEAD })
            for (int x = 1; x < MAP_SIZE - 1; x++)
                for (int y = 1; y < MAP_SIZE - 1; y++)
                    map_layers[layer][x][y] = varied_tile(seed, layer, x, y);
        for (int i = 0; i < NPC_COUNT; i++) {
            npc_x[i] = 400 + 10 * i + seed;
            npc_y[i] = 3000 - 10 * i + seed;
            npc_direction[i] = (i + seed) % 5;
        }
        build_collision_grid();
        count_boxes();
    }

    // Everything the save holds and everything loading derives, as one list.
    static std::vector<double> state()
    {
        std::vector<double> s = { anim_phase, (double)player_frame, (double)boxes_remaining };
        for (int* v : SINGLES)
            s.push_back(*v);
        for (const int* npc : { npc_x, npc_y, npc_direction })
            s.insert(s.end(), npc, npc + NPC_COUNT);
        const Ints all = layers();
        s.insert(s.end(), all.begin(), all.end());
        s.insert(s.end(), &collision_grid[0][0], &collision_grid[0][0] + LAYER_CELLS);
        return s;
    }

    // Where two states first differ (see state()), or -1 when they agree.
    static long first_difference(const std::vector<double>& a, const std::vector<double>& b)
    {
        auto m = std::mismatch(a.begin(), a.end(), b.begin());
        return m.first == a.end() ? -1 : m.first - a.begin();
    }

    static Lines lines_of(const std::string& text)
    {
        Lines lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    static std::string joined(const Lines& lines, const std::string& end)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + end;
        return text;
    }

    // Writes the current state's save, then returns its value lines.
    static Lines saved_lines()
    {
        save_game();
        Lines lines = lines_of(read_file("gamesave.dat"));
        lines.pop_back();
        return lines;
    }

    ScratchDir scratch;
};

TEST_F(Save, EachValueGoesWhereTheLayoutPutsIt)
{
    save_game();
    const std::string text = read_file("gamesave.dat"), empty_layer = joined(Lines(LAYER_CELLS, "-1"), "\n");
    const std::string start = "0\n0\n1\n1\n5\n0\n1541\n2909\n1381\n2789\n1541\n2909\n0\n0\n";
    EXPECT_EQ(text.substr(0, start.size()), start) << "after start-up";
    EXPECT_TRUE(text.compare(start.size(), 2 * empty_layer.size(), empty_layer + empty_layer) == 0)
        << "both layers: 40,000 lines of -1 each";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), VALUE_LINES + 1);
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n") << "ends in one empty line";
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_FALSE(file_exists("gamesave.dat.tmp"));

    map_layers[LAYER_OBJECT][1][0] = 7;
    map_layers[LAYER_OBJECT][0][199] = 3;
    map_layers[LAYER_OVERHEAD][199][199] = 19;
    npc_x[0] = 3409;
    npc_y[6] = -25;
    npc_direction[6] = 4;
    exp = INT_MIN;
    gold = INT_MAX;
    const Lines lines = saved_lines();
    ASSERT_EQ((int)lines.size(), VALUE_LINES);
    // Columns are written one after the other.
    const int at[] = { 1, 4, FIRST_LAYER3_LINE + 199, FIRST_LAYER3_LINE + 198, FIRST_NPC_LINE - 2,
        FIRST_NPC_LINE - 1, FIRST_NPC_LINE + 12, VALUE_LINES - 1 };
    const Lines expected = { "-2147483648", "2147483647", "7", "3", "19", "3409", "-25", "4" };
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(lines[at[i]], expected[i]) << "line " << at[i] + 1;

    const std::pair<double, const char*> phases[] = { { 0.0, "0" }, { 0.1, "0.1" }, { 1.3, "1.3" },
        { 2.0, "2" }, { 0.1 + 0.2, "0.3" }, { 1.9000000000000006, "1.9" }, { 1e9, "1e+09" } };
    for (const auto& p : phases) {
        anim_phase = p.first;
        EXPECT_EQ(saved_lines()[12], p.second);
    }
}

TEST_F(Save, LoadBringsBackTheSaveInAnyWhitespaceAndLeavesTheBattleAlone)
{
    vary_saved_values(13);
    anim_phase = 1.3;
    save_game();
    const std::string text = read_file("gamesave.dat");
    const std::vector<double> saved = state();
    const Lines lines = lines_of(text);
    for (std::string variant :
        { text, joined(lines, "\r\n"), joined(lines, " "), joined(lines, "\t \n\n") }) {
        vary_saved_values(4);
        current_monster = 6;
        monster_hp = 9;
        battle_state = 5;
        std::strcpy(battle_message, "A Rat approaches.");
        message_chars = 3.5;
        write_file("gamesave.dat", variant);
        load_game();
        EXPECT_EQ(first_difference(state(), saved), -1) << "variant starting " << variant.substr(0, 20);
        EXPECT_EQ(Ints({ current_monster, monster_hp, battle_state }), Ints({ 6, 9, 5 }));
        EXPECT_STREQ(battle_message, "A Rat approaches.");
        EXPECT_EQ(message_chars, 3.5);
    }
}

// Holds a button down for `frames` frames, confirming at the end when asked.
void hold_for(int button, int frames, bool confirm = false)
{
    push_button(button, true);
    run_frames(frames);
    if (confirm)
        tap(GP2X_A);
    push_button(button, false);
    if (confirm)
        run_frame();
}

TEST_F(Save, PlayedGameComesBackFromTheMenuWithTheBoxTakenSinceTheSave)
{
    open_test_screen();
    fill_clip_tables();
    const int box_a = 79, box_b = 74, row = 145; // either side of the player's start
    for (int x : { box_a, box_b }) {
        map_layers[LAYER_OBJECT][x][row] = BOX_TILE;
        map_layers[LAYER_OVERHEAD][x][row - 1] = 6;
    }
    build_collision_grid();
    count_boxes();
    std::srand(11);
    init_monsters();
    init_npcs();

    hold_for(GP2X_RIGHT, 40, true);
    ASSERT_EQ(boxes_collected, 1) << "the first box is taken before the save";
    hold_for(GP2X_DOWN, 15);
    run_frames(10);
    tap(GP2X_START);
    ASSERT_EQ(menu_state, 1);
    const std::vector<double> saved = state(); // nothing moves while the menu is open
    const Ints npc_x_saved(npc_x, npc_x + NPC_COUNT);
    tap(GP2X_A);
    ASSERT_TRUE(menu_state == 0 && file_exists("gamesave.dat"));

    hold_for(GP2X_UP, 15);
    hold_for(GP2X_LEFT, 75, true);
    ASSERT_EQ(current_monster, -1) << "this seed meets no monster on the way";
    ASSERT_EQ(Ints({ boxes_collected, boxes_remaining }), Ints({ 2, 0 }))
        << "the second box is taken after the save";
    ASSERT_NE(Ints(npc_x, npc_x + NPC_COUNT), npc_x_saved) << "the characters walked on";

    tap(GP2X_START);
    tap(GP2X_DOWN);
    ASSERT_EQ(menu_state, 2);
    tap(GP2X_A);
    EXPECT_EQ(menu_state, 0);
    // The loading frame is drawn as an exploration frame: the phase moves on.
    const double phase = saved[0] + 0.1;
    EXPECT_NEAR(anim_phase, phase > 2.0 ? 0.0 : phase, 1e-9);
    std::vector<double> loaded = state();
    loaded[0] = saved[0];
    EXPECT_EQ(first_difference(loaded, saved), -1);
    EXPECT_EQ(Ints({ map_layers[LAYER_OBJECT][box_b][row], map_layers[LAYER_OVERHEAD][box_b][row - 1],
                  collision_grid[box_b][row], map_layers[LAYER_OBJECT][box_a][row], boxes_remaining,
                  boxes_collected }),
        Ints({ BOX_TILE, 6, 1, TILE_EMPTY, 1, 1 }));
}

TEST_F(Save, MissingAndShortFilesChangeOnlyWhatTheyHold)
{
    vary_saved_values(2);
    Lines lines = saved_lines();
    vary_saved_values(5);
    map_layers[LAYER_OBJECT][20][30] = BOX_TILE;
    build_collision_grid();
    count_boxes();
    const int boxes = boxes_remaining;
    map_layers[LAYER_OBJECT][20][30] = TILE_EMPTY; // taken since
    const Ints before = layers();

    unlink("gamesave.dat");
    load_game();
    EXPECT_EQ(collision_grid[20][30], 0) << "derived again from the layers in play";
    EXPECT_EQ(Ints({ boxes_remaining, player_x }), Ints({ boxes - 1, 1005 }));
    EXPECT_EQ(layers(), before);

    lines.resize(14);
    write_file("gamesave.dat", joined(lines, "\n"));
    load_game();
    EXPECT_EQ(Ints({ level, player_x, facing_y, player_frame }), Ints({ 2, 1002, 1202, 2 }));
    EXPECT_DOUBLE_EQ(anim_phase, 0.2);
    EXPECT_EQ(layers(), before) << "layers 3 and 4 stay as they were";
    EXPECT_EQ(Ints({ npc_x[3], npc_direction[6] }), Ints({ 435, 1 }));
}

TEST_F(Save, ReadingStopsForGoodAtTheFirstValueThatCannotBeRead)
{
    vary_saved_values(1);
    const Lines file = saved_lines();
    auto load_with = [&file](int line, const char* bad) {
        Lines lines = file;
        lines[line - 1] = bad;
        write_file("gamesave.dat", joined(lines, "\n"));
        vary_saved_values(7);
        load_game();
    };
    load_with(layer3_line(21, 121), "x");
    EXPECT_EQ(player_x, 1001);
    EXPECT_EQ(map_layers[LAYER_OBJECT][21][120], varied_tile(1, LAYER_OBJECT, 21, 120))
        << "taken from the file";
    EXPECT_EQ(Ints({ map_layers[LAYER_OBJECT][21][121], map_layers[LAYER_OBJECT][21][122],
                  map_layers[LAYER_OVERHEAD][150][150], npc_direction[6] }),
        Ints({ varied_tile(7, LAYER_OBJECT, 21, 121), varied_tile(7, LAYER_OBJECT, 21, 122),
            varied_tile(7, LAYER_OVERHEAD, 150, 150), 3 }))
        << "kept";

    load_with(layer3_line(21, 121), "7.5");
    EXPECT_EQ(map_layers[LAYER_OBJECT][21][121], 7) << "the whole part is taken";
    EXPECT_EQ(map_layers[LAYER_OBJECT][21][122], varied_tile(7, LAYER_OBJECT, 21, 122));

    load_with(1, "99999999999");
    EXPECT_EQ(Ints({ level, player_x }), Ints({ 7, 1007 })) << "a number beyond int is no number";

    load_with(13, "nan");
    EXPECT_EQ(Ints({ facing_y, player_frame }), Ints({ 1201, 7 }));
    EXPECT_DOUBLE_EQ(anim_phase, 0.7);
}

TEST_F(Save, ValuesTheGameCannotUseKeepTheirPreviousValueAndReadingGoesOn)
{
    Lines lines = saved_lines();
    const Lines bad_singles = { "12", "-1", "1000000000", "17", "-5", "0", "4000", "-1", "3681", "-20", "-8",
        "4008", "1e9", "9" };
    std::copy(bad_singles.begin(), bad_singles.end(), lines.begin());
    const std::pair<int, const char*> values[] = { { layer3_line(1, 1), "500" }, { layer3_line(1, 2), "-2" },
        { layer3_line(1, 3), "3" }, { layer3_line(1, 4), "1" }, { FIRST_LAYER4_LINE + 201, "20" },
        { FIRST_NPC_LINE, "-1" }, { FIRST_NPC_LINE + 1, "3999" }, { FIRST_NPC_LINE + 7, "4000" },
        { FIRST_NPC_LINE + 14, "1" }, { VALUE_LINES, "9" } };
    for (const auto& v : values)
        lines[v.first - 1] = v.second;
    write_file("gamesave.dat", joined(lines, "\n"));

    vary_saved_values(4);
    load_game();
    EXPECT_EQ(Ints({ level, exp, player_hp, gold, player_x, player_y, camera_x, camera_y, facing_x, facing_y,
                  player_frame, npc_x[0], npc_y[0], npc_direction[6] }),
        Ints({ 4, 104, 24, 74, 1004, 1204, 854, 1084, 1012, 1204, 4, 404, 3004, 0 }));
    EXPECT_DOUBLE_EQ(anim_phase, 0.4);
    EXPECT_EQ(Ints({ map_layers[LAYER_OBJECT][1][1], map_layers[LAYER_OBJECT][1][2],
                  map_layers[LAYER_OVERHEAD][1][1] }),
        Ints({ varied_tile(4, LAYER_OBJECT, 1, 1), varied_tile(4, LAYER_OBJECT, 1, 2),
            varied_tile(4, LAYER_OVERHEAD, 1, 1) }));

    // Reading went on past every one of them; the repair station blocks, but only the box is counted.
    EXPECT_EQ(Ints({ player_mp, boxes_collected, npc_x[1], npc_direction[0] }), Ints({ 17, 0, 3999, 1 }));
    EXPECT_EQ(Ints({ map_layers[LAYER_OBJECT][1][3], collision_grid[1][3], map_layers[LAYER_OBJECT][1][4],
                  boxes_remaining }),
        Ints({ REPAIR_TILE, 1, BOX_TILE, 1 }));
}

TEST_F(Save, SaveThatCannotBeCompletedKeepsThePreviousSave)
{
    vary_saved_values(8);
    save_game();
    const std::string previous = read_file("gamesave.dat");
    ASSERT_FALSE(previous.empty());
    vary_saved_values(9);

    ASSERT_EQ(mkdir("gamesave.dat.tmp", 0755), 0);
    std::string said = stderr_of(save_game);
    EXPECT_TRUE(read_file("gamesave.dat") == previous);
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
    said = stderr_of([] { frame({ GP2X_A }); });
    EXPECT_EQ(menu_state, 0);
    struct stat info;
    ASSERT_TRUE(lstat("gamesave.dat", &info) == 0 && S_ISREG(info.st_mode)) << "the slot is still a file";
    EXPECT_TRUE(read_file("gamesave.dat") == previous);
    EXPECT_NE(said.find("No space left on device"), std::string::npos) << said;
    EXPECT_NE(lstat("gamesave.dat.tmp", &info), 0) << "the temporary file is removed";

    EXPECT_EQ(stderr_of(save_game), "");
    EXPECT_NE(read_file("gamesave.dat"), previous) << "a save that can be written replaces the slot";
}

} // namespace
