#include <QTemporaryDir>
#include <QtTest>

#include "app/QtCuePlayer.h"

// A cue that cannot sound gives way to the fallback instead of failing the game.
class QtCuePlayerTest : public QObject {
    Q_OBJECT

private slots:
    void aMissingCueFallsBack() {
        QTemporaryDir empty;
        int beeps = 0;
        QtCuePlayer cues(empty.path(), [&] { ++beeps; });
        cues.PlayCue("Mnam1");
        QCOMPARE(beeps, 1);
        cues.PlayCue("Naraz");
        QCOMPARE(beeps, 2);
    }
};

QTEST_MAIN(QtCuePlayerTest)
#include "tst_QtCuePlayer.moc"
