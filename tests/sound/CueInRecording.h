#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Whether the recording's sample is the cue's, but for the rounding step the sink may add; and
// whether a cue's sample is loud enough to be told from silence or another cue's quiet tail.
bool SameSample(std::int16_t recorded, std::int16_t cue);
bool AudibleSample(std::int16_t sample);

// A cue as a recording of the sink holds it.
struct CueHeard {
    std::size_t At = 0;      // the recording's sample where the cue's first sample lies
    std::size_t Intact = 0;  // how many of the cue's samples, from its first on, the recording holds unchanged
    std::size_t Held = 0;    // how many of all its samples the recording holds unchanged
};

// Finds the first cue that starts at the recording's sample `from` or later, by a stretch of its sound a tenth of the
// way in, or half way in; none when the recording holds neither stretch. The sink plays the cue's own
// format at full volume, so "unchanged" allows only a rounding step.
std::optional<CueHeard> FindCue(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& cue,
                                std::size_t from = 0);

// How loud the cue `first` (heard as `old`) still is under `second` (heard as `next`, started
// over it), millisecond by millisecond from the second's start, for at most `ms` milliseconds:
// 1 where it plays on as it is, 0 where it is silent.
std::vector<double> LevelUnder(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& first,
                               const CueHeard& old, const std::vector<std::int16_t>& second, const CueHeard& next,
                               std::size_t ms, std::size_t samplesPerMs);
