#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/levels/GameSource.h"

// Reads level sources: a Game section (Note, Lives, HeaderChar, HeaderByte) and Level sections
// (six header lines, the lengths of houses and vipers, and a map), in any number of files.
// Every fault throws a SourceError naming the file and the line.
class SourceParser {
public:
    // Reads one source file and adds what it holds; the levels keep the order of the calls.
    void ParseFile(const std::string& path);
    // The same for a text already in memory; file names it in messages.
    void Parse(const std::string& text, const std::string& file);
    // The whole game; throws when no source held the Game section.
    GameSource Finish() const;

private:
    struct Value {
        std::string Text;
        int Line = 0;
    };
    struct Section {
        bool IsGame = false;
        int Line = 0;
        std::map<std::string, Value> Values;
        int MapLine = 0;
        std::vector<Value> Rows;
    };

    void ParseLine(const std::string& line, int number);
    void AddRow(const std::string& row, int number);
    void StartSection(bool isGame, int number);
    void FinishSection();
    void FinishGame(const Section& section);
    void FinishLevel(const Section& section);
    void FillMap(const Section& section, LevelRecord& level) const;
    void GiveLengths(const Section& section, const std::string& key, std::uint8_t kind, LevelRecord& level) const;

    const Value& Required(const Section& section, const std::string& key) const;
    long Number(const Value& value, const std::string& key, long low, long high) const;
    [[noreturn]] void Fail(int line, const std::string& message) const;

    GameSource game_;
    std::optional<std::string> gameAt_;  // where the Game section was, for a second one
    std::string file_;
    std::optional<Section> section_;
    bool inMap_ = false;
};
