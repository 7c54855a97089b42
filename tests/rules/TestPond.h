#pragma once
#include <string>
#include <vector>

#include "Fakes.h"
#include "creatures/clsMuska.h"
#include "creatures/clsZmije.h"
#include "game/modZurk3.h"

// A pond drawn as text for the tests, one character per cell:
//   '#' wall  '.' water  'H' house  'o' ball of random colour  '1'..'6' ball of that colour
//   'B' boulder  'F' fly  'V' viper start  'G' golden ball  'S' snake segment  '?' unknown kind
class TestPond : public RulesFakes {
public:
    explicit TestPond(const std::vector<std::string>& rows);
    // The rows of a width x height pond walled round, filled with fill.
    static std::vector<std::string> Walled(int width, int height, char fill = '.');

    // Builds the playfield from the map with the game's own level set-up.
    void SetUp();
    // The playfield copied straight from the map and drawn, with no objects and no random numbers.
    void CopyMapOnly();
    clsZurk& PlaceSnake(int x, int y, int h1);
    clsZurk& snake() { return *world.Snake; }
    clsZmije& AddViper(int x, int y, int h1);
    clsMuska& AddFly(int x, int y);
    // Steps the snake alone: the first step in direction, the others keeping its course.
    void Steps(int n, int direction = 0);

    std::uint8_t Kind(int x, int y) const { return world.Field.Kind(x, y); }
    int Data(int x, int y) const { return world.Field.At(x, y).Data; }

    modZurk3 world;
};

// A pond copied straight from its map and drawn, for tests that place every object themselves.
struct CopiedPond : TestPond {
    explicit CopiedPond(const std::vector<std::string>& rows) : TestPond(rows) { CopyMapOnly(); }
};
