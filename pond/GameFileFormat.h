#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pond/CellKinds.h"
#include "pond/LevelRecord.h"

// The game file: a 34-byte header, then records of a code byte and a payload.
constexpr std::size_t GameFileHeaderSize = 34;
constexpr std::size_t NoteOffset = 2;
constexpr std::size_t NoteLength = 30;
constexpr std::size_t LevelCountOffset = 32;
constexpr std::size_t LivesOffset = 33;
constexpr int MaxLevelCount = 255;

// The codes of the records that are no cell. A cell record's code is the kind of its cell:
// CellWall and CellBoulder carry x and y, CellBall, CellFly, CellViper and CellHouse x, y and a
// parameter. Every other code carries nothing and changes nothing.
enum RecordCode : std::uint8_t {
    CodeRandomBalls = 3,
    CodeRandomFlies = 4,
    CodeRandomBoulders = 5,
    CodeGoldenBallChance = 6,
    CodeLevelStart = 255,  // W, H, flags (2 bytes), required length (2 bytes)
};

// Payload bytes that follow a record's code.
constexpr std::size_t RecordPayloadSize(std::uint8_t code) {
    switch (code) {
    case CodeRandomBalls:
    case CodeRandomFlies:
    case CodeRandomBoulders:
    case CodeGoldenBallChance: return 1;
    case CellWall:
    case CellBoulder: return 2;
    case CellBall:
    case CellFly:
    case CellViper:
    case CellHouse: return 3;
    case CodeLevelStart: return 6;
    default: return 0;
    }
}

struct GameFileRecord {
    std::size_t Offset = 0;  // of its code byte
    std::uint8_t Code = 0;
    int Level = 0;  // the level it belongs to; a level start opens this level
    const std::uint8_t* Payload = nullptr;
    std::size_t PayloadSize = 0;
};

// What makes a game file unreadable, and where.
struct GameFileFault {
    enum Kind {
        ShortHeader,    // A: the bytes the file has
        CutShort,       // a record's payload runs past the end of the file
        TooManyLevels,  // a level start beyond the count the header announces, A
        TooLarge,       // a level of A x B cells, more than 50 x 40
        CellOffMap,     // a cell record at (A, B), outside 1..50 x 1..40
    };
    Kind What = ShortHeader;
    std::size_t Offset = 0;
    int Level = 0;
    std::uint8_t Code = 0;
    int A = 0;
    int B = 0;
};

// Walks the records of a game file in order and hands every record to onRecord, up to the first
// fault. The walk itself goes on, so that the file's faults are returned, in order, until it has
// found maxFaults (at least 1) or a record is cut short by the end of the file: a damaged file of
// millions of records may hold as many faults. A template, so that the handler of the million
// records of a large file is inlined into the walk.
template <class OnRecord>
std::vector<GameFileFault> WalkRecords(const std::vector<std::uint8_t>& bytes, std::size_t maxFaults,
                                       OnRecord&& onRecord) {
    std::vector<GameFileFault> faults;
    if (bytes.size() < GameFileHeaderSize) {
        faults.push_back({GameFileFault::ShortHeader, 0, 0, 0, static_cast<int>(bytes.size()), 0});
        return faults;
    }
    const int levelCount = bytes[LevelCountOffset];
    int level = 0;
    for (std::size_t at = GameFileHeaderSize; at < bytes.size() && faults.size() < maxFaults;) {
        GameFileRecord record{at, bytes[at], level, bytes.data() + at + 1, RecordPayloadSize(bytes[at])};
        if (bytes.size() - at - 1 < record.PayloadSize) {
            faults.push_back({GameFileFault::CutShort, at, level, record.Code, 0, 0});
            break;
        }
        if (record.Code == CodeLevelStart) {
            level = record.Level = level + 1;
            const int width = record.Payload[0];
            const int height = record.Payload[1];
            if (level > levelCount)
                faults.push_back({GameFileFault::TooManyLevels, at, level, record.Code, levelCount, 0});
            if (width > MaxFieldWidth || height > MaxFieldHeight)
                faults.push_back({GameFileFault::TooLarge, at, level, record.Code, width, height});
        } else if (record.PayloadSize >= 2) {
            const int x = record.Payload[0];
            const int y = record.Payload[1];
            if (x < 1 || x > MaxFieldWidth || y < 1 || y > MaxFieldHeight)
                faults.push_back({GameFileFault::CellOffMap, at, level, record.Code, x, y});
        }
        if (faults.empty()) onRecord(record);
        at += 1 + record.PayloadSize;
    }
    // A level start may bring two faults at once. Erased, not resized: GCC 12 at -O2 takes a
    // resize for a growth and warns of a write past the end.
    if (faults.size() > maxFaults) faults.erase(faults.begin() + static_cast<std::ptrdiff_t>(maxFaults), faults.end());
    return faults;
}
