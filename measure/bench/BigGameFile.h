#pragma once
#include <cstdint>
#include <vector>

// The largest game file the format allows: 255 levels of 50 x 40, each cell given by a record
// of its own (walls, boulders, balls, flies, vipers), with a house and all four counts.
class BigGameFile {
public:
    static std::vector<std::uint8_t> Bytes();
};
