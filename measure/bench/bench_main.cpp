// How long the rules take where time counts: one step of the busiest pond, the start of its
// level, and reading the largest game file. Goals on a 2-core machine: step <= 20 us,
// start <= 2 ms, load <= 10 ms. Run with --benchmark_repetitions=5 and read the medians.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"
#include "game/GameStep.h"
#include "measure/bench/BigGameFile.h"
#include "measure/bench/BusyPond.h"
#include "pond/clsHraZurk3.h"

namespace {
// Forty vipers in one pond box each other in within a few dozen steps (35 of them live when
// the build is done, about 25 ten steps later); building afresh this often keeps it busy.
constexpr int StepsBetweenBuilds = 10;

int LiveVipers(modZurk3& world) {
    int vipers = 0;
    for (const auto& viper : world.Creatures.Vipers) vipers += viper->Zije();
    return vipers;
}

int LiveFlies(modZurk3& world) {
    int flies = 0;
    for (const auto& fly : world.Creatures.Flies) flies += fly->existuje;
    return flies;
}

// How busy the pond still was at the end of each run of measured steps, its least busy moment,
// on average over the runs.
class Business {
public:
    void Count(modZurk3& world) {
        ++samples_;
        vipers_ += LiveVipers(world);
        flies_ += LiveFlies(world);
        snake_ += world.Snake->Delka();
        golden_ += (world.Creatures.Beetle != nullptr) && world.Creatures.Beetle->IsSurfaced();
    }
    void Report(benchmark::State& state) const {
        if (samples_ == 0) return;
        state.counters["vipers"] = vipers_ / samples_;
        state.counters["flies"] = flies_ / samples_;
        state.counters["snake"] = snake_ / samples_;
        state.counters["golden_up"] = golden_ / samples_;
    }

private:
    double samples_ = 0;
    double vipers_ = 0;
    double flies_ = 0;
    double snake_ = 0;
    double golden_ = 0;
};

void BM_step_BusiestPond(benchmark::State& state) {
    BusyPond pond(1);
    Business business;
    int sinceBuild = StepsBetweenBuilds;
    for (auto _ : state) {
        if (++sinceBuild > StepsBetweenBuilds || !pond.Running()) {
            state.PauseTiming();
            if (pond.World().Snake) business.Count(pond.World());
            pond.Build();
            sinceBuild = 0;
            state.ResumeTiming();
        }
        MovePond(pond.World(), pond.NextDirection());
    }
    business.Report(state);
}
BENCHMARK(BM_step_BusiestPond);

void BM_start_BusiestLevel(benchmark::State& state) {
    BusyPond pond(2);
    for (auto _ : state) {
        state.PauseTiming();
        pond.World().ReleaseLevelObjects();
        state.ResumeTiming();
        pond.SetUp();
    }
    state.counters["vipers"] = LiveVipers(pond.World());
    state.counters["flies"] = LiveFlies(pond.World());
}
BENCHMARK(BM_start_BusiestLevel)->Unit(benchmark::kMicrosecond);

void BM_load_255FullLevels(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = BigGameFile::Bytes();
    clsHraZurk3 game;
    for (auto _ : state) benchmark::DoNotOptimize(game.NactiHruZPameti(bytes, "velka.zurk"));
    if (game.PocetUrovni() != 255) state.SkipWithError("the big game was refused");
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_load_255FullLevels)->Unit(benchmark::kMillisecond);

void BM_load_255FullLevelsFromDisk(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = BigGameFile::Bytes();
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "zurk3-bench-velka.zurk";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    clsHraZurk3 game;
    for (auto _ : state) benchmark::DoNotOptimize(game.NactiHru(path.string()));
    if (game.PocetUrovni() != 255) state.SkipWithError("the big game was refused");
    std::filesystem::remove(path);
}
BENCHMARK(BM_load_255FullLevelsFromDisk)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
