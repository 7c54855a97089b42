#include "tools/levels/SourceParser.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "pond/CellKinds.h"
#include "pond/Cp1250.h"
#include "tools/levels/MapCharacters.h"
#include "tools/levels/SourceError.h"

namespace {

const std::vector<std::string> GameKeys = {"Note", "Lives", "HeaderChar", "HeaderByte"};
const std::vector<std::string> LevelKeys = {"LevelFlags",     "RequiredLength",   "RandomBalls",   "RandomFlies",
                                            "RandomBoulders", "GoldenBallChance", "InitialLength", "ViperLengths"};

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool Contains(const std::vector<std::string>& keys, const std::string& key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

void SourceParser::ParseFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw SourceError(path, 0, "cannot read the file");
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) throw SourceError(path, 0, "cannot read the file");
    Parse(text.str(), path);
}

void SourceParser::Parse(const std::string& text, const std::string& file) {
    file_ = file;
    section_.reset();
    inMap_ = false;
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        ParseLine(line, number);
    }
    FinishSection();
}

void SourceParser::ParseLine(const std::string& line, int number) {
    const std::string trimmed = Trim(line);
    if (!trimmed.empty() && trimmed.front() == ';') return;  // a comment
    if (inMap_) {
        if (trimmed.empty()) {
            inMap_ = false;
        } else {
            AddRow(line.substr(0, line.find_last_not_of(" \t") + 1), number);
        }
        return;
    }
    if (trimmed.empty()) return;
    const auto colon = trimmed.find(':');
    if (colon == std::string::npos) Fail(number, "expected a header line 'Name: value', not '" + trimmed + "'");
    const std::string key = Trim(trimmed.substr(0, colon));
    const std::string value = Trim(trimmed.substr(colon + 1));
    if (key == "Game" || key == "Level") {
        StartSection(key == "Game", number);
        return;
    }
    if (!section_) Fail(number, "'" + key + "' stands before any 'Game:' or 'Level:' line");
    Section& section = *section_;
    if (key == "Map" && !section.IsGame) {
        if (section.MapLine != 0) Fail(number, "a second map for this level");
        if (!value.empty()) Fail(number, "the map starts on the line after 'Map:'");
        section.MapLine = number;
        inMap_ = true;
        return;
    }
    if (!Contains(section.IsGame ? GameKeys : LevelKeys, key))
        Fail(number, "unknown header line '" + key + "' in a " + (section.IsGame ? "Game" : "Level") + " section");
    if (section.Values.count(key) != 0)
        Fail(number, "'" + key + "' given twice (first on line " + std::to_string(section.Values[key].Line) + ")");
    section.Values[key] = Value{value, number};
}

void SourceParser::AddRow(const std::string& row, int number) {
    Section& section = *section_;
    for (std::size_t i = 0; i < row.size(); ++i)
        if (!MapCharacters::CellOf(row[i]))
            Fail(number, "unknown map character '" + std::string(1, row[i]) + "' in column " + std::to_string(i + 1));
    if (row.size() > MaxFieldWidth)
        Fail(number, "the map row is " + std::to_string(row.size()) + " cells wide, at most 50 fit");
    if (!section.Rows.empty() && row.size() != section.Rows.front().Text.size())
        Fail(number, "the map row is " + std::to_string(row.size()) + " cells wide, the first row " +
                         std::to_string(section.Rows.front().Text.size()));
    if (section.Rows.size() == MaxFieldHeight) Fail(number, "the map has more than 40 rows");
    section.Rows.push_back(Value{row, number});
}

void SourceParser::StartSection(bool isGame, int number) {
    FinishSection();
    section_ = Section{};
    section_->IsGame = isGame;
    section_->Line = number;
}

void SourceParser::FinishSection() {
    inMap_ = false;
    if (!section_) return;
    const Section section = std::move(*section_);
    section_.reset();
    if (section.IsGame)
        FinishGame(section);
    else
        FinishLevel(section);
}

void SourceParser::FinishGame(const Section& section) {
    const std::string here = file_ + ":" + std::to_string(section.Line);
    if (gameAt_) Fail(section.Line, "a second Game section; the game already has one at " + *gameAt_);
    const Value& note = Required(section, "Note");
    std::string bad;
    const auto bytes = Utf8ToCp1250(note.Text, &bad);
    if (!bytes)
        Fail(note.Line,
             bad.empty() ? "the note is not valid UTF-8" : "the note holds '" + bad + "', which Windows-1250 lacks");
    if (bytes->size() > NoteLength)
        Fail(note.Line, "the note has " + std::to_string(bytes->size()) + " characters, at most 30 fit");
    game_.Note = *bytes + std::string(NoteLength - bytes->size(), ' ');
    game_.Lives = static_cast<std::uint8_t>(Number(Required(section, "Lives"), "Lives", 0, 255));
    game_.HeaderByte = static_cast<std::uint8_t>(Number(Required(section, "HeaderByte"), "HeaderByte", 0, 255));
    const Value& headerChar = Required(section, "HeaderChar");
    const std::string& text = headerChar.Text;
    if (text.size() == 1 && text[0] > ' ' && text[0] < 0x7F) {
        game_.HeaderChar = static_cast<std::uint8_t>(text[0]);
    } else if (text.size() == 4 && text[0] == '\\' && text[1] == 'x' && HexDigit(text[2]) >= 0 &&
               HexDigit(text[3]) >= 0) {
        game_.HeaderChar = static_cast<std::uint8_t>(HexDigit(text[2]) * 16 + HexDigit(text[3]));
    } else {
        Fail(headerChar.Line, "HeaderChar must be one visible ASCII character or \\xNN, not '" + text + "'");
    }
    gameAt_ = here;
}

void SourceParser::FinishLevel(const Section& section) {
    if (game_.Levels.size() == MaxLevelCount) Fail(section.Line, "more than 255 levels");
    LevelRecord level;
    level.LevelFlags = static_cast<std::int16_t>(Number(Required(section, "LevelFlags"), "LevelFlags", -32768, 32767));
    level.RequiredLength =
        static_cast<std::int16_t>(Number(Required(section, "RequiredLength"), "RequiredLength", -32768, 32767));
    level.RandomBalls = static_cast<std::uint8_t>(Number(Required(section, "RandomBalls"), "RandomBalls", 0, 255));
    level.RandomFlies = static_cast<std::uint8_t>(Number(Required(section, "RandomFlies"), "RandomFlies", 0, 255));
    level.RandomBoulders =
        static_cast<std::uint8_t>(Number(Required(section, "RandomBoulders"), "RandomBoulders", 0, 255));
    level.GoldenBallChance =
        static_cast<std::uint8_t>(Number(Required(section, "GoldenBallChance"), "GoldenBallChance", 0, 255));
    FillMap(section, level);
    GiveLengths(section, "InitialLength", CellHouse, level);
    GiveLengths(section, "ViperLengths", CellViper, level);
    game_.Levels.push_back(level);
}

void SourceParser::FillMap(const Section& section, LevelRecord& level) const {
    if (section.MapLine == 0) Fail(section.Line, "the level has no 'Map:'");
    if (section.Rows.empty()) Fail(section.MapLine, "the map has no rows");
    const int width = static_cast<int>(section.Rows.front().Text.size());
    const int height = static_cast<int>(section.Rows.size());
    level.FieldWidth = static_cast<std::uint8_t>(width);
    level.FieldHeight = static_cast<std::uint8_t>(height);
    for (int y = 1; y <= height; ++y) {
        const Value& row = section.Rows[static_cast<std::size_t>(y - 1)];
        for (int x = 1; x <= width; ++x) {
            const MapCell cell = *MapCharacters::CellOf(row.Text[static_cast<std::size_t>(x - 1)]);
            const bool border = x == 1 || x == width || y == 1 || y == height;
            if (border && cell.Kind == CellFree)
                Fail(row.Line, "free water on the outer ring in column " + std::to_string(x) +
                                   ": a game file cannot say so, draw a wall or an item there");
            level.Cell(x, y) = cell;
        }
    }
}

// The houses or vipers of the map take their lengths from a header line, in reading order.
void SourceParser::GiveLengths(const Section& section, const std::string& key, std::uint8_t kind,
                               LevelRecord& level) const {
    std::vector<MapCell*> cells;
    for (int y = 1; y <= level.FieldHeight; ++y)
        for (int x = 1; x <= level.FieldWidth; ++x)
            if (level.Cell(x, y).Kind == kind) cells.push_back(&level.Cell(x, y));
    const std::string what = kind == CellHouse ? "house" : "viper";
    const auto found = section.Values.find(key);
    if (found == section.Values.end()) {
        if (!cells.empty())
            Fail(section.Line, "missing header line '" + key + "' for the " + std::to_string(cells.size()) + " " +
                                   what + " cell(s) of the map");
        return;
    }
    const std::vector<std::string> lengths = Words(found->second.Text);
    if (lengths.size() != cells.size())
        Fail(found->second.Line, key + " gives " + std::to_string(lengths.size()) + " length(s), the map has " +
                                     std::to_string(cells.size()) + " " + what + " cell(s)");
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i]->Param = static_cast<std::uint8_t>(Number(Value{lengths[i], found->second.Line}, key, 0, 255));
}

const SourceParser::Value& SourceParser::Required(const Section& section, const std::string& key) const {
    const auto found = section.Values.find(key);
    if (found == section.Values.end())
        Fail(section.Line, std::string("missing header line '") + key + "' in this " +
                               (section.IsGame ? "Game" : "Level") + " section");
    return found->second;
}

long SourceParser::Number(const Value& value, const std::string& key, long low, long high) const {
    const std::string& text = value.Text;
    std::size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
    const bool wellFormed =
        text.size() > digits && text.size() - digits <= 6 &&
        std::all_of(text.begin() + static_cast<long>(digits), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const long number = wellFormed ? std::stol(text) : 0;
    if (!wellFormed || number < low || number > high)
        Fail(value.Line, key + " must be a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                             ", not '" + text + "'");
    return number;
}

void SourceParser::Fail(int line, const std::string& message) const { throw SourceError(file_, line, message); }

GameSource SourceParser::Finish() const {
    if (!gameAt_)
        throw SourceError(file_, 0, "no source holds the 'Game:' section with Note, Lives, HeaderChar and HeaderByte");
    return game_;
}
