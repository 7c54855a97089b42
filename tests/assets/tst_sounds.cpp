// The six sound cues the game plays: each must be a wave file any player can
// open, short, audible, free of clicks, and none may stand in for another.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct WavSound {
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::vector<std::int16_t> samples; // interleaved when there is more than one channel
    std::string error;                 // empty when the file was read

    double seconds() const
    {
        return static_cast<double>(samples.size()) / channels / sampleRate;
    }
};

std::uint32_t readLe(const Bytes& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool hasTag(const Bytes& bytes, std::size_t at, const char* tag)
{
    return std::equal(tag, tag + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

// Walks the RIFF chunks the way players do: "fmt " and "data" may come with
// other chunks (LIST, fact, ...) around them, and odd-sized chunks are padded.
WavSound parseWav(const Bytes& bytes)
{
    WavSound sound;
    if (bytes.size() < 12 || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE")) {
        sound.error = "not a RIFF/WAVE file";
        return sound;
    }
    const std::size_t riffEnd = 8 + static_cast<std::size_t>(readLe(bytes, 4, 4));
    if (riffEnd > bytes.size()) {
        sound.error = "RIFF size runs past the end of the file";
        return sound;
    }
    bool haveFormat = false;
    std::size_t dataAt = 0;
    std::size_t dataSize = 0;
    bool haveData = false;
    for (std::size_t at = 12; at + 8 <= riffEnd;) {
        const std::size_t size = readLe(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > riffEnd - body) {
            sound.error = "chunk " + std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                                 bytes.begin() + static_cast<std::ptrdiff_t>(at) + 4)
                + " runs past the end";
            return sound;
        }
        if (hasTag(bytes, at, "fmt ")) {
            if (size < 16) {
                sound.error = "fmt chunk too short";
                return sound;
            }
            sound.format = static_cast<std::uint16_t>(readLe(bytes, body, 2));
            sound.channels = static_cast<std::uint16_t>(readLe(bytes, body + 2, 2));
            sound.sampleRate = readLe(bytes, body + 4, 4);
            const std::uint32_t byteRate = readLe(bytes, body + 8, 4);
            const auto blockAlign = readLe(bytes, body + 12, 2);
            sound.bitsPerSample = static_cast<std::uint16_t>(readLe(bytes, body + 14, 2));
            if (sound.channels == 0 || sound.sampleRate == 0
                || blockAlign != sound.channels * ((sound.bitsPerSample + 7u) / 8u)
                || byteRate != sound.sampleRate * blockAlign) {
                sound.error = "inconsistent fmt chunk";
                return sound;
            }
            haveFormat = true;
        } else if (hasTag(bytes, at, "data")) {
            dataAt = body;
            dataSize = size;
            haveData = true;
        }
        at = body + size + (size & 1u);
    }
    if (!haveFormat || !haveData) {
        sound.error = haveFormat ? "no data chunk" : "no fmt chunk";
        return sound;
    }
    if (sound.format != 1 || sound.bitsPerSample != 16) {
        sound.error = "not 16-bit PCM";
        return sound;
    }
    if (dataSize % (2u * sound.channels) != 0) {
        sound.error = "data chunk ends inside a sample frame";
        return sound;
    }
    for (std::size_t at = dataAt; at < dataAt + dataSize; at += 2)
        sound.samples.push_back(static_cast<std::int16_t>(readLe(bytes, at, 2)));
    return sound;
}

WavSound loadCue(const std::string& name)
{
    std::ifstream file(std::string(ZURK3_SOURCE_DIR) + "/assets/sounds/" + name + ".wav", std::ios::binary);
    if (!file) {
        WavSound missing;
        missing.error = "cannot open " + name + ".wav";
        return missing;
    }
    return parseWav(Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

double fullScale(std::int16_t sample)
{
    return sample / 32768.0;
}

double peakOf(std::vector<std::int16_t>::const_iterator from, std::vector<std::int16_t>::const_iterator to)
{
    double peak = 0.0;
    for (auto it = from; it != to; ++it)
        peak = std::max(peak, std::abs(fullScale(*it)));
    return peak;
}

// ---- the game's cues ----

const std::vector<std::string> cueNames{"Mnam1", "Mnam2", "Mnam3", "Fuj", "Cil", "Naraz"};

class SoundCue : public testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        sound = loadCue(GetParam());
        ASSERT_EQ(sound.error, "") << GetParam();
    }

    WavSound sound;
};

TEST_P(SoundCue, IsMono16BitPcmAtAStandardRate)
{
    EXPECT_EQ(sound.format, 1);
    EXPECT_EQ(sound.channels, 1);
    EXPECT_EQ(sound.bitsPerSample, 16);
    EXPECT_TRUE(sound.sampleRate == 22050 || sound.sampleRate == 44100) << sound.sampleRate;
}

TEST_P(SoundCue, LastsBetweenATenthOfASecondAndTwoSeconds)
{
    EXPECT_GE(sound.seconds(), 0.1);
    EXPECT_LE(sound.seconds(), 2.0);
}

TEST_P(SoundCue, IsClearlyAudible)
{
    double sumOfSquares = 0.0;
    for (std::int16_t sample : sound.samples)
        sumOfSquares += fullScale(sample) * fullScale(sample);
    const double rms = std::sqrt(sumOfSquares / static_cast<double>(sound.samples.size()));
    EXPECT_GT(rms, 0.03) << "quieter than -30 dBFS";
}

TEST_P(SoundCue, PeaksNearMinusThreeDecibelsWithoutClipping)
{
    const double peakDb = 20.0 * std::log10(peakOf(sound.samples.begin(), sound.samples.end()));
    EXPECT_GT(peakDb, -4.5);
    EXPECT_LT(peakDb, -1.5);
}

TEST_P(SoundCue, StartsAndEndsWithoutAClick)
{
    ASSERT_FALSE(sound.samples.empty());
    const auto halfMillisecond = static_cast<std::ptrdiff_t>(sound.sampleRate / 2000);
    EXPECT_LT(peakOf(sound.samples.begin(), sound.samples.begin() + halfMillisecond), 0.1);
    EXPECT_LT(peakOf(sound.samples.end() - halfMillisecond, sound.samples.end()), 0.1);
}

INSTANTIATE_TEST_SUITE_P(Cues, SoundCue, testing::ValuesIn(cueNames),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(SoundCues, AreAllDifferent)
{
    std::vector<WavSound> sounds;
    for (const std::string& name : cueNames) {
        sounds.push_back(loadCue(name));
        ASSERT_EQ(sounds.back().error, "") << name;
    }
    for (std::size_t i = 0; i < sounds.size(); ++i)
        for (std::size_t j = i + 1; j < sounds.size(); ++j)
            EXPECT_NE(sounds[i].samples, sounds[j].samples) << cueNames[i] << " sounds like " << cueNames[j];
}

} // namespace
