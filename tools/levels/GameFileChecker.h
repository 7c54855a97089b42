#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct CheckReport {
    std::vector<std::string> Faults;    // the game refuses the file; one line per fault
    std::vector<std::string> Warnings;  // the file loads, but a level will not play well
    bool Refused() const { return !Faults.empty(); }
};

// Judges a game file: refused exactly when the game's own reader refuses it, with every fault
// listed; otherwise each level is looked over for the traps of LevelChecker.
class GameFileChecker {
public:
    static CheckReport Check(const std::vector<std::uint8_t>& bytes, const std::string& name);
};
