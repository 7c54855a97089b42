#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/levels/GameFileWriter.h"
#include "tools/levels/SourceParser.h"

// Level source texts for the tests, with every header line in place unless a test leaves it out.
// The defaults are the header of the worked example of the game file format.
struct GameText {
    std::string Note = "Test", Lives = "3", HeaderChar = "A", HeaderByte = "1";
    std::string Text() const {
        return "Game: test\nNote: " + Note + "\nLives: " + Lives + "\nHeaderChar: " + HeaderChar +
               "\nHeaderByte: " + HeaderByte + "\n";
    }
};

struct LevelText {
    std::string LevelFlags = "0";
    std::string RequiredLength = "8";  // the initial 3 and the 5 of the one ball
    std::string RandomBalls = "0", RandomFlies = "0", RandomBoulders = "0", GoldenBallChance = "0";
    std::string InitialLength = "3";  // written only when the map has a house
    std::string ViperLengths{};       // written only when not empty
    std::vector<std::string> Map = {"#######", "#H....#", "#..o..#", "#######"};

    std::string Text() const {
        std::string text = "Level: test\nLevelFlags: " + LevelFlags + "\nRequiredLength: " + RequiredLength +
                           "\nRandomBalls: " + RandomBalls + "\nRandomFlies: " + RandomFlies +
                           "\nRandomBoulders: " + RandomBoulders + "\nGoldenBallChance: " + GoldenBallChance + "\n";
        if (std::any_of(Map.begin(), Map.end(),
                        [](const std::string& row) { return row.find('H') != std::string::npos; }))
            text += "InitialLength: " + InitialLength + "\n";
        if (!ViperLengths.empty()) text += "ViperLengths: " + ViperLengths + "\n";
        text += "Map:\n";
        for (const std::string& row : Map) text += row + "\n";
        return text + "\n";
    }
};

// The level of the worked example of the game file format, as source.
inline LevelText WorkedExampleLevel() {
    return {.LevelFlags = "1",
            .RequiredLength = "20",
            .RandomBalls = "2",
            .ViperLengths = "4",
            .Map = {"##########", "#H.......#", "#......V.#", "#........#", "#...o....#", "#........#", "#.......*#",
                    "##########"}};
}

// The game file the level tool builds from source text.
inline std::vector<std::uint8_t> Build(const std::string& text) {
    SourceParser parser;
    parser.Parse(text, "test.zl");
    return GameFileWriter::Write(parser.Finish());
}

// The default game "zaklad.zurk" as the build makes it, from its sources in the order of their names.
inline std::vector<std::uint8_t> BuildDefaultGame() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(ZURK3_DEFAULT_GAME_SOURCES))
        if (entry.path().extension() == ".zl") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    SourceParser parser;
    for (const std::string& file : files) parser.ParseFile(file);
    return GameFileWriter::Write(parser.Finish());
}
