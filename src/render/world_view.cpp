// The world view: the camera's window of map cells with their four ground
// layers, the characters on top, and the overhead layer over them all.
#include "render/render.h"
#include "shell/game_state.h"
#include "world/world.h"

// Cells enough to cover the screen at any camera offset.
static const int VIEW_COLUMNS = SCREEN_WIDTH / TILE_SIZE + 1;
static const int VIEW_ROWS = SCREEN_HEIGHT / TILE_SIZE + 1;

// A character's anchor lies this far right of and below its frame's corner.
static const int ANCHOR_X = 10;
static const int ANCHOR_Y = 30;

// The clip of a tile value, or null for an empty cell or a value that no
// sheet has.
static SDL_Rect* tile_clip(int value)
{
    return value >= 0 && value < TILES_PER_SHEET ? &tile_clips[value] : NULL;
}

// Draws one frame of the character sheet for a character anchored at world
// (x, y). A frame the sheet does not have, or a character wholly off the
// screen, draws nothing.
static void draw_character(int x, int y, int frame)
{
    if (frame < 0 || frame >= SPRITE_FRAME_COUNT)
        return;
    const long long left = (long long)x - camera_x - ANCHOR_X;
    const long long top = (long long)y - camera_y - ANCHOR_Y;
    if (left <= -SPRITE_WIDTH || left >= SCREEN_WIDTH || top <= -SPRITE_HEIGHT || top >= SCREEN_HEIGHT)
        return;
    apply_surface((int)left, (int)top, charset, screen, &sprite_clips[frame]);
}

// The frame of NPC n: its row's first frame while it stands (or holds a
// direction no character has), else its walking direction's step.
static int npc_frame(int n, int step)
{
    const int direction = npc_direction[n];
    if (direction <= NPC_STANDING || direction > NPC_WALK_UP)
        return npc_sprite[n];
    return npc_sprite[n] + 2 * (direction - 1) + step;
}

void draw_world()
{
    const int step = walking_step();

    // The visible window, cut to the map.
    int first_column = camera_x / TILE_SIZE;
    int first_row = camera_y / TILE_SIZE;
    int last_column = first_column + VIEW_COLUMNS - 1;
    int last_row = first_row + VIEW_ROWS - 1;
    if (first_column < 0)
        first_column = 0;
    if (first_row < 0)
        first_row = 0;
    if (last_column > MAP_SIZE - 1)
        last_column = MAP_SIZE - 1;
    if (last_row > MAP_SIZE - 1)
        last_row = MAP_SIZE - 1;

    SDL_Surface* const ground_sheets[LAYER_OVERHEAD] = {tileset0, tileset1, tileset2, tileset3};

    for (int i = first_column; i <= last_column; i++) {
        const int x = TILE_SIZE * i - camera_x;
        for (int j = first_row; j <= last_row; j++) {
            const int y = TILE_SIZE * j - camera_y;
            // Empty ground, and ground no sheet has a tile for, animates.
            const int value = map_layers[LAYER_GROUND][i][j];
            const int tile = tile_clip(value) != NULL ? value : step;
            apply_surface(x, y, ground_sheet(tile), screen, &tile_clips[tile]);
            for (int layer = LAYER_EDGE; layer < LAYER_OVERHEAD; layer++) {
                SDL_Rect* clip = tile_clip(map_layers[layer][i][j]);
                if (clip != NULL)
                    apply_surface(x, y, ground_sheets[layer], screen, clip);
            }
        }
    }

    for (int n = 0; n < NPC_COUNT; n++)
        draw_character(npc_x[n], npc_y[n], npc_frame(n, step));
    draw_character(player_x, player_y, player_frame);

    for (int i = first_column; i <= last_column; i++) {
        const int x = TILE_SIZE * i - camera_x;
        for (int j = first_row; j <= last_row; j++) {
            SDL_Rect* clip = tile_clip(map_layers[LAYER_OVERHEAD][i][j]);
            if (clip != NULL)
                apply_surface(x, TILE_SIZE * j - camera_y, tileset4, screen, clip);
        }
    }
}
