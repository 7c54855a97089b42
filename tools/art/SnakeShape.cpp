#include "SnakeShape.h"

namespace {
// Directions as the game numbers them: 1 up, 2 right, 3 down, 4 left; as edges a bit each.
constexpr int Top = 1, Right = 2, Bottom = 4, Left = 8;

int Direction(QChar letter) { return static_cast<int>(QString("URDL").indexOf(letter.toUpper())) + 1; }
int EdgeTowards(int direction) { return 1 << (direction - 1); }
int EdgeFrom(int direction) { return EdgeTowards((direction + 1) % 4 + 1); }

QPoint Step(int direction) {
    switch (direction) {
    case 1: return {0, -1};
    case 2: return {1, 0};
    case 3: return {0, 1};
    default: return {-1, 0};
    }
}

// Grey numbering; the yellow set lies 21 further on.
int BodySprite(int edges) {
    switch (edges) {
    case Top | Right: return 14;
    case Bottom | Right: return 15;
    case Bottom | Left: return 16;
    case Top | Left: return 17;
    case Left | Right: return 22;
    default: return 23;
    }
}
}  // namespace

std::vector<SnakeShape::Piece> SnakeShape::Pieces(QPoint tail, const QString& moves, Set set, bool crashed) {
    const int shift = set == Set::Yellow ? 21 : 0;
    std::vector<Piece> pieces;
    QPoint cell = tail;
    int arrivedBy = 0;
    for (const QChar letter : moves) {
        const int leaveBy = Direction(letter);
        const int sprite = arrivedBy == 0 ? 17 + leaveBy : BodySprite(EdgeFrom(arrivedBy) | EdgeTowards(leaveBy));
        pieces.push_back({cell, sprite + shift});
        cell += Step(leaveBy);
        arrivedBy = leaveBy;
    }
    const int head = crashed && set == Set::Grey ? 26 + arrivedBy : 9 + arrivedBy + shift;
    pieces.push_back({cell, arrivedBy == 0 ? 10 + shift : head});
    return pieces;
}
