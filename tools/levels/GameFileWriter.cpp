#include "tools/levels/GameFileWriter.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "pond/CellKinds.h"
#include "pond/GameFileFormat.h"

namespace {

constexpr std::array<std::uint8_t, 6> CellOrder = {CellHouse, CellBall, CellFly, CellBoulder, CellViper, CellWall};

void PutInt16(std::vector<std::uint8_t>& out, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    out.push_back(static_cast<std::uint8_t>(bits & 0xFF));
    out.push_back(static_cast<std::uint8_t>(bits >> 8));
}

bool HasParam(std::uint8_t kind) { return RecordPayloadSize(kind) == 3; }

MapCell StandardCellOf(const LevelRecord& level, int x, int y) {
    return StandardCell(x, y, level.FieldWidth, level.FieldHeight);
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
    const std::pair<RecordCode, std::uint8_t> counts[] = {{CodeRandomBalls, level.RandomBalls},
                                                          {CodeRandomFlies, level.RandomFlies},
                                                          {CodeRandomBoulders, level.RandomBoulders},
                                                          {CodeGoldenBallChance, level.GoldenBallChance}};
    for (const auto& [code, count] : counts)
        if (count != 0) {
            out.push_back(code);
            out.push_back(count);
        }
    for (int y = 1; y <= height; ++y)
        for (int x = 1; x <= width; ++x)
            if (!Writable(level.Cell(x, y), StandardCellOf(level, x, y)))
                throw std::invalid_argument("cell (" + std::to_string(x) + ", " + std::to_string(y) +
                                            ") has no record in the game file format");
    for (const std::uint8_t kind : CellOrder)
        for (int y = 1; y <= height; ++y)
            for (int x = 1; x <= width; ++x) {
                const MapCell& cell = level.Cell(x, y);
                if (cell.Kind != kind || cell == StandardCellOf(level, x, y)) continue;
                out.push_back(kind);
                out.push_back(static_cast<std::uint8_t>(x));
                out.push_back(static_cast<std::uint8_t>(y));
                if (HasParam(kind)) out.push_back(cell.Param);
            }
}
