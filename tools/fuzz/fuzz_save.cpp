// Fuzz target for the save loader: after the play bytes, any bytes as
// "gamesave.dat" loaded over a small walled map with the player at the play's
// place; then frames played from the loaded state, a battle fought with the
// loaded statistics, the menu drawn, the game saved and that save loaded again.
#include "common/headless.h"
#include "fuzz_common.h"

#include "render/render.h"
#include "save/save.h"
#include "save/save_slot.h"
#include "shell/game_state.h"
#include "world/world.h"

namespace
{

void make_walled_map()
{
    for (int x = 0; x < MAP_SIZE; x++) {
        for (int y = 0; y < MAP_SIZE; y++) {
            bool rim = x == 0 || y == 0 || x == MAP_SIZE - 1 || y == MAP_SIZE - 1;
            map_layers[LAYER_GROUND][x][y] = rim ? TILE_EMPTY : (x + y) % 20;
            map_layers[LAYER_OBSTACLE][x][y] = (x % 17 == 3 && y % 13 == 5) ? 4 : TILE_EMPTY;
            map_layers[LAYER_OBJECT][x][y] = (x % 23 == 7 && y % 19 == 2) ? BOX_TILE : TILE_EMPTY;
            map_layers[LAYER_OVERHEAD][x][y] = (x % 23 == 7 && y % 19 == 1) ? 2 : TILE_EMPTY;
        }
    }
}

// Frames of a battle: A pressed on every other frame, to type out, dismiss
// and choose, with the play's directions moving the menu's cursor.
const int FIGHT_FRAMES = 2 * FUZZ_FRAMES;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_setup();
    const FuzzPlay play = fuzz_take_play(&data, &size);
    fuzz_new_game(play.seed);
    make_walled_map();
    place_player(play.x, play.y); // where the player stays if the save holds no usable place
    fuzz_write(SAVE_FILE, data, size);
    load_game();
    fuzz_press(play.held, FUZZ_FRAMES);

    // A monster drawn by the play's seed, fought with what was loaded.
    menu_state = MENU_CLOSED;
    if (current_monster == NO_MONSTER)
        start_encounter();
    uint8_t fight[FIGHT_FRAMES];
    for (int i = 0; i < FIGHT_FRAMES; i++)
        fight[i] = (uint8_t)((play.held[i / 2] & FUZZ_DIRECTIONS) | (i % 2 == 0 ? FUZZ_A : 0));
    fuzz_press(fight, FIGHT_FRAMES);

    menu_state = MENU_SAVE;
    draw_frame();
    save_game();
    load_game();
    draw_frame();
    return 0;
}
