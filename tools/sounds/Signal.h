#pragma once

#include <cstddef>
#include <vector>

// A mono sound under construction: floating-point samples at a fixed rate,
// mixed together from instruments and finished off before it is written.
class Signal {
public:
    Signal(int sampleRate, double seconds);

    int sampleRate() const { return rate; }
    std::size_t size() const { return samples.size(); }
    double seconds() const;
    double timeAt(std::size_t index) const;
    double& operator[](std::size_t index) { return samples[index]; }
    double operator[](std::size_t index) const { return samples[index]; }

    // Adds another sound of the same rate into this one from the given moment on;
    // whatever would run past the end is cut off.
    void mix(const Signal& other, double startSeconds, double gain);
    // Noise and saturated tones carry a little DC, which would waste headroom
    // and make the speaker jump when playback starts.
    void removeDc();
    // Raised-cosine ramps at both ends, so the sound never starts or stops with a click.
    void fadeEdges(double attackSeconds, double releaseSeconds);
    double peak() const;
    void normalisePeak(double decibelsFullScale);

private:
    int rate;
    std::vector<double> samples;
};
