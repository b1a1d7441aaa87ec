// The world view on sheets made here, whose tiles and frames each have a
// colour of their own, and the frame composition: the camera that stays on
// the map and the animation phase.
#include "support/test_support.h"

namespace
{

class WorldView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        reset_game_state();
        open_test_screen();
        fill_clip_tables();
        // Each ground layer covers less of its cell than the one below, so
        // every layer drawn shows in a band of its own: rows 0-7 show layer
        // 3, 8-11 layer 2, 12-15 layer 1 and 16-19 layer 0. The overhead
        // layer covers the top half of its cell; cyan is transparent.
        const int opaque_rows[] = { 20, 16, 12, 8, 10 };
        SDL_Surface** sheets[] = { &tileset0, &tileset1, &tileset2, &tileset3, &tileset4 };
        for (int k = 0; k < 5; k++) {
            *sheets[k] = make_surface(TILES_PER_SHEET * TILE_SIZE, TILE_SIZE, 0, 255, 255);
            for (int t = 0; t < TILES_PER_SHEET; t++) {
                SDL_Rect r = { (Sint16)(TILE_SIZE * t), 0, TILE_SIZE, (Uint16)opaque_rows[k] };
                SDL_FillRect(*sheets[k], &r, tile_colour(k, t));
            }
            SDL_SetColorKey(*sheets[k], SDL_SRCCOLORKEY, SDL_MapRGB(screen->format, 0, 255, 255));
        }
        // Eight rows of eight frames, each frame a colour of its own.
        charset = make_surface(8 * SPRITE_WIDTH, 8 * SPRITE_HEIGHT, 0, 0, 0);
        for (int f = 0; f < SPRITE_FRAME_COUNT; f++) {
            SDL_Rect r = { (Sint16)(SPRITE_WIDTH * (f % 8)), (Sint16)(SPRITE_HEIGHT * (f / 8)), SPRITE_WIDTH,
                SPRITE_HEIGHT };
            SDL_FillRect(charset, &r, frame_colour(f));
        }

        fill_map(0);
        for (int n = 0; n < NPC_COUNT; n++) {
            npc_x[n] = npc_y[n] = 3000;
            npc_sprite[n] = 8 * (n + 1);
        }
        player_x = player_y = 3000;
        camera_x = camera_y = 0;
        SDL_FillRect(screen, nullptr, 0);
        update_ground_sheet();
    }

    void TearDown() override
    {
        for (SDL_Surface** s : { &tileset0, &tileset1, &tileset2, &tileset3, &tileset4, &charset }) {
            SDL_FreeSurface(*s);
            *s = nullptr;
        }
    }

    // Tile t of sheet k, and frame f of the character sheet.
    static Uint16 tile_colour(int k, int t) { return SDL_MapRGB(screen->format, 12 * t, 48 * k + 8, 100); }
    static Uint16 frame_colour(int f) { return SDL_MapRGB(screen->format, 32 * (f % 8), 32 * (f / 8), 240); }
    static Uint16 at(int x, int y) { return pixel16(screen, x, y); }

    // Draws the world on a black screen; returns the pixels that differ from expected(x, y).
    template <typename Expected> static int mismatches(Expected expected)
    {
        SDL_FillRect(screen, nullptr, 0);
        draw_world();
        int wrong = 0;
        for (int y = 0; y < SCREEN_HEIGHT; y++)
            for (int x = 0; x < SCREEN_WIDTH; x++)
                wrong += at(x, y) != expected(x, y);
        return wrong;
    }
};

TEST_F(WorldView, TheVisibleCellsFollowTheCamera)
{
    // Every cell's ground tells its column and row apart from its neighbours'.
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_layers[LAYER_GROUND][x][y] = (x + 3 * y) % 20;
    auto cell
        = [](int x, int y) { return tile_colour(0, ((x + camera_x) / 20 + 3 * ((y + camera_y) / 20)) % 20); };
    // At the map's far corner the last column and row are drawn, and none past them.
    camera_x = 3680;
    camera_y = 3760;
    EXPECT_EQ(mismatches(cell), 0);

    // A camera past the map's edge, as a save file may hold, draws only the
    // cells that exist and leaves the rest of the screen as it was.
    camera_x = -30;
    camera_y = 3900;
    EXPECT_EQ(
        mismatches([&](int x, int y) { return x >= 30 && y < MAP_PIXELS - camera_y ? cell(x, y) : 0; }), 0);
    camera_x = INT_MIN;
    camera_y = INT_MAX;
    EXPECT_EQ(mismatches([](int, int) { return 0; }), 0);
}

TEST_F(WorldView, LayersDrawInOrderWithTheCharactersBelowTheOverhead)
{
    // Cell (2, 2), drawn at (40, 40): all four ground layers.
    for (int layer = 0; layer < 4; layer++)
        map_layers[layer][2][2] = 5 + layer;
    // Values no sheet has: ground shows the filler in cells 4 to 6, other layers nothing in cell 7.
    map_layers[0][4][2] = TILE_EMPTY;
    map_layers[0][5][2] = 25;
    map_layers[0][6][2] = -7;
    map_layers[0][7][2] = 3;
    map_layers[2][7][2] = 20;
    map_layers[3][7][2] = -2;
    // The player and two characters under it on cells (8, 2) and (8, 3); an
    // overhead tile on (8, 2).
    map_layers[0][8][2] = 4;
    map_layers[4][8][2] = 2;
    player_x = npc_x[0] = npc_x[1] = 170;
    player_y = npc_y[0] = npc_y[1] = 70;
    player_frame = 3;
    // Two characters overlapping on (11, 2): the later one covers the earlier.
    npc_x[2] = 230;
    npc_x[3] = 235;
    npc_y[2] = npc_y[3] = 70;
    npc_direction[2] = npc_direction[3] = 1;

    for (double phase : { 0.5, 1.5, 2.0 }) {
        anim_phase = phase;
        const int step = phase < 1.0 ? 0 : 1;
        draw_world();
        const std::vector<Uint16> shown
            = { at(45, 41), at(45, 49), at(45, 53), at(45, 58), at(85, 45), at(105, 45), at(125, 45),
                  at(145, 41), at(165, 58), at(165, 41), at(165, 65), at(221, 50), at(226, 50) };
        const std::vector<Uint16> expected = { tile_colour(3, 8), tile_colour(2, 7), tile_colour(1, 6),
            tile_colour(0, 5), tile_colour(0, step), tile_colour(0, step), tile_colour(0, step),
            tile_colour(0, 3), frame_colour(3), tile_colour(4, 2), frame_colour(3),
            frame_colour(npc_sprite[2] + step), frame_colour(npc_sprite[3] + step) };
        // Layers 3 to 0, the filler, cell 7, the player under an open part of
        // the overhead tile, the overhead tile over the player, the player over
        // the characters, and the two overlapping characters.
        EXPECT_EQ(shown, expected) << "phase " << phase;
    }
}

TEST_F(WorldView, CharactersShowTheirFrameAtTheirAnchor)
{
    camera_x = camera_y = 100;
    npc_x[1] = 200;
    npc_y[1] = 300;
    npc_sprite[1] = 16;

    // A direction no character has shows the row's first frame; walking up
    // on the last row at a phase of 2.0 shows the second step, never a frame
    // past the sheet.
    const struct {
        int direction;
        double phase;
        int frame;
    } cases[] = { { 9, 1.3, 16 }, { -3, 0.0, 16 }, { 4, 2.0, 23 } };
    for (const auto& c : cases) {
        npc_direction[1] = c.direction;
        anim_phase = c.phase;
        draw_world();
        EXPECT_EQ(at(95, 180), frame_colour(c.frame)) << "direction " << c.direction << " phase " << c.phase;
    }

    // A frame the sheet lacks draws nothing.
    player_x = 400;
    player_y = 300;
    for (int frame : { 63, 64, -1, INT_MAX }) {
        player_frame = frame;
        SDL_FillRect(screen, nullptr, 0);
        draw_world();
        EXPECT_EQ(at(295, 180), frame < 0 || frame > 63 ? tile_colour(0, 0) : frame_colour(frame)) << frame;
    }

    // A character 65536 px away is not drawn where its screen position would wrap around to.
    npc_x[1] = 200 + 65536;
    npc_direction[1] = 0;
    draw_world();
    EXPECT_EQ(at(95, 180), tile_colour(0, 0));
}

TEST_F(WorldView, TheCameraStaysOnTheMap)
{
    // Where the player stands and where the camera ends: on the map, however
    // far off it the player is. The box it follows the player in is pinned by
    // every scenario in tests/replays.
    const int edges[][4] = { { 3990, 3990, 3680, 3760 }, { 50, 10, 0, 0 }, { -700, 9000, 0, 3760 },
        { INT_MIN, INT_MAX, 0, 3760 } };
    for (const auto& e : edges) {
        player_x = e[0];
        player_y = e[1];
        for (int frame = 0; frame < 3; frame++)
            update_camera();
        EXPECT_EQ(Ints({ camera_x, camera_y }), Ints({ e[2], e[3] })) << e[0] << ", " << e[1];
    }
}

TEST_F(WorldView, APhaseOfExactlyTwoFromASaveStartsOverOnlyAfterIt)
{
    // 1.9 from a save reaches exactly 2.0, which does not exceed the end.
    anim_phase = 1.9;
    draw_frame();
    EXPECT_EQ(anim_phase, 2.0);
    draw_frame();
    EXPECT_EQ(anim_phase, 0.0);
}

TEST_F(WorldView, GroundTilesWithoutKeyPixelsLookTheSameAndFollowTheSheet)
{
    // Tile 3 gets one key pixel; tile 4 stays solid.
    SDL_Rect hole = { 3 * TILE_SIZE + 5, 7, 1, 1 };
    SDL_FillRect(tileset0, &hole, SDL_MapRGB(screen->format, 0, 255, 255));
    update_ground_sheet();
    fill_map(3);
    map_layers[LAYER_GROUND][0][0] = 4;
    const Uint16 before = SDL_MapRGB(screen->format, 200, 0, 0);
    SDL_FillRect(screen, nullptr, before);
    draw_world();
    EXPECT_NE(ground_sheet(4), tileset0) << "the solid tile comes from the copy";
    EXPECT_EQ(at(25, 7), before) << "the key pixel shows what was there";
    EXPECT_EQ(at(26, 7), tile_colour(0, 3));
    EXPECT_EQ(at(5, 7), tile_colour(0, 4));

    // A repainted sheet is drawn as it is now once its copy is made again,
    // and a replaced one at once, before any copy of it exists.
    SDL_Rect tile4 = { 4 * TILE_SIZE, 0, TILE_SIZE, TILE_SIZE };
    SDL_FillRect(tileset0, &tile4, tile_colour(1, 9));
    update_ground_sheet();
    draw_world();
    EXPECT_EQ(at(5, 7), tile_colour(1, 9));
    SDL_Surface* replaced = make_surface(TILES_PER_SHEET * TILE_SIZE, TILE_SIZE, 0, 0, 200);
    SDL_SetColorKey(replaced, SDL_SRCCOLORKEY, SDL_MapRGB(screen->format, 0, 255, 255));
    std::swap(tileset0, replaced);
    draw_world();
    EXPECT_EQ(at(5, 7), SDL_MapRGB(screen->format, 0, 0, 200));
    SDL_FreeSurface(replaced);
}

} // namespace
