#include "tests/sound/CueInRecording.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int Tolerance = 2;
constexpr std::size_t StretchLength = 64;
// Quieter stretches could be found in silence, or in another cue's quiet tail.
constexpr int AudibleLevel = 300;

// Where a stretch that finds the cue starts: the first audible one from `from` on.
std::optional<std::size_t> Landmark(const std::vector<std::int16_t>& cue, std::size_t from) {
    for (std::size_t at = from; at + StretchLength <= cue.size(); at += StretchLength / 2) {
        if (std::any_of(cue.begin() + static_cast<std::ptrdiff_t>(at),
                        cue.begin() + static_cast<std::ptrdiff_t>(at + StretchLength), AudibleSample))
            return at;
    }
    return std::nullopt;
}

// Where the cue's first sample lies, at `from` or later, found by the landmark a `part` of the
// way into the cue.
std::optional<std::size_t> Place(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& cue,
                                 std::size_t from, std::size_t part) {
    const auto landmark = Landmark(cue, cue.size() / part);
    if (!landmark || from + *landmark >= recording.size()) return std::nullopt;
    const auto stretch = cue.begin() + static_cast<std::ptrdiff_t>(*landmark);
    const auto found = std::search(recording.begin() + static_cast<std::ptrdiff_t>(from + *landmark), recording.end(),
                                   stretch, stretch + static_cast<std::ptrdiff_t>(StretchLength), SameSample);
    if (found == recording.end()) return std::nullopt;
    return static_cast<std::size_t>(found - recording.begin()) - *landmark;
}
}  // namespace

bool SameSample(std::int16_t recorded, std::int16_t cue) { return std::abs(recorded - cue) <= Tolerance; }

bool AudibleSample(std::int16_t sample) { return std::abs(sample) >= AudibleLevel; }

std::optional<CueHeard> FindCue(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& cue,
                                std::size_t from) {
    // Half way in when the cue's start is hidden under another's end.
    auto at = Place(recording, cue, from, 10);
    if (!at) at = Place(recording, cue, from, 2);
    if (!at) return std::nullopt;
    CueHeard heard;
    heard.At = *at;
    bool intact = true;
    for (std::size_t i = 0; i < cue.size(); ++i) {
        const bool same = heard.At + i < recording.size() && SameSample(recording[heard.At + i], cue[i]);
        intact = intact && same;
        heard.Intact += intact ? 1 : 0;
        heard.Held += same ? 1 : 0;
    }
    return heard;
}

std::vector<double> LevelUnder(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& first,
                               const CueHeard& old, const std::vector<std::int16_t>& second, const CueHeard& next,
                               std::size_t ms, std::size_t samplesPerMs) {
    const std::size_t overtaken = next.At - old.At;  // where in the first cue the second came
    std::vector<double> level;
    for (std::size_t start = 0;
         level.size() < ms && overtaken + start + samplesPerMs <= first.size() &&
         next.At + start + samplesPerMs <= recording.size() && start + samplesPerMs <= second.size();
         start += samplesPerMs) {
        // What the recording holds beyond the second cue, set against the first.
        double along = 0, own = 0;
        for (std::size_t i = start; i < start + samplesPerMs; ++i) {
            along += (recording[next.At + i] - second[i]) * double(first[overtaken + i]);
            own += double(first[overtaken + i]) * first[overtaken + i];
        }
        level.push_back(own > 0 ? along / own : 0);
    }
    return level;
}
