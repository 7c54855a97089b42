#pragma once

#include <vector>

#include "Signal.h"

class NoiseSource;

// A tiny formant speaker: a glottal buzz shaped by three vocal-tract resonances,
// plus a hiss for fricatives. Enough to say a one-syllable word like "fuj".
class FormantVoice {
public:
    // One point of the spoken path; the voice glides in straight lines between frames.
    struct Frame {
        double time;
        double pitchHz;
        double voicing;  // 0 silent .. 1 full voice
        double hiss;     // 0 none .. 1 strong fricative noise
        double growl;    // 0 smooth .. 1 a rough, disgusted flutter of the voice
        double f1;
        double f2;
        double f3;
    };

    explicit FormantVoice(int sampleRate);

    // Frames must be in time order; the sound lasts until the last one.
    Signal speak(const std::vector<Frame>& frames, NoiseSource& noise) const;

private:
    static Frame frameAt(const std::vector<Frame>& frames, double t);
    // One period of the vocal folds' airflow (a Rosenberg pulse), phase in [0, 1).
    static double glottalFlow(double phase);

    int rate;
};
