#include "snake/clsZurk.h"

#include "creatures/PondCreatures.h"
#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "pond/Pond.h"
#include "pond/Scoring.h"

namespace {
std::int16_t Grown(std::int16_t growth, int by) { return static_cast<std::int16_t>(growth + by); }
}  // namespace

void clsZurk::Poloz(int x1, int y1, int h1) {
    HeadX = x1;
    HeadY = y1;
    LastDirection = 0;
    auto head = std::make_unique<clsClanekZurka>(pond_);
    head->VytvorHlavu(x1, y1, 0, true);
    Segments.push_back(std::move(head));
    Growth = Grown(0, h1 - 1);
    Alive = true;
    Moving = false;
}

bool clsZurk::MayEnter(const Playfield& field, CellPos cell) {
    const std::uint8_t kind = field.Kind(cell.x, cell.y);
    return kind == CellFree || kind == CellBoulder || kind == CellBall || kind == CellFly || kind == CellGoldenBall ||
           (kind == CellHouse && field.At(cell.x, cell.y).Data == HouseOpenSprite);
}

bool clsZurk::HouseIsOpen() const {
    return pond_.Field.Inside(pond_.HouseX, pond_.HouseY) &&
           pond_.Field.At(pond_.HouseX, pond_.HouseY).Data == HouseOpenSprite;
}

void clsZurk::Posun(int s) {
    if (s != DirNone) {
        Direction = LastDirection = s;
        Moving = true;
    } else {
        Direction = LastDirection;
    }
    if (!IsDirection(Direction) || Segments.empty()) return;

    const CellPos target = Neighbour(HeadX, HeadY, Direction);
    const std::uint8_t kind = pond_.Field.Kind(target.x, target.y);
    if (MayEnter(pond_.Field, target)) {
        HeadX = target.x;
        HeadY = target.y;
        switch (kind) {
        case CellBoulder: HitBoulder(); break;
        case CellBall: EatBall(); break;
        case CellFly: EatFly(); break;
        case CellGoldenBall: EatGoldenBall(); break;
        case CellHouse: EnterHouse(); break;
        default: break;
        }
    } else {
        Crash();
    }

    pond_.FrontEnd().SetLabelVisible(HintLabel::Uvod, false);
    pond_.Score += StepPoints;
    Segments.front()->VytvorKrk(Direction);
    auto head = std::make_unique<clsClanekZurka>(pond_);
    head->VytvorHlavu(HeadX, HeadY, Direction, Alive);
    Segments.push_front(std::move(head));

    if (Growth <= 0) {
        Segments.back()->Uvolni();
        Segments.pop_back();
        Segments.back()->VytvorOcas();
        return;
    }
    Growth = Grown(Growth, -1);
    if (Segments.size() == static_cast<std::size_t>(pond_.Level.RequiredLength) && Alive) OpenHouse();
}

void clsZurk::Uvolni() {
    for (auto& segment : Segments) segment->Uvolni();
}

void clsZurk::OpenHouse() {
    if (!pond_.Field.Inside(pond_.HouseX, pond_.HouseY)) return;
    pond_.Field.At(pond_.HouseX, pond_.HouseY).Data = HouseOpenSprite;
    pond_.DrawCell(pond_.HouseX, pond_.HouseY);
    if (pond_.LevelNo == 1) pond_.FrontEnd().SetLabelVisible(HintLabel::UvodKonec, true);
}

void clsZurk::EatBall() {
    pond_.PlayCue(Cue::Mnam1);
    Growth = Grown(Growth, BallGrowth);
    pond_.Score += HouseIsOpen() ? BallPointsHouseOpen : BallPoints;
}

void clsZurk::HitBoulder() {
    pond_.PlayCue(Cue::Fuj);
    pond_.Score += BoulderPoints;
}

void clsZurk::EatFly() {
    pond_.PlayCue(Cue::Mnam2);
    Growth = Grown(Growth, FlyGrowth);
    pond_.Score += HouseIsOpen() ? FlyPointsHouseOpen : FlyPoints;
    if (clsMuska* fly = creatures_.FindFly(pond_.Field.At(HeadX, HeadY).Data)) fly->existuje = false;
}

void clsZurk::EatGoldenBall() {
    pond_.PlayCue(Cue::Mnam3);
    if (creatures_.Beetle) creatures_.Beetle->Konec();
    Growth = Grown(Growth, GoldenBallGrowth);
    pond_.Score += GoldenBallPoints;
}

void clsZurk::EnterHouse() {
    pond_.PlayCue(Cue::Cil);
    pond_.GameState = StateRunOver;
}

void clsZurk::Crash() {
    pond_.PlayCue(Cue::Naraz);
    Alive = false;
    pond_.GameState = StateRunOver;
}
