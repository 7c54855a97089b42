#pragma once

#include <filesystem>

#include "Signal.h"

// Writes a signal as a plain RIFF/WAVE file: 16-bit PCM, mono, which every
// sound player understands.
class WavWriter {
public:
    // Returns false when the file cannot be written.
    static bool write(const std::filesystem::path& path, const Signal& sound);
};
