// The save slot: the file's exact layout, each value loaded back within its
// range whatever separates the values, short and damaged files, saves that
// cannot be completed without losing the save already there. FIFOs, a full
// disk and links are the POSIX test's; saving and loading from the menu in
// play is the save_load scenario's.
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "save/save.h"
#include "shell/system.h"
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
        s.insert(s.end(), &map_layers[0][0][0], &map_layers[0][0][0] + LAYER_COUNT * LAYER_CELLS);
        s.insert(s.end(), &collision_grid[0][0], &collision_grid[0][0] + LAYER_CELLS);
        return s;
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
        Lines lines;
        std::istringstream in(read_file("gamesave.dat"));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        lines.pop_back();
        return lines;
    }

    ScratchDir scratch;
};

// The order of the values is the range test's; the line count and the empty
// line at the end are the end-to-end play-through's.
TEST_F(Save, ColumnsFollowOneAnotherAndNumbersAreWrittenWhole)
{
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
    EXPECT_FALSE(file_exists("gamesave.dat.tmp"));
    const int at[] = { 1, 4, FIRST_LAYER3_LINE + 199, FIRST_LAYER3_LINE + 198, FIRST_NPC_LINE - 2,
        FIRST_NPC_LINE - 1, FIRST_NPC_LINE + 12, VALUE_LINES - 1 };
    const Lines expected = { "-2147483648", "2147483647", "7", "3", "19", "3409", "-25", "4" };
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(lines[at[i]], expected[i]) << "line " << at[i] + 1;

    const std::pair<double, const char*> phases[]
        = { { 2.0, "2" }, { 0.1 + 0.2, "0.3" }, { 1.9000000000000006, "1.9" }, { 1e9, "1e+09" } };
    for (const auto& p : phases) {
        anim_phase = p.first;
        EXPECT_EQ(saved_lines()[12], p.second);
    }
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
    EXPECT_EQ(map_layers[LAYER_OBJECT][21][120], varied_tile(1, LAYER_OBJECT, 21, 120))
        << "taken from the file";
    EXPECT_EQ(
        Ints({ map_layers[LAYER_OBJECT][21][121], map_layers[LAYER_OVERHEAD][150][150], npc_direction[6] }),
        Ints({ varied_tile(7, LAYER_OBJECT, 21, 121), varied_tile(7, LAYER_OVERHEAD, 150, 150), 3 }))
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

TEST_F(Save, EachValueIsTakenWithinItsRangeAndOnlyThere)
{
    vary_saved_values(4);
    const Lines file = saved_lines();
    // Any white space separates the values.
    const char* const separators[] = { "\n", "\r\n", " ", "\t \n\n" };
    // A value's line, where it lands (null: the phase), and the lowest and
    // highest value the game can use; the nearest ones outside are refused.
    struct Edge {
        int line;
        int* target;
        double low, high;
    };
    const int counter = 999999999, last_pixel = MAP_PIXELS - 1;
    const Edge edges[] = { { 1, &level, 0, 9 }, { 2, &exp, 0, counter }, { 3, &player_hp, 0, counter },
        { 4, &player_mp, 0, counter }, { 5, &gold, 0, counter }, { 6, &boxes_collected, 0, counter },
        { 7, &player_x, 0, last_pixel }, { 8, &player_y, 0, last_pixel }, { 9, &camera_x, 0, 3680 },
        { 10, &camera_y, 0, 3760 }, { 11, &facing_x, 0, last_pixel }, { 12, &facing_y, 0, last_pixel },
        { 13, nullptr, 0, 2 }, { 14, &player_frame, 0, 8 },
        { layer3_line(1, 1), &map_layers[LAYER_OBJECT][1][1], -1, 19 },
        { FIRST_LAYER4_LINE + 201, &map_layers[LAYER_OVERHEAD][1][1], -1, 19 },
        { FIRST_NPC_LINE, &npc_x[0], 0, last_pixel }, { FIRST_NPC_LINE + 13, &npc_y[6], 0, last_pixel },
        { FIRST_NPC_LINE + 16, &npc_direction[2], 0, 4 } };
    for (const Edge& e : edges) {
        const double step = e.target != nullptr ? 1 : 0.1;
        const double values[4] = { e.low - step, e.low, e.high, e.high + step };
        for (int v = 0; v < 4; v++) {
            char value[32];
            std::snprintf(value, sizeof value, "%.10g", values[v]);
            Lines lines = file;
            lines[e.line - 1] = value;
            write_file("gamesave.dat", joined(lines, separators[v]));
            vary_saved_values(3);
            const double before = e.target != nullptr ? *e.target : anim_phase;
            load_game();
            const std::vector<double> loaded = state();

            // Only the two inside the range are taken; reading goes on either way.
            vary_saved_values(4);
            const double wanted = v == 1 || v == 2 ? values[v] : before;
            if (e.target != nullptr)
                *e.target = (int)wanted;
            else
                anim_phase = wanted;
            build_collision_grid();
            count_boxes();
            // Where the two states first differ (see state()), or their end.
            const std::vector<double> wanted_state = state();
            EXPECT_EQ(
                std::mismatch(loaded.begin(), loaded.end(), wanted_state.begin()).first - loaded.begin(),
                (long)loaded.size())
                << "line " << e.line << ": " << value;
        }
    }
}

TEST_F(Save, SaveThatCannotBeCompletedKeepsThePreviousSave)
{
    vary_saved_values(8);
    save_game();
    const std::string previous = read_file("gamesave.dat");
    ASSERT_FALSE(previous.empty());
    vary_saved_values(9);

    ASSERT_EQ(make_folder("gamesave.dat.tmp"), 0);
    const std::string said = stderr_of(save_game);
    EXPECT_TRUE(read_file("gamesave.dat") == previous);
    // Why, in the system's words, on one line.
    EXPECT_EQ(said.find("gp2x-rpg: could not save the game: cannot remove gamesave.dat.tmp: "), 0u) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    ASSERT_EQ(rmdir("gamesave.dat.tmp"), 0);
}

} // namespace
