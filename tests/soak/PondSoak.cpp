#include "tests/soak/PondSoak.h"

#include "game/LevelSetUp.h"
#include "pond/clsHraZurk3.h"
#include "tests/soak/RandomKeyPlayer.h"
#include "tools/levels/AutoPlayer.h"

PondSoak::PondSoak(std::uint32_t seed)
    : random_(seed), world_(random_, screen_, cues_, frontEnd_), playerSeeds_(seed) {}

std::string PondSoak::PlayGameLevel(const clsHraZurk3& game, int levelNo, SoakPlayer player, int stepLimit) {
    world_.LevelNo = levelNo;
    game.NactiUrovenAkce(levelNo, world_.Level);
    return RunLevel(player, stepLimit);
}

std::string PondSoak::PlayLevel(const LevelRecord& level, SoakPlayer player, int stepLimit) {
    // The level number only decides whether the hint labels show; the first level has them.
    world_.LevelNo = tally_.Levels % 2 + 1;
    world_.Level = level;
    return RunLevel(player, stepLimit);
}

std::string PondSoak::RunLevel(SoakPlayer player, int stepLimit) {
    ++tally_.Levels;
    world_.GameState = StateNone;
    screen_.Clear();
    SetUpLevel(world_);
    std::string fault = PondInvariants::Check(world_, screen_);
    if (fault.empty() && world_.HouseX != 0) fault = Steps(player, stepLimit);
    world_.ReleaseLevelObjects();
    if (fault.empty()) fault = PondInvariants::CheckReleased(world_);
    return fault.empty() ? fault : "level " + std::to_string(tally_.Levels) + ", " + fault;
}

std::string PondSoak::Steps(SoakPlayer player, int stepLimit) {
    world_.GameState = StateRunning;
    AutoPlayer autoPlayer(world_);
    RandomKeyPlayer randomPlayer(world_, static_cast<std::uint32_t>(playerSeeds_()));
    for (int step = 1; step <= stepLimit; ++step) {
        const int direction = player == SoakPlayer::Auto ? autoPlayer.NextDirection() : randomPlayer.NextDirection();
        const std::string fault = PondInvariants::Step(world_, screen_, direction);
        ++tally_.Steps;
        if (!fault.empty()) return "step " + std::to_string(step) + ": " + fault;
        if (world_.GameState != StateRunning) {
            ++(world_.Snake->Zije() ? tally_.Won : tally_.Crashed);
            return {};
        }
    }
    ++tally_.OutOfSteps;
    return {};
}
