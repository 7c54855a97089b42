#pragma once
#include <cstdint>

#include "game/modZurk3.h"

// A game without a screen, for the tools: its own seeded generator, and nothing drawn, heard
// or shown. The outside world is declared first, so that it outlives the world.
class HeadlessWorld {
public:
    explicit HeadlessWorld(std::uint32_t seed) : random(seed), world(random, painter, cues, frontEnd) {}

    SeededRandom random;
    NullPainter painter;
    SilentCuePlayer cues;
    NullFrontEnd frontEnd;
    modZurk3 world;
};
