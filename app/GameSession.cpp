#include "app/GameSession.h"

#include <QApplication>
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

GameSession::GameSession(QMainWindow& window, GameScreen& screen, const ProgramFolder& folder, RandomSource* random)
    : folder_(folder),
      ownRandom_(random ? nullptr : std::make_unique<SeededRandom>(ClockSeed())),
      keys_(window),
      cues_(folder, &QApplication::beep),
      boxes_(window),
      frontEnd_(window, screen, boxes_, flow_, tmrPohyb, cues_, folder),
      world_(random ? *random : *ownRandom_, screen.Canvas(), cues_, frontEnd_),
      flow_(world_, CurrentGame, keys_) {
    tmrPohyb.setParent(&window);
    tmrPohyb.setObjectName(QStringLiteral("tmrPohyb"));
    tmrPohyb.setTimerType(Qt::PreciseTimer);
    tmrPohyb.setInterval(80);
}

GameSession::Loading GameSession::LoadGameFile() {
    constexpr std::string_view GameFile = "zaklad.zurk";
    const std::string gameFile = folder_.FilePath(GameFile);
    if (CurrentGame.NactiHru(folder_.Read(GameFile, MaxGameFileSize), gameFile)) return {true, {}};
    // A folder without a game waits for one in silence; a link or a file that cannot be read is told.
    if (CurrentGame.LastFault()->File == FileReadStatus::Missing) return {};
    return {false, GameWording::LoadFault(ProgramFolder::Shown(gameFile), *CurrentGame.LastFault())};
}
