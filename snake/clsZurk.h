#pragma once
#include <cstdint>
#include <deque>
#include <memory>

#include "pond/CellKinds.h"
#include "snake/clsClanekZurka.h"

class Playfield;
class Pond;
class PondCreatures;

// The player's snake: a chain of segments, head first, that grows out of its house, eats,
// crushes boulders, crashes, and wins by crawling back into its open house.
class clsZurk {
public:
    // creatures: the flies and the golden ball it may eat.
    clsZurk(Pond& pond, PondCreatures& creatures) : pond_(pond), creatures_(creatures) {}
    clsZurk(const clsZurk&) = delete;
    clsZurk& operator=(const clsZurk&) = delete;

    void Poloz(int x1, int y1, int h1);
    // One step; s 1..4 is a new direction from the player, DirNone keeps the last one.
    void Posun(int s = DirNone);
    // The level is over: every segment gives its cell back.
    void Uvolni();

    std::int16_t Delka() const { return static_cast<std::int16_t>(Segments.size()); }
    bool Zije() const { return Alive; }
    bool UzJede() const { return Moving; }

    // Whether the snake's head may move onto the cell; any other cell crashes it.
    static bool MayEnter(const Playfield& field, CellPos cell);

    CellPos Head() const { return {HeadX, HeadY}; }
    // The direction a step without a new one takes.
    int Course() const { return LastDirection; }
    // Steps on which the tail will still stay put.
    int PendingGrowth() const { return Growth > 0 ? Growth : 0; }
    // Segment i, 0 being the head.
    const clsClanekZurka& Segment(std::size_t i) const { return *Segments[i]; }

private:
    bool HouseIsOpen() const;
    void EatBall();
    void HitBoulder();
    void EatFly();
    void EatGoldenBall();
    void EnterHouse();
    void Crash();
    void OpenHouse();

    Pond& pond_;
    PondCreatures& creatures_;
    int HeadX = 0;
    int HeadY = 0;
    int Direction = 0;
    int LastDirection = 0;
    std::deque<std::unique_ptr<clsClanekZurka>> Segments;
    std::int16_t Growth = 0;
    bool Alive = false;
    bool Moving = false;
};
