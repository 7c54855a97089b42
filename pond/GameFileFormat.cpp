#include "pond/GameFileFormat.h"

#include "pond/CellKinds.h"
#include "pond/LevelRecord.h"

std::size_t RecordPayloadSize(std::uint8_t code) {
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

std::vector<GameFileFault> WalkRecords(const std::vector<std::uint8_t>& bytes,
                                       const std::function<void(const GameFileRecord&)>& onRecord) {
    std::vector<GameFileFault> faults;
    if (bytes.size() < GameFileHeaderSize) {
        faults.push_back({GameFileFault::ShortHeader, 0, 0, 0, static_cast<int>(bytes.size()), 0});
        return faults;
    }
    const int levelCount = bytes[LevelCountOffset];
    int level = 0;
    for (std::size_t at = GameFileHeaderSize; at < bytes.size();) {
        GameFileRecord record{at, bytes[at], level, bytes.data() + at + 1};
        const std::size_t payload = RecordPayloadSize(record.Code);
        if (bytes.size() - at - 1 < payload) {
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
        } else if (payload >= 2) {
            const int x = record.Payload[0];
            const int y = record.Payload[1];
            if (x < 1 || x > MaxFieldWidth || y < 1 || y > MaxFieldHeight)
                faults.push_back({GameFileFault::CellOffMap, at, level, record.Code, x, y});
        }
        if (faults.empty()) onRecord(record);
        at += 1 + payload;
    }
    return faults;
}
