#pragma once
#include <fstream>
#include <string>

// The process's resident memory in bytes, as Linux tells it in /proc.
namespace ResidentMemory {
inline long long Read(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ':', 0) == 0) return std::stoll(line.substr(field.size() + 1)) << 10;
    return 0;
}
inline long long Now() { return Read("VmRSS"); }
// The most resident since the process began or since the last ResetPeak.
inline long long Peak() { return Read("VmHWM"); }
// Makes the peak what is resident now; whether the system could.
inline bool ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    return static_cast<bool>((clear << '5').flush());
}
}  // namespace ResidentMemory
