#pragma once
#include <cstdint>
#include <random>

// The game's one source of chance: uniform numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Rnd() = 0;
};

// Whole numbers are drawn as Int(r * n) + base everywhere in the game.
inline int RandomInt(RandomSource& random, int n, int base) { return static_cast<int>(random.Rnd() * n) + base; }

// The generator of a real game: seeded once, single precision like the numbers it stands for.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    double Rnd() override {
        // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
        return static_cast<double>(engine_() >> 8) / 16777216.0;
    }

private:
    std::mt19937 engine_;
};
