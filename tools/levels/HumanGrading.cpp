#include "tools/levels/HumanGrading.h"

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>

#include "pond/clsHraZurk3.h"

namespace {
// The hand's own seed for one try, apart from the level's chances.
std::uint32_t HandSeed(std::uint32_t seed, int level, int attempt) {
    std::seed_seq sequence{seed, static_cast<std::uint32_t>(level), static_cast<std::uint32_t>(attempt)};
    std::uint32_t out = 0;
    sequence.generate(&out, &out + 1);
    return out;
}
}  // namespace

std::vector<int> WinsPerLevel(const clsHraZurk3& game, const GradingRun& run) {
    const int levels = game.PocetUrovni();
    const int tries = std::max(run.Tries, 0);
    std::vector<std::atomic<int>> wins(static_cast<std::size_t>(levels));
    std::vector<std::atomic<bool>> houseless(static_cast<std::size_t>(levels));
    std::atomic<int> nextTask{0};
    const auto work = [&] {
        for (int task = nextTask++; task < levels * tries; task = nextTask++) {
            const int level = task / tries + 1;
            const int attempt = task % tries;
            const TrialResult result = HumanTrial::Run(game, level, run.Seed + static_cast<std::uint32_t>(attempt),
                                                       HandSeed(run.Seed, level, attempt), run.Timing, run.StepLimit);
            const auto at = static_cast<std::size_t>(level - 1);
            if (!result.HasHouse) houseless[at] = true;
            if (result.Won) ++wins[at];
        }
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < run.Jobs; ++i) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();
    std::vector<int> counts;
    for (std::size_t i = 0; i < wins.size(); ++i) counts.push_back(houseless[i] ? -1 : wins[i].load());
    return counts;
}
