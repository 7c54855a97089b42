// The cues as a player hears them: played through the game's own cue player to a PulseAudio
// server of the test's own, whose sink is recorded and set beside the cue files sample by sample.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/QtCuePlayer.h"
#include "app/WaveFile.h"
#include "tools/soundcheck/CueInRecording.h"
#include "tools/soundcheck/MonitorRecorder.h"
#include "tools/soundcheck/PrivateSoundServer.h"

namespace {
using Samples = std::vector<std::int16_t>;

QString CuePath(const QString& folder, Cue cue) {
    return folder + QLatin1Char('/') + QLatin1String(CueName(cue)) + QStringLiteral(".wav");
}

// The file's 16-bit samples, read here rather than by the player's own decoder.
Samples FileSamples(Cue cue) {
    QFile file(CuePath(QStringLiteral(ZURK3_PROGRAM_DIR), cue));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray read = file.readAll();
    const std::vector<std::uint8_t> bytes(read.begin(), read.end());
    const auto format = ReadWaveFormat(bytes);
    Samples samples;
    for (std::size_t at = format ? format->DataOffset : 0; format && at + 1 < format->DataOffset + format->DataSize;
         at += 2)
        samples.push_back(static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8));
    return samples;
}

int Ms(std::size_t samples) { return static_cast<int>(samples * 1000 / PrivateSoundServer::SampleRate); }
}  // namespace

class CuePlaybackTest : public QObject {
    Q_OBJECT

private:
    PrivateSoundServer server_;
    std::unique_ptr<MonitorRecorder> recording_;
    int beeps_ = 0;
    std::unique_ptr<QtCuePlayer> player_;

    // Plays the cue and waits until it has surely ended; where the recording then was.
    std::size_t Play(QtCuePlayer& player, Cue cue, int lingerMs = 300) {
        const std::size_t from = recording_->Samples().size();
        player.PlayCue(cue);
        QTest::qWait(Ms(FileSamples(cue).size()) + lingerMs);
        return from;
    }

private slots:
    void initTestCase() {
        QString why;
        QVERIFY2(server_.Start(&why), qPrintable(why));
        server_.ServeThisProcess();
        recording_ = std::make_unique<MonitorRecorder>(server_);
        QVERIFY(recording_->WaitUntilFlowing());
        player_ = std::make_unique<QtCuePlayer>(QStringLiteral(ZURK3_PROGRAM_DIR), [this] { ++beeps_; });
    }

    void everyCuePlaysWholeFromItsFirstSampleToItsLast() {
        for (Cue cue : AllCues) {
            const Samples file = FileSamples(cue);
            QVERIFY(!file.empty());
            const auto heard = FindCue(recording_->Samples(), file, Play(*player_, cue));
            QVERIFY2(heard, CueName(cue));
            QVERIFY2(heard->Intact == file.size(),
                     qPrintable(QStringLiteral("%1: the first %2 ms of %3 ms played as they are, %4 ms in all")
                                    .arg(QLatin1String(CueName(cue)))
                                    .arg(Ms(heard->Intact))
                                    .arg(Ms(file.size()))
                                    .arg(Ms(heard->Held))));
        }
        QCOMPARE(beeps_, 0);
    }

    void aNewCueFadesOutTheOneStillSounding() {
        const Samples first = FileSamples(Cue::Cil);
        const Samples second = FileSamples(Cue::Mnam1);
        const std::size_t from = Play(*player_, Cue::Cil, 200 - Ms(first.size()));
        Play(*player_, Cue::Mnam1);
        const Samples& recorded = recording_->Samples();
        const auto old = FindCue(recorded, first, from);
        QVERIFY(old);
        const auto next = FindCue(recorded, second, old->At);
        QVERIFY(next);
        const std::size_t overtaken = next->At - old->At;  // where in the first cue the second came
        QVERIFY2(old->Intact >= overtaken, qPrintable(QStringLiteral("%1 ms").arg(Ms(old->Intact))));
        // How loud the first cue still is beside the second, millisecond by millisecond: it may
        // play out what the server holds of it, then must fall silent along a ramp, not a step.
        const std::size_t window = PrivateSoundServer::SampleRate / 1000;
        std::vector<double> level;
        for (std::size_t start = 0; start < 80 * window; start += window) {
            double along = 0, own = 0;
            for (std::size_t i = start; i < start + window; ++i) {
                const double rest = recorded[next->At + i] - second[i];
                along += rest * first[overtaken + i];
                own += double(first[overtaken + i]) * first[overtaken + i];
            }
            level.push_back(along / own);
        }
        QVERIFY2(level.front() > 0.5, "cut off, not faded");
        for (std::size_t i = 1; i < level.size(); ++i) QVERIFY(level[i] <= level[i - 1] + 0.05);
        QVERIFY2(std::count_if(level.begin(), level.end(), [](double l) { return l > 0.05 && l < 0.95; }) >= 3,
                 "stopped with a step, not a ramp");
        QVERIFY2(level.back() < 0.05, "still sounding 80 ms after the new cue");
        QVERIFY2(next->Held + 80 * window >= second.size(), "the new cue is not whole beyond the fade");
    }

    // A file whose data chunk claims more than the file holds; a server that went away; no
    // server from the start. One player at a time, as in the game.
    void aDamagedCueOrAMissingServerGivesTheBeep() {
        player_.reset();
        QTemporaryDir folder;
        QVERIFY(
            QFile::copy(CuePath(QStringLiteral(ZURK3_PROGRAM_DIR), Cue::Mnam1), CuePath(folder.path(), Cue::Mnam1)));
        QFile damaged(CuePath(folder.path(), Cue::Fuj));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(
            QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0"
                       "data\0\0\0\x40",
                       44));
        damaged.close();
        int beeps = 0;
        auto player = std::make_unique<QtCuePlayer>(folder.path(), [&beeps] { ++beeps; });
        player->PlayCue(Cue::Fuj);
        QTRY_COMPARE(beeps, 1);
        QVERIFY(FindCue(recording_->Samples(), FileSamples(Cue::Mnam1), Play(*player, Cue::Mnam1)));
        QCOMPARE(beeps, 1);

        server_.Stop();
        player->PlayCue(Cue::Mnam1);
        QTRY_COMPARE(beeps, 2);
        player = std::make_unique<QtCuePlayer>(folder.path(), [&beeps] { ++beeps; });
        player->PlayCue(Cue::Mnam1);
        QTRY_COMPARE(beeps, 3);
    }
};

QTEST_GUILESS_MAIN(CuePlaybackTest)
#include "tst_CuePlayback.moc"
