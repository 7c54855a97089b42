#include "NoiseSource.h"

NoiseSource::NoiseSource(std::uint32_t seed) : state(seed != 0 ? seed : 1u) {}

double NoiseSource::uniform() {
    // xorshift32: tiny, and unlike the standard distributions its sequence is
    // the same with every compiler and library.
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<double>(state) / 4294967296.0;
}

double NoiseSource::bipolar() { return 2.0 * uniform() - 1.0; }
