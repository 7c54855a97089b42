#include <gtest/gtest.h>
#include <stdexcept>

#include "GameFileBytes.h"
#include "SourceText.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/SourceDumper.h"

// The level sources and the game file: parsing, writing, and dumping back.
namespace {
std::vector<std::uint8_t> Records(const std::vector<std::uint8_t>& file) {
    return {file.begin() + GameFileHeaderSize, file.end()};
}

std::string Dump(const std::vector<std::uint8_t>& bytes) {
    clsHraZurk3 game;
    EXPECT_TRUE(game.NactiHruZPameti(bytes, "dir/game.zurk"));
    return SourceDumper::Dump(game);
}

}  // namespace

TEST(SourceFormat, WritesTheWorkedExampleByteForByte) {
    EXPECT_EQ(Build(GameText{.Note = "Hra1"}.Text() + WorkedExampleLevel().Text()), WorkedExampleBytes());
}

TEST(SourceFormat, WritesEveryMapCharacterKindByKindRowByRow) {
    const LevelText level{.LevelFlags = "-2",
                          .RequiredLength = "300",
                          .RandomFlies = "7",
                          .GoldenBallChance = "100",
                          .InitialLength = "5 6",
                          .ViperLengths = "7 8",
                          .Map = {"#######", "#*FH.o#", "#3*#V2#", "#VF1H4#", "#56...#", "###*###"}};
    EXPECT_EQ(Records(Build(GameText{.HeaderChar = "\\xC8"}.Text() + level.Text())),
              (std::vector<std::uint8_t>{
                  0xFF, 7,           6,        0xFE,     0xFF,      0x2C,        0x01, 4,        7,           6,
                  100,  CellHouse,   4,        2,        5,         CellHouse,   5,    4,        6,           CellBall,
                  6,    2,           0,        CellBall, 2,         3,           3,    CellBall, 6,           3,
                  2,    CellBall,    4,        4,        1,         CellBall,    6,    4,        4,           CellBall,
                  2,    5,           5,        CellBall, 3,         5,           6,    CellFly,  3,           2,
                  0,    CellFly,     3,        4,        0,         CellBoulder, 2,    2,        CellBoulder, 3,
                  3,    CellBoulder, 4,        6,        CellViper, 5,           3,    7,        CellViper,   2,
                  4,    8,           CellWall, 4,        3}));
}

TEST(SourceFormat, DumpThenBuildGivesTheSameGame) {
    const std::vector<std::uint8_t> zaklad = BuildDefaultGame();
    const std::string dumped = Dump(zaklad);
    EXPECT_EQ(Build(dumped), zaklad);
    EXPECT_EQ(dumped.rfind("Game: game.zurk\n", 0), 0u) << "the dump names the file it came from";

    clsHraZurk3 unsayable;  // a ball of colour 9 has no map character
    ASSERT_TRUE(unsayable.NactiHruZPameti(GameFileBytes(1, 3).Level(5, 5, 0, 3).Cell(CellBall, 3, 3, 9).bytes, "x"));
    EXPECT_THROW(SourceDumper::Dump(unsayable), std::runtime_error);
}
