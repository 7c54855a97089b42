#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/CellKinds.h"
#include "game/CellPainter.h"
#include "game/CuePlayer.h"
#include "game/GameFrontEnd.h"
#include "game/LevelRecord.h"
#include "game/Playfield.h"
#include "game/RandomSource.h"

class clsZurk;
class clsZmije;
class clsMuska;
class clsPotapnik;

enum GameStateValue : std::int32_t {
    StateNone = 0,
    StateRunning = 1,
    StateRunOver = 2,
    StateNoSnake = 3,
};

// The state every part of a running game shares: one instance per game, passed by reference.
class modZurk3 {
public:
    modZurk3();
    ~modZurk3();
    modZurk3(const modZurk3&) = delete;
    modZurk3& operator=(const modZurk3&) = delete;

    // The outside world; the world does not own them and they must outlive it.
    void UseRandom(RandomSource& random) { random_ = &random; }
    void UsePainter(CellPainter& painter) { painter_ = &painter; }
    void UseCues(CuePlayer& cues) { cues_ = &cues; }
    void UseFrontEnd(GameFrontEnd& frontEnd) { frontEnd_ = &frontEnd; }

    double Rnd() { return random_->Rnd(); }
    RandomSource& Random() { return *random_; }
    GameFrontEnd& FrontEnd() { return *frontEnd_; }
    void PlayCue(const std::string& name) { cues_->PlayCue(name); }

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
    int SpriteSet = 1;
    int CellSize = 20;

    // The player's snake, created on first use, released between levels.
    clsZurk& Snake();
    bool HasSnake() const { return snake_ != nullptr; }
    void ReleaseSnake();

    // Flies keyed "1", "2", ... : the fly with key k is Flies[k - 1].
    std::vector<std::unique_ptr<clsMuska>> Flies;
    clsMuska* FindFly(int key);

    std::vector<std::unique_ptr<clsZmije>> Vipers;

    // The golden ball's keeper, created on first use so that it reads the level in play.
    clsPotapnik& Beetle();
    bool HasBeetle() const { return beetle_ != nullptr; }
    void ReleaseBeetle();

    // The creatures and the snake of a finished level go, each freeing its cells,
    // before the next playfield is built.
    void ReleaseLevelObjects();

private:
    RandomSource* random_;
    CellPainter* painter_;
    CuePlayer* cues_;
    GameFrontEnd* frontEnd_;

    std::unique_ptr<clsZurk> snake_;
    std::unique_ptr<clsPotapnik> beetle_;
};
