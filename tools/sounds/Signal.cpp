#include "Signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Envelope.h"

Signal::Signal(int sampleRate, double seconds)
    : rate(sampleRate), samples(static_cast<std::size_t>(std::lround(seconds * sampleRate)), 0.0) {}

double Signal::seconds() const { return static_cast<double>(samples.size()) / rate; }

double Signal::timeAt(std::size_t index) const { return static_cast<double>(index) / rate; }

void Signal::mix(const Signal& other, double startSeconds, double gain) {
    const auto start = static_cast<std::size_t>(std::lround(startSeconds * rate));
    for (std::size_t i = 0; i < other.size() && start + i < samples.size(); ++i) samples[start + i] += gain * other[i];
}

void Signal::removeDc() {
    // One-pole high-pass at 20 Hz: far below anything we mean to be heard.
    const double pole = std::exp(-2.0 * std::numbers::pi * 20.0 / rate);
    double previousIn = 0.0;
    double previousOut = 0.0;
    for (double& sample : samples) {
        const double out = sample - previousIn + pole * previousOut;
        previousIn = sample;
        previousOut = out;
        sample = out;
    }
}

void Signal::fadeEdges(double attackSeconds, double releaseSeconds) {
    const double length = seconds();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = timeAt(i);
        // The last sample sits exactly at the end of the release, so it comes out as zero.
        const double fromEnd = length - timeAt(i + 1);
        samples[i] *= Envelope::rise(t, attackSeconds) * Envelope::rise(fromEnd, releaseSeconds);
    }
}

double Signal::peak() const {
    double highest = 0.0;
    for (double sample : samples) highest = std::max(highest, std::abs(sample));
    return highest;
}

void Signal::normalisePeak(double decibelsFullScale) {
    const double highest = peak();
    if (highest <= 0.0) return;
    const double gain = std::pow(10.0, decibelsFullScale / 20.0) / highest;
    for (double& sample : samples) sample *= gain;
}
