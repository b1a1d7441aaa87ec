// How much of the 16 ms frame the game uses, with the real media and map:
// an exploration frame over the busiest view, a battle frame, start-up, a
// save and a load. Run from the build folder (it reads Media/ there); the
// save slot is written in a scratch folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "busiest.h"
#include "render/render.h"
#include "save/save.h"
#include "shell/game_state.h"
#include "shell/shell.h"
#include "world/world.h"

namespace {

// The save slot is written here, not beside the real media.
char scratch[] = "/tmp/bench-XXXXXX";

// Works in the scratch folder while it lives.
class InScratch {
public:
    InScratch()
    {
        if (getcwd(previous, sizeof previous) == nullptr || chdir(scratch) != 0)
            std::abort();
    }
    ~InScratch()
    {
        if (chdir(previous) != 0)
            std::abort();
    }

private:
    char previous[4096];
};

SDL_Surface** const SHEETS[] = {
    &charset, &font_image, &text_window, &tall_window, &tileset0, &tileset1, &tileset2, &tileset3, &tileset4};

void free_images()
{
    for (SDL_Surface** sheet : SHEETS) {
        SDL_FreeSurface(*sheet);
        *sheet = nullptr;
    }
}

void BM_ExplorationFrame(benchmark::State& state)
{
    stand_in_busiest_view();
    for (auto _ : state)
        busiest_frame();
    state.counters["camera_x"] = camera_x;
    state.counters["camera_y"] = camera_y;
}

void BM_BattleFrame(benchmark::State& state)
{
    stand_in_busiest_view();
    current_monster = 7;
    monster_hp = monster_max_hp[7];
    for (auto _ : state) {
        battle_state = BATTLE_MESSAGE;
        std::snprintf(battle_message, sizeof battle_message, "%s",
            "You defeated the Unironic raygun carrying luddite and gained 7 exp and 24 gold!");
        message_chars = 79.0;
        run_frame();
    }
    current_monster = NO_MONSTER;
}

void BM_StartUp(benchmark::State& state)
{
    for (auto _ : state) {
        free_images();
        load_images();
        load_map();
    }
}

void BM_SaveGame(benchmark::State& state)
{
    InScratch here;
    for (auto _ : state)
        save_game();
}

void BM_LoadGame(benchmark::State& state)
{
    InScratch here;
    save_game();
    for (auto _ : state)
        load_game();
}

BENCHMARK(BM_ExplorationFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BattleFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond);

// The console report, with each result also as a share of the 16 ms frame.
class FrameShareReporter : public benchmark::ConsoleReporter {
public:
    FrameShareReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            double ms = run.GetAdjustedRealTime() * to_ms(run.time_unit);
            std::printf("  %-22s %10.4f ms = %6.2f%% of the %d ms frame\n", run.benchmark_name().c_str(), ms,
                100.0 * ms / FRAME_TICKS, FRAME_TICKS);
        }
    }

private:
    static double to_ms(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond: return 1e-6;
        case benchmark::kMicrosecond: return 1e-3;
        case benchmark::kMillisecond: return 1.0;
        default: return 1000.0;
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (!start_beside_media("bench") || mkdtemp(scratch) == nullptr)
        return 1;

    benchmark::Initialize(&argc, argv);
    FrameShareReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::string command = std::string("rm -rf ") + scratch;
    return std::system(command.c_str()) == 0 ? 0 : 1;
}
