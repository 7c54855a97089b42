#include "creatures/clsZmije.h"

#include "creatures/FreeDirection.h"
#include "pond/Pond.h"

void clsZmije::Poloz(int x1, int y1, int h1) {
    HeadX = x1;
    HeadY = y1;
    Direction = ChooseFreeDirection(pond_.Field, pond_.Random(), x1, y1);
    auto head = std::make_unique<clsClanekZmije>(pond_);
    head->VytvorHlavu(x1, y1, Direction);
    Segments.push_back(std::move(head));
    Growth = static_cast<std::int16_t>(h1 - 1);
    Alive = true;
}

void clsZmije::Posun() {
    if (Direction == DirNone) return;
    const CellPos ahead = Neighbour(HeadX, HeadY, Direction);
    if (!pond_.Field.IsFree(ahead.x, ahead.y))
        Direction = ChooseFreeDirection(pond_.Field, pond_.Random(), HeadX, HeadY);
    const CellPos next = Neighbour(HeadX, HeadY, Direction);
    HeadX = next.x;
    HeadY = next.y;

    if (Direction == DirNone) {
        for (auto& segment : Segments) segment->Prerod();
        Alive = false;
        return;
    }
    Segments.front()->VytvorKrk(Direction);
    auto head = std::make_unique<clsClanekZmije>(pond_);
    head->VytvorHlavu(HeadX, HeadY, Direction);
    Segments.push_front(std::move(head));
    if (Growth > 0) {
        Growth = static_cast<std::int16_t>(Growth - 1);
        return;
    }
    Segments.back()->Uvolni();
    Segments.pop_back();
    Segments.back()->VytvorOcas();
}

void clsZmije::Uvolni() {
    for (auto& segment : Segments) segment->Uvolni();
}
