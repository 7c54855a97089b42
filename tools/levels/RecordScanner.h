#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "pond/clsHraZurk3.h"

struct RecordScan {
    std::vector<std::string> Faults;  // one line each, with the level it belongs to
    int LevelStarts = 0;              // the levels the file really holds
};

// Walks the records of a game file the way the game's reader does and lists every fault that
// makes the reader refuse the file; the reader itself stops at the first one.
class RecordScanner {
public:
    static RecordScan Scan(const std::vector<std::uint8_t>& bytes);
    // Why the game's reader refused a file, as the level tool says it.
    static std::string Describe(const GameLoadFault& fault);
};
