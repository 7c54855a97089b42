#pragma once
#include <optional>

#include "pond/LevelRecord.h"

// The characters of a level map, one per cell. Houses and vipers take their lengths from the
// header lines InitialLength and ViperLengths, so their Param is not part of the character.
namespace MapCharacters {
constexpr char Wall = '#';
constexpr char Water = '.';
constexpr char Boulder = '*';
constexpr char RandomBall = 'o';  // '1'..'6': a ball of that colour
constexpr char Fly = 'F';
constexpr char Viper = 'V';
constexpr char House = 'H';

// The cell a character stands for (Param 0 for houses and vipers), or nothing for an unknown one.
std::optional<MapCell> CellOf(char c);
// The character of a cell, or nothing when the source cannot express it.
std::optional<char> CharacterOf(const MapCell& cell);
}  // namespace MapCharacters
