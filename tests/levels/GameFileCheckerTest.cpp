#include <algorithm>
#include <gtest/gtest.h>

#include "DefaultGameSources.h"
#include "SourceText.h"
#include "pond/CellKinds.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/GameFileChecker.h"

namespace {

// Check refuses exactly the files the reader refuses.
void ExpectAgreement(const std::vector<std::uint8_t>& bytes) {
    const CheckReport report = GameFileChecker::Check(bytes, "x");
    clsHraZurk3 game;
    ASSERT_EQ(report.Refused(), !game.NactiHruZPameti(bytes, "x"));
    if (report.Refused()) {
        EXPECT_TRUE(report.Warnings.empty());
    }
}

std::vector<std::string> Warnings(const LevelText& level) {
    const CheckReport report = GameFileChecker::Check(Build(GameText{}.Text() + level.Text()), "x");
    EXPECT_FALSE(report.Refused());
    return report.Warnings;
}

struct WarningCase {
    const char* what;
    LevelText level;
    std::vector<std::string> warnings;  // in order, each without its "level 1: "
};

}  // namespace

TEST(GameFileChecker, AgreesWithTheReaderOnEveryDamagedExample) {
    const std::vector<std::uint8_t> example = Build(GameText{}.Text() + WorkedExampleLevel().Text());
    for (std::size_t length = 0; length <= example.size(); ++length)
        ExpectAgreement({example.begin(), example.begin() + static_cast<long>(length)});
    const std::uint8_t values[] = {0, 1, 2, 3, 6, 10, 11, 12, 13, 14, 40, 41, 50, 51, 52, 100, 200, 254, 255};
    for (std::size_t at = 0; at < example.size(); ++at)
        for (const std::uint8_t value : values) {
            std::vector<std::uint8_t> damaged = example;
            damaged[at] = value;
            ExpectAgreement(damaged);
            damaged.push_back(value);
            ExpectAgreement(damaged);
        }
}

TEST(GameFileChecker, AgreesWithTheReaderOnEveryCutOfTheDefaultGame) {
    const std::vector<std::uint8_t> game = BuildDefaultGame();
    for (std::size_t length = 0; length <= game.size(); length += 7)
        ExpectAgreement({game.begin(), game.begin() + static_cast<long>(length)});
}

TEST(GameFileChecker, ListsEveryFaultWithItsLevel) {
    std::vector<std::uint8_t> bytes = Build(GameText{}.Text() + LevelText{}.Text() + LevelText{}.Text());
    const std::size_t secondLevel =
        static_cast<std::size_t>(std::find(bytes.begin() + 35, bytes.end(), 0xFF) - bytes.begin());
    const std::size_t house = secondLevel + 7;
    ASSERT_EQ(bytes[house], CellHouse);
    bytes[secondLevel + 1] = 51;  // level 2 too wide
    bytes[house + 1] = 60;        // its house beyond the map
    bytes[32] = 1;                // the header announces one level only
    const std::string start = std::to_string(secondLevel);
    const std::string houseAt = std::to_string(house);
    const CheckReport report = GameFileChecker::Check(bytes, "x");
    ASSERT_EQ(report.Faults.size(), 3u);
    EXPECT_EQ(report.Faults[0], "level 2: the level-start record at byte " + start +
                                    " opens more levels than the 1 the header announces");
    EXPECT_EQ(report.Faults[1], "level 2: the level is 51 x 4 cells, at most 50 x 40 fit");
    EXPECT_EQ(report.Faults[2], "level 2: the cell record at byte " + houseAt + " points outside the map, to (60, 2)");

    const CheckReport cut = GameFileChecker::Check({bytes.begin(), bytes.begin() + static_cast<long>(house) + 2}, "x");
    ASSERT_EQ(cut.Faults.size(), 3u);
    EXPECT_EQ(cut.Faults[2],
              "level 2: the record of code 100 at byte " + houseAt + " is cut short by the end of the file");

    std::vector<std::uint8_t> missing = Build(GameText{}.Text() + LevelText{}.Text());
    missing[32] = 4;
    const CheckReport shortGame = GameFileChecker::Check(missing, "x");
    EXPECT_FALSE(shortGame.Refused());
    EXPECT_EQ(shortGame.Warnings,
              std::vector<std::string>{
                  "header: it announces 4 levels, the file holds only 1; the game skips the missing ones"});
    EXPECT_EQ(GameFileChecker::Check({1, 2, 3}, "x").Faults,
              std::vector<std::string>{"header: the file has 3 bytes, a game file starts with a header of 34"});
}

TEST(GameFileChecker, WarnsAboutWhatSpoilsALevelAndPassesTheRest) {
    const std::vector<std::string> roomy = {"##########", "#H.......#", "#..o.....#", "#........#", "##########"};
    const WarningCase cases[] = {
        {"a well-made level", {}, {}},
        {"no house", {.Map = {"#######", "#..o..#", "#######"}}, {"no house, so the game skips the level"}},
        {"a house that never opens", {.RequiredLength = "1"}, {"RequiredLength is 1, so the house never opens"}},
        {"3 + 5 for the one ball", {.RequiredLength = "8", .Map = roomy}, {}},
        {"one more than the ball brings",
         {.RequiredLength = "9", .Map = roomy},
         {"RequiredLength is 9, but the food of the level brings the snake to at most 8"}},
        {"a random fly brings 10", {.RequiredLength = "18", .RandomFlies = "1", .Map = roomy}, {}},
        {"a random ball brings 5",
         {.RequiredLength = "18", .RandomBalls = "1", .Map = roomy},
         {"RequiredLength is 18, but the food of the level brings the snake to at most 13"}},
        {"food behind a wall does not count",
         {.RequiredLength = "4", .Map = {"########", "#H...#o#", "########"}},
         {"RequiredLength is 4, but the food of the level brings the snake to at most 3"}},
        {"no room for the length",
         {.RequiredLength = "12", .RandomBalls = "1", .Map = {"#####", "#H1.#", "#####"}},
         {"RequiredLength is 12, but the snake can reach only 3 cells"}},
        {"a house walled in",
         {.Map = {"#######", "#H#o..#", "###...#", "#######"}},
         {"the house at (2, 2) is walled in",
          "RequiredLength is 8, but the food of the level brings the snake to at most 3",
          "RequiredLength is 8, but the snake can reach only 1 cells"}},
        {"random items that just fit", {.RandomBoulders = "8"}, {}},
        {"random items that do not fit",
         {.RandomBoulders = "9"},
         {"9 random items do not fit in the 8 free interior cells"}},
        {"random food out of reach",
         {.RandomBalls = "1", .Map = {"########", "#H.o#..#", "########"}},
         {"RequiredLength is 8, but the snake can reach only 3 cells",
          "random food can land on 2 free cell(s) the snake cannot reach"}},
        {"a broken ring",
         {.Map = {"###*###", "#H....#", "o.o...#", "#######"}},
         {"the outer ring is broken at 2 cell(s), first at (4, 1)"}},
        {"a golden ball every time", {.GoldenBallChance = "100"}, {}},
        {"a golden ball chance over 100",
         {.GoldenBallChance = "101"},
         {"GoldenBallChance is 101, more than 100 per cent"}},
        {"a viper far enough from the house",
         {.ViperLengths = "3", .Map = {"##########", "#H..oV...#", "#........#", "##########"}},
         {}},
        {"a viper near the house",
         {.ViperLengths = "3", .Map = {"##########", "#H..o....#", "#..V.....#", "##########"}},
         {"a viper starts at (4, 3), only 3 step(s) from the house"}},
    };
    for (const WarningCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> expected;
        for (const std::string& warning : c.warnings) expected.push_back("level 1: " + warning);
        EXPECT_EQ(Warnings(c.level), expected);
    }
}

TEST(GameFileChecker, WarnsAboutABallColourWithoutABall) {
    std::vector<std::uint8_t> bytes = Build(GameText{}.Text() + LevelText{}.Text());
    bytes.insert(bytes.end(), {CellBall, 3, 2, 24});
    const CheckReport report = GameFileChecker::Check(bytes, "x");
    ASSERT_EQ(report.Warnings.size(), 1u);
    EXPECT_EQ(report.Warnings[0], "level 1: the ball at (3, 2) has colour 24, which shows sprite 24 instead of a ball");
}
