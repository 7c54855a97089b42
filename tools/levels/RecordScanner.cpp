#include "tools/levels/RecordScanner.h"

#include "game/CellKinds.h"
#include "game/GameFileFormat.h"
#include "game/LevelRecord.h"
#include "tools/levels/GameSource.h"

namespace {
std::string Level(int number) { return "level " + std::to_string(number) + ": "; }

}  // namespace

RecordScan RecordScanner::Scan(const std::vector<std::uint8_t>& bytes) {
    RecordScan scan;
    std::vector<std::string>& faults = scan.Faults;
    if (bytes.size() < GameFileHeaderSize) {
        faults.push_back("header: the file has " + std::to_string(bytes.size()) +
                         " bytes, a game file starts with a header of 34");
        return scan;
    }
    const int levelCount = bytes[32];
    int current = 0;
    for (std::size_t at = GameFileHeaderSize; at < bytes.size();) {
        const std::size_t recordAt = at;
        const std::uint8_t code = bytes[at++];
        const std::size_t payload = RecordPayloadSize(code);
        if (bytes.size() - at < payload) {
            faults.push_back(Level(current) + "the record of code " + std::to_string(code) + " at byte " +
                             std::to_string(recordAt) + " is cut short by the end of the file");
            break;
        }
        if (code == CodeLevelStart) {
            ++current;
            if (current > levelCount)
                faults.push_back(Level(current) + "the level-start record at byte " + std::to_string(recordAt) +
                                 " opens more levels than the " + std::to_string(levelCount) +
                                 " the header announces");
            if (bytes[at] > MaxFieldWidth || bytes[at + 1] > MaxFieldHeight)
                faults.push_back(Level(current) + "the level is " + std::to_string(bytes[at]) + " x " +
                                 std::to_string(bytes[at + 1]) + " cells, at most 50 x 40 fit");
        } else if (payload >= 2) {
            const int x = bytes[at];
            const int y = bytes[at + 1];
            if (x < 1 || x > MaxFieldWidth || y < 1 || y > MaxFieldHeight)
                faults.push_back(Level(current) + "the cell record at byte " + std::to_string(recordAt) +
                                 " points outside the map, to (" + std::to_string(x) + ", " + std::to_string(y) + ")");
        }
        at += payload;
    }
    scan.LevelStarts = current;
    return scan;
}
