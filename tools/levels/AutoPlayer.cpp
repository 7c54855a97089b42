#include "tools/levels/AutoPlayer.h"

#include <algorithm>
#include <cstdlib>

#include "creatures/clsZmije.h"
#include "game/modZurk3.h"
#include "pond/Scoring.h"

namespace {
int GrowthForKind(std::uint8_t kind) {
    switch (kind) {
    case CellBall: return BallGrowth;
    case CellFly: return FlyGrowth;
    case CellGoldenBall: return GoldenBallGrowth;
    default: return 0;
    }
}

constexpr int BoulderDetour = 1000;  // a way through boulders is taken only when there is no other
}  // namespace

AutoPlayer::AutoPlayer(modZurk3& world) : world_(world) {}

std::size_t AutoPlayer::Index(CellPos cell) const { return GridIndex(cell.x, cell.y, world_.Field.Width()); }

bool AutoPlayer::Inside(CellPos cell) const { return world_.Field.Inside(cell.x, cell.y); }

AutoPlayer::Snake AutoPlayer::Now() const {
    Snake snake;
    const clsZurk& real = *world_.Snake;
    for (int i = 0; i < real.Delka(); ++i) {
        snake.Body.push_back(real.Segment(static_cast<std::size_t>(i)).Cell());
    }
    snake.Pending = real.PendingGrowth();
    snake.HouseOpen = world_.Field.At(world_.HouseX, world_.HouseY).Data == HouseOpenSprite;
    return snake;
}

// One move of the imagined snake, eating what lies in the cell, by the rules of the real one.
void AutoPlayer::Move(Snake& snake, CellPos cell) const {
    const bool eaten = std::find(snake.Body.begin(), snake.Body.end(), cell) != snake.Body.end();
    snake.Pending += eaten ? 0 : GrowthForKind(world_.Field.Kind(cell.x, cell.y));
    snake.Body.push_front(cell);
    if (snake.Pending <= 0) {
        snake.Body.pop_back();
        return;
    }
    --snake.Pending;
    if (static_cast<int>(snake.Body.size()) == world_.Level.RequiredLength) snake.HouseOpen = true;
}

bool AutoPlayer::IsTarget(const Snake& snake, CellPos cell) const {
    const CellPos house{world_.HouseX, world_.HouseY};
    const int fromHouse = std::abs(cell.x - house.x) + std::abs(cell.y - house.y);
    if (snake.HouseOpen) return fromHouse == 0;
    // Growth still to come opens the house anyway: more food would only make the way home longer.
    if (static_cast<int>(snake.Body.size()) + snake.Pending >= world_.Level.RequiredLength) return fromHouse == 1;
    if (std::find(snake.Body.begin(), snake.Body.end(), cell) != snake.Body.end()) return false;
    const std::uint8_t kind = world_.Field.Kind(cell.x, cell.y);
    return kind == CellBall || kind == CellFly || kind == CellGoldenBall;
}

std::vector<int> AutoPlayer::FreeTimes(const Snake& snake, bool avoidVipers) const {
    const Playfield& field = world_.Field;
    std::vector<int> freeAt(static_cast<std::size_t>(field.Width() * field.Height()), Never);
    const CellPos house{world_.HouseX, world_.HouseY};
    for (int y = 1; y <= field.Height(); ++y)
        for (int x = 1; x <= field.Width(); ++x) {
            const std::uint8_t kind = field.Kind(x, y);
            const bool open = kind == CellFree || kind == CellBall || kind == CellFly || kind == CellGoldenBall ||
                              kind == CellBoulder || kind == CellSnake ||
                              (kind == CellHouse && CellPos{x, y} == house && snake.HouseOpen);
            if (open) freeAt[Index({x, y})] = 0;
        }
    // Where a viper is about to crawl is no place to plan a way through.
    if (avoidVipers)
        for (std::size_t i = 0; i < freeAt.size(); ++i)
            if (viperWay_[i]) freeAt[i] = Never;
    // Segment i leaves its cell after (length - i) moves, later by the growth still to come;
    // the head may enter on the move after that. The house cell stays a house under the snake.
    const int length = static_cast<int>(snake.Body.size());
    for (int i = 0; i < length; ++i) {
        const CellPos cell = snake.Body[static_cast<std::size_t>(i)];
        if (field.Kind(cell.x, cell.y) != CellHouse) freeAt[Index(cell)] = length - i + snake.Pending + 1;
    }
    // The house opens on the growing move that brings the snake to the required length.
    const int missing = world_.Level.RequiredLength - length;
    if (!snake.HouseOpen && missing > 0 && missing <= snake.Pending) freeAt[Index(house)] = missing + 1;
    return freeAt;
}

void AutoPlayer::MarkViperWays() {
    const std::size_t cells =
        static_cast<std::size_t>(world_.Field.Width()) * static_cast<std::size_t>(world_.Field.Height());
    danger_.assign(cells, false);
    viperWay_.assign(cells, false);
    for (const auto& viper : world_.Creatures.Vipers) {
        if (!viper->Zije() || viper->Smer() == DirNone) continue;
        // A viper goes straight on into free water; only when it is blocked may it take any free side.
        const CellPos head = viper->Segment(0).Cell();
        const CellPos ahead = Neighbour(head.x, head.y, viper->Smer());
        for (int dir = DirUp; dir <= DirLeft; ++dir) {
            const CellPos next = Neighbour(head.x, head.y, dir);
            const bool mayGo = world_.Field.IsFree(ahead.x, ahead.y) ? next == ahead : true;
            if (mayGo && world_.Field.IsFree(next.x, next.y)) danger_[Index(next)] = viperWay_[Index(next)] = true;
        }
        CellPos along = ahead;
        for (int step = 0; step < ViperLookahead && world_.Field.IsFree(along.x, along.y); ++step) {
            viperWay_[Index(along)] = true;
            along = Neighbour(along.x, along.y, viper->Smer());
        }
    }
}

// The move would finish a U-turn: it goes back the way the snake went before its last move.
bool AutoPlayer::FinishesUTurn(const Snake& snake, CellPos next) {
    if (snake.Body.size() < 3) return false;
    const CellPos head = snake.Body[0];
    const CellPos neck = snake.Body[1];
    const CellPos beforeNeck = snake.Body[2];
    return next.x - head.x == beforeNeck.x - neck.x && next.y - head.y == beforeNeck.y - neck.y;
}

bool AutoPlayer::Carefuller(const Candidate& a, const Candidate& b) {
    const bool aTurnsAtWall = a.Margin == 0;
    const bool bTurnsAtWall = b.Margin == 0;
    if (aTurnsAtWall != bTurnsAtWall) return bTurnsAtWall;
    if (a.Straight != b.Straight) return a.Straight;
    return a.Margin > b.Margin;
}

int AutoPlayer::NextDirection() {
    const Snake now = Now();
    MarkViperWays();
    const std::vector<int> freeNow = FreeTimes(now, false);
    std::vector<Candidate> candidates;
    for (int dir = DirUp; dir <= DirLeft; ++dir) {
        const Candidate candidate = Judge(now, freeNow, dir);
        if (candidate.Direction != 0) candidates.push_back(candidate);
    }
    if (candidates.empty()) return world_.Snake->Course() != 0 ? world_.Snake->Course() : DirUp;
    // Safe moves before risky ones; a safe way to a target before anything else, the shortest
    // first; failing that, a move that leaves room enough, the roomiest when none does.
    auto better = [](const Candidate& a, const Candidate& b) {
        if (a.Risky != b.Risky) return !a.Risky;
        if (a.SafeWay != b.SafeWay) return a.SafeWay;
        if (a.SafeWay) return a.Cost() != b.Cost() ? a.Cost() < b.Cost() : Carefuller(a, b);
        const bool aRoomy = a.Room >= a.Need;
        const bool bRoomy = b.Room >= b.Need;
        if (aRoomy != bRoomy) return aRoomy;
        if (!aRoomy) return a.Room > b.Room;
        if (a.Cost() != b.Cost()) return a.Cost() < b.Cost();
        if (a.Room != b.Room) return a.Room > b.Room;
        return Carefuller(a, b);
    };
    return std::min_element(candidates.begin(), candidates.end(), better)->Direction;
}

AutoPlayer::Candidate AutoPlayer::Judge(const Snake& now, const std::vector<int>& freeNow, int direction) const {
    const CellPos next = Neighbour(now.Body.front().x, now.Body.front().y, direction);
    if (!Inside(next) || freeNow[Index(next)] > 1) return {};
    Candidate candidate;
    candidate.Direction = direction;
    candidate.Risky = danger_[Index(next)];
    candidate.Straight = direction == world_.Snake->Course();
    candidate.UTurn = FinishesUTurn(now, next);
    for (CellPos ahead = Neighbour(next.x, next.y, direction);
         candidate.Margin < MarginWanted && Inside(ahead) && freeNow[Index(ahead)] <= 1;
         ahead = Neighbour(ahead.x, ahead.y, direction))
        ++candidate.Margin;
    if (now.HouseOpen && next == CellPos{world_.HouseX, world_.HouseY}) {
        candidate.SafeWay = true;  // entering the open house ends the level
        candidate.Distance = 0;
        return candidate;
    }
    Snake moved = now;
    Move(moved, next);
    const std::vector<int> freeAt = FreeTimes(moved, true);
    candidate.Room = Room(moved, freeAt);
    candidate.Need = static_cast<int>(moved.Body.size()) + moved.Pending;
    if (IsTarget(now, next)) {
        candidate.SafeWay = candidate.Room >= candidate.Need;
        candidate.Distance = 0;
        return candidate;
    }
    bool throughBoulders = false;
    std::vector<CellPos> way = WayToTarget(moved, freeAt, false);
    if (way.empty()) {
        throughBoulders = true;
        way = WayToTarget(moved, freeAt, true);
    }
    if (way.empty()) return candidate;
    candidate.Distance = static_cast<int>(way.size()) + (throughBoulders ? BoulderDetour : 0);
    Snake there = moved;
    for (const CellPos cell : way) Move(there, cell);
    const std::vector<int> freeThere = FreeTimes(there, true);
    candidate.SafeWay = Room(there, freeThere) >= static_cast<int>(there.Body.size()) + there.Pending;
    return candidate;
}

// Walks the cells the head can reach, nearest first, each entered only once it is free; visit
// tells for each newly reached cell whether to go on through it, pass it by or stop there.
template <typename Visit>
void AutoPlayer::Spread(CellPos start, const std::vector<int>& freeAt, Visit visit) const {
    std::vector<int> arrival(freeAt.size(), Never);
    arrival[Index(start)] = 0;
    std::deque<CellPos> queue{start};
    while (!queue.empty()) {
        const CellPos cell = queue.front();
        queue.pop_front();
        const int time = arrival[Index(cell)];
        for (int dir = DirUp; dir <= DirLeft; ++dir) {
            const CellPos next = Neighbour(cell.x, cell.y, dir);
            if (!Inside(next)) continue;
            const std::size_t i = Index(next);
            if (arrival[i] != Never || freeAt[i] > time + 1) continue;
            const Reach reach = visit(next, cell);
            if (reach == Reach::Stop) return;
            if (reach == Reach::PassBy) continue;
            arrival[i] = time + 1;
            queue.push_back(next);
        }
    }
}

// The cells after the head up to the nearest target, each entered only once it is free;
// empty when the head is on a target already or none can be reached.
std::vector<CellPos> AutoPlayer::WayToTarget(const Snake& snake, const std::vector<int>& freeAt,
                                             bool throughBoulders) const {
    const CellPos start = snake.Body.front();
    if (IsTarget(snake, start) || (!throughBoulders && world_.Field.Kind(start.x, start.y) == CellBoulder)) return {};
    std::vector<CellPos> from(freeAt.size(), CellPos{});
    std::vector<CellPos> way;
    Spread(start, freeAt, [&](CellPos next, CellPos cell) {
        if (!throughBoulders && world_.Field.Kind(next.x, next.y) == CellBoulder) return Reach::PassBy;
        from[Index(next)] = cell;
        if (!IsTarget(snake, next)) return Reach::GoOn;
        for (CellPos at = next; !(at == start); at = from[Index(at)]) way.push_back(at);
        std::reverse(way.begin(), way.end());
        return Reach::Stop;
    });
    return way;
}

// The cells the snake can still reach from its head, each entered only once it is free. Never
// when the snake can reach its house once it is open, or a cell of its own body just as that
// part leaves it: from there it can follow its own track for as long as the pond stays as it is.
int AutoPlayer::Room(const Snake& snake, const std::vector<int>& freeAt) const {
    const CellPos house{world_.HouseX, world_.HouseY};
    int count = 1;
    Spread(snake.Body.front(), freeAt, [&](CellPos next, CellPos) {
        if (freeAt[Index(next)] > 0 || (snake.HouseOpen && next == house)) {
            count = Never;
            return Reach::Stop;
        }
        ++count;
        return Reach::GoOn;
    });
    return count;
}
