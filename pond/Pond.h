#pragma once
#include <cstdint>

#include "pond/CellPainter.h"
#include "pond/CuePlayer.h"
#include "pond/GameFrontEnd.h"
#include "pond/LevelRecord.h"
#include "pond/Playfield.h"
#include "pond/RandomSource.h"

enum GameStateValue : std::int32_t {
    StateNone = 0,
    StateRunning = 1,
    StateRunOver = 2,
    StateNoSnake = 3,
};

// What the snake, the creatures and the level share: the level in play, the live grid, the
// points and the state of the run, and the outside world they draw, sound and show through.
// The outside world is handed over when the pond is made; the pond does not own it, and it must
// outlive the pond.
class Pond {
public:
    Pond(RandomSource& random, CellPainter& painter, CuePlayer& cues, GameFrontEnd& frontEnd)
        : random_(random), painter_(painter), cues_(cues), frontEnd_(frontEnd) {}
    Pond(const Pond&) = delete;
    Pond& operator=(const Pond&) = delete;

    double Rnd() { return random_.Rnd(); }
    RandomSource& Random() { return random_; }
    GameFrontEnd& FrontEnd() { return frontEnd_; }
    void PlayCue(Cue cue) { cues_.PlayCue(cue); }

    // Paints the current content of one playfield cell; cells outside the field are ignored.
    void DrawCell(int x, int y);
    void DrawPlayfield();

    // The current level: its parameters and LevelMap, as NactiUrovenAkce copied them.
    LevelRecord Level;
    Playfield Field;

    std::int32_t GameState = StateNone;
    int LevelNo = 0;  // may reach the number of levels + 1 (256) while a game ends
    std::int32_t Score = 0;
    std::uint8_t HouseX = 0;
    std::uint8_t HouseY = 0;

private:
    RandomSource& random_;
    CellPainter& painter_;
    CuePlayer& cues_;
    GameFrontEnd& frontEnd_;
};
