#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// One cue's sound, frame by frame, until its last sample; or, once faded out, until a few
// milliseconds later, falling silent along a ramp rather than with a click.
class CueVoice {
public:
    // channels: samples per frame; fadeFrames: how long a fade takes.
    CueVoice(int channels, std::size_t fadeFrames);

    // samples: the cue's frames, channels interleaved; they must outlive its playing.
    void Start(const std::vector<std::int16_t>& samples);
    void FadeOut();
    bool Sounding() const { return samples_ && next_ < samples_->size(); }
    bool Fading() const { return fadeLeft_ > 0; }
    // Writes the next frames, at most `frames`; how many it wrote.
    std::size_t Take(std::int16_t* out, std::size_t frames);

private:
    std::size_t channels_;
    std::size_t fadeFrames_;
    const std::vector<std::int16_t>* samples_ = nullptr;
    std::size_t next_ = 0;      // the next sample to sound
    std::size_t fadeLeft_ = 0;  // frames until silence; 0 while not fading
};
