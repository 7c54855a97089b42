#include "tools/levels/TimedKeyboard.h"

#include <algorithm>

#include "game/GameStep.h"
#include "pond/CellKinds.h"

namespace {
// The order in which a step asks the arrows.
constexpr int TakingOrder[] = {DirUp, DirRight, DirDown, DirLeft};

int ArrowKey(int direction) {
    switch (direction) {
    case DirUp: return clsKB::VirtualKey(clsKB::Key::UP);
    case DirRight: return clsKB::VirtualKey(clsKB::Key::RIGHT);
    case DirDown: return clsKB::VirtualKey(clsKB::Key::DOWN);
    default: return clsKB::VirtualKey(clsKB::Key::LEFT);
    }
}
}  // namespace

TimedKeyboard::TimedKeyboard(double stepMs) : stepMs_(stepMs), keyboard_(words_) {}

void TimedKeyboard::Press(int direction, double downMs) {
    const auto byTime = [](const Event& a, const Event& b) { return a.Ms < b.Ms; };
    for (const Event event : {Event{downMs, direction, true}, Event{downMs + HoldMs, direction, false}})
        events_.insert(std::upper_bound(events_.begin(), events_.end(), event, byTime), event);
}

bool TimedKeyboard::Outstanding(int direction) const {
    return untaken_[static_cast<std::size_t>(direction)] ||
           std::any_of(events_.begin(), events_.end(),
                       [direction](const Event& event) { return event.Down && event.Direction == direction; });
}

int TimedKeyboard::FirstOutstanding() const {
    for (const int direction : TakingOrder)
        if (Outstanding(direction)) return direction;
    return 0;
}

int TimedKeyboard::Tick(int step) {
    const double now = step * stepMs_;
    auto due = events_.begin();
    for (; due != events_.end() && due->Ms <= now; ++due) {
        if (!due->Down)
            words_.Release(ArrowKey(due->Direction));
        else if (words_.Press(ArrowKey(due->Direction)))
            untaken_[static_cast<std::size_t>(due->Direction)] = true;
    }
    events_.erase(events_.begin(), due);
    const int direction = DirectionFromKeys(keyboard_);
    // The arrows asked up to the one taken have either given their press or lost it (a key seen
    // down at its last reading reports no new press); the person sees which. Those not asked
    // keep theirs for the next step.
    for (const int asked : TakingOrder) {
        untaken_[static_cast<std::size_t>(asked)] = false;
        if (asked == direction) break;
    }
    return direction;
}
