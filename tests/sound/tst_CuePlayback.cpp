// The cues as a player hears them: played through the game's own cue player to a sound server
// of the test's own (PulseAudio, or PipeWire, as ZURK3_SOUND_SERVER says), whose sink is recorded
// and set beside the cue files sample by sample. Two busy processes keep the machine loaded for
// the whole test, as a player's desktop often is. What the server says it lost itself, in cycles
// its graph missed, is excused; a sample the player lost never is.

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "sound/ServerCuePlayer.h"
#include "sound/WaveFile.h"
#include "tests/common/WaitFor.h"
#include "tests/sound/CueInRecording.h"
#include "tests/sound/MonitorRecorder.h"
#include "tests/sound/PrivateSoundServer.h"

namespace {
using Samples = std::vector<std::int16_t>;

QString CuePath(const QString& folder, Cue cue) {
    return folder + QLatin1Char('/') + QString::fromStdString(CueFileName(cue));
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
constexpr std::size_t SamplesPerMs = PrivateSoundServer::SampleRate / 1000;
// However busy the machine, a cue is heard within this.
constexpr int HeardWithinMs = 5000;

// Waits for a player's beep count to reach `count`; true if it is then exactly that.
bool BeepsReach(const int& beeps, int count) {
    return WaitFor([&] { return beeps >= count; }, HeardWithinMs) && beeps == count;
}
}  // namespace

class CuePlaybackTest : public QObject {
    Q_OBJECT

private:
    PrivateSoundServer server_;
    std::unique_ptr<MonitorRecorder> recording_;
    std::vector<std::unique_ptr<QProcess>> load_;
    int beeps_ = 0;
    std::unique_ptr<ServerCuePlayer> player_;

    // Waits until the recording holds the cue from `from` on, whole and followed by `after`
    // milliseconds more, or until it surely never will; what it holds of the cue then.
    std::optional<CueHeard> WaitForCue(const Samples& cue, std::size_t from, int after = 0) {
        QDeadlineTimer deadline(HeardWithinMs + Ms(cue.size()));
        std::optional<CueHeard> heard;
        do {
            QTest::qWait(20);
            heard = FindCue(recording_->Samples(), cue, from);
        } while (!deadline.hasExpired() && !(heard && heard->At + cue.size() + std::size_t(after) * SamplesPerMs <=
                                                          recording_->Samples().size()));
        return heard;
    }

    std::optional<CueHeard> Play(ServerCuePlayer& player, Cue cue) {
        const std::size_t from = recording_->Samples().size();
        player.PlayCue(cue);
        return WaitForCue(FileSamples(cue), from);
    }

    // Plays the cue; whether the recording holds it whole. A play in which the server says it
    // missed cycles of its own tells nothing of the player, whose samples it may have lost: the cue
    // is played again. The server logs a missed cycle as the next begins: a moment after its sound.
    bool PlayedWhole(ServerCuePlayer& player, Cue cue, QString* heardAs) {
        const std::size_t length = FileSamples(cue).size();
        for (int plays = 0; plays < 5; ++plays) {
            const std::size_t missedBefore = server_.MissedCycles();
            const auto heard = Play(player, cue);
            if (heard && heard->Intact == length) return true;
            *heardAs = !heard ? QStringLiteral("%1: not heard").arg(QLatin1String(CueName(cue)))
                              : QStringLiteral("%1: the first %2 ms of %3 ms played as they are, %4 ms in all")
                                    .arg(QLatin1String(CueName(cue)))
                                    .arg(Ms(heard->Intact))
                                    .arg(Ms(length))
                                    .arg(Ms(heard->Held));
            if (!WaitFor([&] { return server_.MissedCycles() > missedBefore; }, 250)) return false;
            qInfo("%s, in cycles the server says it missed: played again", qPrintable(*heardAs));
        }
        *heardAs += QStringLiteral(", and the server missed cycles in each of five plays");
        return false;
    }

    // What the server says of each of the game's streams.
    QStringList OurSinkInputs() const {
        QStringList inputs = server_.Report({QStringLiteral("list"), QStringLiteral("sink-inputs")})
                                 .split(QStringLiteral("Sink Input #"), Qt::SkipEmptyParts);
        inputs.removeIf([](const QString& input) { return !input.contains(QStringLiteral("\"Zurk3\"")); });
        return inputs;
    }

    void StartRecording() {
        recording_ = std::make_unique<MonitorRecorder>(server_);
        QVERIFY(recording_->WaitUntilFlowing());
    }

private slots:
    void initTestCase() {
        QString why;
        QVERIFY2(server_.Start(&why), qPrintable(why));
        server_.ServeThisProcess();
        StartRecording();
        for (int i = 0; i < 2; ++i) {
            load_.push_back(std::make_unique<QProcess>());
            load_.back()->setChildProcessModifier(EndWithParent);
            load_.back()->start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
            QVERIFY(load_.back()->waitForStarted());
        }
        player_ = std::make_unique<ServerCuePlayer>(QStringLiteral(ZURK3_PROGRAM_DIR), [this] { ++beeps_; });
    }

    void cleanupTestCase() {
        for (const auto& busy : load_) {
            busy->kill();
            busy->waitForFinished();
        }
    }

    void everyCuePlaysWholeFromItsFirstSampleToItsLast() {
        for (int round = 0; round < 3; ++round)
            for (Cue cue : AllCues) {
                QString heard;
                QVERIFY2(PlayedWhole(*player_, cue, &heard), qPrintable(heard));
            }
        QCOMPARE(beeps_, 0);
    }

    void aNewCueFadesOutTheOneStillSounding() {
        const Samples first = FileSamples(Cue::Cil);
        const Samples second = FileSamples(Cue::Mnam1);
        for (int rounds = 0, spoilt = 0; rounds < 5; ++rounds) {
            const std::size_t missedBefore = server_.MissedCycles();
            const std::size_t from = recording_->Samples().size();
            player_->PlayCue(Cue::Cil);
            // The new cue comes once the first has sounded a while, as a ball eaten after a crash would.
            QVERIFY(WaitFor([&] { return bool(FindCue(recording_->Samples(), first, from)); }, HeardWithinMs));
            player_->PlayCue(Cue::Mnam1);
            const auto next = WaitForCue(second, from, 100);
            QVERIFY(next);
            // A round in which the server missed a cycle says nothing of the fade: it is played again.
            if (server_.MissedCycles() > missedBefore) {
                QVERIFY2(++spoilt < 5, "the server missed cycles in five rounds");
                --rounds;
                continue;
            }
            const Samples& recorded = recording_->Samples();
            const auto old = FindCue(recorded, first, from);
            QVERIFY(old && old->At < next->At);
            const std::size_t overtaken = next->At - old->At;  // where in the first cue the second came
            QVERIFY2(overtaken + 80 * SamplesPerMs < first.size(), "the first cue had nearly ended");
            QVERIFY2(old->Intact >= overtaken, qPrintable(QStringLiteral("%1 ms").arg(Ms(old->Intact))));
            // How loud the first cue still is beside the second, millisecond by millisecond: it may
            // play out what the server holds of it, then must fall silent along a ramp, not a step.
            const std::vector<double> level = LevelUnder(recorded, first, *old, second, *next, 80, SamplesPerMs);
            QCOMPARE(level.size(), std::size_t{80});
            QVERIFY2(level.front() > 0.5, "cut off, not faded");
            for (std::size_t i = 1; i < level.size(); ++i) QVERIFY(level[i] <= level[i - 1] + 0.05);
            QVERIFY2(std::count_if(level.begin(), level.end(), [](double l) { return l > 0.05 && l < 0.95; }) >= 3,
                     "stopped with a step, not a ramp");
            QVERIFY2(std::all_of(level.begin() + 60, level.end(), [](double l) { return l < 0.05; }),
                     "still sounding 60 ms after the new cue");
            QVERIFY2(next->Held + 60 * SamplesPerMs >= second.size(), "the new cue is not whole beyond the fade");
        }
        QCOMPARE(beeps_, 0);
    }

    // PipeWire runs its whole graph at the shortest period a client asks for. A busy machine now
    // and then keeps the server from its CPU for a few milliseconds, which at 256-frame periods
    // costs a period of a cue now and then: the cue player asks for no less than 512.
    void onPipeWireTheCuesAskForPeriodsABusyMachineKeepsUpWith() {
        if (server_.Which() != PrivateSoundServer::Kind::PipeWire) QSKIP("a PipeWire server's period");
        QVERIFY(Play(*player_, Cue::Mnam1));
        const QStringList ours = OurSinkInputs();
        QVERIFY(!ours.isEmpty());
        for (const QString& input : ours) {
            const QRegularExpressionMatch latency =
                QRegularExpression(QStringLiteral("node\\.latency = \"(\\d+)/(\\d+)\"")).match(input);
            QVERIFY2(latency.hasMatch(), qPrintable(input));
            const int frames =
                latency.captured(1).toInt() * PrivateSoundServer::SampleRate / latency.captured(2).toInt();
            QVERIFY2(frames >= 512, qPrintable(input));
        }
    }

    // The desktop's mixer lists the game's sound by the game's name, with its desktop entry and
    // icon, in the role of a game: where the player looks for the game's volume.
    void theMixerShowsTheGameByItsNameIdIconAndRole() {
        QVERIFY(Play(*player_, Cue::Mnam1));
        const QStringList ours = OurSinkInputs();
        QVERIFY(!ours.isEmpty());
        for (const QString& input : ours)
            for (const QString& property : {QStringLiteral("application.name = \"Zurk3\""),
                                            QStringLiteral("application.id = \"" ZURK3_APP_ID "\""),
                                            QStringLiteral("application.icon_name = \"" ZURK3_APP_ID "\""),
                                            QStringLiteral("media.role = \"game\"")})
                QVERIFY2(input.contains(property), qPrintable(property + QStringLiteral(" not in:\n") + input));
    }

    // A stream with nothing to play is corked after a few seconds, so that a real device may
    // suspend; the next cue still plays whole.
    void idleStreamsAreCorkedAndTheNextCueStillPlays() {
        const auto allCorked = [this] {
            const QStringList ours = OurSinkInputs();
            return !ours.isEmpty() && std::all_of(ours.begin(), ours.end(), [](const QString& input) {
                return input.contains(QStringLiteral("Corked: yes"));
            });
        };
        QVERIFY(!allCorked());
        QVERIFY(WaitFor(allCorked, 20000));
        QString heard;
        QVERIFY2(PlayedWhole(*player_, Cue::Naraz, &heard), qPrintable(heard));
    }

    // A stalled server costs nothing but sound: no call waits for it, the player ends at once,
    // and a player that comes to it then gives the beep.
    void aStalledServerHoldsNothingUp() {
        server_.Freeze();
        QElapsedTimer clock;
        clock.start();
        for (Cue cue : AllCues) player_->PlayCue(cue);
        QVERIFY2(clock.elapsed() < 200, qPrintable(QStringLiteral("%1 ms to ask for six cues").arg(clock.elapsed())));
        int beeps = 0;
        auto late = std::make_unique<ServerCuePlayer>(QStringLiteral(ZURK3_PROGRAM_DIR), [&beeps] { ++beeps; });
        late->PlayCue(Cue::Cil);
        QVERIFY(BeepsReach(beeps, 1));
        clock.restart();
        late.reset();
        player_.reset();
        QVERIFY2(clock.elapsed() < 200, qPrintable(QStringLiteral("%1 ms to end two players").arg(clock.elapsed())));
        server_.Thaw();
        player_ = std::make_unique<ServerCuePlayer>(QStringLiteral(ZURK3_PROGRAM_DIR), [this] { ++beeps_; });
        QVERIFY(Play(*player_, Cue::Mnam1));
    }

    // A file whose data chunk claims more than the file holds; a link to a whole cue outside the
    // folder, which is not followed; a server that went away and came back; no server at all. One
    // player at a time, as in the game.
    void aDamagedCueOrAMissingServerGivesTheBeep() {
        player_.reset();
        QTemporaryDir folder;
        QVERIFY(
            QFile::copy(CuePath(QStringLiteral(ZURK3_PROGRAM_DIR), Cue::Mnam1), CuePath(folder.path(), Cue::Mnam1)));
        QVERIFY(QFile::link(CuePath(QStringLiteral(ZURK3_PROGRAM_DIR), Cue::Cil), CuePath(folder.path(), Cue::Cil)));
        QFile damaged(CuePath(folder.path(), Cue::Fuj));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(
            QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0"
                       "data\0\0\0\x40",
                       44));
        damaged.close();
        int beeps = 0;
        auto player = std::make_unique<ServerCuePlayer>(folder.path(), [&beeps] { ++beeps; });
        player->PlayCue(Cue::Fuj);
        QVERIFY(BeepsReach(beeps, 1));
        player->PlayCue(Cue::Cil);
        QVERIFY(BeepsReach(beeps, 2));
        QVERIFY(Play(*player, Cue::Mnam1));
        QCOMPARE(beeps, 2);

        server_.Stop();
        player->PlayCue(Cue::Mnam1);
        QVERIFY(BeepsReach(beeps, 3));
        QString why;
        QVERIFY2(server_.Start(&why), qPrintable(why));
        StartRecording();
        QString back;
        QVERIFY2(PlayedWhole(*player, Cue::Mnam1, &back), qPrintable(back));
        QCOMPARE(beeps, 3);

        server_.Stop();
        player = std::make_unique<ServerCuePlayer>(folder.path(), [&beeps] { ++beeps; });
        player->PlayCue(Cue::Mnam1);
        QVERIFY(BeepsReach(beeps, 4));
    }
};

QTEST_GUILESS_MAIN(CuePlaybackTest)
#include "tst_CuePlayback.moc"
