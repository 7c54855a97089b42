#pragma once
#include <string>

// Plays one of the six sound cues by name ("Mnam1", "Fuj", ...) without waiting for it.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void PlayCue(const std::string& name) = 0;
};

class SilentCuePlayer : public CuePlayer {
public:
    void PlayCue(const std::string&) override {}
};
