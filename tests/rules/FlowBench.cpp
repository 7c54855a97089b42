#include "FlowBench.h"

void Corridor(GameFileBytes& file, int flags) { file.Level(5, 3, flags, 2).House(2, 2, 2); }

GameFileBytes Corridors(int levels, int lives, int flags) {
    GameFileBytes file(levels, lives);
    for (int level = 0; level < levels; ++level) Corridor(file, flags);
    return file;
}

void FlowBench::Read() {
    for (FlowState state = flow->State(); state == FlowState::Message || state == FlowState::Asking;
         state = flow->State()) {
        if (state == FlowState::Message)
            flow->MessageClosed();
        else
            flow->BoxAnswered();
    }
}

std::string Outcome(const FlowBench& bench, std::size_t shownBefore) {
    constexpr const char* states[] = {"Title", "Running", "Paused", "Message", "Asking", "GameOver", "Closed"};
    std::string outcome = states[static_cast<int>(bench.flow->State())];
    for (std::size_t i = shownBefore; i < bench.frontEnd.shown.size(); ++i) outcome += ", " + bench.frontEnd.shown[i];
    return outcome;
}
