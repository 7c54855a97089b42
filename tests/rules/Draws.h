#pragma once
#include "pond/CellKinds.h"

// Numbers for a ScriptedRandom, named by what the rules make of them. A whole number is drawn as
// Int(r · n) + base; each helper gives the middle of the share of [0, 1) that draws the outcome.
namespace Draw {
constexpr double Share(int outcome, int outcomes) { return (outcome + 0.5) / outcomes; }

// The side ChooseFreeDirection looks at first; from there it goes clockwise to a free one.
constexpr double FirstSide(int direction) { return Share(direction - DirUp, 4); }

// The column, then the row, of a random interior cell of a pond width x height: where level
// set-up scatters an item and where the golden ball surfaces.
constexpr double Column(int x, int width) { return Share(x - 2, width - 2); }
constexpr double Row(int y, int height) { return Share(y - 2, height - 2); }

// The colour, 1 to 6, of a ball given none.
constexpr double BallColour(int colour) { return Share(colour - 1, 6); }

// The golden ball surfaces on a draw up to its chance in per cent, this one included.
constexpr double AtChance(int percent) { return percent / 100.0; }

// How long the golden ball stays up: ticks from the pond's shorter side to below its longer one.
constexpr double Stay(int ticks, int shorterSide, int longerSide) {
    return longerSide > shorterSide ? Share(ticks - shorterSide, longerSide - shorterSide) : 0.0;
}

// Within any chance: the golden ball surfaces, if it has somewhere to.
constexpr double Surfaces = 0.0;

// Below both chances of a fly's move, and above both.
constexpr double FlyMoves = 0.0;
constexpr double FlyStays = 0.9;
}  // namespace Draw
