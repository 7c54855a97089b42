#include "stress/FlowPond.h"

FlowPond::FlowPond(const clsHraZurk3& game, std::uint32_t seed)
    : random(seed), flow(world, game, keys), rng_(seed) {
    world.UseRandom(random);
    world.UsePainter(painter);
    world.UseCues(cues);
    world.UseFrontEnd(frontEnd);
}

void FlowPond::Tick() {
    const int roll = std::uniform_int_distribution<int>(0, 9)(rng_);
    if (roll < 4) keys.Tap(VkLeft + roll);
    const std::size_t messages = frontEnd.messages.size();
    flow.Step();
    // The painter keeps every call; a long game would only fill memory with them.
    painter.calls.clear();
    for (std::size_t i = messages; i < frontEnd.messages.size(); ++i) {
        const std::string& text = frontEnd.messages[i];
        if (text == "Fantastické vítězství !!!" || text == "Totální prohra ...") {
            ++gamesEnded_;
            flow.Start();
            painter.calls.clear();
        }
    }
}
