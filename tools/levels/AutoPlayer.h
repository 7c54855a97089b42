#pragma once
#include <deque>
#include <vector>

#include "pond/CellKinds.h"

class modZurk3;

// Steers the snake like a careful player: along the shortest way to the nearest food while the
// house is closed and home once it is open, but only when the snake, having got there, still
// has room enough to live on; otherwise it keeps to the roomiest side until the pond changes.
// It never enters a wall, a viper, the closed house or a part of its body that will still be
// there, nor a cell into which a viper may crawl in this very step.
class AutoPlayer {
public:
    explicit AutoPlayer(modZurk3& world);

    // The direction (1..4) for the next step of the pond.
    int NextDirection();

private:
    static constexpr int Never = 1 << 20;
    static constexpr int ViperLookahead = 3;  // cells of a viper's straight way kept clear in plans

    // The snake as the player imagines it a few moves ahead.
    struct Snake {
        std::deque<CellPos> Body;  // head first
        int Pending = 0;           // steps on which the tail still stays
        bool HouseOpen = false;
    };
    struct Candidate {
        int Direction = 0;
        bool Risky = false;    // a viper may crawl into the cell first
        bool SafeWay = false;  // a way to a target after which the snake still has room
        int Distance = Never;  // moves to that target; boulders on the way count extra
        int Room = 0;          // cells the snake can still reach after this move; Never when it
                               // can follow its own track or get home
        int Need = 0;          // cells the snake needs to live on
        // Between ways equally long a careful player keeps room for a turn that comes a cell
        // late, and turns as seldom as it can: each turn is a chance to mistime a key.
        int Margin = 0;         // cells open straight on past the move, up to MarginWanted
        bool Straight = false;  // the move keeps the snake's course
        // A U-turn on two successive steps asks for two keys within one step's time; when
        // both land before the same step, the game's key order may take the second first and
        // send the snake back into itself.
        bool UTurn = false;
        int Cost() const { return Distance + (UTurn ? UTurnCost : 0); }
    };
    static constexpr int UTurnCost = 4;
    static constexpr int MarginWanted = 2;

    std::size_t Index(CellPos cell) const;
    bool Inside(CellPos cell) const;
    bool IsTarget(const Snake& snake, CellPos cell) const;
    Snake Now() const;
    void Move(Snake& snake, CellPos cell) const;
    // The first move at which the head may enter each cell; Never for walls, vipers, closed houses
    // and, when planning ahead, the ways the vipers are about to take.
    std::vector<int> FreeTimes(const Snake& snake, bool avoidVipers) const;
    void MarkViperWays();
    static bool FinishesUTurn(const Snake& snake, CellPos next);
    static bool Carefuller(const Candidate& a, const Candidate& b);
    Candidate Judge(const Snake& now, const std::vector<int>& freeNow, int direction) const;
    enum class Reach { GoOn, PassBy, Stop };
    template <typename Visit>
    void Spread(CellPos start, const std::vector<int>& freeAt, Visit visit) const;
    std::vector<CellPos> WayToTarget(const Snake& snake, const std::vector<int>& freeAt, bool throughBoulders) const;
    int Room(const Snake& snake, const std::vector<int>& freeAt) const;

    modZurk3& world_;             // read only; the snake is reached through it
    std::vector<bool> danger_;    // cells a viper may crawl into in the coming step
    std::vector<bool> viperWay_;  // those and the water straight ahead of each viper
};
