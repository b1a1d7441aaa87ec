// The world view on sheets made here, whose tiles and frames each have a
// colour of their own, and the frame composition: the camera that follows
// the player and the animation phase.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "render/render.h"
#include "shell/game_state.h"
#include "support/test_support.h"
#include "world/world.h"

namespace {

// Tile t of sheet k, and frame f of the character sheet.
Uint16 tile_colour(int k, int t)
{
    return (Uint16)SDL_MapRGB(screen->format, (Uint8)(12 * t), (Uint8)(48 * k + 8), 100);
}
Uint16 frame_colour(int f)
{
    return (Uint16)SDL_MapRGB(screen->format, (Uint8)(32 * (f % 8)), (Uint8)(32 * (f / 8)), 240);
}

// A sheet of 20 tiles whose tiles are opaque in their top `opaque_rows`
// rows only, cyan (transparent) below.
SDL_Surface* make_sheet(int k, int opaque_rows)
{
    SDL_Surface* sheet = make_surface(TILES_PER_SHEET * TILE_SIZE, TILE_SIZE, 0, 255, 255);
    for (int t = 0; t < TILES_PER_SHEET; t++) {
        SDL_Rect r = {(Sint16)(TILE_SIZE * t), 0, TILE_SIZE, (Uint16)opaque_rows};
        SDL_FillRect(sheet, &r, tile_colour(k, t));
    }
    SDL_SetColorKey(sheet, SDL_SRCCOLORKEY, SDL_MapRGB(sheet->format, 0, 255, 255));
    return sheet;
}

class WorldView : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_game_state();
        open_test_screen();
        fill_clip_tables();
        // Each ground layer covers less of its cell than the one below, so
        // every layer drawn shows in a band of its own: rows 0-7 show layer
        // 3, 8-11 layer 2, 12-15 layer 1 and 16-19 layer 0. The overhead
        // layer covers the top half of its cell.
        tileset0 = make_sheet(0, 20);
        tileset1 = make_sheet(1, 16);
        tileset2 = make_sheet(2, 12);
        tileset3 = make_sheet(3, 8);
        tileset4 = make_sheet(4, 10);
        charset = make_surface(8 * SPRITE_WIDTH, 8 * SPRITE_HEIGHT, 0, 0, 0);
        for (int f = 0; f < SPRITE_FRAME_COUNT; f++)
            SDL_FillRect(charset, &sprite_clips[f], frame_colour(f));

        for (int layer = 0; layer < LAYER_COUNT; layer++)
            for (int x = 0; x < MAP_SIZE; x++)
                for (int y = 0; y < MAP_SIZE; y++)
                    map_layers[layer][x][y] = layer == LAYER_GROUND ? 0 : TILE_EMPTY;
        for (int n = 0; n < NPC_COUNT; n++) {
            npc_x[n] = 3000;
            npc_y[n] = 3000;
            npc_sprite[n] = 8 * (n + 1);
        }
        player_x = 3000;
        player_y = 3000;
        camera_x = 0;
        camera_y = 0;
        SDL_FillRect(screen, nullptr, 0);
    }

    void TearDown() override
    {
        for (SDL_Surface** s : {&tileset0, &tileset1, &tileset2, &tileset3, &tileset4, &charset}) {
            SDL_FreeSurface(*s);
            *s = nullptr;
        }
    }

    static Uint16 at(int x, int y) { return pixel16(screen, x, y); }

    // Pixels of the screen that differ from expected(x, y).
    template <typename Expected> static int mismatches(Expected expected)
    {
        int wrong = 0;
        for (int y = 0; y < SCREEN_HEIGHT; y++)
            for (int x = 0; x < SCREEN_WIDTH; x++)
                wrong += at(x, y) != expected(x, y);
        return wrong;
    }
};

TEST_F(WorldView, TheVisibleCellsFollowTheCamera)
{
    const int cameras[][2] = {{0, 0}, {30, 50}, {3680, 3760}};
    for (const auto& c : cameras) {
        camera_x = c[0];
        camera_y = c[1];
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                map_layers[LAYER_GROUND][x][y] = x % 20;
        draw_world();
        EXPECT_EQ(mismatches([&](int x, int) { return tile_colour(0, (x + camera_x) / TILE_SIZE % 20); }), 0)
            << "columns at camera " << camera_x << ", " << camera_y;

        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                map_layers[LAYER_GROUND][x][y] = (y + 7) % 20;
        draw_world();
        auto row_tile = [&](int, int y) { return tile_colour(0, ((y + camera_y) / TILE_SIZE + 7) % 20); };
        EXPECT_EQ(mismatches(row_tile), 0) << "rows at camera " << camera_x << ", " << camera_y;
    }

    // A camera past the map's edge, as a save file may hold, draws only the
    // cells that exist and leaves the rest of the screen as it was.
    camera_x = -30;
    camera_y = 3900;
    SDL_FillRect(screen, nullptr, 0);
    draw_world();
    EXPECT_EQ(mismatches([&](int x, int y) {
        bool on_map = x >= 30 && y < MAP_PIXELS - camera_y;
        return on_map ? tile_colour(0, ((y + camera_y) / TILE_SIZE + 7) % 20) : 0;
    }),
        0);
    camera_x = INT_MIN;
    camera_y = INT_MAX;
    SDL_FillRect(screen, nullptr, 0);
    draw_world();
    EXPECT_EQ(mismatches([](int, int) { return 0; }), 0);
}

TEST_F(WorldView, LayersDrawInOrderWithTheCharactersBelowTheOverhead)
{
    // Cell (2, 2), drawn at (40, 40): all four ground layers.
    map_layers[0][2][2] = 5;
    map_layers[1][2][2] = 6;
    map_layers[2][2][2] = 7;
    map_layers[3][2][2] = 8;
    // Values no sheet has: ground shows the filler, other layers nothing.
    map_layers[0][4][2] = TILE_EMPTY;
    map_layers[0][5][2] = 25;
    map_layers[0][6][2] = -7;
    map_layers[0][7][2] = 3;
    map_layers[2][7][2] = 20;
    map_layers[3][7][2] = -2;
    map_layers[0][8][2] = 4;
    // The player and two characters under it on cells (8, 2) and (8, 3); an
    // overhead tile on (8, 2).
    map_layers[4][8][2] = 2;
    player_x = npc_x[0] = npc_x[1] = 170;
    player_y = npc_y[0] = npc_y[1] = 70;
    player_frame = 3;
    // Two characters overlapping on (11, 2): the later one covers the earlier.
    npc_x[2] = 230;
    npc_x[3] = 235;
    npc_y[2] = npc_y[3] = 70;
    npc_direction[2] = npc_direction[3] = 1;

    for (double phase : {0.5, 1.5, 2.0}) {
        anim_phase = phase;
        const int step = phase < 1.0 ? 0 : 1;
        draw_world();
        EXPECT_EQ(at(45, 41), tile_colour(3, 8));
        EXPECT_EQ(at(45, 49), tile_colour(2, 7));
        EXPECT_EQ(at(45, 53), tile_colour(1, 6));
        EXPECT_EQ(at(45, 58), tile_colour(0, 5));
        for (int cell : {4, 5, 6})
            EXPECT_EQ(at(20 * cell + 5, 45), tile_colour(0, step)) << "filler in column " << cell;
        EXPECT_EQ(at(145, 41), tile_colour(0, 3));
        EXPECT_EQ(at(165, 58), frame_colour(3)) << "the player under an open part of the overhead tile";
        EXPECT_EQ(at(165, 41), tile_colour(4, 2)) << "the overhead tile covers the player";
        EXPECT_EQ(at(165, 65), frame_colour(3)) << "the player covers the characters";
        EXPECT_EQ(at(221, 50), frame_colour(npc_sprite[2] + step));
        EXPECT_EQ(at(226, 50), frame_colour(npc_sprite[3] + step));
    }
}

TEST_F(WorldView, CharactersShowTheirFrameAtTheirAnchor)
{
    camera_x = 100;
    camera_y = 100;
    npc_x[1] = 200;
    npc_y[1] = 300;
    npc_sprite[1] = 16;
    npc_direction[1] = 2;
    anim_phase = 1.3;
    draw_world();
    EXPECT_EQ(at(90, 170), frame_colour(19));
    EXPECT_EQ(at(109, 209), frame_colour(19));
    for (auto p : {std::make_pair(89, 170), {90, 169}, {110, 170}, {90, 210}})
        EXPECT_NE(at(p.first, p.second), frame_colour(19)) << p.first << ", " << p.second;

    // Standing, and a direction no character has, show the row's first
    // frame; walking up on the last row at a phase of 2.0 shows the second
    // step, never a frame past the sheet.
    const struct {
        int direction;
        double phase;
        int frame;
    } cases[] = {{0, 1.3, 16}, {9, 1.3, 16}, {-3, 0.0, 16}, {4, 0.2, 22}, {4, 2.0, 23}};
    for (const auto& c : cases) {
        npc_direction[1] = c.direction;
        anim_phase = c.phase;
        draw_world();
        EXPECT_EQ(at(95, 180), frame_colour(c.frame)) << "direction " << c.direction << " phase " << c.phase;
    }
    npc_sprite[6] = 56;
    npc_direction[6] = 4;
    npc_x[6] = 300;
    npc_y[6] = 300;
    anim_phase = 2.0;
    draw_world();
    EXPECT_EQ(at(195, 180), frame_colour(63));

    // The player's frame as it stands; a frame the sheet lacks draws nothing.
    player_x = 400;
    player_y = 300;
    for (int frame : {10, 64, -1, INT_MAX}) {
        player_frame = frame;
        SDL_FillRect(screen, nullptr, 0);
        draw_world();
        EXPECT_EQ(at(295, 180), frame < 0 || frame > 63 ? tile_colour(0, 0) : frame_colour(frame)) << frame;
    }

    // A character 65536 px away is not drawn where its screen position
    // would wrap around to.
    npc_x[1] = 200 + 65536;
    npc_direction[1] = 0;
    draw_world();
    EXPECT_EQ(at(95, 180), tile_colour(0, 0));
}

TEST_F(WorldView, TheCameraKeepsThePlayerInItsBoxAndStaysOnTheMap)
{
    reset_game_state();
    const int start_x = player_x, start_y = player_y;
    struct {
        int dx, dy, camera_x, camera_y;
    } const moves[] = {
        {50, 25, 1381, 2789}, {51, 0, 1382, 2789}, {-50, -25, 1381, 2789}, {-51, 0, 1380, 2789},
        {0, 26, 1381, 2790}, {0, -26, 1381, 2788},
    };
    for (const auto& m : moves) {
        camera_x = 1381;
        camera_y = 2789;
        player_x = start_x + m.dx;
        player_y = start_y + m.dy;
        update_camera();
        EXPECT_EQ(camera_x, m.camera_x) << m.dx << ", " << m.dy;
        EXPECT_EQ(camera_y, m.camera_y) << m.dx << ", " << m.dy;
    }
    const int edges[][4] = {{3990, 3990, 3680, 3760}, {50, 10, 0, 0}, {-700, 9000, 0, 3760}};
    for (const auto& e : edges) {
        player_x = e[0];
        player_y = e[1];
        for (int frame = 0; frame < 3; frame++)
            update_camera();
        EXPECT_EQ(camera_x, e[2]);
        EXPECT_EQ(camera_y, e[3]);
    }
    player_x = INT_MIN;
    player_y = INT_MAX;
    update_camera();
    EXPECT_EQ(camera_x, 0);
    EXPECT_EQ(camera_y, 3760);
}

TEST_F(WorldView, ThePhaseRunsTwentyFrameCyclesOnlyWhileExploring)
{
    // Walking right from a phase of 0.0: 11 frames of the first step, 9 of
    // the second, over and over.
    std::srand(1);
    right_button = BUTTON_PRESSED;
    std::vector<int> shown;
    for (int frame = 0; frame < 40; frame++) {
        update_exploration();
        shown.push_back(player_frame);
        draw_frame();
    }
    ASSERT_EQ(current_monster, -1) << "pick a seed without an encounter";
    std::vector<int> cycle(11, 4);
    cycle.insert(cycle.end(), 9, 5);
    std::vector<int> expected = cycle;
    expected.insert(expected.end(), cycle.begin(), cycle.end());
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(anim_phase, 0.0);

    // The menu and a battle hold the phase and the camera.
    anim_phase = 1.9;
    const int cam_x = camera_x, cam_y = camera_y;
    player_x += 300;
    player_y += 300;
    for (int state : {1, 2}) {
        menu_state = state;
        draw_frame();
    }
    menu_state = 0;
    current_monster = 4;
    draw_frame();
    EXPECT_EQ(anim_phase, 1.9);
    EXPECT_EQ(camera_x, cam_x);
    EXPECT_EQ(camera_y, cam_y);

    // A phase of 1.9 from a save reaches exactly 2.0, which does not exceed
    // the end, and starts over on the frame after.
    current_monster = -1;
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_layers[LAYER_GROUND][x][y] = TILE_EMPTY;
    draw_frame();
    EXPECT_EQ(anim_phase, 2.0);
    EXPECT_NE(camera_x, cam_x);
    EXPECT_EQ(at(5, 5), tile_colour(0, 1)) << "empty ground shows the second step";
    draw_frame();
    EXPECT_EQ(anim_phase, 0.0);
}

} // namespace
