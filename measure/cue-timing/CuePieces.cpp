#include "measure/cue-timing/CuePieces.h"

#include <algorithm>

#include "tests/sound/CueInRecording.h"

CuePieces FindPieces(const std::vector<std::int16_t>& recording, const std::vector<std::int16_t>& cue, std::size_t from,
                     std::size_t piece, std::size_t patience) {
    CuePieces pieces;
    std::optional<std::size_t> due;  // where in the recording the next piece belongs, once the cue is found
    std::size_t after = from;        // no piece can lie before the end of the last audible one found
    std::size_t lostSinceFound = 0;
    for (std::size_t start = 0; start < cue.size(); start += piece) {
        const auto first = cue.begin() + static_cast<std::ptrdiff_t>(start);
        const auto last = first + static_cast<std::ptrdiff_t>(std::min(piece, cue.size() - start));
        const auto length = static_cast<std::size_t>(last - first);
        const bool audible = std::any_of(first, last, AudibleSample);
        const std::size_t end = due ? std::min(recording.size(), *due + patience + length) : recording.size();
        const auto found = audible && after < end ? std::search(recording.begin() + static_cast<std::ptrdiff_t>(after),
                                                                recording.begin() + static_cast<std::ptrdiff_t>(end),
                                                                first, last, SameSample)
                                                  : recording.begin() + static_cast<std::ptrdiff_t>(end);
        if (found == recording.begin() + static_cast<std::ptrdiff_t>(end)) {
            // A quiet piece can be neither placed nor missed; an audible one not found is lost,
            // whether something else took its place or the rest came early.
            if (due) *due += length;
            if (audible) {
                lostSinceFound += length;
                pieces.Lost += length;
            }
            continue;
        }
        const auto at = static_cast<std::size_t>(found - recording.begin());
        if (due && at > *due) pieces.Gaps.push_back({start, at - *due});
        // The rest came early: quiet samples before it never came either.
        if (due && at + lostSinceFound < *due) pieces.Lost += *due - at - lostSinceFound;
        due = at + length;
        after = *due;
        lostSinceFound = 0;
    }
    return pieces;
}
