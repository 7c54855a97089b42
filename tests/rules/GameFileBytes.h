#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes game file images for the tests: a 34-byte header, then records.
class GameFileBytes {
public:
    GameFileBytes(int levelCount, int lives, const std::string& note = "Test") {
        bytes = {'A', 1};
        std::string padded = note;
        padded.resize(30, ' ');
        bytes.insert(bytes.end(), padded.begin(), padded.end());
        bytes.push_back(static_cast<std::uint8_t>(levelCount));
        bytes.push_back(static_cast<std::uint8_t>(lives));
    }
    GameFileBytes& Level(int w, int h, int flags, int required) {
        return Raw({255, w, h, flags & 0xFF, (flags >> 8) & 0xFF, required & 0xFF, (required >> 8) & 0xFF});
    }
    GameFileBytes& Cell(int code, int x, int y) { return Raw({code, x, y}); }
    GameFileBytes& Cell(int code, int x, int y, int p) { return Raw({code, x, y, p}); }
    GameFileBytes& Count(int code, int n) { return Raw({code, n}); }
    GameFileBytes& Raw(std::initializer_list<int> values) {
        for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    std::vector<std::uint8_t> bytes;
};
