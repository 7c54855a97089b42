#pragma once
#include <QString>
#include <QTimer>
#include <memory>

#include "app/KeyTracker.h"
#include "app/PlayerModality.h"
#include "app/WindowFrontEnd.h"
#include "game/LevelFlow.h"
#include "game/modZurk3.h"
#include "pond/RandomSource.h"
#include "pond/clsHraZurk3.h"
#include "resources/ProgramFolder.h"
#include "sound/ServerCuePlayer.h"

class GameScreen;
class QMainWindow;

// The running game behind the main window: builds and owns its object graph (the chance, the
// keys, the cues, the step timer tmrPohyb, the modality of the game's dialogs, the game file, the
// world and the level flow) and wires each part to the services it needs when it is made. Members are declared in the
// order they are needed, so each outlives everything that refers to it.
class GameSession {
public:
    // folder: where the game file and the cues lie. random: the game's source of chance; the
    // session seeds its own from the clock when none is given.
    GameSession(QMainWindow& window, GameScreen& screen, const ProgramFolder& folder, RandomSource* random);

    LevelFlow& Flow() { return flow_; }
    QTimer& StepTimer() { return tmrPohyb; }
    struct Loading {
        bool Loaded = false;
        QString Problem;  // why a game file that is there was refused, for the player
    };
    // Reads zaklad.zurk from the folder. A folder without one is no fault: the game just has
    // nothing to start.
    Loading LoadGameFile();

private:
    const ProgramFolder folder_;
    std::unique_ptr<RandomSource> ownRandom_;
    KeyTracker keys_;
    ServerCuePlayer cues_;
    QTimer tmrPohyb;
    PlayerModality boxes_;
    WindowFrontEnd frontEnd_;
    clsHraZurk3 CurrentGame;
    modZurk3 world_;
    LevelFlow flow_;
};
