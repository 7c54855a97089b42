// zurk3-soak: the autoplayer and a random-key player play the default game and the fuzzer's seed
// files on the real rules, and the pond is checked after every step. Levels of every other shape
// are the game file fuzzer's to make.
//   Soak.*    a million steps and more: ctest -L soak
//   Stress.*  the same in small, quick enough for every run of the suite and the sanitizers
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

#include "pond/clsHraZurk3.h"
#include "tests/soak/FlowSoak.h"
#include "tests/soak/PondSoak.h"
#include "tools/levels/RecordScanner.h"

namespace {
clsHraZurk3 DefaultGame() {
    clsHraZurk3 game;
    if (!game.NactiHru(ZURK3_DEFAULT_GAME))
        ADD_FAILURE() << "no default game: " << RecordScanner::Describe(*game.LastFault());
    return game;
}

void Report(const char* what, const SoakTally& tally) {
    std::printf("%s: %d levels, %ld steps, %d won, %d crashed, %d ran out of steps\n", what, tally.Levels, tally.Steps,
                tally.Won, tally.Crashed, tally.OutOfSteps);
}

SoakTally EveryLevel(const clsHraZurk3& game, std::uint32_t seed, int rounds, int stepLimit) {
    PondSoak soak(seed);
    for (int round = 0; round < rounds; ++round)
        for (int level = 1; level <= game.PocetUrovni(); ++level)
            for (SoakPlayer player : {SoakPlayer::Auto, SoakPlayer::RandomKeys}) {
                const std::string fault = soak.PlayGameLevel(game, level, player, stepLimit);
                EXPECT_EQ(fault, "") << "round " << round;
                if (!fault.empty()) return soak.Tally();
            }
    Report("every level", soak.Tally());
    return soak.Tally();
}

// The autoplayer wins levels, so a default game that nobody can win would show here.
void EveryLevelOfTheDefaultGame(std::uint32_t seed, int rounds, int stepLimit) {
    EXPECT_GT(EveryLevel(DefaultGame(), seed, rounds, stepLimit).Won, 0);
}

std::vector<std::string> SeedFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(ZURK3_FUZZ_CORPUS))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}
}  // namespace

TEST(Soak, EveryLevelOfTheDefaultGame) { EveryLevelOfTheDefaultGame(2024, 3, 4000); }

TEST(Stress, EveryLevelOfTheDefaultGameOnce) { EveryLevelOfTheDefaultGame(5, 1, 600); }

TEST(Stress, WholeGamesOfTheDefaultGame) {
    const clsHraZurk3 game = DefaultGame();
    ASSERT_EQ(FlowSoak(game, 3).Play(5000), "");
}

// Every seed of the fuzzer: the damaged ones are refused with the reason said; the others load
// and play level by level and as whole games with the rules kept.
class FuzzSeed : public testing::TestWithParam<std::string> {};

TEST_P(FuzzSeed, IsRefusedForItsFaultOrPlaysWithTheRulesKept) {
    const std::set<std::string> damaged = {"off_map_cell.zurk", "oversize_level.zurk", "short_header.zurk",
                                           "too_many_levels.zurk", "truncated_record.zurk"};
    clsHraZurk3 game;
    const bool loaded = game.NactiHru(std::string(ZURK3_FUZZ_CORPUS) + "/" + GetParam());
    ASSERT_EQ(loaded, damaged.count(GetParam()) == 0);
    if (!loaded) {
        EXPECT_EQ(game.LastFault()->File, FileReadStatus::Read) << "refused for its contents";
        return;
    }
    EXPECT_EQ(game.PocetUrovni() == 0, GetParam() == "empty_game.zurk") << "only the empty game has no level";
    EXPECT_EQ(EveryLevel(game, 11, 1, 1000).Levels, 2 * game.PocetUrovni()) << "both players play every level";
    if (game.PocetUrovni() > 0) {
        EXPECT_EQ(FlowSoak(game, 12).Play(3000), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Stress, FuzzSeed, testing::ValuesIn(SeedFiles()), [](const auto& param) {
    std::string name = param.param.substr(0, param.param.find('.'));
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});
