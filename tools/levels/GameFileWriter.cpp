#include "tools/levels/GameFileWriter.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "game/CellKinds.h"

namespace {

constexpr std::array<std::uint8_t, 6> CellOrder = {CellHouse, CellBall, CellFly, CellBoulder, CellViper, CellWall};

void PutInt16(std::vector<std::uint8_t>& out, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<std::uint8_t>(bits & 0xFF));
    out.push_back(static_cast<std::uint8_t>(bits >> 8));
}

bool HasParam(std::uint8_t kind) { return kind == CellBall || kind == CellFly || kind == CellViper || kind == CellHouse; }

MapCell StandardCell(const LevelRecord& level, int x, int y) {
    const bool border = x == 1 || x == level.FieldWidth || y == 1 || y == level.FieldHeight;
    return MapCell{border ? CellWall : CellFree, 0};
}

// A cell is written unless it is the default one, and only kinds with a record can be.
bool Writable(const MapCell& cell, const MapCell& standard) {
    if (cell == standard) return true;
    const bool recorded = std::find(CellOrder.begin(), CellOrder.end(), cell.Kind) != CellOrder.end();
    return recorded && (HasParam(cell.Kind) || cell.Param == 0);
}

}  // namespace

std::vector<std::uint8_t> GameFileWriter::Write(const GameSource& game) {
    if (game.Note.size() != NoteLength) throw std::invalid_argument("the note must be exactly 30 bytes");
    if (game.Levels.size() > MaxLevelCount) throw std::invalid_argument("a game file holds at most 255 levels");
    std::vector<std::uint8_t> out;
    out.push_back(game.HeaderChar);
    out.push_back(game.HeaderByte);
    for (const char c : game.Note) out.push_back(static_cast<std::uint8_t>(c));
    out.push_back(static_cast<std::uint8_t>(game.Levels.size()));
    out.push_back(game.Lives);
    for (const LevelRecord& level : game.Levels) WriteLevel(level, out);
    return out;
}

void GameFileWriter::WriteLevel(const LevelRecord& level, std::vector<std::uint8_t>& out) {
    const int width = level.FieldWidth;
    const int height = level.FieldHeight;
    if (width > MaxFieldWidth || height > MaxFieldHeight)
        throw std::invalid_argument("a level is at most 50 x 40 cells");
    out.push_back(CodeLevelStart);
    out.push_back(level.FieldWidth);
    out.push_back(level.FieldHeight);
    PutInt16(out, level.LevelFlags);
    PutInt16(out, level.RequiredLength);
    const std::array<std::uint8_t, 4> counts = {level.RandomBalls, level.RandomFlies, level.RandomBoulders,
                                                level.GoldenBallChance};
    for (std::size_t i = 0; i < counts.size(); ++i)
        if (counts[i] != 0) {
            out.push_back(static_cast<std::uint8_t>(3 + i));
            out.push_back(counts[i]);
        }
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x)
            if (!Writable(level.Cell(x, y), StandardCell(level, x, y)))
                throw std::invalid_argument("cell (" + std::to_string(x) + ", " + std::to_string(y) +
                                            ") has no record in the game file format");
    for (const std::uint8_t kind : CellOrder)
        for (int y = 1; y <= height; ++y)
            for (int x = 1; x <= width; ++x) {
                const MapCell& cell = level.Cell(x, y);
                if (cell.Kind != kind || cell == StandardCell(level, x, y)) continue;
                out.push_back(kind);
                out.push_back(static_cast<std::uint8_t>(x));
                out.push_back(static_cast<std::uint8_t>(y));
                if (HasParam(kind)) out.push_back(cell.Param);
            }
}
