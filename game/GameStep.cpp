#include "game/GameStep.h"

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"
#include "game/modZurk3.h"
#include "snake/clsZurk.h"

void MovePond(modZurk3& world, int direction) {
    if (world.Snake().UzJede()) {
        // Counts are taken once: nobody joins the collections during a step.
        const std::size_t vipers = world.Vipers.size();
        for (std::size_t i = 0; i < vipers; ++i) world.Vipers[i]->Posun();
        const std::size_t flies = world.Flies.size();
        for (std::size_t i = 0; i < flies; ++i) world.Flies[i]->Posun();
        world.Beetle().Posun();
    }
    world.Snake().Posun(direction);
}
