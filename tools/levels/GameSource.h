#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "pond/GameFileFormat.h"
#include "pond/LevelRecord.h"

// A whole game as the level sources describe it, ready to be written as a game file.
struct GameSource {
    std::uint8_t HeaderChar = 0;
    std::uint8_t HeaderByte = 0;
    std::string Note = std::string(NoteLength, ' ');  // Windows-1250, exactly 30 bytes
    std::uint8_t Lives = 0;
    std::vector<LevelRecord> Levels;  // level 1 first
};
