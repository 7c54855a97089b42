#include "FlowBench.h"

std::string Outcome(const FlowBench& bench, std::size_t shownBefore) {
    constexpr const char* states[] = {"Title", "Running", "Paused", "Message", "Asking", "GameOver", "Closed"};
    std::string outcome = states[static_cast<int>(bench.flow->State())];
    for (std::size_t i = shownBefore; i < bench.frontEnd.shown.size(); ++i) outcome += ", " + bench.frontEnd.shown[i];
    return outcome;
}
