#include "Instruments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "Envelope.h"
#include "NoiseSource.h"
#include "Resonator.h"

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

// Exponential slide: equal musical steps in equal times.
double glide(double fromHz, double toHz, double t, double duration) {
    return fromHz * std::pow(toHz / fromHz, std::min(t / duration, 1.0));
}

}  // namespace

Instruments::Instruments(int sampleRate) : rate(sampleRate) {}

double Instruments::highestPartialHz() const { return 0.45 * rate; }

void Instruments::finish(Signal& sound) { sound.fadeEdges(0.0, std::min(0.02, sound.seconds() / 4.0)); }

Signal Instruments::blip(double fromHz, double toHz, double seconds) const {
    Signal sound(rate, seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = sound.timeAt(i);
        phase += twoPi * glide(fromHz, toHz, t, seconds) / rate;
        // A touch of second and third harmonic keeps it round but not a bare whistle.
        const double tone = std::sin(phase) + 0.25 * std::sin(2.0 * phase) + 0.1 * std::sin(3.0 * phase);
        sound[i] = tone * Envelope::gate(t, 0.006, seconds, 0.6 * seconds);
    }
    finish(sound);
    return sound;
}

Signal Instruments::chomp(double pitchHz, double seconds, NoiseSource& noise) const {
    Signal sound(rate, seconds);
    Resonator crunchFilter(rate, Resonator::Gain::UnityAtCentre);
    crunchFilter.tune(2800.0, 2500.0);
    double phase = 0.0;
    double grain = 0.0;
    double nextGrain = 0.0;
    const double grainFade = std::exp(-1.0 / (0.003 * rate));
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = sound.timeAt(i);
        phase += twoPi * glide(pitchHz, 0.6 * pitchHz, t, seconds) / rate;
        // Odd harmonics only: the hollow sound of a closing mouth.
        const double body = std::sin(phase) + std::sin(3.0 * phase) / 9.0 + std::sin(5.0 * phase) / 25.0;
        // The crunch is a rattle of tiny noise grains at irregular moments.
        if (t >= nextGrain) {
            grain = std::max(grain, 0.3 + 0.7 * noise.uniform());
            nextGrain = t + 0.004 + 0.006 * noise.uniform();
        }
        grain *= grainFade;
        const double crunch = 1.6 * crunchFilter.process(noise.bipolar() * grain);
        sound[i] = 0.8 * body * Envelope::percussive(t, 0.008, 0.25 * seconds) +
                   crunch * Envelope::percussive(t, 0.004, 0.4 * seconds);
    }
    finish(sound);
    return sound;
}

Signal Instruments::bell(double hz, double seconds) const {
    struct Partial {
        double ratio;
        double amplitude;
        double decayShare;
    };
    // The modes of a free bar, as in a glockenspiel: the upper ones fade fastest.
    constexpr std::array<Partial, 4> partials{
        {{1.0, 1.0, 0.45}, {2.756, 0.45, 0.18}, {5.404, 0.25, 0.08}, {8.933, 0.12, 0.04}}};
    Signal sound(rate, seconds);
    for (const Partial& partial : partials) {
        const double frequency = hz * partial.ratio;
        if (frequency > highestPartialHz()) continue;
        for (std::size_t i = 0; i < sound.size(); ++i) {
            const double t = sound.timeAt(i);
            sound[i] += partial.amplitude * std::sin(twoPi * frequency * t) *
                        Envelope::percussive(t, 0.002, partial.decayShare * seconds);
        }
    }
    finish(sound);
    return sound;
}

Signal Instruments::brass(double hz, double seconds) const {
    Signal sound(rate, seconds);
    const int harmonics = std::clamp(static_cast<int>(highestPartialHz() / hz), 1, 12);
    double phase = 0.0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = sound.timeAt(i);
        // The bright "blat" of a horn: the spectrum opens within 50 ms, then settles a little.
        const double opening = std::min(t / 0.05, 1.0);
        const double tilt = 2.4 - 1.1 * opening + 0.3 * std::min(std::max(t - 0.05, 0.0) / 0.3, 1.0);
        const double vibrato = 1.0 + 0.005 * Envelope::rise(t - 0.15, 0.1) * std::sin(twoPi * 5.5 * t);
        phase += twoPi * hz * vibrato / rate;
        double tone = 0.0;
        for (int n = 1; n <= harmonics; ++n) tone += std::sin(n * phase) / std::pow(n, tilt);
        sound[i] = tone * Envelope::gate(t, 0.015, seconds, std::min(0.06, seconds / 3.0));
    }
    finish(sound);
    return sound;
}

Signal Instruments::thud(double seconds) const {
    Signal sound(rate, seconds);
    double phase = 0.0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = sound.timeAt(i);
        phase += twoPi * glide(110.0, 36.0, t, 0.5 * seconds) / rate;
        // Saturation adds the harmonics that let small speakers hint at the low blow.
        const double body = std::tanh(2.2 * std::sin(phase)) / std::tanh(2.2);
        sound[i] = body * Envelope::percussive(t, 0.003, 0.2 * seconds);
    }
    finish(sound);
    return sound;
}

Signal Instruments::noiseBurst(double centreHz, double bandwidthHz, double seconds, NoiseSource& noise) const {
    Signal sound(rate, seconds);
    Resonator filter(rate, Resonator::Gain::UnityAtCentre);
    filter.tune(centreHz, bandwidthHz);
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = sound.timeAt(i);
        sound[i] = filter.process(noise.bipolar()) * Envelope::percussive(t, 0.002, 0.25 * seconds);
    }
    finish(sound);
    return sound;
}
