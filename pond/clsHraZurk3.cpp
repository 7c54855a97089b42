#include "pond/clsHraZurk3.h"

#include "pond/CellKinds.h"
#include "pond/Cp1250.h"

namespace {

std::int16_t Int16At(const std::uint8_t* payload) { return static_cast<std::int16_t>(payload[0] | (payload[1] << 8)); }

// A new level's map: wall on its border, free water inside, nothing outside its size.
void OpenLevel(LevelRecord& level, const std::uint8_t* payload) {
    level = LevelRecord{};
    level.FieldWidth = payload[0];
    level.FieldHeight = payload[1];
    level.LevelFlags = Int16At(payload + 2);
    level.RequiredLength = Int16At(payload + 4);
    for (int x = 1; x <= level.FieldWidth; ++x)
        for (int y = 1; y <= level.FieldHeight; ++y)
            level.Cell(x, y) = StandardCell(x, y, level.FieldWidth, level.FieldHeight);
}

void Apply(const GameFileRecord& record, LevelRecord& level) {
    const std::uint8_t* payload = record.Payload;
    switch (record.Code) {
    case CodeRandomBalls: level.RandomBalls = payload[0]; break;
    case CodeRandomFlies: level.RandomFlies = payload[0]; break;
    case CodeRandomBoulders: level.RandomBoulders = payload[0]; break;
    case CodeGoldenBallChance: level.GoldenBallChance = payload[0]; break;
    case CodeLevelStart: OpenLevel(level, payload); break;
    default:
        if (record.PayloadSize >= 2)
            level.Cell(payload[0], payload[1]) =
                MapCell{record.Code, record.PayloadSize == 3 ? payload[2] : std::uint8_t{0}};
    }
}
}  // namespace

FileRead ReadGameFile(const std::string& path) { return ReadRegularFile(path, MaxGameFileSize); }

bool clsHraZurk3::NactiHru(const std::string& path) { return NactiHru(ReadGameFile(path), path); }

bool clsHraZurk3::NactiHru(const FileRead& file, const std::string& path) {
    if (file.Status == FileReadStatus::Read) return NactiHruZPameti(file.Bytes, path);
    LoadFault = GameLoadFault{file.Status, {}};
    return false;
}

bool clsHraZurk3::NactiHruZPameti(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    // Everything is read aside first, so a refused file leaves the game loaded before untouched.
    // Levels the header announces but the file does not hold stay empty; the game skips them.
    std::vector<LevelRecord> levels(bytes.size() > LevelCountOffset ? bytes[LevelCountOffset] + 1u : 1u);
    // The first fault is all the game tells, so the walk stops there.
    const auto faults = WalkRecords(
        bytes, 1, [&](const GameFileRecord& record) { Apply(record, levels[static_cast<std::size_t>(record.Level)]); });
    if (!faults.empty()) {
        LoadFault = GameLoadFault{FileReadStatus::Read, faults.front()};
        return false;
    }
    HeaderChar = bytes[0];
    HeaderByte = bytes[1];
    Note.assign(bytes.begin() + NoteOffset, bytes.begin() + NoteOffset + NoteLength);
    LevelCount = bytes[LevelCountOffset];
    Lives = bytes[LivesOffset];
    LevelRecords = std::move(levels);
    GameFileName = path;
    LoadFault.reset();
    return true;
}

void clsHraZurk3::NactiUrovenAkce(int u, LevelRecord& level) const {
    if (u < 0 || u > LevelCount || static_cast<std::size_t>(u) >= LevelRecords.size()) return;
    const LevelRecord& source = LevelRecords[static_cast<std::size_t>(u)];
    level.LevelFlags = source.LevelFlags;
    level.RequiredLength = source.RequiredLength;
    level.FieldWidth = source.FieldWidth;
    level.FieldHeight = source.FieldHeight;
    level.RandomBalls = source.RandomBalls;
    level.RandomFlies = source.RandomFlies;
    level.RandomBoulders = source.RandomBoulders;
    level.GoldenBallChance = source.GoldenBallChance;
    for (int x = 1; x <= source.FieldWidth; ++x)
        for (int y = 1; y <= source.FieldHeight; ++y) level.Cell(x, y) = source.Cell(x, y);
}

std::string clsHraZurk3::Informace() const { return Cp1250ToUtf8(Note); }
