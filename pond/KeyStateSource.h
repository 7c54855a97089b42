#pragma once
#include <cstdint>

// The state word of one key, by its Windows virtual-key code: negative while the key is down,
// its lowest bit flipping on each press.
class KeyStateSource {
public:
    virtual ~KeyStateSource() = default;
    virtual std::int16_t KeyState(int virtualKey) const = 0;
};
