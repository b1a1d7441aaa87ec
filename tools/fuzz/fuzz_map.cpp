// Fuzz target for the map reader: any bytes as "Media/map.dat", then the
// derived layers, and frames drawn and walked over whatever was read.
#include "fuzz_common.h"

#include "shell/game_state.h"
#include "world/world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz_setup();
    fuzz_write("Media/map.dat", data, size);
    load_map();
    for (int i = 0; i < 3; i++) {
        player_x = (i * 1777 + (int)size) % 4000;
        player_y = (i * 911 + (int)size * 7) % 4000;
        camera_x = player_x - 160;
        camera_y = player_y - 120;
        facing_x = player_x;
        facing_y = player_y;
        anim_phase = i * 0.7;
        fuzz_play_frames();
    }
    return 0;
}
