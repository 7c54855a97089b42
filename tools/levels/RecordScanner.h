#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Walks the records of a game file the way the game's reader does and lists every fault that
// makes the reader refuse the file, one line each, with the level it belongs to; the reader
// itself stops at the first one.
class RecordScanner {
public:
    static std::vector<std::string> Faults(const std::vector<std::uint8_t>& bytes);
};
