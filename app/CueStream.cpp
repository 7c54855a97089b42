#include "app/CueStream.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace {
// The queue at the server covers the top-ups that come late on a busy machine; it is also how
// long a cue still plays after the next one has started, before it fades.
constexpr int QueuedMs = 50;
constexpr int TopUpMs = 5;
constexpr int FadeMs = 5;
}  // namespace

CueStream::CueStream(const QAudioFormat& format, QObject* parent)
    : QObject(parent),
      format_(format),
      voice_(format.channelCount(), static_cast<std::size_t>(format.sampleRate() * FadeMs / 1000)) {
    feeder_.setTimerType(Qt::PreciseTimer);
    feeder_.setInterval(TopUpMs);
    connect(&feeder_, &QTimer::timeout, this, &CueStream::Feed);
}

CueStream::~CueStream() = default;

bool CueStream::Open() {
    device_ = nullptr;
    sink_.reset();
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) return false;
    sink_ = std::make_unique<QAudioSink>(output, format_);
    sink_->setBufferSize(format_.bytesForDuration(QueuedMs * 1000));
    device_ = sink_->start();
    return device_ && !Broken();
}

bool CueStream::Broken() const {
    const QAudio::Error error = sink_->error();
    // A stream whose server went away may report more room than it has: four gigabytes.
    const qsizetype room = sink_->bytesFree();
    return sink_->state() == QAudio::StoppedState || (error != QAudio::NoError && error != QAudio::UnderrunError) ||
           room < 0 || room > sink_->bufferSize();
}

bool CueStream::Idle() const {
    return !voice_.Sounding() && (!sink_ || Broken() || sink_->bytesFree() == sink_->bufferSize());
}

bool CueStream::Play(const std::vector<std::int16_t>& samples) {
    if ((!sink_ || Broken()) && !Open()) return false;
    voice_.Start(samples);
    starting_ = true;
    Feed();
    feeder_.start();
    return true;
}

void CueStream::FadeOut() { voice_.FadeOut(); }

void CueStream::Feed() {
    if (!voice_.Sounding() || Broken()) {
        feeder_.stop();
        return;
    }
    const auto frames = static_cast<std::size_t>(std::max<qint64>(sink_->bytesFree() / format_.bytesPerFrame(), 0));
    if (frames == 0) return;
    chunk_.assign(frames * static_cast<std::size_t>(format_.channelCount()), 0);
    std::size_t written = voice_.Take(chunk_.data(), frames);
    // The server starts a stream only once it holds a queue's worth: a cue shorter than that goes
    // out with silence after it.
    if (starting_) written = frames;
    starting_ = false;
    device_->write(reinterpret_cast<const char*>(chunk_.data()),
                   static_cast<qint64>(written) * format_.bytesPerFrame());
}
