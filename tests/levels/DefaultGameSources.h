#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/levels/GameFileWriter.h"
#include "tools/levels/SourceParser.h"

// The sources of "zaklad.zurk", in the order of their names, as the build reads them.
inline std::vector<std::string> DefaultGameSourceFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(ZURK3_DEFAULT_GAME_SOURCES))
        if (entry.path().extension() == ".zl") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

inline GameSource ParseDefaultGame() {
    SourceParser parser;
    for (const std::string& file : DefaultGameSourceFiles()) parser.ParseFile(file);
    return parser.Finish();
}

inline std::vector<std::uint8_t> BuildDefaultGame() { return GameFileWriter::Write(ParseDefaultGame()); }
