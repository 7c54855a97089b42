#include "measure/bench/BigGameFile.h"

#include <string>

#include "pond/CellKinds.h"
#include "pond/LevelRecord.h"

namespace {
constexpr int Levels = 255;
constexpr std::uint8_t LevelStart = 255;

void Put(std::vector<std::uint8_t>& bytes, std::initializer_list<int> values) {
    for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
}

void PutCell(std::vector<std::uint8_t>& bytes, int x, int y, int level) {
    const bool border = x == 1 || x == MaxFieldWidth || y == 1 || y == MaxFieldHeight;
    if (border) return Put(bytes, {CellWall, x, y});
    switch ((x * 3 + y * 5 + level) % 6) {
    case 0: return Put(bytes, {CellWall, x, y});
    case 1: return Put(bytes, {CellBoulder, x, y});
    case 2: return Put(bytes, {CellBall, x, y, (x + y) % 7});
    case 3: return Put(bytes, {CellFly, x, y, 0});
    case 4: return Put(bytes, {CellViper, x, y, 10});
    default: return Put(bytes, {CellBall, x, y, 0});
    }
}
}  // namespace

std::vector<std::uint8_t> BigGameFile::Bytes() {
    std::vector<std::uint8_t> bytes{'Z', 3};
    std::string note = "Benchmark: 255 plnych urovni";
    note.resize(30, ' ');
    bytes.insert(bytes.end(), note.begin(), note.end());
    Put(bytes, {Levels, 5});
    for (int level = 1; level <= Levels; ++level) {
        Put(bytes, {LevelStart, MaxFieldWidth, MaxFieldHeight, level % 2, 0, 40, 0});
        Put(bytes, {3, 20, 4, 20, 5, 20, 6, 50});
        for (int x = 1; x <= MaxFieldWidth; ++x)
            for (int y = 1; y <= MaxFieldHeight; ++y) PutCell(bytes, x, y, level);
        Put(bytes, {CellHouse, 25, 20, 5});
    }
    return bytes;
}
