// The fuzzer's seed files, every one through the reader and, when accepted, through whole games.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "stress/FlowPond.h"
#include "stress/PondInvariants.h"
#include "stress/PondSoak.h"

namespace {
std::vector<std::string> SeedFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(ZURK3_FUZZ_CORPUS))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}
}  // namespace

class FuzzSeed : public testing::TestWithParam<std::string> {
protected:
    bool Load() {
        const bool accepted = game.NactiHru(std::string(ZURK3_FUZZ_CORPUS) + "/" + GetParam());
        EXPECT_EQ(game.LastError().empty(), accepted);
        return accepted;
    }
    clsHraZurk3 game;
};

TEST_P(FuzzSeed, EveryLevelPlaysWithTheRulesKept) {
    if (!Load()) return;
    PondSoak soak(11);
    for (int level = 1; level <= game.PocetUrovni(); ++level)
        for (SoakPlayer player : {SoakPlayer::Auto, SoakPlayer::RandomKeys})
            ASSERT_EQ(soak.PlayGameLevel(game, level, player, 1000), "");
}

TEST_P(FuzzSeed, WholeGamesRunThroughTheLevelFlow) {
    if (!Load() || game.PocetUrovni() == 0) return;
    FlowPond pond(game, 12);
    pond.flow.Start();
    for (int tick = 0; tick < 3000; ++tick) {
        pond.Tick();
        ASSERT_EQ(PondInvariants::Check(pond.world), "") << "tick " << tick;
    }
    // Every message the flow showed is one of the game's four.
    for (const std::string& text : pond.frontEnd.messages)
        EXPECT_TRUE(text == "Postup do další úrovně !" || text == "Úroveň se zopakuje !" ||
                    text == "Totální prohra ..." || text == "Fantastické vítězství !!!")
            << text;
}

INSTANTIATE_TEST_SUITE_P(Seeds, FuzzSeed, testing::ValuesIn(SeedFiles()),
                         [](const auto& info) { return info.param.substr(0, info.param.find('.')); });
