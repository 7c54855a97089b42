#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

namespace {

// WAV is little-endian whatever the machine is, so bytes are put down one by one.
void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

}  // namespace

bool WavWriter::write(const std::filesystem::path& path, const Signal& sound) {
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bytesPerSample = 2;
    const auto rate = static_cast<std::uint32_t>(sound.sampleRate());
    const auto dataBytes = static_cast<std::uint32_t>(sound.size() * bytesPerSample);

    std::string out = "RIFF";
    putLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2);  // PCM
    putLe(out, channels, 2);
    putLe(out, rate, 4);
    putLe(out, rate * channels * bytesPerSample, 4);
    putLe(out, channels * bytesPerSample, 2);
    putLe(out, 8 * bytesPerSample, 2);
    out += "data";
    putLe(out, dataBytes, 4);
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double scaled = std::clamp(sound[i], -1.0, 1.0) * 32767.0;
        putLe(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(scaled))), 2);
    }

    std::ofstream file(path, std::ios::binary);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
