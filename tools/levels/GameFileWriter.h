#pragma once
#include <cstdint>
#include <vector>

#include "tools/levels/GameSource.h"

// Writes a game in the binary game file format. Each level is its level-start record, the
// non-zero random counts (codes 3..6), then the cells that differ from the default walled
// rectangle: houses, balls, flies, boulders, vipers, walls, each kind row by row. The order is
// fixed so that the same source always gives the same bytes.
class GameFileWriter {
public:
    // Throws std::invalid_argument for a level the format cannot hold (a size over 50 x 40,
    // free water on the outer ring, a kind without a record, a note not 30 bytes long).
    static std::vector<std::uint8_t> Write(const GameSource& game);

private:
    static void WriteLevel(const LevelRecord& level, std::vector<std::uint8_t>& out);
};
