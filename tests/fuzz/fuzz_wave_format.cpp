// libFuzzer target: any bytes as a cue file. The cue check must answer for every file without
// reading outside it, and whatever it accepts must lie inside the file.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "sound/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const std::optional<WaveFormat> format = ReadWaveFormat(bytes);
    if (format && (format->DataOffset > size || format->DataSize > size - format->DataOffset)) std::abort();
    return 0;
}
