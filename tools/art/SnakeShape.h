#pragma once
#include <QPoint>
#include <QString>
#include <vector>

// Turns a walk over the pond's cells into the pieces that show it, the way the game picks them:
// every piece joins the edges through which the body enters and leaves its cell. Used to lay
// sample snakes on the pictures and on the review sheet.
class SnakeShape {
public:
    struct Piece {
        QPoint Cell;
        int Sprite;
    };
    enum class Set { Grey, Yellow };

    // tail: the tail's cell; moves: one letter per step from the tail to the head, U R D L.
    // A crashed snake shows its cracked head (grey set only).
    static std::vector<Piece> Pieces(QPoint tail, const QString& moves, Set set, bool crashed = false);
};
