#include "tools/levels/MapCharacters.h"

#include "pond/CellKinds.h"

namespace MapCharacters {

std::optional<MapCell> CellOf(char c) {
    switch (c) {
    case Wall: return MapCell{CellWall, 0};
    case Water: return MapCell{CellFree, 0};
    case Boulder: return MapCell{CellBoulder, 0};
    case RandomBall: return MapCell{CellBall, 0};
    case Fly: return MapCell{CellFly, 0};
    case Viper: return MapCell{CellViper, 0};
    case House: return MapCell{CellHouse, 0};
    default:
        if (c >= '1' && c <= '6') return MapCell{CellBall, static_cast<std::uint8_t>(c - '0')};
        return std::nullopt;
    }
}

std::optional<char> CharacterOf(const MapCell& cell) {
    switch (cell.Kind) {
    case CellWall: return cell.Param == 0 ? std::optional<char>(Wall) : std::nullopt;
    case CellFree: return cell.Param == 0 ? std::optional<char>(Water) : std::nullopt;
    case CellBoulder: return cell.Param == 0 ? std::optional<char>(Boulder) : std::nullopt;
    case CellFly: return cell.Param == 0 ? std::optional<char>(Fly) : std::nullopt;
    case CellBall:
        if (cell.Param == 0) return RandomBall;
        if (cell.Param <= 6) return static_cast<char>('0' + cell.Param);
        return std::nullopt;
    case CellViper: return Viper;
    case CellHouse: return House;
    default: return std::nullopt;
    }
}

}  // namespace MapCharacters
