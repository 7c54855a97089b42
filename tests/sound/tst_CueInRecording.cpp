// Telling a cue played late after a stall from one that lost samples, in made-up recordings.

#include <algorithm>
#include <gtest/gtest.h>

#include "measure/cue-timing/CuePieces.h"

namespace {
using Samples = std::vector<std::int16_t>;
constexpr std::size_t Piece = 10;
constexpr std::size_t Patience = 1000;

// A cue whose every piece is loud and unlike every other.
Samples MadeUpCue() {
    Samples cue;
    for (int i = 0; i < 100; ++i) cue.push_back(static_cast<std::int16_t>(1000 + 37 * i * (i % 7 + 1)));
    return cue;
}

Samples Silence(std::size_t length) { return Samples(length, 0); }

Samples Joined(std::initializer_list<Samples> parts) {
    Samples all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Samples Part(const Samples& cue, std::size_t first, std::size_t last) {
    return {cue.begin() + static_cast<std::ptrdiff_t>(first), cue.begin() + static_cast<std::ptrdiff_t>(last)};
}
}  // namespace

TEST(CuePieces, PlayedLateAfterAGapLosesNothing) {
    const Samples cue = MadeUpCue();
    const auto whole = FindPieces(Joined({Silence(33), cue, Silence(5)}), cue, 0, Piece, Patience);
    EXPECT_TRUE(whole.Gaps.empty());
    EXPECT_EQ(whole.Lost, 0U);

    const auto late =
        FindPieces(Joined({Silence(33), Part(cue, 0, 40), Silence(17), Part(cue, 40, 100)}), cue, 0, Piece, Patience);
    ASSERT_EQ(late.Gaps.size(), 1U);
    EXPECT_EQ(late.Gaps[0].At, 40U);
    EXPECT_EQ(late.Gaps[0].Length, 17U);
    EXPECT_EQ(late.Lost, 0U);
}

TEST(CuePieces, SamplesSkippedOrCutOffAreLost) {
    const Samples cue = MadeUpCue();
    const auto skipped =
        FindPieces(Joined({Silence(33), Part(cue, 0, 40), Part(cue, 60, 100)}), cue, 0, Piece, Patience);
    EXPECT_EQ(skipped.Lost, 20U);
    EXPECT_TRUE(skipped.Gaps.empty());

    const auto silenced =
        FindPieces(Joined({Silence(33), Part(cue, 0, 40), Silence(20), Part(cue, 60, 100)}), cue, 0, Piece, Patience);
    EXPECT_EQ(silenced.Lost, 20U);
    EXPECT_TRUE(silenced.Gaps.empty());

    auto quietGone = cue;
    std::fill(quietGone.begin() + 40, quietGone.begin() + 60, 0);
    const auto quiet =
        FindPieces(Joined({Silence(33), Part(cue, 0, 40), Part(cue, 60, 100)}), quietGone, 0, Piece, Patience);
    EXPECT_EQ(quiet.Lost, 20U);

    const auto cutOff = FindPieces(Joined({Silence(33), Part(cue, 0, 70), Silence(50)}), cue, 0, Piece, Patience);
    EXPECT_EQ(cutOff.Lost, 30U);

    // Its start played before `from` does not count as heard.
    const auto before =
        FindPieces(Joined({Part(cue, 0, 30), Silence(3), Part(cue, 30, 100)}), cue, 30, Piece, Patience);
    EXPECT_EQ(before.Lost, 30U);
    EXPECT_TRUE(before.Gaps.empty());

    // The rest, come later than patience allows, is lost too.
    const auto tooLate =
        FindPieces(Joined({Part(cue, 0, 50), Silence(Patience + 100), Part(cue, 50, 100)}), cue, 0, Piece, Patience);
    EXPECT_EQ(tooLate.Lost, 50U);
}
