#include "tests/sound/MonitorRecorder.h"

#include <QDeadlineTimer>
#include <algorithm>
#include <iterator>

#include "tests/sound/PrivateSoundServer.h"

MonitorRecorder::MonitorRecorder(const PrivateSoundServer& server) : sinkKeepsItsRate_(server.SinkKeepsItsRate()) {
    recorder_.setProcessEnvironment(server.ClientEnvironment());
    recorder_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    recorder_.setChildProcessModifier(EndWithParentAheadOfBusyProcesses);
    QObject::connect(&recorder_, &QProcess::readyReadStandardOutput, [this] { Take(); });
    recorder_.start(QStringLiteral("parec"),
                    {QStringLiteral("--device=") + PrivateSoundServer::MonitorSource(), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(PrivateSoundServer::SampleRate),
                     QStringLiteral("--channels=%1").arg(PrivateSoundServer::Channels),
                     QStringLiteral("--latency-msec=%1").arg(server.RecordingPeriodMs())});
}

MonitorRecorder::~MonitorRecorder() {
    recorder_.disconnect();
    recorder_.kill();
    recorder_.waitForFinished(5000);
}

void MonitorRecorder::Take() {
    const auto now = Clock::now();
    pending_ += recorder_.readAllStandardOutput();
    const auto count = static_cast<std::size_t>(pending_.size() / 2);
    if (count == 0) return;
    // The recording is little-endian 16-bit, whatever the machine is.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(pending_.constData());
    for (std::size_t i = 0; i < count; ++i)
        samples_.push_back(static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
    pending_.remove(0, static_cast<qsizetype>(count) * 2);
    blocks_.push_back({samples_.size(), now});
}

bool MonitorRecorder::WaitUntilFlowing() {
    const QDeadlineTimer deadline(5000);
    while (blocks_.size() < 10 && !deadline.hasExpired() && recorder_.state() != QProcess::NotRunning)
        recorder_.waitForReadyRead(100);
    return blocks_.size() >= 10;
}

MonitorRecorder::Clock::time_point MonitorRecorder::TimeOf(std::size_t sample) const {
    const auto block = std::upper_bound(blocks_.begin(), blocks_.end(), sample,
                                        [](std::size_t s, const Block& b) { return s < b.End; });
    if (block == blocks_.end()) return blocks_.empty() ? Clock::time_point{} : blocks_.back().Arrived;
    const auto startOf = [this](auto b) { return b == blocks_.begin() ? 0 : std::prev(b)->End; };
    const auto countedFrom = [sample, &startOf](auto b) {
        const double ahead = static_cast<double>(startOf(b)) - static_cast<double>(sample);
        return b->Arrived - std::chrono::duration_cast<Clock::duration>(
                                std::chrono::duration<double>(ahead / PrivateSoundServer::SampleRate));
    };
    // A sink that takes sound ahead of its clock leaves only the sample's own block to bound when
    // it was taken; the samples before it in the block make that later still, never sooner.
    if (!sinkKeepsItsRate_) return countedFrom(block);
    // A sink that keeps its rate: every block from the sample's own on, counted back at that rate,
    // bounds the sample's time. PipeWire hands periods over in blocks of the recording's length,
    // holding part of one back for the next block now and then; the block with the least held
    // back bounds it closest. A second's worth is enough for that, and short enough for the two
    // clocks to agree.
    const auto until = block->End + static_cast<std::size_t>(PrivateSoundServer::SampleRate);
    auto latest = countedFrom(block);
    for (auto later = std::next(block); later != blocks_.end() && later->End <= until; ++later)
        latest = std::min(latest, countedFrom(later));
    return latest;
}
