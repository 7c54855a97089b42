#include "game/GameStep.h"

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"
#include "game/modZurk3.h"
#include "snake/clsKB.h"

int DirectionFromKeys(clsKB& keyboard) {
    if (keyboard.PressUP()) return DirUp;
    if (keyboard.PressRIGHT()) return DirRight;
    if (keyboard.PressDOWN()) return DirDown;
    if (keyboard.PressLEFT()) return DirLeft;
    return DirNone;
}

void MovePond(modZurk3& world, int direction) {
    if (world.Snake->UzJede()) {
        PondCreatures& creatures = world.Creatures;
        // Counts are taken once: nobody joins the collections during a step.
        const std::size_t vipers = creatures.Vipers.size();
        for (std::size_t i = 0; i < vipers; ++i) creatures.Vipers[i]->Posun();
        const std::size_t flies = creatures.Flies.size();
        for (std::size_t i = 0; i < flies; ++i) creatures.Flies[i]->Posun();
        creatures.Beetle->Posun();
    }
    world.Snake->Posun(direction);
}
