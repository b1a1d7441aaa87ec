// Exploration on maps built here: walking and facing, the walking frame, the
// push-back out of blocked cells, the characters' wandering and stopping,
// random encounters and the replay of a seed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "shell/game_state.h"
#include "shell/platform.h"
#include "shell/shell.h"
#include "support/test_support.h"
#include "world/world.h"

namespace {

void hold(bool up, bool down, bool left, bool right)
{
    up_button = up ? BUTTON_PRESSED : 0;
    down_button = down ? BUTTON_PRESSED : 0;
    left_button = left ? BUTTON_PRESSED : 0;
    right_button = right ? BUTTON_PRESSED : 0;
}

// Ground everywhere, nothing else; `ground` -1 makes every cell blocked.
void flat_map(int ground)
{
    for (int layer = 0; layer < LAYER_COUNT; layer++)
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                map_layers[layer][x][y] = layer == LAYER_GROUND ? ground : TILE_EMPTY;
    build_collision_grid();
}

void block(int cx, int cy)
{
    map_layers[LAYER_OBSTACLE][cx][cy] = 0;
    build_collision_grid();
}

// A seed whose first rand() % modulus is `wanted`.
unsigned seed_for(int modulus, int wanted)
{
    for (unsigned seed = 1;; seed++) {
        std::srand(seed);
        if (std::rand() % modulus == wanted)
            return seed;
    }
}

class Exploration : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_game_state();
        init_monsters();
        flat_map(0);
        player_x = 1010;
        player_y = 1010;
        // The characters wait far away with a direction that never moves
        // them, so they draw no random numbers unless a test wants them to.
        for (int i = 0; i < NPC_COUNT; i++) {
            npc_x[i] = 3000;
            npc_y[i] = 3000 + 50 * i;
            npc_direction[i] = 9;
        }
    }
};

// Position, facing point and walking frame of the player.
std::vector<int> player() { return {player_x, player_y, facing_x, facing_y, player_frame}; }

TEST_F(Exploration, WalkingFacingAndTheWalkingFrame)
{
    hold(false, false, false, true);
    update_exploration();
    EXPECT_EQ(player(), (std::vector<int>{1011, 1010, 1019, 1010, 4}));

    anim_phase = 1.5;
    hold(false, true, true, false); // down wins over left
    update_exploration();
    EXPECT_EQ(player(), (std::vector<int>{1010, 1011, 1002, 1019, 1}));
    hold(true, false, true, false); // up wins over left
    update_exploration();
    EXPECT_EQ(player(), (std::vector<int>{1009, 1010, 1001, 1002, 7}));

    // Opposite buttons cancel; a pair held both ways leaves the frame alone.
    player_frame = 5;
    hold(true, true, true, true);
    update_exploration();
    EXPECT_EQ(player(), (std::vector<int>{1009, 1010, 1017, 1018, 5}));
    hold(true, true, true, false);
    update_exploration();
    EXPECT_EQ(player(), (std::vector<int>{1008, 1010, 1000, 1018, 3}));

    // A phase of exactly 2.0 still shows the second step.
    anim_phase = 2.0;
    hold(true, false, false, false);
    update_exploration();
    EXPECT_EQ(player(), (std::vector<int>{1008, 1009, 1008, 1001, 7}));

    hold(false, false, false, false);
    player_frame = 6;
    update_exploration();
    EXPECT_EQ(player(), (std::vector<int>{1008, 1009, 1008, 1001, 6}));
}

TEST_F(Exploration, TheEncounterRollAndTheBattleItStarts)
{
    // Standing still draws nothing; a missed roll draws once.
    std::srand(77);
    const int first = std::rand(), second = std::rand();
    ASSERT_NE(first % ENCOUNTER_ROLL, 5) << "pick another seed";
    std::srand(77);
    update_exploration();
    update_exploration();
    EXPECT_EQ(std::rand(), first);
    std::srand(77);
    hold(false, false, false, true);
    update_exploration();
    EXPECT_EQ(std::rand(), second);
    EXPECT_EQ(current_monster, -1);

    // A hit: the second draw picks the monster, and the rest of the frame
    // (push-back and the characters' step) still runs.
    const unsigned seed = seed_for(ENCOUNTER_ROLL, 5);
    const int monster = std::rand() % MONSTER_COUNT;
    std::srand(seed);
    block(51, 50);
    player_x = 1011;
    npc_step_counter = 1;
    npc_direction[0] = 0;
    battle_state = 3;
    message_chars = 12.0;
    update_exploration();
    EXPECT_EQ(current_monster, monster);
    EXPECT_EQ(monster_hp, monster_max_hp[monster]);
    EXPECT_EQ(std::string(battle_message), "A " + std::string(monster_name[monster]) + " approaches.");
    EXPECT_EQ(message_chars, 0.0);
    EXPECT_EQ(battle_state, 0);
    EXPECT_EQ(player_x, 1011);
    EXPECT_EQ(facing_x, 1020);
    EXPECT_EQ(npc_step_counter, 0);
    EXPECT_NE(npc_direction[0], 0);

    // Every monster's message, the longest name included.
    for (int m = 0; m < MONSTER_COUNT; m++) {
        std::srand(seed_for(MONSTER_COUNT, m));
        start_encounter();
        EXPECT_EQ(current_monster, m);
        EXPECT_EQ(std::string(battle_message), "A " + std::string(monster_name[m]) + " approaches.");
    }
}

TEST_F(Exploration, BlockedCellsAndTheMapsEdgesPushThePlayerBack)
{
    block(51, 50); // x 1020 to 1039
    block(49, 50); // x 980 to 999
    block(50, 49); // y 980 to 999
    block(50, 51); // y 1020 to 1039
    const struct {
        bool up, down, left, right;
        int x, y;
    } stops[] = {
        {false, false, false, true, 1011, 1010},
        {false, false, true, false, 1008, 1010},
        {true, false, false, false, 1010, 1004},
        {false, true, false, false, 1010, 1013},
        // Off the map is blocked: the probe at x -1 is not in column 0.
        {false, false, true, false, 8, 100},
        {false, false, false, true, 3991, 100},
        {true, false, false, false, 100, 4},
        {false, true, false, false, 100, 3993},
    };
    for (const auto& w : stops) {
        player_x = w.x;
        player_y = w.y;
        hold(w.up, w.down, w.left, w.right);
        update_exploration();
        update_exploration();
        EXPECT_EQ(player_x, w.x);
        EXPECT_EQ(player_y, w.y);
        if (w.x > 20 && w.x < 3980 && w.y > 20 && w.y < 3980) {
            EXPECT_EQ(collision_grid[facing_x / TILE_SIZE][facing_y / TILE_SIZE], 1) << "faces into the wall";
        }
    }

    // Standing with the upper probe in a wall pushes the player down.
    player_x = 1010;
    player_y = 1003;
    hold(false, false, false, false);
    update_exploration();
    EXPECT_EQ(player_y, 1004);

    // Both probes of each pair blocked, everywhere or off the map: the
    // corrections cancel and the player walks on.
    flat_map(TILE_EMPTY);
    hold(true, false, false, true);
    update_exploration();
    update_exploration();
    EXPECT_EQ(player_x, 1012);
    EXPECT_EQ(player_y, 1002);
    player_x = -500;
    player_y = 100000;
    update_exploration();
    EXPECT_EQ(player_x, -499);
    EXPECT_EQ(player_y, 99999);
}

TEST_F(Exploration, CharactersMoveOnEverySecondCall)
{
    const int start_x[] = {500, 600, 700, 800};
    for (int i = 0; i < 4; i++) {
        npc_x[i] = start_x[i];
        npc_y[i] = 500;
        npc_direction[i] = i + 1; // down, left, right, up
    }
    update_exploration();
    EXPECT_EQ(npc_y[0], 500) << "not on the first call";
    for (int call = 0; call < 3; call++)
        update_exploration();
    EXPECT_EQ(npc_y[0], 502);
    EXPECT_EQ(npc_x[1], 598);
    EXPECT_EQ(npc_x[2], 702);
    EXPECT_EQ(npc_y[3], 498);
    EXPECT_EQ(npc_x[4], 3000) << "a direction no character has neither moves nor changes";
    EXPECT_EQ(npc_direction[4], 9);
}

TEST_F(Exploration, ACharacterStopsWithinTalkingRange)
{
    // After its step down the character stands at (1000, 1001); exactly
    // 10 px from the facing point on either axis it walks on.
    const int walks_on[][2] = {{10, 0}, {-10, 0}, {0, 10}, {0, -10}, {10, 10}};
    for (const auto& d : walks_on) {
        npc_x[0] = 1000;
        npc_y[0] = 1000;
        npc_direction[0] = 1;
        facing_x = 1000 + d[0];
        facing_y = 1001 + d[1];
        move_npcs();
        EXPECT_EQ(npc_y[0], 1001);
        EXPECT_EQ(npc_direction[0], 1) << "facing point off by " << d[0] << ", " << d[1];
    }

    npc_y[0] = 1000;
    facing_x = 991;
    facing_y = 1010;
    move_npcs(); // (1000, 1001): 9 px on both axes
    EXPECT_EQ(npc_direction[0], 0);
    for (int step = 0; step < 5; step++)
        move_npcs();
    EXPECT_EQ(npc_x[0], 1000);
    EXPECT_EQ(npc_y[0], 1001);
    EXPECT_EQ(npc_direction[0], 0);

    facing_x = 990;
    move_npcs(); // 10 px: the direction drawn while standing stays
    EXPECT_EQ(npc_y[0], 1001);
    EXPECT_GE(npc_direction[0], 1);
    EXPECT_LE(npc_direction[0], 4);
}

TEST_F(Exploration, ACharacterTurnsAtAWallAndAStandingOneSetsOff)
{
    block(51, 50);
    npc_x[0] = 1011;
    npc_y[0] = 1010;
    npc_direction[0] = 3;
    npc_direction[1] = 0;
    std::srand(5);
    int first = std::rand() % 4 + 1;
    int second = std::rand() % 4 + 1;
    std::srand(5);
    move_npcs();
    EXPECT_EQ(npc_x[0], 1011);
    EXPECT_EQ(npc_direction[0], first);
    EXPECT_EQ(npc_direction[1], second);
    EXPECT_EQ(npc_y[1], 3050);
}

// The state a replay compares, frame by frame.
std::vector<int> snapshot()
{
    std::vector<int> s
        = {player_x, player_y, facing_x, facing_y, player_frame, current_monster, camera_x, camera_y};
    for (int i = 0; i < NPC_COUNT; i++) {
        s.push_back(npc_x[i]);
        s.push_back(npc_y[i]);
        s.push_back(npc_direction[i]);
    }
    return s;
}

// Starts the game from a seed on a walled map and walks a fixed pattern of
// buttons until a monster appears; returns every frame's state.
std::vector<std::vector<int>> replay(unsigned seed)
{
    reset_game_state();
    flat_map(0);
    for (int i = 0; i < MAP_SIZE; i++)
        for (int edge : {0, MAP_SIZE - 1}) {
            map_layers[LAYER_OBSTACLE][i][edge] = 0;
            map_layers[LAYER_OBSTACLE][edge][i] = 0;
        }
    for (int y = 130; y < 160; y++)
        map_layers[LAYER_OBSTACLE][78][y] = 0; // a wall just right of the start
    build_collision_grid();
    std::srand(seed);
    init_monsters();
    init_npcs();
    drain_events();

    const int pattern[] = {GP2X_RIGHT, GP2X_DOWN, GP2X_RIGHT, GP2X_UP, GP2X_LEFT};
    std::vector<std::vector<int>> frames;
    for (int frame = 0; frame < 4000 && current_monster == -1; frame++) {
        if (frame % 60 == 0) {
            push_button(pattern[(frame / 60 + 4) % 5], false);
            push_button(pattern[(frame / 60) % 5], true);
        }
        run_frame();
        frames.push_back(snapshot());
    }
    return frames;
}

TEST(Replay, TheSameSeedAndButtonsGiveTheSameGame)
{
    open_test_screen();
    std::srand(2024);
    std::vector<int> directions;
    for (int i = 0; i < NPC_COUNT; i++)
        directions.push_back(std::rand() % 4 + 1);
    std::srand(2024);
    init_npcs();
    EXPECT_EQ(std::vector<int>(npc_direction, npc_direction + NPC_COUNT), directions)
        << "the characters' first directions are the first seven draws";

    std::vector<std::vector<int>> first = replay(2024);
    ASSERT_NE(current_monster, -1) << "no monster met in " << first.size() << " frames";
    std::string message = battle_message;
    EXPECT_EQ(message, "A " + std::string(monster_name[current_monster]) + " approaches.");
    EXPECT_NE(first.front(), first.back());

    std::vector<std::vector<int>> second = replay(2024);
    EXPECT_EQ(first, second);
    EXPECT_EQ(message, std::string(battle_message));
    EXPECT_NE(replay(2025), first);
    drain_events();
    reset_game_state();
}

} // namespace
