#include "tools/levels/HumanTrial.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "game/GameStep.h"
#include "game/HeadlessWorld.h"
#include "tools/levels/AutoPlayer.h"
#include "tools/levels/TimedKeyboard.h"

namespace {

// Gaussian timing errors, the same for the same seed on every machine.
class TimingNoise {
public:
    TimingNoise(std::uint32_t seed, double spreadMs) : generator_(seed), spreadMs_(spreadMs) {}

    double NextMs() {
        if (spreadMs_ == 0) return 0;
        const double u1 = (static_cast<double>(generator_()) + 0.5) / 4294967296.0;
        const double u2 = (static_cast<double>(generator_()) + 0.5) / 4294967296.0;
        return spreadMs_ * std::sqrt(-2 * std::log(u1)) * std::cos(2 * M_PI * u2);
    }

private:
    std::mt19937 generator_;
    double spreadMs_;
};

// The level as it will be one step from now if the person's next move comes out as meant: the
// same level replayed from its seed with the same moves, so it holds the same chances. It is
// replayed anew only when a mistimed press has taken the game another way.
class StepAhead {
public:
    StepAhead(const clsHraZurk3& game, int level, std::uint32_t seed) : game_(game), level_(level), seed_(seed) {}

    // The direction the person will want one step after the moves; 0 when the level ends first.
    int PlanAfter(const std::vector<int>& moves) {
        const bool extends =
            world_ && moves_.size() <= moves.size() && std::equal(moves_.begin(), moves_.end(), moves.begin());
        if (!extends) {
            world_ = LevelTrial::Start(game_, level_, seed_);
            planner_ = std::make_unique<AutoPlayer>(world_->world);
            moves_.clear();
        }
        for (std::size_t i = moves_.size(); i < moves.size(); ++i) {
            if (world_->world.GameState != StateRunning) return 0;
            MovePond(world_->world, moves[i]);
            moves_.push_back(moves[i]);
        }
        return world_->world.GameState == StateRunning ? planner_->NextDirection() : 0;
    }

private:
    const clsHraZurk3& game_;
    int level_;
    std::uint32_t seed_;
    std::unique_ptr<HeadlessWorld> world_;
    std::unique_ptr<AutoPlayer> planner_;
    std::vector<int> moves_;
};

// The move a step makes when the snake takes the direction: none at all when it keeps its course.
int MoveFor(const clsZurk& snake, int direction) {
    return snake.UzJede() && direction == snake.Course() ? DirNone : direction;
}

}  // namespace

TrialResult HumanTrial::Run(const clsHraZurk3& game, int level, std::uint32_t seed, std::uint32_t handSeed,
                            HumanTiming timing, int stepLimit) {
    TrialResult result;
    const std::unique_ptr<HeadlessWorld> headless = LevelTrial::Start(game, level, seed);
    if (!headless) return result;
    modZurk3& world = headless->world;
    AutoPlayer planner(world);
    StepAhead ahead(game, level, seed);
    TimedKeyboard keys(timing.StepMs);
    TimingNoise noise(handSeed, timing.NoiseMs);
    const double step = timing.StepMs;
    std::vector<int> moves;
    // A key aimed at the middle of step n's window. It cannot go down before the person knows of
    // the turn; landing in an earlier window that is still open makes it count early.
    const auto press = [&](int direction, int n, double nowMs) {
        if (keys.Outstanding(direction)) return;
        keys.Press(direction, std::max(nowMs, (n - 0.5) * step + noise.NextMs()));
    };
    while (world.GameState == StateRunning && result.Steps < stepLimit) {
        const clsZurk& snake = *world.Snake;
        const double now = result.Steps * step;
        // A key already on its way is the next move as far as the person knows: their own
        // finger is on it, too late to take back.
        const int pressed = keys.FirstOutstanding();
        const int next = pressed != 0 ? pressed : planner.NextDirection();
        const int nextMove = MoveFor(snake, next);
        if (pressed == 0 && nextMove != DirNone) press(next, result.Steps + 1, now);
        moves.push_back(nextMove);
        const int after = ahead.PlanAfter(moves);
        moves.pop_back();
        if (after != 0 && after != next) press(after, result.Steps + 2, now);

        moves.push_back(MoveFor(snake, keys.Tick(result.Steps + 1)));
        MovePond(world, moves.back());
        ++result.Steps;
    }
    LevelTrial::Finish(*headless, result);
    return result;
}
