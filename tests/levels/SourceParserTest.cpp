#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "SourceText.h"
#include "pond/CellKinds.h"
#include "tools/levels/SourceError.h"
#include "tools/levels/SourceParser.h"

namespace {

GameSource Parse(const std::string& text) {
    SourceParser parser;
    parser.Parse(text, "test.zl");
    return parser.Finish();
}

// Parses text that must fail and hands back the error.
SourceError ParseError(const std::string& text) {
    try {
        Parse(text);
    } catch (const SourceError& error) {
        return error;
    }
    ADD_FAILURE() << "no error for:\n" << text;
    return SourceError("", 0, "");
}

// The line of the first text line that starts with prefix, counted from 1.
int LineOf(const std::string& text, const std::string& prefix) {
    int line = 1;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1, ++line)
        if (text.compare(at, prefix.size(), prefix) == 0) return line;
    return 0;
}

void ExpectError(const std::string& text, int line, const std::string& fragment) {
    const SourceError error = ParseError(text);
    EXPECT_EQ(error.File, "test.zl");
    EXPECT_EQ(error.Line, line) << error.what();
    EXPECT_NE(std::string(error.what()).find(fragment), std::string::npos) << error.what();
}

}  // namespace

TEST(SourceParser, ReadsTheWorkedExample) {
    const GameSource game = Parse(GameText{}.Text() + WorkedExampleLevel().Text());
    EXPECT_EQ(game.HeaderChar, 'A');
    EXPECT_EQ(game.HeaderByte, 1);
    EXPECT_EQ(game.Note, "Test" + std::string(26, ' '));
    EXPECT_EQ(game.Lives, 3);
    ASSERT_EQ(game.Levels.size(), 1u);
    const LevelRecord& level = game.Levels[0];
    EXPECT_EQ(level.FieldWidth, 10);
    EXPECT_EQ(level.FieldHeight, 8);
    EXPECT_EQ(level.LevelFlags, 1);
    EXPECT_EQ(level.RequiredLength, 20);
    EXPECT_EQ(level.RandomBalls, 2);
    EXPECT_EQ(level.Cell(2, 2), (MapCell{CellHouse, 3}));
    EXPECT_EQ(level.Cell(5, 5), (MapCell{CellBall, 0}));
    EXPECT_EQ(level.Cell(9, 7), (MapCell{CellBoulder, 0}));
    EXPECT_EQ(level.Cell(8, 3), (MapCell{CellViper, 4}));
    EXPECT_EQ(level.Cell(1, 1), (MapCell{CellWall, 0}));
    EXPECT_EQ(level.Cell(3, 3), (MapCell{CellFree, 0}));
}

TEST(SourceParser, GivesEveryMapCharacterItsCell) {
    const LevelText level{.InitialLength = "4 7",
                          .ViperLengths = "9 12",
                          .Map = {"##########", "#H123456o#", "#F*V.#...#", "#**#*HVF1#", "##########"}};
    const LevelRecord parsed = Parse(GameText{}.Text() + level.Text()).Levels[0];
    for (int colour = 1; colour <= 6; ++colour)
        EXPECT_EQ(parsed.Cell(2 + colour, 2), (MapCell{CellBall, static_cast<std::uint8_t>(colour)}));
    EXPECT_EQ(parsed.Cell(9, 2), (MapCell{CellBall, 0}));
    EXPECT_EQ(parsed.Cell(2, 3), (MapCell{CellFly, 0}));
    EXPECT_EQ(parsed.Cell(6, 3), (MapCell{CellWall, 0}));
    // Lengths go to houses and vipers in reading order: row by row, left to right.
    EXPECT_EQ(parsed.Cell(2, 2), (MapCell{CellHouse, 4}));
    EXPECT_EQ(parsed.Cell(6, 4), (MapCell{CellHouse, 7}));
    EXPECT_EQ(parsed.Cell(4, 3), (MapCell{CellViper, 9}));
    EXPECT_EQ(parsed.Cell(7, 4), (MapCell{CellViper, 12}));
}

TEST(SourceParser, ReadsSignedWordsAndTheHexHeaderChar) {
    const GameText game{.Note = "Žluťoučký kůň úpěl ďábelské ó", .HeaderChar = "\\x00"};
    const LevelText level{.LevelFlags = "-32768", .RequiredLength = "32767", .GoldenBallChance = "255"};
    const GameSource parsed = Parse(game.Text() + level.Text());
    EXPECT_EQ(parsed.HeaderChar, 0);
    EXPECT_EQ(parsed.Note.size(), 30u);
    EXPECT_EQ(static_cast<unsigned char>(parsed.Note[0]), 0x8E);  // Ž in Windows-1250
    EXPECT_EQ(parsed.Levels[0].LevelFlags, -32768);
    EXPECT_EQ(parsed.Levels[0].RequiredLength, 32767);
    EXPECT_EQ(parsed.Levels[0].GoldenBallChance, 255);
}

TEST(SourceParser, SkipsCommentsCarriageReturnsAndTrailingBlanks) {
    std::string text = "; a comment\r\n" + GameText{}.Text() + "  ; another\n" + WorkedExampleLevel().Text();
    std::string spaced;
    for (char c : text) spaced += c == '\n' ? std::string(" \t\r\n") : std::string(1, c);
    const GameSource parsed = Parse(spaced);
    EXPECT_EQ(parsed.Levels[0].FieldWidth, 10);
    EXPECT_EQ(parsed.Levels[0].Cell(8, 3), (MapCell{CellViper, 4}));
}

TEST(SourceParser, KeepsTheOrderOfLevelsAcrossFiles) {
    const auto dir = std::filesystem::temp_directory_path() / "zurk3-levels-parser-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "a.zl") << LevelText{}.Text();
    const LevelText wide{.Map = {"#########", "#H......#", "#########"}};
    std::ofstream(dir / "b.zl") << GameText{}.Text() << wide.Text();
    SourceParser parser;
    parser.ParseFile((dir / "a.zl").string());
    parser.ParseFile((dir / "b.zl").string());
    const GameSource game = parser.Finish();
    ASSERT_EQ(game.Levels.size(), 2u);
    EXPECT_EQ(game.Levels[0].FieldWidth, 7);
    EXPECT_EQ(game.Levels[1].FieldWidth, 9);
    std::filesystem::remove_all(dir);
}

TEST(SourceParser, NamesAnUnreadableFile) {
    SourceParser parser;
    try {
        parser.ParseFile("no-such-dir/missing.zl");
        FAIL() << "a missing file was read";
    } catch (const SourceError& error) {
        EXPECT_EQ(error.File, "no-such-dir/missing.zl");
        EXPECT_EQ(error.Line, 0);
        EXPECT_STREQ(error.what(), "no-such-dir/missing.zl: cannot read the file");
    }
}

TEST(SourceParser, LocatesMapFaults) {
    const std::string game = GameText{}.Text();
    const int mapStart = LineOf(game + LevelText{}.Text(), "Map:");
    auto withMap = [&](std::vector<std::string> map) { return game + LevelText{.Map = std::move(map)}.Text(); };
    ExpectError(withMap({"#######", "#H.x..#", "#######"}), mapStart + 2, "unknown map character 'x' in column 4");
    ExpectError(withMap({"#######", "#H....#", "#.........#", "#######"}), mapStart + 3,
                "11 cells wide, the first row 7");
    ExpectError(withMap({std::string(51, '#'), "#H" + std::string(48, '.') + "#", std::string(51, '#')}), mapStart + 1,
                "51 cells wide, at most 50 fit");
    ExpectError(withMap(std::vector<std::string>(41, "#H#")), mapStart + 41, "more than 40 rows");
    ExpectError(withMap({"#######", "#H....#", "#......", "#######"}), mapStart + 3,
                "free water on the outer ring in column 7");
}

TEST(SourceParser, LocatesHeaderFaults) {
    const std::string game = GameText{}.Text();
    const std::string levelText = LevelText{}.Text();
    const int levelLine = LineOf(game + levelText, "Level:");

    std::string withoutFlies = levelText;
    withoutFlies.erase(withoutFlies.find("RandomFlies"), std::string("RandomFlies: 0\n").size());
    ExpectError(game + withoutFlies, levelLine, "missing header line 'RandomFlies'");

    std::string withoutMap = levelText.substr(0, levelText.find("Map:"));
    ExpectError(game + withoutMap, levelLine, "the level has no 'Map:'");
    ExpectError(game + withoutMap + "Map:\n\n", levelLine + 8, "the map has no rows");

    ExpectError(game + LevelText{.RandomBalls = "256"}.Text(), levelLine + 3,
                "RandomBalls must be a whole number from 0 to 255, not '256'");
    ExpectError(game + LevelText{.RequiredLength = "twelve"}.Text(), levelLine + 2, "not 'twelve'");
    ExpectError(game + LevelText{.LevelFlags = "40000"}.Text(), levelLine + 1, "from -32768 to 32767");

    ExpectError(game + "Level: x\nSpeed: 3\n", levelLine + 1, "unknown header line 'Speed'");
    ExpectError(game + "Level: x\nRandomBalls: 1\nRandomBalls: 2\n", levelLine + 2, "given twice (first on line");
    ExpectError("RandomBalls: 3\n", 1, "stands before any 'Game:' or 'Level:' line");
    ExpectError(game + "Level: x\nthis is no header\n", levelLine + 1, "expected a header line 'Name: value'");
}

TEST(SourceParser, ChecksTheLengthsOfHousesAndVipers) {
    const std::string game = GameText{}.Text();
    const int levelLine = LineOf(game + LevelText{}.Text(), "Level:");
    ExpectError(game + LevelText{.ViperLengths = "5"}.Text(), levelLine + 8,
                "ViperLengths gives 1 length(s), the map has 0 viper cell(s)");
    LevelText viper{.Map = {"#######", "#H..V.#", "#######"}};
    ExpectError(game + viper.Text(), levelLine, "missing header line 'ViperLengths'");
    viper.ViperLengths = "300";
    ExpectError(game + viper.Text(), levelLine + 8, "ViperLengths must be a whole number from 0 to 255");
    ExpectError(game + LevelText{.InitialLength = "3 3"}.Text(), levelLine + 7,
                "InitialLength gives 2 length(s), the map has 1 house cell(s)");
    std::string noHouseLength = LevelText{}.Text();
    noHouseLength.erase(noHouseLength.find("InitialLength"), std::string("InitialLength: 3\n").size());
    ExpectError(game + noHouseLength, levelLine, "missing header line 'InitialLength'");
}

TEST(SourceParser, ChecksTheGameHeader) {
    ExpectError(GameText{.Note = std::string(31, 'a')}.Text(), 2, "the note has 31 characters, at most 30 fit");
    ExpectError(GameText{.Note = "Zurk ☃"}.Text(), 2, "the note holds '☃', which Windows-1250 lacks");
    ExpectError(GameText{.Note = "Zurk \xC3"}.Text(), 2, "the note is not valid UTF-8");
    ExpectError(GameText{.HeaderChar = "AB"}.Text(), 4,
                "HeaderChar must be one visible ASCII character or \\xNN, not 'AB'");
    ExpectError(GameText{.Lives = "-1"}.Text(), 3, "Lives must be a whole number from 0 to 255");
    ExpectError(GameText{}.Text() + GameText{}.Text(), 6,
                "a second Game section; the game already has one at test.zl:1");
    ExpectError("Game: x\nNote: a\nLives: 3\nHeaderByte: 0\n", 1, "missing header line 'HeaderChar'");
}

TEST(SourceParser, RefusesAGameWithoutItsHeader) {
    SourceParser parser;
    parser.Parse(LevelText{}.Text(), "levels.zl");
    EXPECT_THROW(parser.Finish(), SourceError);
}

TEST(SourceParser, RefusesMoreThan255Levels) {
    std::string text = GameText{}.Text();
    for (int i = 0; i < 256; ++i) text += LevelText{}.Text();
    const std::string one = LevelText{}.Text();
    const int linesPerLevel = static_cast<int>(std::count(one.begin(), one.end(), '\n'));
    const int lastLevel = LineOf(text, "Level:") + 255 * linesPerLevel;
    ExpectError(text, lastLevel, "more than 255 levels");
}
