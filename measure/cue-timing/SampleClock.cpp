#include "measure/cue-timing/SampleClock.h"

#include <algorithm>
#include <iterator>

#include "tests/sound/PrivateSoundServer.h"

SampleClock::SampleClock(const MonitorRecorder& recording, const PrivateSoundServer& server)
    : recording_(recording), sinkKeepsItsRate_(server.SinkKeepsItsRate()) {}

SampleClock::Clock::time_point SampleClock::TimeOf(std::size_t sample) const {
    const auto& blocks = recording_.Blocks();
    const auto block = std::upper_bound(blocks.begin(), blocks.end(), sample,
                                        [](std::size_t s, const MonitorRecorder::Block& b) { return s < b.End; });
    if (block == blocks.end()) return blocks.empty() ? Clock::time_point{} : blocks.back().Arrived;
    const auto startOf = [&blocks](auto b) { return b == blocks.begin() ? 0 : std::prev(b)->End; };
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
    for (auto later = std::next(block); later != blocks.end() && later->End <= until; ++later)
        latest = std::min(latest, countedFrom(later));
    return latest;
}
