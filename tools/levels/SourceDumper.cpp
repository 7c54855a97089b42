#include "tools/levels/SourceDumper.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "pond/CellKinds.h"
#include "pond/Cp1250.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/MapCharacters.h"

namespace {

std::string HeaderCharText(std::uint8_t c) {
    if (c > ' ' && c < 0x7F) return std::string(1, static_cast<char>(c));
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", c);
    return text;
}

// The note as a header line keeps it only when trimming and padding give the same 30 bytes.
std::string NoteText(const std::string& note) {
    std::string text = note.substr(0, note.find_last_not_of(' ') + 1);
    const bool control = std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    if (text.empty()) return text;
    if (text.front() == ' ' || control || !Utf8ToCp1250(text))
        throw std::runtime_error("the note '" + note + "' cannot be written as a header line");
    return text;
}

std::string Lengths(const LevelRecord& level, std::uint8_t kind) {
    std::string list;
    for (int y = 1; y <= level.FieldHeight; ++y)
        for (int x = 1; x <= level.FieldWidth; ++x)
            if (level.Cell(x, y).Kind == kind) {
                if (!list.empty()) list += ' ';
                list += std::to_string(level.Cell(x, y).Param);
            }
    return list;
}

}  // namespace

std::string SourceDumper::Dump(const clsHraZurk3& game) {
    std::ostringstream out;
    const std::string name = game.Nazev().substr(game.Nazev().find_last_of("/\\") + 1);
    out << "Game: " << name << "\n";
    const std::string note = NoteText(game.Informace());
    out << "Note:" << (note.empty() ? "" : " ") << note << "\n";
    out << "Lives: " << static_cast<int>(game.Zivoty()) << "\n";
    out << "HeaderChar: " << HeaderCharText(game.HeaderCharacter()) << "\n";
    out << "HeaderByte: " << static_cast<int>(game.HeaderNumber()) << "\n";
    for (int u = 1; u <= game.PocetUrovni(); ++u)
        out << "\n" << DumpLevel(game.Levels()[static_cast<std::size_t>(u)], u);
    return out.str();
}

std::string SourceDumper::DumpLevel(const LevelRecord& level, int number) {
    const std::string where = "level " + std::to_string(number) + ": ";
    if (level.FieldWidth == 0 || level.FieldHeight == 0)
        throw std::runtime_error(where + "a level of " + std::to_string(level.FieldWidth) + " x " +
                                 std::to_string(level.FieldHeight) + " cells has no map");
    std::ostringstream out;
    out << "Level: " << number << "\n";
    out << "LevelFlags: " << level.LevelFlags << "\n";
    out << "RequiredLength: " << level.RequiredLength << "\n";
    out << "RandomBalls: " << static_cast<int>(level.RandomBalls) << "\n";
    out << "RandomFlies: " << static_cast<int>(level.RandomFlies) << "\n";
    out << "RandomBoulders: " << static_cast<int>(level.RandomBoulders) << "\n";
    out << "GoldenBallChance: " << static_cast<int>(level.GoldenBallChance) << "\n";
    const std::string houses = Lengths(level, CellHouse);
    if (!houses.empty()) out << "InitialLength: " << houses << "\n";
    const std::string vipers = Lengths(level, CellViper);
    if (!vipers.empty()) out << "ViperLengths: " << vipers << "\n";
    out << "Map:\n";
    for (int y = 1; y <= level.FieldHeight; ++y) {
        for (int x = 1; x <= level.FieldWidth; ++x) {
            const MapCell& cell = level.Cell(x, y);
            const auto c = MapCharacters::CharacterOf(cell);
            if (!c)
                throw std::runtime_error(where + "cell (" + std::to_string(x) + ", " + std::to_string(y) +
                                         ") of kind " + std::to_string(cell.Kind) + " with parameter " +
                                         std::to_string(cell.Param) + " has no map character");
            out << *c;
        }
        out << "\n";
    }
    return out.str();
}
