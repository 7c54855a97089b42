#include "creatures/PondCreatures.h"

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"

PondCreatures::PondCreatures() = default;
PondCreatures::~PondCreatures() = default;

clsMuska* PondCreatures::FindFly(int key) const {
    if (key < 1 || static_cast<std::size_t>(key) > Flies.size()) return nullptr;
    return Flies[static_cast<std::size_t>(key) - 1].get();
}

void PondCreatures::Uvolni() {
    // In one pass: erasing the front each time moves every viper behind it, over and over.
    for (auto& viper : Vipers) viper->Uvolni();
    Vipers.clear();
    Flies.clear();
    Beetle.reset();
}
