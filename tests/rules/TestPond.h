#pragma once
#include <string>
#include <vector>

#include "Fakes.h"
#include "ScriptedRandom.h"
#include "game/modZurk3.h"
#include "snake/clsZurk.h"

// A pond drawn as text for the tests, one character per cell:
//   '#' wall  '.' water  'H' house  'o' ball of random colour  '1'..'6' ball of that colour
//   'B' boulder  'F' fly  'V' viper start  'G' golden ball  'S' snake segment  '?' unknown kind
class TestPond {
public:
    explicit TestPond(const std::vector<std::string>& rows);

    // Sets the parameter of the map cell at (x, y): a viper's length or the snake's initial length.
    void Param(int x, int y, int value) { world.Level.Cell(x, y).Param = static_cast<std::uint8_t>(value); }
    // Builds the playfield from the map with the game's own level set-up.
    void SetUp();
    // The playfield copied straight from the map, with no set-up (no objects, no random numbers).
    void CopyMapOnly();

    std::uint8_t Kind(int x, int y) const { return world.Field.Kind(x, y); }
    int Data(int x, int y) const { return world.Field.At(x, y).Data; }
    // The playfield as text in the map's alphabet ('S' snake, 'V' viper, 'o' ball, 'H' house ...).
    std::vector<std::string> Picture() const;
    // A fresh snake placed at (x, y) with initial length h1, as set-up places it in its house.
    clsZurk& PlaceSnake(int x, int y, int h1);

    ScriptedRandom random;
    RecordingPainter painter;
    RecordingCues cues;
    RecordingFrontEnd frontEnd;
    modZurk3 world;
};
