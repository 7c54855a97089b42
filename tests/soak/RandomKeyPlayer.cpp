#include "tests/soak/RandomKeyPlayer.h"

#include "game/modZurk3.h"

RandomKeyPlayer::RandomKeyPlayer(modZurk3& world, std::uint32_t seed) : world_(world), rng_(seed) {}

bool RandomKeyPlayer::Enterable(int direction) const {
    const CellPos head = world_.Snake->Head();
    return clsZurk::MayEnter(world_.Field, Neighbour(head.x, head.y, direction));
}

int RandomKeyPlayer::SomeEnterableDirection() {
    const int start = std::uniform_int_distribution<int>(0, 3)(rng_);
    for (int i = 0; i < 4; ++i) {
        const int direction = (start + i) % 4 + 1;
        if (Enterable(direction)) return direction;
    }
    return 0;
}

int RandomKeyPlayer::NextDirection() {
    const int roll = std::uniform_int_distribution<int>(0, 999)(rng_);
    const bool careless = roll < 4;
    const int key = roll < 250 ? std::uniform_int_distribution<int>(1, 4)(rng_) : 0;
    const int heading = key != 0 ? key : world_.Snake->Course();
    if (careless || heading == 0 || Enterable(heading)) return key;
    const int better = SomeEnterableDirection();
    return better != 0 ? better : key;
}
