// The whole game beside a sound server that has stalled (stopped dead before the game starts, as
// ZURK3_SOUND_SERVER says which): a level starts and plays on at its own pace, the cues asked of
// the server on the way, and Ctrl+X ends the game at once.

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "GameFileBytes.h"
#include "WaitFor.h"
#include "app/frmRybnik.h"
#include "pond/CuePlayer.h"
#include "pond/Scoring.h"
#include "tests/sound/PrivateSoundServer.h"

namespace {
QString CuePath(const QString& folder, Cue cue) {
    return folder + QLatin1Char('/') + QLatin1String(CueName(cue)) + QStringLiteral(".wav");
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
        game.Level(50, 3, 0, 40).House(2, 2, 2).Cell(CellBall, 5, 2, 1).Cell(CellBall, 8, 2, 1);
        game.WriteTo(QFile::encodeName(folder.filePath(QStringLiteral("zaklad.zurk"))).toStdString());
        for (Cue cue : AllCues)
            QVERIFY(QFile::copy(CuePath(QStringLiteral(ZURK3_PROGRAM_DIR), cue), CuePath(folder.path(), cue)));

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
        const auto* score = window->findChild<QLabel*>(QStringLiteral("lblBody"));
        const bool bothEaten =
            WaitFor([score] { return score->text().toInt() >= 2 * BallPoints + 20 * StepPoints; }, 10000);
        QVERIFY2(
            bothEaten && playing.elapsed() < 10000,
            qPrintable(
                QStringLiteral("%1 ms from the start to a score of %2").arg(playing.elapsed()).arg(score->text())));

        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
        QVERIFY(WaitFor([&window] { return !window->isVisible(); }, 2000));
        window.reset();
        QVERIFY2(clock.elapsed() < 200,
                 qPrintable(QStringLiteral("%1 ms from Ctrl+X to the game's end").arg(clock.elapsed())));
        server_.Thaw();
    }
};

QTEST_MAIN(StalledServerGameTest)
#include "tst_StalledServerGame.moc"
