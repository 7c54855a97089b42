#pragma once
#include <QAudioFormat>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/CueVoice.h"

class QAudioSink;
class QIODevice;

// One stream to the sound server, playing one cue at a time in one format. It keeps a short
// queue at the server, topped up from the cue as the server plays it, so that a fade still
// reaches the server soon after it is asked for; the stream is never stopped while it holds sound.
class CueStream : public QObject {
    Q_OBJECT
public:
    explicit CueStream(const QAudioFormat& format, QObject* parent = nullptr);
    ~CueStream() override;

    const QAudioFormat& Format() const { return format_; }
    // Connects to the server's default output; false if no sound reaches a server.
    bool Open();
    // Starts the cue in place of the stream's last one. False if no sound reaches a server: no
    // server, no output device, or the stream broke and cannot be opened again.
    bool Play(const std::vector<std::int16_t>& samples);
    void FadeOut();
    // Nothing left to play, here or queued at the server: a new cue is heard at once.
    bool Idle() const;

private:
    bool Broken() const;
    void Feed();

    QAudioFormat format_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* device_ = nullptr;  // the sink's, written to
    CueVoice voice_;
    bool starting_ = false;  // the cue's first part is still to be written
    QTimer feeder_;
    std::vector<std::int16_t> chunk_;
};
