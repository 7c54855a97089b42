#include "snake/clsZurk.h"

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "game/modZurk3.h"

void clsZurk::Poloz(int x1, int y1, int h1) {
    HeadX_ = x1;
    HeadY_ = y1;
    LastDirection_ = 0;
    Direction = 0;
    auto head = std::make_unique<clsClanekZurka>(world_);
    head->VytvorHlavu(x1, y1, 0, true);
    Segments.push_back(std::move(head));
    Growth = static_cast<std::int16_t>(h1 - 1);
    Alive = true;
    Moving = false;
}

bool clsZurk::HouseIsOpen() const {
    return world_.Field.Inside(world_.HouseX, world_.HouseY) &&
           world_.Field.At(world_.HouseX, world_.HouseY).Data == HouseOpenSprite;
}

void clsZurk::Posun(int s) {
    if (s != DirNoneGiven) {
        Direction = LastDirection_ = s;
        Moving = true;
    } else {
        Direction = LastDirection_;
    }
    if (!IsDirection(Direction) || Segments.empty()) return;

    const CellPos target = Neighbour(HeadX_, HeadY_, Direction);
    const std::uint8_t kind = world_.Field.Kind(target.x, target.y);
    const bool enterable = kind == CellFree || kind == CellBoulder || kind == CellBall || kind == CellFly ||
                           kind == CellGoldenBall || (kind == CellHouse && world_.Field.At(target.x, target.y).Data == HouseOpenSprite);
    if (enterable) {
        HeadX_ = target.x;
        HeadY_ = target.y;
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

    world_.FrontEnd().SetLabelVisible(HintLabel::Uvod, false);
    world_.Score -= 1;
    Segments.front()->VytvorKrk(Direction);
    auto head = std::make_unique<clsClanekZurka>(world_);
    head->VytvorHlavu(HeadX_, HeadY_, Direction, Alive);
    Segments.push_front(std::move(head));

    if (Growth <= 0) {
        Segments.pop_back();
        Segments.back()->VytvorOcas();
        return;
    }
    Growth = static_cast<std::int16_t>(Growth - 1);
    if (Segments.size() == static_cast<std::size_t>(world_.Level.RequiredLength) && Alive) OpenHouse();
}

void clsZurk::OpenHouse() {
    if (!world_.Field.Inside(world_.HouseX, world_.HouseY)) return;
    world_.Field.At(world_.HouseX, world_.HouseY).Data = HouseOpenSprite;
    world_.DrawCell(world_.HouseX, world_.HouseY);
    if (world_.LevelNo == 1) {
        world_.FrontEnd().MoveLabel(HintLabel::UvodKonec, 210, 175);
        world_.FrontEnd().SetLabelVisible(HintLabel::UvodKonec, true);
    }
}

void clsZurk::EatBall() {
    world_.PlayCue("Mnam1");
    Growth = static_cast<std::int16_t>(Growth + 5);
    world_.Score += HouseIsOpen() ? 200 : 100;
}

void clsZurk::HitBoulder() {
    world_.PlayCue("Fuj");
    world_.Score -= 500;
}

void clsZurk::EatFly() {
    world_.PlayCue("Mnam2");
    Growth = static_cast<std::int16_t>(Growth + 10);
    world_.Score += HouseIsOpen() ? 1000 : 500;
    if (clsMuska* fly = world_.FindFly(world_.Field.At(HeadX_, HeadY_).Data)) fly->existuje = false;
}

void clsZurk::EatGoldenBall() {
    world_.PlayCue("Mnam3");
    world_.Beetle().Konec();
    Growth = static_cast<std::int16_t>(Growth + 20);
    world_.Score += 1000;
}

void clsZurk::EnterHouse() {
    world_.PlayCue("Cil");
    world_.GameState = StateRunOver;
}

void clsZurk::Crash() {
    world_.PlayCue("Naraz");
    Alive = false;
    world_.GameState = StateRunOver;
}
