// The whole game beside a sound server that has stalled (PulseAudio or PipeWire, as
// ZURK3_SOUND_SERVER says): stopped dead before the game starts, a level starts and plays on at
// its own pace, the cues asked of the server on the way; stopped in mid-game for longer than
// libpulse waits for it, the cues asked meanwhile cost no memory that grows, and sound comes back
// when it goes on. Either way Ctrl+X ends the game at once.

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "GameFileBytes.h"
#include "ResidentMemory.h"
#include "WaitFor.h"
#include "app/frmRybnik.h"
#include "pond/CuePlayer.h"
#include "pond/Scoring.h"
#include "tests/sound/MonitorRecorder.h"
#include "tests/sound/PrivateSoundServer.h"

namespace {
QString CuePath(const QString& folder, Cue cue) {
    return folder + QLatin1Char('/') + QString::fromStdString(CueFileName(cue));
}

// A folder with the game file and the game's own cues.
void MakeGameFolder(const QTemporaryDir& folder, const GameFileBytes& game) {
    game.WriteTo(QFile::encodeName(folder.filePath(QStringLiteral("zaklad.zurk"))).toStdString());
    for (Cue cue : AllCues)
        QVERIFY(QFile::copy(CuePath(QStringLiteral(ZURK3_PROGRAM_DIR), cue), CuePath(folder.path(), cue)));
}

// The longest and densest cue the game takes: ten seconds of a tone at 384 kHz, 7.5 MB, more than
// a sound server queues for a stream.
void WriteLongDenseCue(const QString& path) {
    constexpr quint32 rate = 384000;
    constexpr quint32 frames = 10 * rate;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * frames);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << rate << 2 * rate << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << 2 * frames;
    for (quint32 frame = 0; frame < frames; ++frame) out << qint16(frame % 800 < 400 ? 4000 : -4000);
    QVERIFY(out.status() == QDataStream::Ok);
}

int Score(const frmRybnik& window) { return window.findChild<QLabel*>(QStringLiteral("lblBody"))->text().toInt(); }

// Ctrl+X, and how long the game took to end.
qint64 QuitTime(std::unique_ptr<frmRybnik>& window) {
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    if (!WaitFor([&window] { return !window->isVisible(); }, 2000)) return -1;
    window.reset();
    return clock.elapsed();
}
}  // namespace

class StalledServerGameTest : public QObject {
    Q_OBJECT

    PrivateSoundServer server_;

private slots:
    void initTestCase() {
        QString why;
        QVERIFY2(server_.Start(&why), qPrintable(why));
        server_.ServeThisProcess();
    }

    void aLevelPlaysOnAndCtrlXEndsTheGameAtOnce() {
        // A long corridor with two balls just ahead of the house: two cues within the first steps.
        QTemporaryDir folder;
        GameFileBytes game(1, 3);
        MakeGameFolder(folder, game.Level(50, 3, 0, 40).House(2, 2, 2).Cell(CellBall, 5, 2, 1).Cell(CellBall, 8, 2, 1));

        // Anything of the game's own that waited for the server would hold it for as long as the
        // server stalls: libpulse gives up after about 30 s. The level itself takes half a second.
        server_.Freeze();
        QElapsedTimer playing;
        playing.start();
        auto window = std::make_unique<frmRybnik>(folder.path());
        window->Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F2);
        QTest::keyClick(window.get(), Qt::Key_Right);
        const bool bothEaten = WaitFor([&] { return Score(*window) >= 2 * BallPoints + 20 * StepPoints; }, 10000);
        QVERIFY2(
            bothEaten && playing.elapsed() < 10000,
            qPrintable(
                QStringLiteral("%1 ms from the start to a score of %2").arg(playing.elapsed()).arg(Score(*window))));

        const qint64 quit = QuitTime(window);
        QVERIFY2(quit >= 0 && quit < 200, qPrintable(QStringLiteral("%1 ms from Ctrl+X to the game's end").arg(quit)));
        server_.Thaw();
    }

    // A player's cue of ten seconds at 384 kHz for the balls, and the server stopped in mid-game
    // for longer than libpulse waits for it (30 s), the snake eating on. Each ball's cue asked of
    // a server that does not take it must not be kept for it: what the first cues of the stall
    // hold is all it may cost. Crash after crash the level repeats, so the cues keep coming.
    void aLongStallInMidGameCostsNoGrowingMemoryAndSoundComesBack() {
        QTemporaryDir folder;
        GameFileBytes game(1, 255);
        game.Level(50, 3, 0, 500).House(2, 2, 2);
        for (int x = 4; x < 50; x += 2) game.Cell(CellBall, x, 2, 1);
        MakeGameFolder(folder, game);
        WriteLongDenseCue(CuePath(folder.path(), Cue::Mnam1));
        auto window = std::make_unique<frmRybnik>(folder.path());
        window->Form_Load();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F2);
        // Right starts the snake, and again after each crash, once the level is set up again.
        QTimer steer;
        QObject::connect(&steer, &QTimer::timeout, [&window] { QTest::keyClick(window.get(), Qt::Key_Right); });
        steer.start(200);
        // The link is made and the first balls' cues are heard before the server stops.
        QVERIFY(WaitFor([&] { return Score(*window) >= 3 * BallPoints; }, 10000));
        server_.Freeze();
        QElapsedTimer stalled;
        stalled.start();
        QVERIFY(WaitFor([&] { return Score(*window) >= 8 * BallPoints; }, 10000));
        QVERIFY(ResidentMemory::ResetPeak());
        [[maybe_unused]] const long long before = ResidentMemory::Now();  // unread under the sanitizer
        const int scoreBefore = Score(*window);
        QTest::qWait(static_cast<int>(35000 - stalled.elapsed()));
        QVERIFY2(Score(*window) >= scoreBefore + 40 * BallPoints, "the snake did not eat on");
#ifndef ZURK3_RESIDENT_MEMORY_NOT_THE_GAMES
        const long long grown = ResidentMemory::Peak() - before;
        QVERIFY2(grown < 5 << 20, qPrintable(QStringLiteral("%1 MB more while the server stalled").arg(grown >> 20)));
#endif

        // Sound comes back while the game plays on, and the game still ends at once.
        server_.Thaw();
        MonitorRecorder recording(server_);
        QVERIFY(recording.WaitUntilFlowing());
        const bool heard = WaitFor(
            [&recording] {
                const auto& samples = recording.Samples();
                return std::any_of(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; });
            },
            15000);
        QVERIFY2(heard, "no cue after the server went on");
        const qint64 quit = QuitTime(window);
        QVERIFY2(quit >= 0 && quit < 200, qPrintable(QStringLiteral("%1 ms from Ctrl+X to the game's end").arg(quit)));
    }
};

QTEST_MAIN(StalledServerGameTest)
#include "tst_StalledServerGame.moc"
