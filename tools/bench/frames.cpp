// Plays N exploration frames over the busiest view through the game's own
// pass and nothing else: no screen digests, no replay, no flip. Counted by
// callgrind (scripts/callgrind.sh) and timed under node against native
// (scripts/web-bench.sh) as the difference between two lengths.
#include <cstdio>
#include <cstdlib>

#include "busiest.h"
#include "shell/game_state.h"

int main(int argc, char** argv)
{
    int frames = argc > 1 ? std::atoi(argv[1]) : 100;
    if (!start_beside_media("frames"))
        return 1;
    stand_in_busiest_view();
    for (int frame = 0; frame < frames; frame++)
        busiest_frame();
    std::printf("%d exploration frames at %d %d\n", frames, player_x, player_y);
    return 0;
}
