#pragma once
#include <QCoreApplication>
#include <QString>
#include <exception>

#include "game/LevelFlow.h"
#include "pond/GameFrontEnd.h"
#include "pond/clsHraZurk3.h"

// Says what the rules hand the window in the player's language: the message window's messages,
// the game's boxes and why a game file was refused. Czech is the source text.
class GameWording {
    Q_DECLARE_TR_FUNCTIONS(GameWording)
public:
    static QString Message(FlowMessage message);
    static QString NoSnake();
    static QString NoPlayableLevel();
    static QString LevelInfoTitle();                       // Tab's box
    static QString LevelNumberPrompt();                    // Ctrl+U's box
    static QString LevelInfoText(const LevelInfo& level);  // Tab's six lines
    static QString GameInfoText(const GameInfo& game);     // Informace's three lines
    // Why the game file at path cannot be loaded, in one paragraph that names the path once.
    static QString LoadFault(const QString& path, const GameLoadFault& fault);
    // Why a command failed: the failure that stopped it, caught before it reached Qt.
    static QString StartFault(const std::exception& failure);     // Start's, F2's
    static QString GameInfoFault(const std::exception& failure);  // Informace's

private:
    static QString Reason(const GameLoadFault& fault);
    static QString Reason(const std::exception& failure);
    static QString ByteCount(int n);
    static QString LevelCount(int n);
};
