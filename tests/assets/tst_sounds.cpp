// The six sound cues the game plays: each a wave file the game's own check takes, short, mono,
// and none standing in for another; and what the check makes of damaged cue files.

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "pond/CuePlayer.h"
#include "sound/WaveFile.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes CueBytes(Cue cue) {
    std::ifstream file(ZURK3_SOURCE_DIR "/assets/sounds/" + CueFileName(cue), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
}  // namespace

TEST(SoundCues, AreShortMonoCuesEachOfItsOwn) {
    std::vector<Bytes> all;
    for (Cue cue : AllCues) {
        SCOPED_TRACE(CueName(cue));
        const Bytes bytes = CueBytes(cue);
        const auto format = ReadWaveFormat(bytes);
        ASSERT_TRUE(format.has_value()) << "no wave file the game would play";
        EXPECT_EQ(format->Channels, 1);
        const double seconds = static_cast<double>(format->DataSize) / (2.0 * format->SampleRate);
        EXPECT_TRUE(seconds >= 0.1 && seconds <= 2.0) << seconds;
        EXPECT_EQ(std::count(all.begin(), all.end(), bytes), 0) << "the same as another cue";
        all.push_back(bytes);
    }
}

namespace {
// A small mono 16-bit PCM file; its data chunk may claim more than the file holds.
Bytes WaveBytes(std::uint16_t formatTag = 1, std::uint32_t declaredData = 8, std::size_t heldData = 8) {
    std::string out;
    auto put = [&](std::uint32_t value) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i));
    };
    out += "RIFF";
    put(static_cast<std::uint32_t>(36 + heldData));
    out += "WAVEfmt ";
    for (std::uint32_t field : {16u, formatTag + 65536u, 22050u, 44100u, 2u + (16u << 16)}) put(field);
    out += "data";
    put(declaredData);
    out += std::string(heldData, '\0');
    return Bytes(out.begin(), out.end());
}
}  // namespace

TEST(CueFileCheck, TakesOnlyPcmThatHoldsWhatItClaims) {
    const auto good = ReadWaveFormat(WaveBytes());
    ASSERT_TRUE(good.has_value());
    EXPECT_EQ(good->DataOffset, 44u);
    EXPECT_EQ(good->DataSize, 8u);
    EXPECT_FALSE(ReadWaveFormat(WaveBytes(1, 0xFFFFFFF0u, 8))) << "declares about 4 GB of sound";
    const Bytes whole = WaveBytes();
    EXPECT_FALSE(ReadWaveFormat(Bytes(whole.begin(), whole.end() - 3))) << "truncated";
    EXPECT_FALSE(ReadWaveFormat(WaveBytes(3))) << "floating point, not PCM";
    EXPECT_FALSE(ReadWaveFormat(Bytes{'R', 'I', 'F', 'F'})) << "not even a header";
}
