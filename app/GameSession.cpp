#include "app/GameSession.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <chrono>

#include "app/GameScreen.h"
#include "app/GameWording.h"
#include "app/PlayfieldCanvas.h"

namespace {
std::uint32_t ClockSeed() {
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
}  // namespace

GameSession::GameSession(QMainWindow& window, GameScreen& screen, HandlerGuard& guard, const QString& folder,
                         RandomSource* random)
    : folder_(folder),
      ownRandom_(random ? nullptr : std::make_unique<SeededRandom>(ClockSeed())),
      keys_(window),
      cues_(folder),
      frontEnd_(window, screen, guard, tmrPohyb, cues_),
      world_(random ? *random : *ownRandom_, screen.Canvas(), cues_, frontEnd_),
      flow_(world_, CurrentGame, keys_) {
    tmrPohyb.setParent(&window);
    tmrPohyb.setObjectName(QStringLiteral("tmrPohyb"));
    tmrPohyb.setTimerType(Qt::PreciseTimer);
    tmrPohyb.setInterval(80);
}

GameSession::Loading GameSession::LoadGameFile() {
    const QString gameFile = QDir(folder_).filePath(QStringLiteral("zaklad.zurk"));
    if (CurrentGame.NactiHru(gameFile.toStdString())) return {true, {}};
    if (!QFileInfo::exists(gameFile)) return {};
    return {false, GameWording::LoadFault(gameFile, *CurrentGame.LastFault())};
}
