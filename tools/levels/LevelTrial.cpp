#include "tools/levels/LevelTrial.h"

#include "game/GameStep.h"
#include "game/HeadlessWorld.h"
#include "game/LevelSetUp.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/AutoPlayer.h"

std::unique_ptr<HeadlessWorld> LevelTrial::Start(const clsHraZurk3& game, int level, std::uint32_t seed) {
    auto headless = std::make_unique<HeadlessWorld>(seed);
    modZurk3& world = headless->world;
    world.LevelNo = level;
    game.NactiUrovenAkce(level, world.Level);
    SetUpLevel(world);
    if (world.HouseX == 0) return nullptr;
    world.GameState = StateRunning;
    return headless;
}

void LevelTrial::Finish(const HeadlessWorld& headless, TrialResult& result) {
    const modZurk3& world = headless.world;
    result.HasHouse = true;
    result.Won = world.GameState == StateRunOver && world.Snake->Zije();
    result.Crashed = world.GameState == StateRunOver && !world.Snake->Zije();
    result.Points = world.Score;
}

TrialResult LevelTrial::Run(const clsHraZurk3& game, int level, std::uint32_t seed, int stepLimit) {
    TrialResult result;
    const std::unique_ptr<HeadlessWorld> headless = Start(game, level, seed);
    if (!headless) return result;
    modZurk3& world = headless->world;
    AutoPlayer player(world);
    while (world.GameState == StateRunning && result.Steps < stepLimit) {
        MovePond(world, player.NextDirection());
        ++result.Steps;
    }
    Finish(*headless, result);
    return result;
}
