#include "game/clsHraZurk3.h"

#include "game/CellKinds.h"
#include "game/Cp1250.h"
#include "game/GameFileFormat.h"
#include "game/RegularFile.h"

namespace {

// A count with its Czech noun: 1 úroveň, 2 to 4 úrovně, 0 and 5 or more úrovní.
std::string CzechCount(std::size_t n, const char* one, const char* twoToFour, const char* many) {
    const char* noun = n == 1 ? one : (n >= 2 && n <= 4 ? twoToFour : many);
    return std::to_string(n) + " " + noun;
}

std::int16_t Int16At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::int16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// A new level's map: wall on its border, free water inside, nothing outside its size.
void OpenLevel(LevelRecord& level, int width, int height, std::int16_t flags, std::int16_t required) {
    level = LevelRecord{};
    level.FieldWidth = static_cast<std::uint8_t>(width);
    level.FieldHeight = static_cast<std::uint8_t>(height);
    level.LevelFlags = flags;
    level.RequiredLength = required;
    for (int x = 1; x <= width; ++x)
        for (int y = 1; y <= height; ++y) {
            const bool border = x == 1 || x == width || y == 1 || y == height;
            level.Cell(x, y) = MapCell{border ? CellWall : CellFree, 0};
        }
}

// Reads the records of a game file into levels; on a fault returns the Czech sentence that says why.
std::string ReadRecords(const std::vector<std::uint8_t>& bytes, std::vector<LevelRecord>& levels) {
    const int levelCount = static_cast<int>(levels.size()) - 1;
    int current = 0;
    std::size_t at = GameFileHeaderSize;
    while (at < bytes.size()) {
        const std::size_t recordAt = at;
        const std::uint8_t code = bytes[at++];
        const std::size_t payload = RecordPayloadSize(code);
        if (bytes.size() - at < payload)
            return "Záznam na pozici " + std::to_string(recordAt) + " je useknutý koncem souboru.";
        LevelRecord& level = levels[static_cast<std::size_t>(current)];
        switch (code) {
        case 3: level.RandomBalls = bytes[at]; break;
        case 4: level.RandomFlies = bytes[at]; break;
        case 5: level.RandomBoulders = bytes[at]; break;
        case 6: level.GoldenBallChance = bytes[at]; break;
        case CodeLevelStart: {
            const int width = bytes[at];
            const int height = bytes[at + 1];
            if (current + 1 > levelCount)
                return "Na pozici " + std::to_string(recordAt) + " začíná úroveň " + std::to_string(current + 1) +
                       ", hlavička ale ohlašuje jen " +
                       CzechCount(static_cast<std::size_t>(levelCount), "úroveň", "úrovně", "úrovní") + ".";
            if (width > MaxFieldWidth || height > MaxFieldHeight)
                return "Úroveň " + std::to_string(current + 1) + " na pozici " + std::to_string(recordAt) +
                       " má rozměr " + std::to_string(width) + "x" + std::to_string(height) +
                       ", největší dovolený je 50x40.";
            ++current;
            OpenLevel(levels[static_cast<std::size_t>(current)], width, height, Int16At(bytes, at + 2),
                      Int16At(bytes, at + 4));
            break;
        }
        default:
            if (payload >= 2) {
                const int x = bytes[at];
                const int y = bytes[at + 1];
                if (x < 1 || x > MaxFieldWidth || y < 1 || y > MaxFieldHeight)
                    return "Záznam buňky na pozici " + std::to_string(recordAt) + " míří mimo mapu (" +
                           std::to_string(x) + ", " + std::to_string(y) + ").";
                level.Cell(x, y) = MapCell{code, payload == 3 ? bytes[at + 2] : std::uint8_t{0}};
            }
        }
        at += payload;
    }
    // Levels the header announces but the file does not hold stay empty; the game skips them.
    return {};
}
}  // namespace

std::optional<std::vector<std::uint8_t>> ReadGameFile(const std::string& path, std::string& error) {
    // The largest sensible game is a few megabytes; anything far bigger is not a game file.
    constexpr std::size_t MaxGameFileSize = 64u << 20;
    FileRead file = ReadRegularFile(path, MaxGameFileSize);
    switch (file.Status) {
    case FileReadStatus::Read: return std::move(file.Bytes);
    case FileReadStatus::Missing: error = "Soubor " + path + " neexistuje."; break;
    case FileReadStatus::NotReadable: error = "Soubor " + path + " nelze přečíst."; break;
    case FileReadStatus::TooLarge: error = "Soubor " + path + " je příliš velký, než aby byl souborem hry."; break;
    }
    return std::nullopt;
}

bool clsHraZurk3::NactiHru(const std::string& path) {
    const auto bytes = ReadGameFile(path, lastError_);
    return bytes && NactiHruZPameti(*bytes, path);
}

bool clsHraZurk3::NactiHruZPameti(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    if (bytes.size() < GameFileHeaderSize) {
        lastError_ = "Hlavička hry je useknutá: soubor má jen " + CzechCount(bytes.size(), "bajt", "bajty", "bajtů") +
                     " ze 34.";
        return false;
    }
    // Everything is read aside first, so a refused file leaves the game loaded before untouched.
    const std::uint8_t levelCount = bytes[32];
    std::vector<LevelRecord> levels(static_cast<std::size_t>(levelCount) + 1);
    std::string fault = ReadRecords(bytes, levels);
    if (!fault.empty()) {
        lastError_ = std::move(fault);
        return false;
    }
    HeaderChar = bytes[0];
    HeaderByte = bytes[1];
    Note.assign(bytes.begin() + 2, bytes.begin() + 2 + NoteLength);
    LevelCount = levelCount;
    Lives = bytes[33];
    levels_ = std::move(levels);
    GameFileName = path;
    lastError_.clear();
    return true;
}

void clsHraZurk3::NactiUrovenAkce(int u, LevelRecord& level) const {
    if (u < 0 || u > LevelCount || static_cast<std::size_t>(u) >= levels_.size()) return;
    const LevelRecord& source = levels_[static_cast<std::size_t>(u)];
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
