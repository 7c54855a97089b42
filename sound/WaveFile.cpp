#include "sound/WaveFile.h"

#include <algorithm>

namespace {
// WAV is little-endian whatever the machine is.
std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

bool Tag(const std::vector<std::uint8_t>& bytes, std::size_t at, const char* tag) {
    return std::equal(tag, tag + 4, bytes.begin() + static_cast<std::ptrdiff_t>(at));
}

constexpr std::uint16_t PcmFormatTag = 1;

// Reads the "fmt " chunk at body; only a consistent plain PCM format is taken.
std::optional<WaveFormat> ReadPcmFormat(const std::vector<std::uint8_t>& bytes, std::size_t body) {
    WaveFormat format;
    const auto tag = static_cast<std::uint16_t>(Le(bytes, body, 2));
    format.Channels = static_cast<std::uint16_t>(Le(bytes, body + 2, 2));
    format.SampleRate = Le(bytes, body + 4, 4);
    const std::uint32_t byteRate = Le(bytes, body + 8, 4);
    const std::uint32_t blockAlign = Le(bytes, body + 12, 2);
    format.BitsPerSample = static_cast<std::uint16_t>(Le(bytes, body + 14, 2));
    const bool wholeBytes = format.BitsPerSample == 8 || format.BitsPerSample == 16 || format.BitsPerSample == 24 ||
                            format.BitsPerSample == 32;
    if (tag != PcmFormatTag || format.Channels == 0 || format.Channels > 8 || !wholeBytes || format.SampleRate < 1000 ||
        format.SampleRate > 384000 || blockAlign != format.Channels * (format.BitsPerSample / 8u) ||
        byteRate != static_cast<std::uint64_t>(format.SampleRate) * blockAlign)
        return std::nullopt;
    return format;
}
}  // namespace

std::optional<WaveFormat> ReadWaveFormat(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 12 || !Tag(bytes, 0, "RIFF") || !Tag(bytes, 8, "WAVE")) return std::nullopt;
    const std::size_t riffEnd = 8 + static_cast<std::size_t>(Le(bytes, 4, 4));
    if (riffEnd > bytes.size()) return std::nullopt;
    std::optional<WaveFormat> format;
    // Other chunks (LIST, fact, ...) may stand around "fmt " and "data"; odd sizes are padded.
    for (std::size_t at = 12; at + 8 <= riffEnd;) {
        const std::size_t size = Le(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > riffEnd - body) return std::nullopt;
        if (Tag(bytes, at, "fmt ")) {
            if (size < 16) return std::nullopt;
            format = ReadPcmFormat(bytes, body);
            if (!format) return std::nullopt;
        } else if (Tag(bytes, at, "data")) {
            const std::size_t frame = format ? format->Channels * (format->BitsPerSample / 8u) : 0;
            if (!format || size < frame) return std::nullopt;
            format->DataOffset = body;
            format->DataSize = size;
            return format;
        }
        at = body + size + (size & 1u);
    }
    return std::nullopt;
}

std::vector<std::int16_t> DecodeSamples(const std::vector<std::uint8_t>& bytes, const WaveFormat& format) {
    const std::size_t width = format.BitsPerSample / 8u;
    // Whole frames only: a data chunk may end in a frame's first bytes.
    const std::size_t frame = width * format.Channels;
    const std::size_t count = format.DataSize / frame * format.Channels;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = format.DataOffset + i * width;
        // 8-bit samples are unsigned; wider ones keep their two most significant bytes.
        const std::uint32_t top = width == 1 ? (bytes[at] ^ 0x80u) << 8 : Le(bytes, at + width - 2, 2);
        samples[i] = static_cast<std::int16_t>(top);
    }
    return samples;
}
