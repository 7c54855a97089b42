#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The format and the sound of a PCM wave file, where its bytes hold them.
struct WaveFormat {
    std::uint16_t Channels = 0;
    std::uint32_t SampleRate = 0;
    std::uint16_t BitsPerSample = 0;
    std::size_t DataOffset = 0;  // where the samples start
    std::size_t DataSize = 0;    // how many bytes of samples follow
};

// Reads a RIFF/WAVE file the way a careful player would, and answers only for a plain PCM file
// whose every chunk lies inside the file: the sound system is never handed a file that claims
// more than it holds.
std::optional<WaveFormat> ReadWaveFormat(const std::vector<std::uint8_t>& bytes);

// The samples of a file that ReadWaveFormat took, as 16-bit values, channels interleaved.
std::vector<std::int16_t> DecodeSamples(const std::vector<std::uint8_t>& bytes, const WaveFormat& format);
