#include "game/modZurk3.h"

void modZurk3::ReleaseLevelObjects() {
    if (Snake) Snake->Uvolni();
    Snake.reset();
    Creatures.Uvolni();
}
