#include "snake/clsKB.h"

namespace {
constexpr std::array<int, static_cast<int>(clsKB::Key::Count)> VirtualKeys = {17, 33,  34,  35, 36, 37, 38, 39, 40, 97,
                                                                              99, 103, 105, 65, 68, 81, 83, 87, 88, 90};

// GetKeyboard reads the keys in this order; the order only matters to a source with side effects.
constexpr std::array<clsKB::Key, static_cast<int>(clsKB::Key::Count)> SnapshotOrder = {
    clsKB::Key::LEFT,    clsKB::Key::RIGHT,   clsKB::Key::DOWN,    clsKB::Key::UP,      clsKB::Key::PRIOR,
    clsKB::Key::NEXT,    clsKB::Key::HOME,    clsKB::Key::END,     clsKB::Key::CONTROL, clsKB::Key::NUMPAD1,
    clsKB::Key::NUMPAD3, clsKB::Key::NUMPAD7, clsKB::Key::NUMPAD9, clsKB::Key::A,       clsKB::Key::D,
    clsKB::Key::Q,       clsKB::Key::S,       clsKB::Key::W,       clsKB::Key::X,       clsKB::Key::Z};
}  // namespace

clsKB::clsKB(const KeyStateSource& keys) : keys_(keys) { GetKeyboard(); }

int clsKB::VirtualKey(Key key) { return VirtualKeys[static_cast<std::size_t>(key)]; }

void clsKB::GetKeyboard() {
    for (Key key : SnapshotOrder) saved_[static_cast<std::size_t>(key)] = keys_.KeyState(VirtualKey(key));
}

bool clsKB::Press(Key key) {
    std::int16_t& prev = saved_[static_cast<std::size_t>(key)];
    const std::int16_t cur = keys_.KeyState(VirtualKey(key));
    const bool changed = cur != prev;
    const bool wasUp = prev >= 0;
    prev = cur;
    return changed && wasUp;
}

bool clsKB::Hold(Key key) {
    std::int16_t& prev = saved_[static_cast<std::size_t>(key)];
    const std::int16_t cur = keys_.KeyState(VirtualKey(key));
    const bool result = cur < 0 || (prev >= 0 && cur != prev);
    prev = cur;
    return result;
}
