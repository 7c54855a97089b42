#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

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

// How the recording holds a cue, its audible pieces looked for in order: each where the one before
// it ended, or later, after a gap. So a cue played late after a stall is told from one that lost
// samples on the way. Quiet pieces are not looked for, as silence is found anywhere: they count as
// lost only where the audible piece after them came too early to leave them room.
struct CuePieces {
    struct Gap {
        std::size_t At = 0;      // the cue's sample that came after the gap
        std::size_t Length = 0;  // how many of the recording's samples it lasted
    };
    std::vector<Gap> Gaps;
    std::size_t Lost = 0;  // how many of the cue's samples never came, or came out of order
};

// Looks for the cue's pieces of `piece` samples from the recording's sample `from` on; each but
// the first within `patience` samples of where it was due.
CuePieces FindPieces(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& cue, std::size_t from,
                     std::size_t piece, std::size_t patience);

// How loud the cue `first` (heard as `old`) still is under `second` (heard as `next`, started
// over it), millisecond by millisecond from the second's start, for at most `ms` milliseconds:
// 1 where it plays on as it is, 0 where it is silent.
std::vector<double> LevelUnder(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& first,
                               const CueHeard& old, const std::vector<std::int16_t>& second, const CueHeard& next,
                               std::size_t ms, std::size_t samplesPerMs);
