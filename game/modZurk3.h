#pragma once
#include <memory>

#include "creatures/PondCreatures.h"
#include "pond/Pond.h"
#include "snake/clsZurk.h"

// The state of one running game: the pond, the player's snake and the level's creatures.
// One instance per game, passed by reference; the outside world comes with it when it is made.
class modZurk3 : public Pond {
public:
    using Pond::Pond;

    // The player's snake, placed in its house by level set-up; empty between levels and on the
    // title screen.
    std::unique_ptr<clsZurk> Snake;
    PondCreatures Creatures;

    // The snake's length as the status panel shows it: 0 when no snake is placed.
    int SnakeLength() const { return Snake ? Snake->Delka() : 0; }
    bool SnakeMoving() const { return Snake && Snake->UzJede(); }

    // The snake and the creatures of a finished level go, each freeing its cells, before the
    // next playfield is built.
    void ReleaseLevelObjects();
};
