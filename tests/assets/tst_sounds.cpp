// The six sound cues the game plays: each must be a wave file any player can
// open, short, audible, free of clicks, and none may stand in for another.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/WaveFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct WavSound {
    WaveFormat format;
    std::vector<std::int16_t> samples;  // interleaved when there is more than one channel
    std::string error;                  // empty when the file was read

    double seconds() const { return static_cast<double>(samples.size()) / format.Channels / format.SampleRate; }
};

// Read through the game's own check, so a cue that passes here is one the game will play.
WavSound loadCue(const std::string& name) {
    WavSound sound;
    std::ifstream file(std::string(ZURK3_SOURCE_DIR) + "/assets/sounds/" + name + ".wav", std::ios::binary);
    const Bytes bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const auto format = ReadWaveFormat(bytes);
    if (!format || format->BitsPerSample != 16) {
        sound.error = name + ".wav is no 16-bit PCM wave file the game would play";
        return sound;
    }
    sound.format = *format;
    for (std::size_t at = format->DataOffset; at + 1 < format->DataOffset + format->DataSize; at += 2)
        sound.samples.push_back(static_cast<std::int16_t>(bytes[at] | (bytes[at + 1] << 8)));
    return sound;
}

double fullScale(std::int16_t sample) { return sample / 32768.0; }

double peakOf(std::vector<std::int16_t>::const_iterator from, std::vector<std::int16_t>::const_iterator to) {
    double peak = 0.0;
    for (auto it = from; it != to; ++it) peak = std::max(peak, std::abs(fullScale(*it)));
    return peak;
}

// ---- the game's cues ----

const std::vector<std::string> cueNames{"Mnam1", "Mnam2", "Mnam3", "Fuj", "Cil", "Naraz"};

class SoundCue : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        sound = loadCue(GetParam());
        ASSERT_EQ(sound.error, "") << GetParam();
    }

    WavSound sound;
};

TEST_P(SoundCue, IsMonoAtAStandardRate) {
    EXPECT_EQ(sound.format.Channels, 1);
    EXPECT_TRUE(sound.format.SampleRate == 22050 || sound.format.SampleRate == 44100) << sound.format.SampleRate;
}

TEST_P(SoundCue, LastsBetweenATenthOfASecondAndTwoSeconds) {
    EXPECT_GE(sound.seconds(), 0.1);
    EXPECT_LE(sound.seconds(), 2.0);
}

TEST_P(SoundCue, IsClearlyAudible) {
    double sumOfSquares = 0.0;
    for (std::int16_t sample : sound.samples) sumOfSquares += fullScale(sample) * fullScale(sample);
    const double rms = std::sqrt(sumOfSquares / static_cast<double>(sound.samples.size()));
    EXPECT_GT(rms, 0.03) << "quieter than -30 dBFS";
}

TEST_P(SoundCue, PeaksNearMinusThreeDecibelsWithoutClipping) {
    const double peakDb = 20.0 * std::log10(peakOf(sound.samples.begin(), sound.samples.end()));
    EXPECT_GT(peakDb, -4.5);
    EXPECT_LT(peakDb, -1.5);
}

TEST_P(SoundCue, StartsAndEndsWithoutAClick) {
    ASSERT_FALSE(sound.samples.empty());
    const auto halfMillisecond = static_cast<std::ptrdiff_t>(sound.format.SampleRate / 2000);
    EXPECT_LT(peakOf(sound.samples.begin(), sound.samples.begin() + halfMillisecond), 0.1);
    EXPECT_LT(peakOf(sound.samples.end() - halfMillisecond, sound.samples.end()), 0.1);
}

INSTANTIATE_TEST_SUITE_P(Cues, SoundCue, testing::ValuesIn(cueNames),
                         [](const testing::TestParamInfo<std::string>& param) { return param.param; });

TEST(SoundCues, AreAllDifferent) {
    std::vector<WavSound> sounds;
    for (const std::string& name : cueNames) {
        sounds.push_back(loadCue(name));
        ASSERT_EQ(sounds.back().error, "") << name;
    }
    for (std::size_t i = 0; i < sounds.size(); ++i)
        for (std::size_t j = i + 1; j < sounds.size(); ++j)
            EXPECT_NE(sounds[i].samples, sounds[j].samples) << cueNames[i] << " sounds like " << cueNames[j];
}

}  // namespace

// ---- what the game makes of damaged cue files ----

namespace {
// A small mono 16-bit PCM file: the RIFF header, the format chunk, then the samples; the data
// chunk may claim more than the file holds.
Bytes WaveBytes(std::uint16_t formatTag = 1, std::uint32_t declaredData = 8, std::size_t heldData = 8) {
    Bytes bytes;
    auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    auto tag = [&](const char* text) { bytes.insert(bytes.end(), text, text + 4); };
    tag("RIFF");
    put(static_cast<std::uint32_t>(36 + heldData), 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(formatTag, 2);
    put(1, 2);
    put(22050, 4);
    put(44100, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(declaredData, 4);
    bytes.insert(bytes.end(), heldData, 0);
    return bytes;
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
    EXPECT_FALSE(ReadWaveFormat(Bytes(whole.begin(), whole.begin() + 30))) << "cut inside the format";
    EXPECT_FALSE(ReadWaveFormat(WaveBytes(3))) << "floating point, not PCM";
    EXPECT_FALSE(ReadWaveFormat(Bytes{'R', 'I', 'F', 'F'})) << "not even a header";
}
