#include <gtest/gtest.h>

#include <algorithm>

#include "game/CellKinds.h"
#include "game/clsHraZurk3.h"
#include "tools/levels/GameFileChecker.h"
#include "tools/levels/GameFileWriter.h"
#include "tools/levels/SourceParser.h"
#include "DefaultGameSources.h"
#include "SourceText.h"

namespace {

std::vector<std::uint8_t> Build(const std::string& text) {
    SourceParser parser;
    parser.Parse(text, "test.zl");
    return GameFileWriter::Write(parser.Finish());
}

bool ReaderAccepts(const std::vector<std::uint8_t>& bytes) {
    clsHraZurk3 game;
    return game.NactiHruZPameti(bytes, "x");
}

// Check refuses exactly the files the reader refuses.
void ExpectAgreement(const std::vector<std::uint8_t>& bytes) {
    const CheckReport report = GameFileChecker::Check(bytes, "x");
    ASSERT_EQ(report.Refused(), !ReaderAccepts(bytes));
    if (report.Refused()) {
        EXPECT_TRUE(report.Warnings.empty());
    }
}

std::vector<std::string> Warnings(const LevelText& level) {
    const CheckReport report = GameFileChecker::Check(Build(GameText{}.Text() + level.Text()), "x");
    EXPECT_FALSE(report.Refused());
    return report.Warnings;
}

// Some warning of the level contains fragment.
void ExpectWarning(const LevelText& level, const std::string& fragment) {
    const std::vector<std::string> warnings = Warnings(level);
    EXPECT_TRUE(std::any_of(warnings.begin(), warnings.end(),
                            [&](const std::string& w) { return w.find(fragment) != std::string::npos; }))
        << "no warning with: " << fragment;
}

// The one warning of a level, which must contain fragment.
void ExpectOnlyWarning(const LevelText& level, const std::string& fragment) {
    const std::vector<std::string> warnings = Warnings(level);
    ASSERT_EQ(warnings.size(), 1u) << (warnings.empty() ? "no warning" : warnings[0] + " ...");
    EXPECT_EQ(warnings[0].rfind("level 1: ", 0), 0u) << warnings[0];
    EXPECT_NE(warnings[0].find(fragment), std::string::npos) << warnings[0];
}

std::vector<std::uint8_t> Example() { return Build(GameText{}.Text() + WorkedExampleLevel().Text()); }

}  // namespace

TEST(GameFileChecker, AgreesWithTheReaderOnEveryDamagedExample) {
    const std::vector<std::uint8_t> example = Example();
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
    const std::size_t secondLevel = static_cast<std::size_t>(std::find(bytes.begin() + 35, bytes.end(), 0xFF) - bytes.begin());
    const std::size_t house = secondLevel + 7;
    ASSERT_EQ(bytes[house], CellHouse);
    bytes[secondLevel + 1] = 51;  // level 2 too wide
    bytes[house + 1] = 60;        // its house beyond the map
    bytes[32] = 1;                // the header announces one level only
    const std::string start = std::to_string(secondLevel);
    const std::string houseAt = std::to_string(house);
    const CheckReport report = GameFileChecker::Check(bytes, "x");
    ASSERT_EQ(report.Faults.size(), 3u);
    EXPECT_EQ(report.Faults[0],
              "level 2: the level-start record at byte " + start + " opens more levels than the 1 the header announces");
    EXPECT_EQ(report.Faults[1], "level 2: the level is 51 x 4 cells, at most 50 x 40 fit");
    EXPECT_EQ(report.Faults[2], "level 2: the cell record at byte " + houseAt + " points outside the map, to (60, 2)");

    const CheckReport cut = GameFileChecker::Check({bytes.begin(), bytes.begin() + static_cast<long>(house) + 2}, "x");
    ASSERT_EQ(cut.Faults.size(), 3u);
    EXPECT_EQ(cut.Faults[2], "level 2: the record of code 100 at byte " + houseAt + " is cut short by the end of the file");

    std::vector<std::uint8_t> missing = Build(GameText{}.Text() + LevelText{}.Text());
    missing[32] = 4;
    EXPECT_EQ(GameFileChecker::Check(missing, "x").Faults,
              std::vector<std::string>{"header: it announces 4 levels, the file holds only 1"});
    EXPECT_EQ(GameFileChecker::Check({1, 2, 3}, "x").Faults,
              std::vector<std::string>{"header: the file has 3 bytes, a game file starts with a header of 34"});
}

TEST(GameFileChecker, PassesAWellMadeLevelWithoutAWord) {
    EXPECT_TRUE(Warnings(LevelText{}).empty());
}

TEST(GameFileChecker, WarnsAboutALevelWithoutAHouse) {
    LevelText level;
    level.Map = {"#######", "#..o..#", "#######"};
    ExpectOnlyWarning(level, "no house, so the game skips the level");
}

TEST(GameFileChecker, WarnsAboutAHouseThatNeverOpens) {
    LevelText level;
    level.RequiredLength = "1";
    ExpectOnlyWarning(level, "RequiredLength is 1, so the house never opens");
}

TEST(GameFileChecker, WarnsAboutALengthTheFoodCannotReach) {
    LevelText level;
    level.Map = {"##########", "#H.......#", "#..o.....#", "#........#", "##########"};
    level.RequiredLength = "8";  // 3 + 5 for its one ball
    EXPECT_TRUE(Warnings(level).empty());
    level.RequiredLength = "9";
    ExpectOnlyWarning(level, "RequiredLength is 9, but the food of the level brings the snake to at most 8");
    level.RandomFlies = "1";
    level.RequiredLength = "18";
    EXPECT_TRUE(Warnings(level).empty());
    level.RandomFlies = "0";
    level.RandomBalls = "1";
    ExpectOnlyWarning(level, "at most 13");
    // Food behind a wall does not count.
    level = LevelText{};
    level.Map = {"########", "#H...#o#", "########"};
    level.RequiredLength = "4";
    ExpectOnlyWarning(level, "brings the snake to at most 3");
}

TEST(GameFileChecker, WarnsAboutALengthTheSnakeHasNoRoomFor) {
    LevelText level;
    level.Map = {"#####", "#H1.#", "#####"};
    level.RandomBalls = "1";
    level.RequiredLength = "12";
    ExpectOnlyWarning(level, "RequiredLength is 12, but the snake can reach only 3 cells");
}

TEST(GameFileChecker, WarnsAboutAHouseWalledIn) {
    LevelText level;
    level.Map = {"#######", "#H#o..#", "###...#", "#######"};
    ExpectWarning(level, "the house at (2, 2) is walled in");
    ExpectWarning(level, "the snake can reach only 1 cells");
}

TEST(GameFileChecker, WarnsAboutRandomItemsThatDoNotFit) {
    LevelText level;
    level.RandomBoulders = "8";
    EXPECT_TRUE(Warnings(level).empty());
    level.RandomBoulders = "9";
    ExpectOnlyWarning(level, "9 random items do not fit in the 8 free interior cells");
}

TEST(GameFileChecker, WarnsAboutRandomFoodOutOfReach) {
    LevelText level;
    level.Map = {"########", "#H.o#..#", "########"};
    level.RandomBalls = "1";
    ExpectWarning(level, "random food can land on 2 free cell(s) the snake cannot reach");
}

TEST(GameFileChecker, WarnsAboutABrokenRing) {
    LevelText level;
    level.Map = {"###*###", "#H....#", "o.o...#", "#######"};
    const std::vector<std::string> warnings = Warnings(level);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "level 1: the outer ring is broken at 2 cell(s), first at (4, 1)");
}

TEST(GameFileChecker, WarnsAboutAGoldenBallChanceOver100) {
    LevelText level;
    level.GoldenBallChance = "100";
    EXPECT_TRUE(Warnings(level).empty());
    level.GoldenBallChance = "101";
    ExpectOnlyWarning(level, "GoldenBallChance is 101, more than 100 per cent");
}

TEST(GameFileChecker, WarnsAboutAViperStartingNearTheHouse) {
    LevelText level;
    level.Map = {"##########", "#H..oV...#", "#........#", "##########"};
    level.ViperLengths = "3";
    EXPECT_TRUE(Warnings(level).empty());
    level.Map = {"##########", "#H..o....#", "#..V.....#", "##########"};
    ExpectOnlyWarning(level, "a viper starts at (4, 3), only 3 step(s) from the house");
}

TEST(GameFileChecker, WarnsAboutABallColourWithoutABall) {
    std::vector<std::uint8_t> bytes = Build(GameText{}.Text() + LevelText{}.Text());
    bytes.insert(bytes.end(), {CellBall, 3, 2, 24});
    const CheckReport report = GameFileChecker::Check(bytes, "x");
    ASSERT_EQ(report.Warnings.size(), 1u);
    EXPECT_EQ(report.Warnings[0], "level 1: the ball at (3, 2) has colour 24, which shows sprite 24 instead of a ball");
}
