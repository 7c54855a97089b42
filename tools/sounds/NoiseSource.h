#pragma once

#include <cstdint>

// White noise from a fixed seed: the cues come out the same on every run,
// so regenerating them does not churn the committed files.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed);

    // Uniform in [0, 1).
    double uniform();
    // Uniform in [-1, 1).
    double bipolar();

private:
    std::uint32_t state;
};
