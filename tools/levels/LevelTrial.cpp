#include "tools/levels/LevelTrial.h"

#include "game/CellPainter.h"
#include "game/CuePlayer.h"
#include "game/GameFrontEnd.h"
#include "game/GameStep.h"
#include "game/LevelSetUp.h"
#include "game/RandomSource.h"
#include "game/clsHraZurk3.h"
#include "game/modZurk3.h"
#include "snake/clsZurk.h"
#include "tools/levels/AutoPlayer.h"

TrialResult LevelTrial::Run(const clsHraZurk3& game, int level, std::uint32_t seed, int stepLimit) {
    SeededRandom random(seed);
    NullPainter painter;
    SilentCuePlayer cues;
    NullFrontEnd frontEnd;
    modZurk3 world;  // after its outside world, so it is gone before them
    world.UseRandom(random);
    world.UsePainter(painter);
    world.UseCues(cues);
    world.UseFrontEnd(frontEnd);
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
    result.Won = world.GameState == StateRunOver && world.Snake().Zije();
    result.Crashed = world.GameState == StateRunOver && !world.Snake().Zije();
    result.Points = world.Score;
    return result;
}
