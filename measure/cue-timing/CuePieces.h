#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

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
