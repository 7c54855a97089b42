#pragma once
#include <QProcess>
#include <chrono>
#include <cstdint>
#include <vector>

class PrivateSoundServer;

// Records what a private server's sink plays, sample by sample, for as long as it lives, and when
// each block of the recording came.
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
    struct Block {
        std::size_t End;  // one past the block's last sample
        Clock::time_point Arrived;
    };
    const std::vector<Block>& Blocks() const { return blocks_; }

private:
    void Take();

    QProcess recorder_;
    QByteArray pending_;  // an odd byte waiting for its other half
    std::vector<std::int16_t> samples_;
    std::vector<Block> blocks_;
};
