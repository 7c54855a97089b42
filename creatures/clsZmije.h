#pragma once
#include <cstdint>
#include <deque>
#include <memory>

#include "creatures/clsClanekZmije.h"

class Pond;

// An enemy snake: crawls straight on while it can, turns to a random free side when blocked,
// and breaks up into balls when it is boxed in.
class clsZmije {
public:
    explicit clsZmije(Pond& pond) : pond_(pond) {}
    clsZmije(const clsZmije&) = delete;
    clsZmije& operator=(const clsZmije&) = delete;

    void Poloz(int x1, int y1, int h1);
    void Posun();
    // The level is over: every segment gives its cell back, front to back.
    void Uvolni();

    std::int16_t Delka() const { return static_cast<std::int16_t>(Segments.size()); }
    bool Zije() const { return Alive; }
    int Smer() const { return Direction; }
    // Segment i, 0 being the head.
    const clsClanekZmije& Segment(std::size_t i) const { return *Segments[i]; }

private:
    Pond& pond_;
    int HeadX = 0;
    int HeadY = 0;
    int Direction = 0;
    std::deque<std::unique_ptr<clsClanekZmije>> Segments;
    std::int16_t Growth = 0;
    bool Alive = false;
};
