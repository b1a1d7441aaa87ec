// Exploration: the player's walk, the facing point and walking frame, the
// random encounters, the push-back out of blocked cells and the characters'
// wandering. Every rand() call happens in a fixed order, so a seed replays.
#include <cstdio>
#include <cstdlib>

#include "shell/game_state.h"
#include "world/world.h"

// How far ahead of the player the facing point lies.
static const int FACING_DISTANCE = 8;

// The four probes around a character's anchor: up, down, left and right.
static const int PROBE_UP = 4;
static const int PROBE_DOWN = 6;
static const int PROBE_SIDE = 8;

// First frames of the walking directions in a row of the character sheet.
static const int FRAME_DOWN = 0;
static const int FRAME_LEFT = 2;
static const int FRAME_RIGHT = 4;
static const int FRAME_UP = 6;

// The encounter roll that starts a battle.
static const int ENCOUNTER_HIT = 5;

int walking_step() { return anim_phase >= 1.0 ? 1 : 0; }

// A point blocks walking when its cell is blocked. Points off the map (any
// pixel coordinate below 0 or from 4000 on) count as blocked.
static bool blocked(long long x, long long y)
{
    if (x < 0 || y < 0 || x >= MAP_PIXELS || y >= MAP_PIXELS)
        return true;
    return collision_grid[x / TILE_SIZE][y / TILE_SIZE] == 1;
}

static int random_direction() { return std::rand() % 4 + 1; }

// The player (npc < 0) keeps walking as the buttons say.
static void turn_after_push(int npc)
{
    if (npc >= 0)
        npc_direction[npc] = random_direction();
}

// Pushes a character at (*x, *y) back out of blocked cells with the four
// probes: up then down, left then right. When both probes of a pair are
// blocked their corrections cancel. A wandering character (npc >= 0) picks a
// new direction after each correction, before the next probe.
static void push_back(int* x, int* y, int npc)
{
    int px = *x;
    int py = *y;
    if (blocked(px, (long long)py - PROBE_UP)) {
        py = py + 1;
        *y = py;
        turn_after_push(npc);
    }
    if (blocked(px, (long long)py + PROBE_DOWN)) {
        *y = py - 1;
        turn_after_push(npc);
    }
    py = *y;
    if (blocked((long long)px - PROBE_SIDE, py)) {
        px = px + 1;
        *x = px;
        turn_after_push(npc);
    }
    if (blocked((long long)px + PROBE_SIDE, py)) {
        *x = px - 1;
        turn_after_push(npc);
    }
}

bool stands_free(int x, int y)
{
    return !blocked(x, (long long)y - PROBE_UP) && !blocked(x, (long long)y + PROBE_DOWN)
        && !blocked((long long)x - PROBE_SIDE, y) && !blocked((long long)x + PROBE_SIDE, y);
}

void start_encounter()
{
    const int m = std::rand() % MONSTER_COUNT;
    current_monster = m;
    monster_hp = monster_max_hp[m];
    std::snprintf(battle_message, sizeof battle_message, "A %.*s approaches.", MONSTER_NAME_SIZE - 1,
        monster_name[m]);
    message_chars = 0.0;
    battle_state = BATTLE_MESSAGE;
}

void move_npcs()
{
    for (int i = 0; i < NPC_COUNT; i++) {
        switch (npc_direction[i]) {
        case NPC_STANDING: npc_direction[i] = random_direction(); break;
        case NPC_WALK_DOWN: npc_y[i]++; break;
        case NPC_WALK_LEFT: npc_x[i]--; break;
        case NPC_WALK_RIGHT: npc_x[i]++; break;
        case NPC_WALK_UP: npc_y[i]--; break;
        default: break;
        }

        push_back(&npc_x[i], &npc_y[i], i);

        if (facing_x - DIALOG_RANGE < npc_x[i] && npc_x[i] < facing_x + DIALOG_RANGE
            && facing_y - DIALOG_RANGE < npc_y[i] && npc_y[i] < facing_y + DIALOG_RANGE)
            npc_direction[i] = NPC_STANDING;
    }
}

void update_exploration()
{
    const bool up = up_button != 0;
    const bool down = down_button != 0;
    const bool left = left_button != 0;
    const bool right = right_button != 0;

    if (up || down || left || right) {
        if (up)
            player_y--;
        if (down)
            player_y++;
        if (left)
            player_x--;
        if (right)
            player_x++;

        facing_y = down ? player_y + FACING_DISTANCE : up ? player_y - FACING_DISTANCE : player_y;
        facing_x = right ? player_x + FACING_DISTANCE : left ? player_x - FACING_DISTANCE : player_x;

        // A vertical direction wins over a horizontal one; a pair held both
        // ways leaves the frame alone.
        const int step = walking_step();
        if (left && !right)
            player_frame = step + FRAME_LEFT;
        if (right && !left)
            player_frame = step + FRAME_RIGHT;
        if (up && !down)
            player_frame = step + FRAME_UP;
        if (down && !up)
            player_frame = step + FRAME_DOWN;

        if (std::rand() % ENCOUNTER_ROLL == ENCOUNTER_HIT)
            start_encounter();
    }

    push_back(&player_x, &player_y, -1);

    npc_step_counter++;
    if (npc_step_counter == 2) {
        npc_step_counter = 0;
        move_npcs();
    }
}
