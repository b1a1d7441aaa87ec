// Exploration on maps built here: walking and facing, the walking frame, the
// push-back out of blocked cells, the characters' wandering and stopping. The
// encounters are pinned by the seeded games that tests/replays play through.
#include "support/test_support.h"

namespace
{

const int UP = 1, DOWN = 2, LEFT = 4, RIGHT = 8;

// Holds the directions in `held` (UP | DOWN | LEFT | RIGHT) for `calls` exploration steps.
void walk(int held, int calls = 1)
{
    up_button = held & UP ? BUTTON_PRESSED : 0;
    down_button = held & DOWN ? BUTTON_PRESSED : 0;
    left_button = held & LEFT ? BUTTON_PRESSED : 0;
    right_button = held & RIGHT ? BUTTON_PRESSED : 0;
    for (int i = 0; i < calls; i++)
        update_exploration();
}

void block(int cx, int cy)
{
    map_layers[LAYER_OBSTACLE][cx][cy] = 0;
    build_collision_grid();
}

// Position, facing point and walking frame of the player.
Ints player()
{
    return { player_x, player_y, facing_x, facing_y, player_frame };
}

class Exploration : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        init_monsters();
        fill_map(0);
        player_x = player_y = 1010;
        // The characters wait far away with a direction that never moves
        // them, so they draw no random numbers unless a test wants them to.
        for (int i = 0; i < NPC_COUNT; i++) {
            npc_x[i] = 3000;
            npc_y[i] = 3000 + 50 * i;
            npc_direction[i] = 9;
        }
    }
};

TEST_F(Exploration, WalkingFacingAndTheWalkingFrame)
{
    walk(RIGHT);
    EXPECT_EQ(player(), Ints({ 1011, 1010, 1019, 1010, 4 }));
    anim_phase = 1.5;
    walk(DOWN | LEFT); // down wins over left
    EXPECT_EQ(player(), Ints({ 1010, 1011, 1002, 1019, 1 }));
    walk(UP | LEFT); // up wins over left
    EXPECT_EQ(player(), Ints({ 1009, 1010, 1001, 1002, 7 }));

    // Opposite buttons cancel; a pair held both ways leaves the frame alone.
    player_frame = 5;
    walk(UP | DOWN | LEFT | RIGHT);
    EXPECT_EQ(player(), Ints({ 1009, 1010, 1017, 1018, 5 }));
    walk(UP | DOWN | LEFT);
    EXPECT_EQ(player(), Ints({ 1008, 1010, 1000, 1018, 3 }));

    // A phase of exactly 2.0 still shows the second step.
    anim_phase = 2.0;
    walk(UP);
    EXPECT_EQ(player(), Ints({ 1008, 1009, 1008, 1001, 7 }));
}

TEST_F(Exploration, BlockedCellsAndTheMapsEdgesPushThePlayerBack)
{
    block(51, 50); // x 1020 to 1039
    block(49, 50); // x 980 to 999
    block(50, 49); // y 980 to 999
    block(50, 51); // y 1020 to 1039
    // Directions held and where the player stands still. Off the map is
    // blocked: the probe at x -1 is not in column 0.
    const int stops[][3] = { { RIGHT, 1011, 1010 }, { LEFT, 1008, 1010 }, { UP, 1010, 1004 },
        { DOWN, 1010, 1013 }, { LEFT, 8, 100 }, { RIGHT, 3991, 100 }, { UP, 100, 4 }, { DOWN, 100, 3993 } };
    for (const auto& s : stops) {
        player_x = s[1];
        player_y = s[2];
        walk(s[0], 2);
        EXPECT_EQ(Ints({ player_x, player_y }), Ints({ s[1], s[2] }));
        if (s[1] > 20 && s[1] < 3980 && s[2] > 20 && s[2] < 3980) {
            EXPECT_EQ(collision_grid[facing_x / TILE_SIZE][facing_y / TILE_SIZE], 1) << "faces into the wall";
        }
    }

    // Standing with the upper probe in a wall pushes the player down, once.
    player_x = 1010;
    player_y = 1003;
    walk(0, 2);
    EXPECT_EQ(player_y, 1004);

    // Both probes of each pair blocked, everywhere or off the map: the
    // corrections cancel and the player walks on.
    fill_map(TILE_EMPTY);
    player_x = player_y = 1010;
    walk(UP | RIGHT, 2);
    EXPECT_EQ(Ints({ player_x, player_y }), Ints({ 1012, 1008 }));
    player_x = -500;
    player_y = 100000;
    walk(UP | RIGHT);
    EXPECT_EQ(Ints({ player_x, player_y }), Ints({ -499, 99999 }));
}

TEST_F(Exploration, ACharacterStopsWithinTalkingRangeAndTurnsAtAWall)
{
    // After its step down the character stands at (1000, 1001); exactly
    // 10 px from the facing point on either axis it walks on.
    const int walks_on[][2] = { { 10, 0 }, { -10, 0 }, { 0, 10 }, { 0, -10 } };
    for (const auto& d : walks_on) {
        npc_x[0] = npc_y[0] = 1000;
        npc_direction[0] = 1;
        facing_x = 1000 + d[0];
        facing_y = 1001 + d[1];
        move_npcs();
        EXPECT_EQ(Ints({ npc_y[0], npc_direction[0] }), Ints({ 1001, 1 }))
            << "off by " << d[0] << ", " << d[1];
    }
    npc_y[0] = 1000;
    facing_x = 991;
    facing_y = 1010;
    for (int step = 0; step < 6; step++)
        move_npcs(); // (1000, 1001): 9 px on both axes
    EXPECT_EQ(Ints({ npc_x[0], npc_y[0], npc_direction[0] }), Ints({ 1000, 1001, 0 }));
    facing_x = 990;
    move_npcs(); // 10 px: the direction drawn while standing stays
    EXPECT_EQ(npc_y[0], 1001);
    EXPECT_TRUE(npc_direction[0] >= 1 && npc_direction[0] <= 4) << npc_direction[0];

    // Pushed back from a wall it draws a new direction, and a standing one
    // sets off, one draw each.
    block(51, 50);
    npc_x[0] = 1011;
    npc_y[0] = 1010;
    npc_direction[0] = NPC_WALK_RIGHT;
    npc_direction[1] = NPC_STANDING;
    const Ints r = seeded_draws(1, 3);
    move_npcs();
    EXPECT_EQ(Ints({ npc_x[0], npc_y[1], std::rand() }), Ints({ 1011, 3050, r[2] }));
}

} // namespace
