#include "tests/soak/PondSoak.h"

#include "game/LevelSetUp.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/AutoPlayer.h"

namespace {
// Hits the arrow keys at random, now and then, like a child at the keyboard. Most of the time
// it takes back a key that would run the snake into something, so that runs last long enough
// to grow the snake and open the house, but sometimes it lets the snake crash.
class RandomKeyPlayer {
public:
    RandomKeyPlayer(modZurk3& world, std::uint32_t seed) : world_(world), rng_(seed) {}

    // 0 for no key, else 1..4.
    int NextDirection() {
        const int roll = std::uniform_int_distribution<int>(0, 999)(rng_);
        const bool careless = roll < 4;
        const int key = roll < 250 ? std::uniform_int_distribution<int>(1, 4)(rng_) : 0;
        const int heading = key != 0 ? key : world_.Snake->Course();
        if (careless || heading == 0 || Enterable(heading)) return key;
        const int start = std::uniform_int_distribution<int>(0, 3)(rng_);
        for (int i = 0; i < 4; ++i)
            if (const int better = (start + i) % 4 + 1; Enterable(better)) return better;
        return key;
    }

private:
    bool Enterable(int direction) const {
        const CellPos head = world_.Snake->Head();
        return clsZurk::MayEnter(world_.Field, Neighbour(head.x, head.y, direction));
    }

    modZurk3& world_;
    std::mt19937 rng_;
};
}  // namespace

PondSoak::PondSoak(std::uint32_t seed)
    : random_(seed), world_(random_, screen_, cues_, frontEnd_), playerSeeds_(seed) {}

std::string PondSoak::PlayGameLevel(const clsHraZurk3& game, int levelNo, SoakPlayer player, int stepLimit,
                                    const Keys& keys) {
    world_.LevelNo = levelNo;
    game.NactiUrovenAkce(levelNo, world_.Level);
    return RunLevel(player, stepLimit, keys);
}

std::string PondSoak::RunLevel(SoakPlayer player, int stepLimit, const Keys& keys) {
    ++tally_.Levels;
    world_.GameState = StateNone;
    screen_.Clear();
    SetUpLevel(world_);
    std::string fault = PondInvariants::Check(world_, screen_);
    if (fault.empty() && world_.HouseX != 0) fault = Steps(player, stepLimit, keys);
    world_.ReleaseLevelObjects();
    if (fault.empty()) fault = PondInvariants::CheckReleased(world_);
    return fault.empty() ? fault : "level " + std::to_string(tally_.Levels) + ", " + fault;
}

std::string PondSoak::Steps(SoakPlayer player, int stepLimit, const Keys& keys) {
    world_.GameState = StateRunning;
    AutoPlayer autoPlayer(world_);
    RandomKeyPlayer randomPlayer(world_, static_cast<std::uint32_t>(playerSeeds_()));
    for (int step = 1; step <= stepLimit; ++step) {
        const int direction = keys                         ? keys(step)
                              : player == SoakPlayer::Auto ? autoPlayer.NextDirection()
                                                           : randomPlayer.NextDirection();
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
