// How soon and how whole the game's cues sound, heard on a sound server of our own (PulseAudio,
// or PipeWire when ZURK3_SOUND_SERVER=pipewire):
//   zurk3-cue-timing delays [PLAYS]
//       plays each cue PLAYS times (20) through the game's own cue player and prints, per cue,
//       how long after the call its first sample reached the sink (median and worst) and how
//       many plays were whole, and of a play not whole, whether it came late after a gap, every
//       sample in order, or lost samples on the way; then the same for a cue started over one
//       still sounding, and how long after that call the cue it replaced fell silent; last, the
//       first cue after a pause long enough for the streams to be corked.
//   zurk3-cue-timing serve [--stalled] -- PROGRAM [ARGS...]
//       runs PROGRAM as a client of such a server, records the sink meanwhile, and lists every
//       cue heard: when (on the monotonic clock, and in seconds after PROGRAM started), for how
//       long, and whether whole. --stalled stops the server dead (SIGSTOP) before PROGRAM starts
//       and lets it go on once PROGRAM has ended.
// The cues are those of the game's program folder. A delay is measured to when the sink took
// the cue's first sample, as the blocks of its recording tell it (SampleClock::TimeOf): never
// less than the true delay, and more only by the time the recording took to come.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <map>
#include <sched.h>
#include <vector>

#include "measure/cue-timing/CuePieces.h"
#include "measure/cue-timing/SampleClock.h"
#include "sound/ServerCuePlayer.h"
#include "sound/WaveFile.h"
#include "tests/sound/CueInRecording.h"
#include "tests/sound/MonitorRecorder.h"
#include "tests/sound/PrivateSoundServer.h"

namespace {
using Samples = std::vector<std::int16_t>;
using Clock = MonitorRecorder::Clock;

const QString Folder = QStringLiteral(ZURK3_PROGRAM_DIR);

Samples CueSamples(Cue cue) {
    QFile file(Folder + QLatin1Char('/') + QString::fromStdString(CueFileName(cue)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray read = file.readAll();
    const std::vector<std::uint8_t> bytes(read.begin(), read.end());
    const auto format = ReadWaveFormat(bytes);
    return format ? DecodeSamples(bytes, *format) : Samples{};
}

constexpr std::size_t SamplesPerMs = PrivateSoundServer::SampleRate / 1000;

double Ms(std::size_t samples) { return 1000.0 * static_cast<double>(samples) / PrivateSoundServer::SampleRate; }

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// Lets the event loop run, so that the recording keeps coming in.
void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Plays {
    std::vector<double> DelaysMs;
    int Whole = 0;
    int Count = 0;
    int Late = 0;  // not whole, but every sample came, in order, after a gap
    int Lost = 0;  // not whole: samples never came

    void Add(const std::optional<CueHeard>& heard, bool whole, const SampleClock& clock, Clock::time_point called) {
        ++Count;
        if (!heard) return;
        DelaysMs.push_back(1000 * Seconds(clock.TimeOf(heard->At) - called));
        Whole += whole ? 1 : 0;
    }
    void Print(const char* name) {
        std::sort(DelaysMs.begin(), DelaysMs.end());
        if (DelaysMs.empty()) {
            std::printf("%-22s never heard in %d plays\n", name, Count);
            return;
        }
        std::printf("%-22s %8.1f %8.1f   %d of %d", name, DelaysMs[DelaysMs.size() / 2], DelaysMs.back(), Whole, Count);
        if (Late + Lost > 0) std::printf(" (late after a gap: %d, samples lost: %d)", Late, Lost);
        std::printf("\n");
    }
};

// Says why a play from the recording's sample `from` on was not whole: gaps it came late after,
// or samples that never came; and counts it as late or as lost.
void TellWhyNotWhole(Cue cue, const Samples& samples, const MonitorRecorder& recording, std::size_t from,
                     Plays& plays) {
    const CuePieces pieces =
        FindPieces(recording.Samples(), samples, from, SamplesPerMs, PrivateSoundServer::SampleRate);
    std::printf("  %s, play %d: not whole:", CueName(cue), plays.Count);
    for (const auto& gap : pieces.Gaps)
        std::printf(" a gap of %.1f ms after its first %.1f ms;", Ms(gap.Length), Ms(gap.At));
    if (pieces.Lost > 0) {
        std::printf(" %.1f ms of it lost\n", Ms(pieces.Lost));
        ++plays.Lost;
    } else if (!pieces.Gaps.empty()) {
        std::printf(" nothing lost\n");
        ++plays.Late;
    } else {
        std::printf(" nothing lost, no gap: only where it is quiet does it differ\n");
    }
}

bool StartServer(PrivateSoundServer& server) {
    QString why;
    if (server.Start(&why)) return true;
    std::fprintf(stderr, "no sound server: %s\n", qPrintable(why));
    return false;
}

// Runs the event loop until the recording holds the cue whole from `from` on, or surely never will.
std::optional<CueHeard> WaitForCue(const MonitorRecorder& recording, const Samples& cue, std::size_t from) {
    QDeadlineTimer deadline(static_cast<qint64>(Ms(cue.size())) + 3000);
    std::optional<CueHeard> heard;
    do {
        Wait(10);
        heard = FindCue(recording.Samples(), cue, from);
    } while (!deadline.hasExpired() && !(heard && heard->Intact == cue.size()));
    return heard;
}

// Where, at or after the second cue's start, the first one has fallen silent.
std::optional<std::size_t> FadedBy(const Samples& recorded, const Samples& first, const CueHeard& old,
                                   const Samples& second, const CueHeard& next) {
    const auto level = LevelUnder(recorded, first, old, second, next, second.size() / SamplesPerMs, SamplesPerMs);
    const auto silent = std::find_if(level.begin(), level.end(), [](double l) { return l < 0.05; });
    if (silent == level.end()) return std::nullopt;
    return next.At + static_cast<std::size_t>(silent - level.begin()) * SamplesPerMs;
}

int MeasureDelays(int plays) {
    // Each sample's time comes from when the recording's blocks reached this thread: where the
    // system grants it, no busy process makes that late.
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    sched_setscheduler(0, SCHED_RR, &param);
    PrivateSoundServer server;
    if (!StartServer(server)) return 1;
    server.ServeThisProcess();
    MonitorRecorder recording(server);
    if (!recording.WaitUntilFlowing()) return 1;
    const SampleClock clock(recording, server);
    int beeps = 0;
    ServerCuePlayer player(Folder, [&beeps] { ++beeps; });
    player.Prepare();
    Wait(500);

    std::printf("%s\n", PrivateSoundServer::Name(server.Which()));
    std::printf("%-22s %8s %8s   %s\n", "cue", "median", "worst", "whole");
    std::printf("%-22s %8s %8s\n", "", "ms", "ms");
    for (Cue cue : AllCues) {
        const Samples samples = CueSamples(cue);
        Plays result;
        for (int i = 0; i < plays; ++i) {
            const std::size_t from = recording.Samples().size();
            const auto called = Clock::now();
            player.PlayCue(cue);
            const auto heard = WaitForCue(recording, samples, from);
            const bool whole = heard && heard->Intact == samples.size();
            result.Add(heard, whole, clock, called);
            if (!whole) TellWhyNotWhole(cue, samples, recording, from, result);
        }
        result.Print(CueName(cue));
    }
    // Mnam1 once Cil has sounded a while: it starts on a stream of its own while Cil fades.
    const Samples first = CueSamples(Cue::Cil);
    const Samples second = CueSamples(Cue::Mnam1);
    Plays over;
    Plays fades;
    for (int i = 0; i < plays; ++i) {
        const std::size_t from = recording.Samples().size();
        player.PlayCue(Cue::Cil);
        while (!FindCue(recording.Samples(), first, from)) Wait(10);
        Wait(100);
        const auto called = Clock::now();
        player.PlayCue(Cue::Mnam1);
        const auto heard = WaitForCue(recording, second, from);
        Wait(100);
        // Its first samples lie under Cil's end, which may take 60 ms to fade: whole after that.
        over.Add(heard, heard && heard->Held + 60 * SamplesPerMs >= second.size(), clock, called);
        const auto old = FindCue(recording.Samples(), first, from);
        const auto silent = heard && old ? FadedBy(recording.Samples(), first, *old, second, *heard) : std::nullopt;
        fades.Count++;
        if (silent) fades.DelaysMs.push_back(1000 * Seconds(clock.TimeOf(*silent) - called));
        fades.Whole += silent ? 1 : 0;
        Wait(static_cast<int>(Ms(first.size())));
    }
    over.Print("Mnam1 over Cil");
    fades.Print("Cil silent after that");
    // A stream idle for a few seconds is corked: the first cue after a pause uncorks it.
    Plays afterPause;
    for (int i = 0; i < std::max(plays / 20, 3); ++i) {
        Wait(4000);
        const std::size_t from = recording.Samples().size();
        const auto called = Clock::now();
        player.PlayCue(Cue::Mnam1);
        const auto heard = WaitForCue(recording, second, from);
        const bool whole = heard && heard->Intact == second.size();
        afterPause.Add(heard, whole, clock, called);
        if (!whole) TellWhyNotWhole(Cue::Mnam1, second, recording, from, afterPause);
    }
    afterPause.Print("Mnam1 after 4 s idle");
    std::printf("beeps: %d\n", beeps);
    return 0;
}

int Serve(const QStringList& command, bool stalled) {
    PrivateSoundServer server;
    if (!StartServer(server)) return 1;
    MonitorRecorder recording(server);
    if (!recording.WaitUntilFlowing()) return 1;
    const SampleClock clock(recording, server);
    if (stalled) server.Freeze();
    QProcess program;
    program.setProcessEnvironment(server.ClientEnvironment());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.setChildProcessModifier(EndWithParent);
    QEventLoop loop;
    QObject::connect(&program, &QProcess::finished, &loop, &QEventLoop::quit);
    const std::size_t from = recording.Samples().size();
    const auto started = Clock::now();
    program.start(command.first(), command.mid(1));
    if (!program.waitForStarted(10000)) {
        std::fprintf(stderr, "%s did not start\n", qPrintable(command.first()));
        return 1;
    }
    loop.exec();
    server.Thaw();
    Wait(300);

    std::multimap<Clock::time_point, std::pair<Cue, CueHeard>> heard;
    std::map<Cue, std::size_t> lengths;
    for (Cue cue : AllCues) {
        const Samples samples = CueSamples(cue);
        lengths[cue] = samples.size();
        for (auto found = FindCue(recording.Samples(), samples, from); found;
             found = FindCue(recording.Samples(), samples, found->At + 1))
            heard.insert({clock.TimeOf(found->At), {cue, *found}});
    }
    for (const auto& [at, cue] : heard) {
        const std::size_t length = lengths[cue.first];
        std::printf("%-6s at %.4f (%.3f s after the start): %s %.0f of %.0f ms\n", CueName(cue.first),
                    Seconds(at.time_since_epoch()), Seconds(at - started),
                    cue.second.Intact == length ? "whole," : "NOT WHOLE, intact", Ms(cue.second.Intact), Ms(length));
    }
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : 1;
}
}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!arguments.isEmpty() && arguments[0] == QStringLiteral("delays"))
        return MeasureDelays(arguments.size() > 1 ? arguments[1].toInt() : 20);
    const bool stalled = arguments.size() > 1 && arguments[1] == QStringLiteral("--stalled");
    const qsizetype dashes = stalled ? 2 : 1;
    if (arguments.size() > dashes + 1 && arguments[0] == QStringLiteral("serve") &&
        arguments[dashes] == QStringLiteral("--"))
        return Serve(arguments.mid(dashes + 1), stalled);
    std::fprintf(stderr,
                 "usage: zurk3-cue-timing delays [PLAYS]\n"
                 "       zurk3-cue-timing serve [--stalled] -- PROGRAM [ARGS...]\n");
    return 2;
}
