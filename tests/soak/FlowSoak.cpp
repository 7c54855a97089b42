#include "tests/soak/FlowSoak.h"

#include "snake/clsKB.h"

FlowSoak::FlowSoak(const clsHraZurk3& game, std::uint32_t seed)
    : random_(seed),
      frontEnd_(screen_),
      world_(random_, screen_, cues_, frontEnd_),
      flow_(world_, game, keys_),
      rng_(seed) {}

std::string FlowSoak::Play(int ticks) {
    constexpr clsKB::Key Arrows[] = {clsKB::Key::LEFT, clsKB::Key::UP, clsKB::Key::RIGHT, clsKB::Key::DOWN};
    flow_.Start();
    for (int tick = 1; tick <= ticks; ++tick) {
        const int roll = std::uniform_int_distribution<int>(0, 9)(rng_);
        if (roll < 4) {
            // Down and up again between two ticks.
            keys_.Press(clsKB::VirtualKey(Arrows[roll]));
            keys_.Release(clsKB::VirtualKey(Arrows[roll]));
        }
        flow_.Step();
        // The player reads every message and box at once.
        while (flow_.State() == FlowState::Message || flow_.State() == FlowState::Asking) {
            if (flow_.State() == FlowState::Message)
                flow_.MessageClosed();
            else
                flow_.BoxAnswered();
        }
        if (flow_.State() == FlowState::GameOver) flow_.Start();
        std::string fault = PondInvariants::Check(world_, screen_);
        if (!fault.empty()) return "tick " + std::to_string(tick) + ": " + fault;
    }
    return {};
}
