#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

#include "DefaultGameSources.h"
#include "SourceText.h"
#include "pond/CellKinds.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/SourceDumper.h"

namespace {

std::string Dump(const std::vector<std::uint8_t>& bytes) {
    clsHraZurk3 game;
    EXPECT_TRUE(game.NactiHruZPameti(bytes, "dir/game.zurk")) << game.LastError();
    return SourceDumper::Dump(game);
}

// A game file of another maker: a header with a note of spaces, then the records given.
std::vector<std::uint8_t> GameFile(std::uint8_t levels, const std::vector<std::uint8_t>& records) {
    std::vector<std::uint8_t> bytes(34 + records.size(), ' ');
    bytes[0] = 'Z';
    bytes[1] = 0;
    bytes[32] = levels;
    bytes[33] = 3;
    std::copy(records.begin(), records.end(), bytes.begin() + 34);
    return bytes;
}

// The levels the game would play, compared cell by cell within each level's size.
void ExpectSameLevels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    clsHraZurk3 first;
    clsHraZurk3 second;
    ASSERT_TRUE(first.NactiHruZPameti(a, "a"));
    ASSERT_TRUE(second.NactiHruZPameti(b, "b"));
    ASSERT_EQ(first.PocetUrovni(), second.PocetUrovni());
    for (int u = 1; u <= first.PocetUrovni(); ++u) {
        LevelRecord one;
        LevelRecord two;
        first.NactiUrovenAkce(u, one);
        second.NactiUrovenAkce(u, two);
        EXPECT_EQ(one.LevelFlags, two.LevelFlags);
        EXPECT_EQ(one.RequiredLength, two.RequiredLength);
        EXPECT_EQ(one.RandomBalls, two.RandomBalls);
        EXPECT_EQ(one.GoldenBallChance, two.GoldenBallChance);
        EXPECT_EQ(one.LevelMap, two.LevelMap) << "level " << u;
    }
}

}  // namespace

TEST(RoundTrip, DumpThenBuildGivesTheDefaultGameByteForByte) {
    const std::vector<std::uint8_t> built = BuildDefaultGame();
    const std::string dumped = Dump(built);
    EXPECT_EQ(Build(dumped), built);
    EXPECT_EQ(dumped.rfind("Game: game.zurk\n", 0), 0u) << "the dump names the file it came from";
}

TEST(RoundTrip, KeepsEveryFeatureOfTheSource) {
    const GameText game{.Note = "Žluťoučký kůň", .Lives = "0", .HeaderChar = "\\x07", .HeaderByte = "255"};
    const LevelText full{.LevelFlags = "-5",
                         .RequiredLength = "-1",
                         .RandomBalls = "1",
                         .RandomFlies = "2",
                         .RandomBoulders = "3",
                         .GoldenBallChance = "201",
                         .InitialLength = "0 255",
                         .ViperLengths = "1 0",
                         .Map = {"###*#####", "#H123456#", "V.o.F.*.H", "#.V...#.#", "##F###3##"}};
    const LevelText bare{.Map = {"#"}};
    const std::vector<std::uint8_t> built = Build(game.Text() + full.Text() + bare.Text() + LevelText{}.Text());
    EXPECT_EQ(Build(Dump(built)), built);
}

TEST(RoundTrip, DumpsTheWorkedExampleAsItsSource) {
    const std::vector<std::uint8_t> built = Build(GameText{}.Text() + WorkedExampleLevel().Text());
    const std::string dumped = Dump(built);
    EXPECT_NE(dumped.find("Note: Test\nLives: 3\nHeaderChar: A\nHeaderByte: 1\n"), std::string::npos) << dumped;
    EXPECT_NE(dumped.find("Map:\n##########\n#H.......#\n#......V.#\n"), std::string::npos) << dumped;
    EXPECT_NE(dumped.find("InitialLength: 3\nViperLengths: 4\n"), std::string::npos) << dumped;
}

TEST(RoundTrip, AFileOfAnotherMakerComesBackAsTheSameLevels) {
    // Records out of order, fillers, a wall drawn over the ring and a count given twice.
    const std::vector<std::uint8_t> foreign =
        GameFile(1, {0xFF, 6, 5, 0, 0, 12, 0,         0, 42, CellBall, 3,           3, 2, CellWall,
                     1,    1, 3, 9, 3, 4,  CellHouse, 2, 2,  4,        CellBoulder, 5, 4, 200});
    const std::vector<std::uint8_t> rebuilt = Build(Dump(foreign));
    EXPECT_NE(rebuilt, foreign);
    ExpectSameLevels(foreign, rebuilt);
}

TEST(RoundTrip, DumpRefusesWhatNoSourceCanSay) {
    auto dumpOf = [](const std::vector<std::uint8_t>& records) {
        clsHraZurk3 game;
        EXPECT_TRUE(game.NactiHruZPameti(GameFile(1, records), "x"));
        return [game] { SourceDumper::Dump(game); };
    };
    EXPECT_THROW(dumpOf({0xFF, 5, 5, 0, 0, 9, 0, CellBall, 3, 3, 9})(), std::runtime_error);
    EXPECT_THROW(dumpOf({0xFF, 5, 5, 0, 0, 9, 0, CellFly, 3, 3, 1})(), std::runtime_error);
    EXPECT_THROW(dumpOf({0xFF, 0, 0, 0, 0, 9, 0})(), std::runtime_error);
    try {
        dumpOf({0xFF, 5, 5, 0, 0, 9, 0, CellBall, 3, 3, 9})();
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "level 1: cell (3, 3) of kind 12 with parameter 9 has no map character");
    }
    std::vector<std::uint8_t> leadingSpace = GameFile(0, {});
    leadingSpace[2] = ' ';
    leadingSpace[3] = 'x';
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(leadingSpace, "x"));
    EXPECT_THROW(SourceDumper::Dump(game), std::runtime_error);
}
