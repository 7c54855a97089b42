#pragma once

// A two-pole resonator, the classic formant filter.
class Resonator {
public:
    enum class Gain {
        // 1 at the centre: a band of noise keeps its loudness wherever it is tuned.
        UnityAtCentre,
        // 1 at DC: cascaded formants then shape a voice the way a vocal tract does,
        // each resonance lifting its own region above the ones below it.
        UnityAtDc,
    };

    Resonator(int sampleRate, Gain gain);

    void tune(double centreHz, double bandwidthHz);
    double process(double input);

private:
    int rate;
    Gain normalisation;
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double previous = 0.0;
    double beforePrevious = 0.0;
};
