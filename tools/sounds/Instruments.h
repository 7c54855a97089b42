#pragma once

#include "Signal.h"

class NoiseSource;

// The building blocks the cues are mixed from. Each returns a finished little
// sound that starts and ends in silence.
class Instruments {
public:
    explicit Instruments(int sampleRate);

    // A short round tone whose pitch slides from one frequency to another.
    Signal blip(double fromHz, double toHz, double seconds) const;
    // A bite: a falling hollow tone with a crackle of filtered noise on top.
    Signal chomp(double pitchHz, double seconds, NoiseSource& noise) const;
    // A struck metal bar: a few inharmonic partials dying away at different rates.
    Signal bell(double hz, double seconds) const;
    // A brass note: harmonics that open up just after the attack, and a late vibrato.
    Signal brass(double hz, double seconds) const;
    // A heavy blow: a saturated sine falling in pitch.
    Signal thud(double seconds) const;
    // A burst of band-limited noise that dies away within its length.
    Signal noiseBurst(double centreHz, double bandwidthHz, double seconds, NoiseSource& noise) const;

private:
    // Harmonics above this would fold back as harsh aliases.
    double highestPartialHz() const;
    // Every instrument ends with a short fade so the tail of its decay never clicks.
    static void finish(Signal& sound);

    int rate;
};
