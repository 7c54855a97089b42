#pragma once
#include <QProcess>
#include <chrono>
#include <cstdint>
#include <vector>

class PrivateSoundServer;

// Records what a private server's sink plays, sample by sample, for as long as it lives; each
// sample's time is known from when the recording's blocks came: never too early, and late by no
// more than the way from the server to here (a millisecond or two when the machine is idle).
class MonitorRecorder {
public:
    using Clock = std::chrono::steady_clock;

    explicit MonitorRecorder(const PrivateSoundServer& server);
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Waits (running the event loop) until the recording flows; false if it does not within a
    // few seconds (an idle sink first finishes the long block it was playing).
    bool WaitUntilFlowing();
    const std::vector<std::int16_t>& Samples() const { return samples_; }
    // When the sink took the recording's sample to play it, at the latest.
    Clock::time_point TimeOf(std::size_t sample) const;

private:
    void Take();

    QProcess recorder_;
    QByteArray pending_;  // an odd byte waiting for its other half
    std::vector<std::int16_t> samples_;
    struct Block {
        std::size_t End;  // one past the block's last sample
        Clock::time_point Arrived;
    };
    std::vector<Block> blocks_;
    bool sinkKeepsItsRate_;
};
