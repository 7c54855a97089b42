#include <gtest/gtest.h>

#include <random>

#include "TestPond.h"
#include "creatures/clsMuska.h"
#include "creatures/clsZmije.h"
#include "game/GameStep.h"
#include "game/LevelSetUp.h"
#include "snake/clsZurk.h"

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

bool Adjacent(int x1, int y1, int x2, int y2) { return std::abs(x1 - x2) + std::abs(y1 - y2) == 1; }

class RandomSeries : public RandomSource {
public:
    explicit RandomSeries(std::uint32_t seed) : rng_(seed) {}
    double Rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

private:
    std::mt19937 rng_;
};

void CheckInvariants(TestPond& pond, const std::string& where) {
    modZurk3& world = pond.world;
    const Playfield& field = world.Field;
    for (int x = 1; x <= field.Width(); ++x)
        for (int y = 1; y <= field.Height(); ++y) {
            const std::uint8_t kind = field.Kind(x, y);
            const bool known = kind == CellFree || kind == CellWall || kind == CellBoulder || kind == CellBall ||
                               kind == CellFly || kind == CellGoldenBall || kind == CellSnake || kind == CellViper ||
                               kind == CellHouse;
            ASSERT_TRUE(known) << where << " unknown kind at " << x << "," << y;
        }
    for (const auto& viper : world.Vipers) {
        if (!viper->Zije()) continue;
        for (int i = 0; i < viper->Delka(); ++i) {
            const clsClanekZmije& segment = viper->Segment(static_cast<std::size_t>(i));
            ASSERT_EQ(field.Kind(segment.X(), segment.Y()), CellViper) << where;
            if (i > 0) {
                const clsClanekZmije& before = viper->Segment(static_cast<std::size_t>(i - 1));
                ASSERT_TRUE(Adjacent(segment.X(), segment.Y(), before.X(), before.Y())) << where;
            }
        }
    }
    for (const auto& fly : world.Flies)
        if (fly->existuje) {
            ASSERT_EQ(field.Kind(fly->X(), fly->Y()), CellFly) << where;
            ASSERT_EQ(field.At(fly->X(), fly->Y()).Data, fly->Key()) << where;
        }
    clsZurk& snake = world.Snake();
    if (snake.Zije()) {
        for (int i = 0; i < snake.Delka(); ++i) {
            const clsClanekZurka& segment = snake.Segment(static_cast<std::size_t>(i));
            const std::uint8_t kind = field.Kind(segment.X(), segment.Y());
            ASSERT_TRUE(kind == CellSnake || (kind == CellHouse && segment.X() == world.HouseX &&
                                              segment.Y() == world.HouseY))
                << where << " segment " << i;
            if (i > 0) {
                const clsClanekZurka& before = snake.Segment(static_cast<std::size_t>(i - 1));
                ASSERT_TRUE(Adjacent(segment.X(), segment.Y(), before.X(), before.Y())) << where;
            }
        }
    }
}
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
        CheckInvariants(pond, where);
        for (int step = 0; step < 60 && pond.world.GameState == StateRunning; ++step, ++steps) {
            const int direction = rng() % 3 == 0 ? static_cast<int>(rng() % 5) : 0;
            MovePond(pond.world, direction);
            CheckInvariants(pond, where + " step " + std::to_string(step));
            if (testing::Test::HasFatalFailure()) return;
        }
        pond.world.ReleaseLevelObjects();
        for (int x = 2; x < pond.world.Field.Width(); ++x)
            for (int y = 2; y < pond.world.Field.Height(); ++y)
                ASSERT_NE(pond.world.Field.Kind(x, y), CellSnake) << where << ": the snake left cells behind";
    }
    EXPECT_GT(steps, 8000);
}
