// Fuzz target for the map reader: after the play bytes, any bytes as
// "Media/map.dat", then the derived layers, and the player put where the
// play says and walked, fighting and drawing, through its frames.
#include "common/headless.h"
#include "fuzz_common.h"

#include "shell/game_state.h"
#include "world/world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_setup();
    const FuzzPlay play = fuzz_take_play(&data, &size);
    fuzz_new_game(play.seed);
    fuzz_write("Media/map.dat", data, size);
    load_map();
    place_player(play.x, play.y);
    fuzz_press(play.held, FUZZ_FRAMES);
    return 0;
}
