#include "tools/levels/RecordScanner.h"

#include "pond/GameFileFormat.h"

namespace {
// Why the game refuses the file, as the level tool says it.
std::string Fault(const GameFileFault& fault) {
    const std::string level = "level " + std::to_string(fault.Level) + ": ";
    const std::string at = std::to_string(fault.Offset);
    switch (fault.What) {
    case GameFileFault::ShortHeader:
        return "header: the file has " + std::to_string(fault.A) + " bytes, a game file starts with a header of 34";
    case GameFileFault::CutShort:
        return level + "the record of code " + std::to_string(fault.Code) + " at byte " + at +
               " is cut short by the end of the file";
    case GameFileFault::TooManyLevels:
        return level + "the level-start record at byte " + at + " opens more levels than the " +
               std::to_string(fault.A) + " the header announces";
    case GameFileFault::TooLarge:
        return level + "the level is " + std::to_string(fault.A) + " x " + std::to_string(fault.B) +
               " cells, at most 50 x 40 fit";
    case GameFileFault::CellOffMap:
        return level + "the cell record at byte " + at + " points outside the map, to (" + std::to_string(fault.A) +
               ", " + std::to_string(fault.B) + ")";
    }
    return {};
}
}  // namespace

std::string RecordScanner::Describe(const GameLoadFault& fault) {
    switch (fault.File) {
    case FileReadStatus::Read: return Fault(fault.Format);
    case FileReadStatus::Missing: return "no such file";
    case FileReadStatus::NotReadable: return "cannot read the file";
    case FileReadStatus::Link: return "a link, which the game does not follow";
    case FileReadStatus::TooLarge: return "far too large for a game file";
    }
    return {};
}

RecordScan RecordScanner::Scan(const std::vector<std::uint8_t>& bytes) {
    RecordScan scan;
    const auto faults = WalkRecords(bytes, MaxListedFaults, [&](const GameFileRecord& record) {
        if (record.Code == CodeLevelStart) ++scan.LevelStarts;
    });
    for (const GameFileFault& fault : faults) scan.Faults.push_back(Fault(fault));
    return scan;
}
