#pragma once
#include <array>
#include <cstdint>

#include "pond/KeyStateSource.h"

// The state words of keys by virtual-key code, kept the way the game has always read keys: top
// bit while the key is down, low bit flipping on every press. Codes outside 0..255 read as 0.
class KeyStateWords : public KeyStateSource {
public:
    std::int16_t KeyState(int virtualKey) const override;

    // The key goes down; false when it already was, which is no new press.
    bool Press(int virtualKey);
    void Release(int virtualKey);
    void ReleaseAll();

private:
    static constexpr std::uint16_t DownBit = 0x8000;
    static constexpr std::uint16_t ToggleBit = 0x0001;
    std::array<std::uint16_t, 256> words_{};
};
