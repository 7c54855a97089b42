#pragma once
#include <cstdint>
#include <random>

class modZurk3;

// Hits the arrow keys at random, now and then, like a child at the keyboard. Most of the time
// it takes back a key that would run the snake into something, so that runs last long enough
// to grow the snake and open the house, but sometimes it lets the snake crash.
class RandomKeyPlayer {
public:
    RandomKeyPlayer(modZurk3& world, std::uint32_t seed);

    // 0 for no key, else 1..4.
    int NextDirection();

private:
    bool Enterable(int direction) const;
    int SomeEnterableDirection();

    modZurk3& world_;
    std::mt19937 rng_;
};
