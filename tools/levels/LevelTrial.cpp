#include "tools/levels/LevelTrial.h"

#include "game/GameStep.h"
#include "game/HeadlessWorld.h"
#include "game/LevelSetUp.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/AutoPlayer.h"

TrialResult LevelTrial::Run(const clsHraZurk3& game, int level, std::uint32_t seed, int stepLimit) {
    HeadlessWorld headless(seed);
    modZurk3& world = headless.world;
    world.LevelNo = level;
    game.NactiUrovenAkce(level, world.Level);
    SetUpLevel(world);

    TrialResult result;
    result.HasHouse = world.HouseX != 0;
    if (!result.HasHouse) return result;
    world.GameState = StateRunning;
    AutoPlayer player(world);
    while (world.GameState == StateRunning && result.Steps < stepLimit) {
        MovePond(world, player.NextDirection());
        ++result.Steps;
    }
    result.Won = world.GameState == StateRunOver && world.Snake->Zije();
    result.Crashed = world.GameState == StateRunOver && !world.Snake->Zije();
    result.Points = world.Score;
    return result;
}
