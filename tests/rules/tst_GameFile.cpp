#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

#include "AllocatedBytes.h"
#include "GameFileBytes.h"
#include "TempFolder.h"
#include "game/HeadlessWorld.h"
#include "game/LevelSetUp.h"
#include "pond/clsHraZurk3.h"

namespace {
LevelRecord LoadLevel(const clsHraZurk3& game, int u) {
    LevelRecord level;
    game.NactiUrovenAkce(u, level);
    return level;
}

// The most the work held at once through operator new, above what was held before it.
std::size_t PeakGrowth(const std::function<void()>& work) {
    const std::size_t before = AllocatedBytes::Held();
    AllocatedBytes::Mark();
    work();
    return AllocatedBytes::Peak() - before;
}

using GameFileOnDisk = TempFolderTest;
}  // namespace

TEST(GameFile, WorkedExampleLoadsCellForCell) {
    const auto bytes = WorkedExampleBytes();
    ASSERT_EQ(bytes.size(), 58u);
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(bytes, "example.zurk"));
    EXPECT_EQ(game.PocetUrovni(), 1);
    EXPECT_EQ(game.Zivoty(), 3);
    EXPECT_EQ(game.Informace(), "Hra1" + std::string(26, ' '));

    LevelRecord level;
    level.Cell(50, 40) = {CellBoulder, 0};
    game.NactiUrovenAkce(1, level);
    EXPECT_EQ((std::vector<int>{level.FieldWidth, level.FieldHeight, level.LevelFlags, level.RequiredLength,
                                level.RandomBalls, level.RandomFlies, level.RandomBoulders, level.GoldenBallChance}),
              (std::vector<int>{10, 8, 1, 20, 2, 0, 0, 0}));
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 8; ++y) {
            MapCell expected = StandardCell(x, y, 10, 8);
            if (x == 2 && y == 2) expected = {CellHouse, 3};
            if (x == 5 && y == 5) expected = {CellBall, 0};
            if (x == 9 && y == 7) expected = {CellBoulder, 0};
            if (x == 8 && y == 3) expected = {CellViper, 4};
            EXPECT_EQ(level.Cell(x, y), expected) << "cell " << x << "," << y;
        }
    EXPECT_EQ(level.Cell(50, 40), (MapCell{CellBoulder, 0})) << "cells outside the level keep what they had";
    for (int outside : {-1, 2}) game.NactiUrovenAkce(outside, level);
    clsHraZurk3().NactiUrovenAkce(0, level);  // a game not loaded has no level 0 either
    EXPECT_EQ(level.FieldWidth, 10) << "no level outside the game is loaded";
}

// The signed fields at both ends of their range, flags with every bit, counts at 0 and at 255,
// the largest level with a cell in its far corner.
TEST(GameFile, HeaderFieldsReadWholeAtTheirExtremes) {
    for (const int count : {0, 255}) {
        GameFileBytes file(count, 255 - count);
        for (int n = 0; n < count; ++n) file.Level(50, 40, -32768 + n, 32767 - n).Cell(CellBall, 50, 40, 0);
        clsHraZurk3 game;
        ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "x"));
        EXPECT_EQ(std::vector<int>({game.PocetUrovni(), game.Zivoty()}), std::vector<int>({count, 255 - count}));
        if (count == 0) continue;
        for (const int u : {1, 255}) {
            const LevelRecord level = LoadLevel(game, u);
            EXPECT_EQ(std::vector<int>({level.FieldWidth, level.FieldHeight, level.LevelFlags, level.RequiredLength}),
                      std::vector<int>({50, 40, -32768 + u - 1, 32767 - u + 1}));
            EXPECT_EQ(level.Cell(50, 40), (MapCell{CellBall, 0}));
        }
    }
    for (const int field : {-32768, -1, 32767}) {
        GameFileBytes file(1, 3);
        file.Level(3, 3, field, field);
        clsHraZurk3 game;
        ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "x"));
        const LevelRecord level = LoadLevel(game, 1);
        EXPECT_EQ(std::vector<int>({level.LevelFlags, level.RequiredLength}), std::vector<int>({field, field}));
    }
}

// Codes without a record of their own carry no data: the record after them still counts.
TEST(GameFile, CodesOfNoRecordCarryNothing) {
    for (int code : {0, 1, 2, 7, 9, 14, 42, 50, 52, 99, 101, 200, 254}) {
        GameFileBytes file(1, 3);
        file.Level(6, 5, 0, 4).Raw({code}).Cell(CellBall, 3, 3, 2);
        clsHraZurk3 game;
        ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "x")) << code;
        EXPECT_EQ(LoadLevel(game, 1).Cell(3, 3), (MapCell{CellBall, 2})) << code;
    }
}

TEST(GameFile, TheLastCountWinsAndRecordsBelongToTheLevelTheyFollow) {
    GameFileBytes file(2, 0);
    file.Cell(CellWall, 4, 2)  // before any level: level 0, never played
        .Level(6, 5, 0, 4)
        .Count(CodeRandomBalls, 7)
        .Count(CodeRandomBalls, 2)
        .Count(CodeRandomFlies, 1)
        .Count(CodeRandomBoulders, 9)
        .Count(CodeGoldenBallChance, 55)
        .Cell(CellBall, 1, 3, 0)  // a ball replacing a border wall
        .Level(4, 4, 0, 0);
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "x"));
    const LevelRecord first = LoadLevel(game, 1);
    EXPECT_EQ((std::vector<int>{first.RandomBalls, first.RandomFlies, first.RandomBoulders, first.GoldenBallChance}),
              (std::vector<int>{2, 1, 9, 55}));
    EXPECT_EQ(first.Cell(1, 3), (MapCell{CellBall, 0}));
    EXPECT_EQ(first.Cell(4, 2), (MapCell{CellFree, 0}));
    EXPECT_EQ(game.Levels()[0].Cell(4, 2), (MapCell{CellWall, 0}));
    const LevelRecord second = LoadLevel(game, 2);
    EXPECT_EQ(second.Cell(2, 2), (MapCell{CellFree, 0})) << "two level starts in a row: a bare walled rectangle";
    EXPECT_EQ(second.RandomBalls, 0);
}

struct DamagedFile {
    const char* what;
    std::vector<std::uint8_t> bytes;
    GameFileFault fault;  // the first one; its code is left out
};

class DamagedGameFile : public testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedGameFile, IsRefusedWholeAndTheEarlierGameStays) {
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(WorkedExampleBytes(), "good.zurk"));
    EXPECT_FALSE(game.NactiHruZPameti(GetParam().bytes, "bad.zurk"));
    ASSERT_TRUE(game.LastFault().has_value());
    const GameFileFault& is = game.LastFault()->Format;
    const GameFileFault& must = GetParam().fault;
    EXPECT_EQ(game.LastFault()->File, FileReadStatus::Read);
    EXPECT_EQ(std::tie(is.What, is.Offset, is.Level, is.A, is.B),
              std::tie(must.What, must.Offset, must.Level, must.A, must.B));
    EXPECT_EQ(game.Nazev(), "good.zurk");
    EXPECT_EQ(LoadLevel(game, 1).Cell(2, 2), (MapCell{CellHouse, 3}));
}

std::vector<DamagedFile> DamagedFiles() {
    auto header = [](int count) { return GameFileBytes(count, 3); };
    auto starts = [&](int count) {  // one level start more than the header announces
        GameFileBytes file = header(count);
        for (int level = 0; level <= count; ++level) file.Level(5, 5, 0, 3);
        return file.bytes;
    };
    auto cell = [&](std::initializer_list<int> record) { return header(1).Level(5, 5, 0, 3).Raw(record).bytes; };
    return {
        {"empty file", {}, {GameFileFault::ShortHeader, 0, 0, 0, 0, 0}},
        {"short header", std::vector<std::uint8_t>(33, 0), {GameFileFault::ShortHeader, 0, 0, 0, 33, 0}},
        {"one level too many", starts(4), {GameFileFault::TooManyLevels, 62, 5, 0, 4, 0}},
        {"too wide", header(1).Level(51, 5, 0, 3).bytes, {GameFileFault::TooLarge, 34, 1, 0, 51, 5}},
        {"too high", header(1).Level(5, 41, 0, 3).bytes, {GameFileFault::TooLarge, 34, 1, 0, 5, 41}},
        {"cell beyond x", cell({CellFly, 51, 2, 3}), {GameFileFault::CellOffMap, 41, 1, 0, 51, 2}},
        {"cell at x 0", cell({CellWall, 0, 2}), {GameFileFault::CellOffMap, 41, 1, 0, 0, 2}},
        {"cell at y 0", cell({CellWall, 2, 0}), {GameFileFault::CellOffMap, 41, 1, 0, 2, 0}},
        {"cell beyond y", cell({CellBall, 2, 41, 1}), {GameFileFault::CellOffMap, 41, 1, 0, 2, 41}},
        {"cut payload", cell({CellHouse, 2, 2}), {GameFileFault::CutShort, 41, 1, 0, 0, 0}},
        {"cut level start", header(1).Raw({CodeLevelStart, 5, 5, 0}).bytes, {GameFileFault::CutShort, 34, 0, 0, 0, 0}},
    };
}

INSTANTIATE_TEST_SUITE_P(Refused, DamagedGameFile, testing::ValuesIn(DamagedFiles()), [](const auto& param) {
    std::string name = param.param.what;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
});

// The costliest files the game reads, each of the largest size it reads: one whose every record
// points off the map, and one of 255 levels crowded with vipers and flies, padded with codes of no
// record. Loading either, and starting every level of the second one after another, costs far
// less than 100 MB.
TEST_F(GameFileOnDisk, TheCostliestGameFilesCostLittle) {
    constexpr std::size_t Bound = 100u << 20;
    GameFileBytes offMap(1, 3);
    offMap.Level(50, 40, 0, 3);
    const std::size_t firstCell = offMap.bytes.size();
    offMap.bytes.resize(MaxGameFileSize - (MaxGameFileSize - firstCell) % 3, 0);
    for (std::size_t at = firstCell; at < offMap.bytes.size(); at += 3) offMap.bytes[at] = CellWall;  // at (0, 0)
    GameFileBytes crowded(255, 3);
    for (int u = 1; u <= 255; ++u) {
        crowded.Level(50, 40, 0, 32767);
        for (int code : {CodeRandomBalls, CodeRandomFlies, CodeRandomBoulders, CodeGoldenBallChance})
            crowded.Count(code, 255);
        for (int x = 2; x < 50; ++x)
            for (int y = 2; y < 40; ++y) crowded.Cell(x % 2 ? CellViper : CellFly, x, y, 255);
        crowded.House(2, 2, 255);
    }
    crowded.bytes.resize(MaxGameFileSize, 0);
    offMap.WriteTo(Path("offmap.zurk"));
    crowded.WriteTo(Path("crowded.zurk"));

    clsHraZurk3 game;
    bool refused = false;
    bool loaded = false;
    const std::size_t refusing = PeakGrowth([&] { refused = !game.NactiHru(Path("offmap.zurk")); });
    const std::size_t loading = PeakGrowth([&] { loaded = game.NactiHru(Path("crowded.zurk")); });
    HeadlessWorld headless(1);
    const std::size_t levelStarts = PeakGrowth([&] {
        for (int u = 1; u <= game.PocetUrovni(); ++u) {
            game.NactiUrovenAkce(u, headless.world.Level);
            SetUpLevel(headless.world);
            headless.world.ReleaseLevelObjects();
        }
    });
    EXPECT_TRUE(refused && loaded);
    EXPECT_EQ(game.PocetUrovni(), 255);
    for (const std::size_t cost : {refusing, loading, levelStarts}) EXPECT_LT(cost, Bound);
}
