#pragma once
#include <array>
#include <string>

// The six sound cues; each plays the wave file of its name from the program's folder.
enum class Cue { Mnam1, Mnam2, Mnam3, Fuj, Cil, Naraz };
constexpr std::array<Cue, 6> AllCues = {Cue::Mnam1, Cue::Mnam2, Cue::Mnam3, Cue::Fuj, Cue::Cil, Cue::Naraz};

// "Mnam1", "Fuj", ...: the cue's name, which is also its file's name without ".wav".
constexpr const char* CueName(Cue cue) {
    constexpr std::array<const char*, 6> Names = {"Mnam1", "Mnam2", "Mnam3", "Fuj", "Cil", "Naraz"};
    return Names[static_cast<std::size_t>(cue)];
}

// "Mnam1.wav", ...: the file in the program's folder that the cue plays.
inline std::string CueFileName(Cue cue) { return std::string(CueName(cue)) + ".wav"; }

// Plays one cue without waiting for it.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void PlayCue(Cue cue) = 0;
};

class SilentCuePlayer : public CuePlayer {
public:
    void PlayCue(Cue) override {}
};
