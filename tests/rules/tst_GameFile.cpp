#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "GameFileBytes.h"
#include "pond/CellKinds.h"
#include "pond/Cp1250.h"
#include "pond/clsHraZurk3.h"

namespace {
// The one-level example with a house, a ball, a boulder and a viper, 58 bytes.
std::vector<std::uint8_t> WorkedExample() {
    const std::string header = "\x41\x01Hra1" + std::string(26, ' ');
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (int b : {0x01, 0x03, 0xFF, 0x0A, 0x08, 0x01, 0x00, 0x14, 0x00, 0x03, 0x02, 0x64, 0x02,
                  0x02, 0x03, 0x0C, 0x05, 0x05, 0x00, 0x0B, 0x09, 0x07, 0x33, 0x08, 0x03, 0x04})
        bytes.push_back(static_cast<std::uint8_t>(b));
    return bytes;
}

LevelRecord LoadLevel(const clsHraZurk3& game, int u) {
    LevelRecord level;
    game.NactiUrovenAkce(u, level);
    return level;
}
}  // namespace

TEST(GameFile, WorkedExampleLoadsCellForCell) {
    const auto bytes = WorkedExample();
    ASSERT_EQ(bytes.size(), 58u);
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(bytes, "example.zurk"));
    EXPECT_EQ(game.PocetUrovni(), 1);
    EXPECT_EQ(game.Zivoty(), 3);
    EXPECT_EQ(game.Informace(), "Hra1" + std::string(26, ' '));
    EXPECT_EQ(game.Nazev(), "example.zurk");

    const LevelRecord level = LoadLevel(game, 1);
    EXPECT_EQ(level.FieldWidth, 10);
    EXPECT_EQ(level.FieldHeight, 8);
    EXPECT_EQ(level.LevelFlags, 1);
    EXPECT_TRUE(level.IsBonus());
    EXPECT_EQ(level.RequiredLength, 20);
    EXPECT_EQ(level.RandomBalls, 2);
    EXPECT_EQ(level.RandomFlies, 0);
    EXPECT_EQ(level.RandomBoulders, 0);
    EXPECT_EQ(level.GoldenBallChance, 0);
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 8; ++y) {
            MapCell expected{CellFree, 0};
            if (x == 1 || x == 10 || y == 1 || y == 8) expected = {CellWall, 0};
            if (x == 2 && y == 2) expected = {CellHouse, 3};
            if (x == 5 && y == 5) expected = {CellBall, 0};
            if (x == 9 && y == 7) expected = {CellBoulder, 0};
            if (x == 8 && y == 3) expected = {CellViper, 4};
            EXPECT_EQ(level.Cell(x, y), expected) << "cell " << x << "," << y;
        }
}

TEST(GameFile, RecordsThatChangeNothingAndOverrides) {
    GameFileBytes file(2, 0);
    file.Raw({0, 1, 2, 7, 42, 200})  // stray codes before any level go nowhere
        .Cell(CellWall, 4, 2)        // level 0 only, never played
        .Level(6, 5, 0, 4)
        .Count(3, 7)
        .Raw({0, 1, 2, 7, 42, 200})
        .Count(3, 2)
        .Count(4, 1)
        .Count(5, 9)
        .Count(6, 55)
        .Cell(CellBall, 1, 3, 0)  // a ball replacing a border wall
        .Cell(CellHouse, 3, 3, 2)
        .Level(4, 4, 0, 0)
        .Level(5, 5, 0, 0);  // the second level start exceeds nothing: count is 2
    clsHraZurk3 game;
    // Three level starts for two levels: refused.
    EXPECT_FALSE(game.NactiHruZPameti(file.bytes, "x"));

    GameFileBytes good(2, 0);
    good.Cell(CellWall, 4, 2)
        .Level(6, 5, 0, 4)
        .Count(3, 7)
        .Raw({0, 1, 2, 7, 42, 200})
        .Count(3, 2)
        .Count(4, 1)
        .Count(5, 9)
        .Count(6, 55)
        .Cell(CellBall, 1, 3, 0)
        .Cell(CellHouse, 3, 3, 2)
        .Level(4, 4, 0, 0);
    ASSERT_TRUE(game.NactiHruZPameti(good.bytes, "x")) << game.LastError();
    const LevelRecord first = LoadLevel(game, 1);
    EXPECT_EQ(first.RandomBalls, 2) << "the last count given wins";
    EXPECT_EQ(first.RandomFlies, 1);
    EXPECT_EQ(first.RandomBoulders, 9);
    EXPECT_EQ(first.GoldenBallChance, 55);
    EXPECT_EQ(first.Cell(1, 3), (MapCell{CellBall, 0}));
    EXPECT_EQ(first.Cell(4, 2), (MapCell{CellFree, 0})) << "records before the first level stay in level 0";
    EXPECT_EQ(game.Levels()[0].Cell(4, 2), (MapCell{CellWall, 0}));
    const LevelRecord second = LoadLevel(game, 2);
    EXPECT_EQ(second.Cell(2, 2), (MapCell{CellFree, 0})) << "two level starts in a row: a bare walled rectangle";
    EXPECT_EQ(second.Cell(4, 4), (MapCell{CellWall, 0}));
    EXPECT_EQ(second.RandomBalls, 0);
}

TEST(GameFile, HeaderOnlyGameHasNoLevels) {
    GameFileBytes file(0, 5);
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "empty"));
    EXPECT_EQ(game.PocetUrovni(), 0);
    EXPECT_EQ(game.Zivoty(), 5);
}

TEST(GameFile, LoadingALevelLeavesTheRestOfTheMapAlone) {
    GameFileBytes file(2, 3);
    file.Level(50, 40, 0, 5).Cell(CellBoulder, 50, 40).Level(5, 4, 0, 5);
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "x"));
    LevelRecord level;
    game.NactiUrovenAkce(1, level);
    EXPECT_EQ(level.Cell(50, 40), (MapCell{CellBoulder, 0}));
    game.NactiUrovenAkce(2, level);
    EXPECT_EQ(level.FieldWidth, 5);
    EXPECT_EQ(level.Cell(50, 40), (MapCell{CellBoulder, 0})) << "cells outside the smaller level keep what they had";
    EXPECT_EQ(level.Cell(3, 3), (MapCell{CellFree, 0}));
}

struct DamagedFile {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* mentions;  // the offset or figure the reason must name
};

class DamagedGameFile : public testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedGameFile, IsRefusedWholeAndTheEarlierGameStays) {
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(WorkedExample(), "good.zurk"));
    EXPECT_FALSE(game.NactiHruZPameti(GetParam().bytes, "bad.zurk"));
    EXPECT_NE(game.LastError().find(GetParam().mentions), std::string::npos) << game.LastError();
    EXPECT_EQ(game.Nazev(), "good.zurk");
    EXPECT_EQ(game.PocetUrovni(), 1);
    EXPECT_EQ(LoadLevel(game, 1).Cell(2, 2), (MapCell{CellHouse, 3}));
}

std::vector<DamagedFile> DamagedFiles() {
    auto header = [](int count) { return GameFileBytes(count, 3); };
    auto starts = [&](int count) {
        GameFileBytes file = header(count);
        for (int level = 0; level <= count; ++level) file.Level(5, 5, 0, 3);
        return file.bytes;
    };
    std::vector<DamagedFile> files;
    files.push_back({"short header", std::vector<std::uint8_t>(33, 0), "jen 33 bajtů ze 34"});
    files.push_back({"header of one byte", std::vector<std::uint8_t>(1, 0), "jen 1 bajt ze 34"});
    files.push_back({"header of three bytes", std::vector<std::uint8_t>(3, 0), "jen 3 bajty ze 34"});
    files.push_back({"more level starts than levels", header(1).Level(5, 5, 0, 3).Level(5, 5, 0, 3).bytes, "41"});
    files.push_back({"one level too many for one", starts(1), "ohlašuje jen 1 úroveň."});
    files.push_back({"one level too many for four", starts(4), "ohlašuje jen 4 úrovně."});
    files.push_back({"one level too many for five", starts(5), "ohlašuje jen 5 úrovní."});
    files.push_back({"too wide", header(1).Level(51, 5, 0, 3).bytes, "51x5"});
    files.push_back({"too high", header(1).Level(5, 41, 0, 3).bytes, "5x41"});
    files.push_back({"cell beyond x", header(1).Level(5, 5, 0, 3).Cell(CellHouse, 51, 2, 3).bytes, "41"});
    files.push_back({"cell at y 0", header(1).Level(5, 5, 0, 3).Cell(CellWall, 2, 0).bytes, "41"});
    files.push_back({"cut payload", header(1).Level(5, 5, 0, 3).Raw({CellHouse, 2, 2}).bytes, "41"});
    files.push_back({"cut level start", header(1).Raw({255, 5, 5, 0}).bytes, "34"});
    return files;
}

INSTANTIATE_TEST_SUITE_P(Refused, DamagedGameFile, testing::ValuesIn(DamagedFiles()), [](const auto& param) {
    std::string name = param.param.what;
    for (char& c : name)
        if (c == ' ') c = '_';
    return name;
});

TEST(GameFile, AGameThatHoldsFewerLevelsThanItAnnouncesLoadsThemWithEmptyOnesAfter) {
    GameFileBytes file(3, 2);
    file.Level(6, 5, 0, 3).Cell(CellHouse, 2, 2, 3);
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "short.zurk")) << game.LastError();
    EXPECT_EQ(game.PocetUrovni(), 3);
    EXPECT_EQ(LoadLevel(game, 1).Cell(2, 2), (MapCell{CellHouse, 3}));
    const LevelRecord missing = LoadLevel(game, 3);
    EXPECT_EQ(missing.FieldWidth, 0);
    EXPECT_EQ(missing.FieldHeight, 0);
}

TEST(GameFile, FromDiskMissingAndPresent) {
    const auto folder = std::filesystem::temp_directory_path() / "zurk3-gamefile-test";
    std::filesystem::create_directories(folder);
    const auto path = folder / "hra.zurk";
    clsHraZurk3 game;
    std::filesystem::remove(path);
    EXPECT_FALSE(game.NactiHru(path.string()));
    EXPECT_EQ(game.PocetUrovni(), 0);

    const auto bytes = WorkedExample();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    EXPECT_TRUE(game.NactiHru(path.string()));
    EXPECT_EQ(game.Nazev(), path.string());
    std::filesystem::remove_all(folder);
}

TEST(GameFile, NoteIsWindows1250) {
    GameFileBytes file(0, 3);
    const std::string note =
        "\xC8"
        "erven\xE1 \x9Akola \x9E"
        "lu\x9Dou\xE8k\xFD";  // Červená škola žluťoučký
    std::copy(note.begin(), note.end(), file.bytes.begin() + 2);
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "x"));
    EXPECT_EQ(game.Informace(), "Červená škola žluťoučký" + std::string(7, ' '));
    EXPECT_EQ(UnicodeToCp1250(U'ř'), 0xF8);
    EXPECT_EQ(UnicodeToCp1250(U'€'), 0x80);
    EXPECT_FALSE(UnicodeToCp1250(U'ß' + 1000).has_value());
}
