#include "CueSynth.h"

#include <array>

#include "FormantVoice.h"
#include "NoiseSource.h"

CueSynth::CueSynth(int sampleRate) : rate(sampleRate), instruments(sampleRate) {}

void CueSynth::finish(Signal& cue) {
    cue.removeDc();
    cue.fadeEdges(0.003, 0.03);
    cue.normalisePeak(-3.0);
}

Signal CueSynth::mnam1() const {
    NoiseSource noise(101);
    Signal cue(rate, 0.26);
    cue.mix(instruments.noiseBurst(1500.0, 1200.0, 0.03, noise), 0.0, 0.5);
    cue.mix(instruments.blip(350.0, 700.0, 0.09), 0.0, 0.7);
    cue.mix(instruments.blip(520.0, 1050.0, 0.16), 0.08, 1.0);
    finish(cue);
    return cue;
}

Signal CueSynth::mnam2() const {
    NoiseSource noise(202);
    Signal cue(rate, 0.72);
    // Each bite a little different, the last one the hungriest.
    cue.mix(instruments.chomp(260.0, 0.14, noise), 0.0, 0.8);
    cue.mix(instruments.chomp(235.0, 0.14, noise), 0.17, 0.75);
    cue.mix(instruments.chomp(290.0, 0.18, noise), 0.34, 1.0);
    cue.mix(instruments.blip(300.0, 620.0, 0.16), 0.55, 0.6);
    finish(cue);
    return cue;
}

Signal CueSynth::mnam3() const {
    NoiseSource noise(303);
    Signal cue(rate, 1.2);
    // E major, climbing: E6, G#6, B6, E7, over a soft E5 for body.
    constexpr std::array<double, 4> arpeggio{1318.5, 1661.2, 1975.5, 2637.0};
    cue.mix(instruments.bell(659.3, 1.1), 0.0, 0.35);
    for (std::size_t i = 0; i < arpeggio.size(); ++i)
        cue.mix(instruments.bell(arpeggio[i], 0.9), 0.07 * static_cast<double>(i), 0.6);
    for (int i = 0; i < 14; ++i) {
        const double start = 0.1 + 0.8 * noise.uniform();
        const double pitch = 3000.0 + 3000.0 * noise.uniform();
        cue.mix(instruments.bell(pitch, 0.12), start, 0.15);
    }
    finish(cue);
    return cue;
}

Signal CueSynth::fuj() const {
    NoiseSource noise(404);
    const FormantVoice voice(rate);
    // f (hiss), u (F1 low, F2 low), j (F2 swings high), the pitch falling throughout.
    const std::vector<FormantVoice::Frame> frames{
        {0.00, 220.0, 0.0, 0.0, 0.0, 300.0, 800.0, 2300.0},  {0.03, 220.0, 0.0, 0.25, 0.0, 300.0, 800.0, 2300.0},
        {0.14, 220.0, 0.0, 0.25, 0.0, 300.0, 800.0, 2300.0}, {0.18, 210.0, 1.0, 0.01, 0.4, 350.0, 880.0, 2400.0},
        {0.45, 150.0, 1.0, 0.0, 0.7, 360.0, 860.0, 2350.0},  {0.58, 125.0, 0.9, 0.0, 0.5, 280.0, 2100.0, 2900.0},
        {0.72, 105.0, 0.0, 0.0, 0.3, 260.0, 2300.0, 3000.0}};
    Signal cue(rate, 0.76);
    cue.mix(instruments.noiseBurst(900.0, 1200.0, 0.12, noise), 0.0, 0.4);
    cue.mix(voice.speak(frames, noise), 0.02, 1.0);
    finish(cue);
    return cue;
}

Signal CueSynth::cil() const {
    // G4 C5 E5 G5 climbing to a held C6, with the C major chord joining underneath.
    constexpr std::array<double, 4> climb{392.0, 523.25, 659.25, 784.0};
    Signal cue(rate, 1.1);
    for (std::size_t i = 0; i < climb.size(); ++i)
        cue.mix(instruments.brass(climb[i], 0.14), 0.11 * static_cast<double>(i), 0.8);
    cue.mix(instruments.brass(1046.5, 0.62), 0.44, 1.0);
    for (double chordNote : {523.25, 659.25, 784.0}) cue.mix(instruments.brass(chordNote, 0.62), 0.44, 0.3);
    finish(cue);
    return cue;
}

Signal CueSynth::naraz() const {
    NoiseSource noise(505);
    Signal cue(rate, 0.6);
    cue.mix(instruments.thud(0.55), 0.0, 1.0);
    cue.mix(instruments.noiseBurst(300.0, 500.0, 0.25, noise), 0.0, 2.0);
    cue.mix(instruments.noiseBurst(2500.0, 1500.0, 0.45, noise), 0.015, 0.6);
    finish(cue);
    return cue;
}
