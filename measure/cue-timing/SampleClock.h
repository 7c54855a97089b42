#pragma once
#include <cstddef>

#include "tests/sound/MonitorRecorder.h"

class PrivateSoundServer;

// When the sink took each sample of a recording to play it, as the recording's blocks tell it:
// never too early, and late by no more than the way from the server to here (a millisecond or two
// when the machine is idle).
class SampleClock {
public:
    using Clock = MonitorRecorder::Clock;

    SampleClock(const MonitorRecorder& recording, const PrivateSoundServer& server);
    // When the sink took the recording's sample to play it, at the latest.
    Clock::time_point TimeOf(std::size_t sample) const;

private:
    const MonitorRecorder& recording_;
    bool sinkKeepsItsRate_;
};
