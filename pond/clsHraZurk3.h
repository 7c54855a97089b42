#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pond/GameFileFormat.h"
#include "pond/LevelRecord.h"
#include "pond/RegularFile.h"

// The largest game file the game reads. The largest game the format can tell, 255 levels of 50 x 40
// with a record for every cell, takes about 2 MB; a file far larger holds nothing a game needs,
// and would only cost memory to read.
constexpr std::size_t MaxGameFileSize = 16u << 20;

// The game file at path (UTF-8), as the game reads it: refused when it is missing, unreadable or
// larger than MaxGameFileSize.
FileRead ReadGameFile(const std::string& path);

// Why a game file was refused: the file itself (File is not Read), or the first fault of its
// contents. The front end and the tools say it in their own words.
struct GameLoadFault {
    FileReadStatus File = FileReadStatus::Read;
    GameFileFault Format;
};

// The game file reader: reads a whole game file once and hands its levels out one at a time.
class clsHraZurk3 {
public:
    // Loads the game file at path (UTF-8). False when the file is missing, unreadable or
    // breaks the format's limits; then the game loaded before stays as it was and
    // LastFault() says why.
    bool NactiHru(const std::string& Nazev);
    // The same for a game file read already, by its path or from a folder, named Nazev.
    bool NactiHru(const FileRead& file, const std::string& Nazev);
    // Loads a game file image already in memory (the fuzzer and the tests use it).
    bool NactiHruZPameti(const std::vector<std::uint8_t>& bytes, const std::string& Nazev);

    // Copies level u (1..PocetUrovni) into level; LevelMap cells outside its size stay as they were.
    // A level number the game does not have leaves level untouched.
    void NactiUrovenAkce(int u, LevelRecord& level) const;

    std::string Informace() const;  // the 30-character note, untrimmed, as UTF-8
    std::string Nazev() const { return GameFileName; }
    std::uint8_t PocetUrovni() const { return LevelCount; }
    std::uint8_t Zivoty() const { return Lives; }

    // Why the last load failed; nothing after a load that succeeded.
    const std::optional<GameLoadFault>& LastFault() const { return LoadFault; }
    // The levels as read, 0 (records before the first level start) to PocetUrovni.
    const std::vector<LevelRecord>& Levels() const { return LevelRecords; }
    std::uint8_t HeaderCharacter() const { return HeaderChar; }
    std::uint8_t HeaderNumber() const { return HeaderByte; }

private:
    std::uint8_t HeaderChar = 0;
    std::uint8_t HeaderByte = 0;
    std::string Note;  // the 30 bytes as stored, Windows-1250
    std::uint8_t LevelCount = 0;
    std::uint8_t Lives = 0;
    std::vector<LevelRecord> LevelRecords;
    std::string GameFileName;
    std::optional<GameLoadFault> LoadFault;
};
