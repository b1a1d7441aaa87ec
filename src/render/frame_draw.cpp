// Frame composition: the camera that follows the player, the shared
// animation phase, and the fixed order in which each frame is painted.
#include "render/render.h"
#include "shell/game_state.h"

// The box on the screen within which the player's anchor may move before
// the camera follows: x from 110 to 210, y from 95 to 145.
static const int DEAD_ZONE_LEFT = 110;
static const int DEAD_ZONE_RIGHT = 210;
static const int DEAD_ZONE_TOP = 95;
static const int DEAD_ZONE_BOTTOM = 145;

// The phase grows by this much a frame and starts over once past the end.
static const double PHASE_STEP = 0.1;
static const double PHASE_END = 2.0;

// The larger of value and low, then the smaller of that and high; when the
// two disagree, high wins, as the camera's follow rule wants.
static long long follow(long long value, long long low, long long high)
{
    if (value < low)
        value = low;
    if (value > high)
        value = high;
    return value;
}

static int clamp_to(long long value, int high)
{
    if (value < 0)
        return 0;
    if (value > high)
        return high;
    return (int)value;
}

void update_camera()
{
    const long long x
        = follow(camera_x, (long long)player_x - DEAD_ZONE_RIGHT, (long long)player_x - DEAD_ZONE_LEFT);
    const long long y
        = follow(camera_y, (long long)player_y - DEAD_ZONE_BOTTOM, (long long)player_y - DEAD_ZONE_TOP);
    camera_x = clamp_to(x, CAMERA_MAX_X);
    camera_y = clamp_to(y, CAMERA_MAX_Y);
}

void draw_frame()
{
    if (menu_state == MENU_CLOSED && current_monster == NO_MONSTER) {
        update_camera();
        // Plain double addition: 0.1 is inexact, so a cycle is 20 frames,
        // 11 of them in the first step and 9 in the second.
        const double next = anim_phase + PHASE_STEP;
        anim_phase = next > PHASE_END ? 0.0 : next;
    }

    draw_world();
    draw_status_panel();
    if (current_monster != NO_MONSTER) {
        draw_monster_panel();
        draw_battle_window();
        return;
    }
    draw_save_menu();
    draw_event_dialogs();
}
