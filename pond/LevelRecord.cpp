#include "pond/LevelRecord.h"

bool LevelRecord::IsBonus() const { return IsOdd(static_cast<std::uint8_t>(LevelFlags)); }
