#include <gtest/gtest.h>
#include <stdexcept>

#include "SourceText.h"
#include "pond/CellKinds.h"

namespace {

// The bytes of level records after the 34-byte header.
std::vector<std::uint8_t> Records(const std::vector<std::uint8_t>& file) { return {file.begin() + 34, file.end()}; }

GameSource OneLevel(const LevelRecord& level) {
    GameSource game;
    game.Levels.push_back(level);
    return game;
}

LevelRecord WalledRectangle(int width, int height) {
    LevelRecord level;
    level.FieldWidth = static_cast<std::uint8_t>(width);
    level.FieldHeight = static_cast<std::uint8_t>(height);
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x) {
            const bool border = x == 1 || x == width || y == 1 || y == height;
            level.Cell(x, y) = MapCell{border ? CellWall : CellFree, 0};
        }
    return level;
}

}  // namespace

TEST(GameFileWriter, WritesTheWorkedExampleByteForByte) {
    std::vector<std::uint8_t> expected = {0x41, 0x01, 'T', 'e', 's', 't'};
    expected.insert(expected.end(), 26, 0x20);
    const std::vector<std::uint8_t> records = {0x01, 0x03,  // one level, three lives
                                               0xFF, 0x0A, 0x08, 0x01,
                                               0x00, 0x14, 0x00,         // 10 x 8, bonus, required length 20
                                               0x03, 0x02,               // two random balls
                                               0x64, 0x02, 0x02, 0x03,   // house at (2, 2), initial length 3
                                               0x0C, 0x05, 0x05, 0x00,   // ball at (5, 5), random colour
                                               0x0B, 0x09, 0x07,         // boulder at (9, 7)
                                               0x33, 0x08, 0x03, 0x04};  // viper at (8, 3), length 4
    expected.insert(expected.end(), records.begin(), records.end());
    const std::vector<std::uint8_t> built = Build(GameText{}.Text() + WorkedExampleLevel().Text());
    EXPECT_EQ(built.size(), 58u);
    EXPECT_EQ(built, expected);
}

TEST(GameFileWriter, WritesTheRecordsOfALevel) {
    const struct {
        const char* what;
        LevelText level;
        std::vector<std::uint8_t> records;
    } cases[] = {
        {"cells kind by kind and row by row",
         {.InitialLength = "5 6", .ViperLengths = "7 8", .Map = {"######", "#*FH.#", "#3*#V#", "#VF1H#", "######"}},
         {0xFF, 6,         5, 0,        0, 8,         0, CellHouse,   4, 2,        5,           CellHouse,
          5,    4,         6, CellBall, 2, 3,         3, CellBall,    4, 4,        1,           CellFly,
          3,    2,         0, CellFly,  3, 4,         0, CellBoulder, 2, 2,        CellBoulder, 3,
          3,    CellViper, 5, 3,        7, CellViper, 2, 4,           8, CellWall, 4,           3}},
        {"only the counts that are set, signed words little-endian",
         {.LevelFlags = "-2",
          .RequiredLength = "300",
          .RandomFlies = "7",
          .GoldenBallChance = "100",
          .Map = {"###", "#H#", "###"}},
         {0xFF, 3, 3, 0xFE, 0xFF, 0x2C, 0x01, 4, 7, 6, 100, CellHouse, 2, 2, 3}},
        {"what replaces the ring but not the ring itself",
         {.Map = {"##*##", "#H..#", "F...#", "#####"}},
         {0xFF, 5, 4, 0, 0, 8, 0, CellHouse, 2, 2, 3, CellFly, 1, 3, 0, CellBoulder, 3, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Records(Build(GameText{}.Text() + c.level.Text())), c.records);
    }
}

TEST(GameFileWriter, WritesTheHeader) {
    const GameText game{.Lives = "5", .HeaderChar = "\\xC8", .HeaderByte = "200"};
    const std::vector<std::uint8_t> built = Build(game.Text() + LevelText{}.Text() + LevelText{}.Text());
    EXPECT_EQ(built[0], 0xC8);
    EXPECT_EQ(built[1], 200);
    EXPECT_EQ(built[32], 2);  // the number of levels
    EXPECT_EQ(built[33], 5);
}

TEST(GameFileWriter, RefusesWhatTheFormatCannotHold) {
    LevelRecord freeRing = WalledRectangle(5, 5);
    freeRing.Cell(1, 3) = MapCell{CellFree, 0};
    EXPECT_THROW(GameFileWriter::Write(OneLevel(freeRing)), std::invalid_argument);

    LevelRecord goldenBall = WalledRectangle(5, 5);
    goldenBall.Cell(3, 3) = MapCell{CellGoldenBall, 0};
    EXPECT_THROW(GameFileWriter::Write(OneLevel(goldenBall)), std::invalid_argument);

    LevelRecord wallWithParam = WalledRectangle(5, 5);
    wallWithParam.Cell(3, 3) = MapCell{CellWall, 4};
    EXPECT_THROW(GameFileWriter::Write(OneLevel(wallWithParam)), std::invalid_argument);

    EXPECT_THROW(GameFileWriter::Write(OneLevel(WalledRectangle(51, 5))), std::invalid_argument);

    GameSource shortNote = OneLevel(WalledRectangle(5, 5));
    shortNote.Note = "Test";
    EXPECT_THROW(GameFileWriter::Write(shortNote), std::invalid_argument);

    EXPECT_NO_THROW(GameFileWriter::Write(OneLevel(WalledRectangle(5, 5))));
}
