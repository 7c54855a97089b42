#include <gtest/gtest.h>

#include "Draws.h"
#include "TestPond.h"

// Every head, body and tail picture of the snake and of a viper, met by walking them round both
// ways. The expected pictures come from where each segment's neighbours lie, by the game's tables.
namespace {
struct Tables {
    int head[4];     // moving up, right, down, left
    int body[4][4];  // by the way the tube came in (rows) and the way it goes on (columns); 0 never
    int tail[4];     // the next segment lying up, right, down, left
};
const Tables Snake{
    {10, 11, 12, 13}, {{23, 15, 0, 16}, {17, 22, 16, 0}, {0, 14, 23, 17}, {14, 0, 15, 22}}, {18, 19, 20, 21}};
const Tables Viper{
    {31, 32, 33, 34}, {{44, 36, 0, 37}, {38, 43, 37, 0}, {0, 35, 44, 38}, {35, 0, 36, 43}}, {39, 40, 41, 42}};

int Way(CellPos from, CellPos to) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    return dy < 0 ? DirUp : dx > 0 ? DirRight : dy > 0 ? DirDown : DirLeft;
}

// Checks every segment's picture; cells is head first. The tail shows a tail once it has moved.
void ExpectPictures(const TestPond& pond, const std::vector<CellPos>& cells, const Tables& tables, bool tailMoved) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const CellPos cell = cells[i];
        if (pond.Kind(cell.x, cell.y) == CellHouse) continue;
        int expected = 0;
        if (i == 0)
            expected = tables.head[Way(cells[1], cell) - 1];
        else if (i + 1 == cells.size() && tailMoved)
            expected = tables.tail[Way(cell, cells[i - 1]) - 1];
        else if (i + 1 < cells.size())
            expected = tables.body[Way(cells[i + 1], cell) - 1][Way(cell, cells[i - 1]) - 1];
        else
            continue;
        EXPECT_EQ(pond.Data(cell.x, cell.y), expected) << "segment " << i << " at " << cell.x << "," << cell.y;
    }
}

}  // namespace

TEST(Pictures, TheSnakeRoundASquareBothWays) {
    const std::pair<int, std::vector<int>> walks[] = {
        {2, {DirRight, DirRight, DirRight, DirDown, DirDown, DirLeft, DirLeft, DirUp, DirRight}},
        {6, {DirLeft, DirLeft, DirLeft, DirDown, DirDown, DirRight, DirRight, DirUp, DirLeft}},
    };
    for (const auto& [houseX, moves] : walks) {
        TestPond pond(TestPond::Walled(7, 5));
        pond.world.Level.Cell(houseX, 2) = {CellHouse, 4};
        pond.CopyMapOnly();
        pond.PlaceSnake(houseX, 2, 4);
        for (std::size_t step = 0; step < moves.size(); ++step) {
            pond.snake().Posun(moves[step]);
            std::vector<CellPos> cells;
            for (std::size_t i = 0; i < static_cast<std::size_t>(pond.snake().Delka()); ++i)
                cells.push_back(pond.snake().Segment(i).Cell());
            ExpectPictures(pond, cells, Snake, step >= 3);
        }
    }
}

TEST(Pictures, AViperRoundARingTrackBothWays) {
    for (int firstWay : {DirRight, DirDown}) {
        CopiedPond pond({"#######", "#.....#", "#.###.#", "#.###.#", "#.....#", "#######"});
        pond.random.Add({Draw::FirstSide(firstWay)});
        clsZmije& viper = pond.AddViper(2, 2, 4);
        for (int step = 1; step <= 16; ++step) {
            pond.random.Add({Draw::FirstSide(DirUp)});  // at a corner the only free side is the way on
            viper.Posun();
            std::vector<CellPos> cells;
            for (std::size_t i = 0; i < static_cast<std::size_t>(viper.Delka()); ++i)
                cells.push_back(viper.Segment(i).Cell());
            ExpectPictures(pond, cells, Viper, step >= 4);
        }
    }
}
