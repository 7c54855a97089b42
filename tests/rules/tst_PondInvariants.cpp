#include <gtest/gtest.h>

#include <random>

#include "TestPond.h"
#include "game/GameStep.h"
#include "game/LevelSetUp.h"
#include "stress/PondInvariants.h"

namespace {
// A random small level; sometimes with its outer ring broken, as a damaged file could have it.
std::vector<std::string> RandomRows(std::mt19937& rng) {
    const int width = std::uniform_int_distribution<int>(3, 14)(rng);
    const int height = std::uniform_int_distribution<int>(3, 12)(rng);
    const char things[] = "......................#oBFV123456";
    std::vector<std::string> rows(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), '#'));
    for (int y = 1; y < height - 1; ++y)
        for (int x = 1; x < width - 1; ++x) rows[y][x] = things[rng() % (sizeof(things) - 1)];
    if (rng() % 4 == 0) rows[rng() % height][rng() % 2 ? 0 : width - 1] = '.';
    rows[1 + rng() % (height - 2)][1 + rng() % (width - 2)] = 'H';
    return rows;
}

class RandomSeries : public RandomSource {
public:
    explicit RandomSeries(std::uint32_t seed) : rng_(seed) {}
    double Rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

private:
    std::mt19937 rng_;
};
}  // namespace

TEST(PondInvariants, HoldAfterEveryStepOfRandomPlayOnRandomLevels) {
    std::mt19937 rng(20261206);
    long steps = 0;
    for (int level = 0; level < 1500; ++level) {
        TestPond pond(RandomRows(rng));
        RandomSeries random(rng());
        pond.world.UseRandom(random);
        pond.world.Level.RequiredLength = static_cast<std::int16_t>(rng() % 12);
        pond.world.Level.RandomBalls = static_cast<std::uint8_t>(rng() % 6);
        pond.world.Level.RandomFlies = static_cast<std::uint8_t>(rng() % 6);
        pond.world.Level.RandomBoulders = static_cast<std::uint8_t>(rng() % 4);
        pond.world.Level.GoldenBallChance = static_cast<std::uint8_t>(rng() % 120);
        for (int x = 1; x <= pond.world.Level.FieldWidth; ++x)
            for (int y = 1; y <= pond.world.Level.FieldHeight; ++y) pond.Param(x, y, static_cast<int>(rng() % 8));
        SetUpLevel(pond.world);
        pond.world.GameState = StateRunning;
        const std::string where = "level " + std::to_string(level);
        ASSERT_EQ(PondInvariants::Check(pond.world), "") << where;
        for (int step = 0; step < 60 && pond.world.GameState == StateRunning; ++step, ++steps) {
            const int direction = rng() % 3 == 0 ? static_cast<int>(rng() % 5) : 0;
            const PondInvariants::Before before = PondInvariants::Snapshot(pond.world);
            MovePond(pond.world, direction);
            ASSERT_EQ(PondInvariants::CheckStep(before, pond.world), "") << where << " step " << step;
            ASSERT_EQ(PondInvariants::Check(pond.world), "") << where << " step " << step;
        }
        pond.world.ReleaseLevelObjects();
        ASSERT_EQ(PondInvariants::CheckReleased(pond.world), "") << where;
    }
    EXPECT_GT(steps, 8000);
}
