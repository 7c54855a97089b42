#include "pond/KeyStateWords.h"

std::int16_t KeyStateWords::KeyState(int virtualKey) const {
    if (virtualKey < 0 || virtualKey >= static_cast<int>(words_.size())) return 0;
    return static_cast<std::int16_t>(words_[static_cast<std::size_t>(virtualKey)]);
}

bool KeyStateWords::Press(int virtualKey) {
    std::uint16_t& word = words_[static_cast<std::size_t>(virtualKey)];
    if (word & DownBit) return false;
    word = static_cast<std::uint16_t>((word ^ ToggleBit) | DownBit);
    return true;
}

void KeyStateWords::Release(int virtualKey) {
    std::uint16_t& word = words_[static_cast<std::size_t>(virtualKey)];
    word = static_cast<std::uint16_t>(word & ToggleBit);
}

void KeyStateWords::ReleaseAll() {
    for (std::uint16_t& word : words_) word = static_cast<std::uint16_t>(word & ToggleBit);
}
