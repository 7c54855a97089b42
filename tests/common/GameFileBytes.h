#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "pond/CellKinds.h"
#include "pond/GameFileFormat.h"

// Writes game file images for the tests: a 34-byte header, then records. The level count in the
// header is the one given, whatever levels follow.
class GameFileBytes {
public:
    GameFileBytes(int levelCount, int lives, const std::string& note = "Test") {
        bytes = {'A', 1};
        std::string padded = note;
        padded.resize(NoteLength, ' ');
        bytes.insert(bytes.end(), padded.begin(), padded.end());
        bytes.push_back(static_cast<std::uint8_t>(levelCount));
        bytes.push_back(static_cast<std::uint8_t>(lives));
    }
    GameFileBytes& Level(int w, int h, int flags, int required) {
        return Raw({CodeLevelStart, w, h, flags & 0xFF, (flags >> 8) & 0xFF, required & 0xFF, (required >> 8) & 0xFF});
    }
    GameFileBytes& Cell(int code, int x, int y) { return Raw({code, x, y}); }
    GameFileBytes& Cell(int code, int x, int y, int p) { return Raw({code, x, y, p}); }
    GameFileBytes& House(int x, int y, int initialLength) { return Cell(CellHouse, x, y, initialLength); }
    GameFileBytes& Count(int code, int n) { return Raw({code, n}); }
    GameFileBytes& Raw(std::initializer_list<int> values) {
        for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    void WriteTo(const std::string& path) const {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> bytes;
};

// The one-level example of the format with a house, a ball, a boulder and a viper, 58 bytes.
inline std::vector<std::uint8_t> WorkedExampleBytes() {
    const std::string header = "\x41\x01Hra1" + std::string(26, ' ');
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (int b : {0x01, 0x03, 0xFF, 0x0A, 0x08, 0x01, 0x00, 0x14, 0x00, 0x03, 0x02, 0x64, 0x02,
                  0x02, 0x03, 0x0C, 0x05, 0x05, 0x00, 0x0B, 0x09, 0x07, 0x33, 0x08, 0x03, 0x04})
        bytes.push_back(static_cast<std::uint8_t>(b));
    return bytes;
}
