#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pond/clsHraZurk3.h"

struct RecordScan {
    std::vector<std::string> Faults;  // one line each, with the level it belongs to
    int LevelStarts = 0;              // the levels the file really holds
};

// Walks the records of a game file the way the game's reader does and lists the faults that
// make the reader refuse the file, up to MaxListedFaults; the reader itself stops at the first one.
class RecordScanner {
public:
    // Enough for any file a person damaged, little enough for a file of millions of bad records.
    static constexpr std::size_t MaxListedFaults = 1000;

    static RecordScan Scan(const std::vector<std::uint8_t>& bytes);
    // Why the game's reader refused a file, as the level tool says it.
    static std::string Describe(const GameLoadFault& fault);
};
