#include "tests/sound/MonitorRecorder.h"

#include <QDeadlineTimer>

#include "tests/sound/PrivateSoundServer.h"

MonitorRecorder::MonitorRecorder(const PrivateSoundServer& server) {
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
