#include "creatures/clsClanekZmije.h"

#include "pond/CellSprites.h"
#include "pond/Pond.h"

void clsClanekZmije::VytvorHlavu(int x1, int y1, int s0) {
    X = x1;
    Y = y1;
    InDirection = s0;
    if (!pond_.Field.Inside(X, Y)) return;
    FieldCell& cell = pond_.Field.At(X, Y);
    cell.Kind = CellViper;
    if (IsDirection(s0)) cell.Data = HeadPicture(ViperPictures, s0);
    pond_.DrawCell(X, Y);
}

void clsClanekZmije::VytvorKrk(int s0) {
    OutDirection = s0;
    if (!pond_.Field.Inside(X, Y)) return;
    if (const int picture = BodyPicture(ViperPictures, InDirection, s0)) pond_.Field.At(X, Y).Data = picture;
    pond_.DrawCell(X, Y);
}

void clsClanekZmije::VytvorOcas() {
    if (!pond_.Field.Inside(X, Y)) return;
    if (IsDirection(OutDirection)) pond_.Field.At(X, Y).Data = TailPicture(ViperPictures, OutDirection);
    pond_.DrawCell(X, Y);
}

void clsClanekZmije::Prerod() {
    if (!pond_.Field.Inside(X, Y)) return;
    pond_.Field.At(X, Y) = FieldCell{CellBall, RandomInt(pond_.Random(), 6, 3)};
    pond_.DrawCell(X, Y);
}

void clsClanekZmije::Uvolni() {
    if (!pond_.Field.Inside(X, Y)) return;
    pond_.Field.At(X, Y) = FieldCell{CellFree, 0};
    pond_.DrawCell(X, Y);
}
