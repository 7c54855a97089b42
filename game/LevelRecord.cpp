#include "game/LevelRecord.h"

#include "game/CellKinds.h"

bool LevelRecord::IsBonus() const { return IsOdd(static_cast<std::uint8_t>(LevelFlags)); }
