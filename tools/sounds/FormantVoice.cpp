#include "FormantVoice.h"

#include <cmath>
#include <numbers>

#include "NoiseSource.h"
#include "Resonator.h"

namespace {

double between(double from, double to, double share) { return from + (to - from) * share; }

}  // namespace

FormantVoice::FormantVoice(int sampleRate) : rate(sampleRate) {}

FormantVoice::Frame FormantVoice::frameAt(const std::vector<Frame>& frames, double t) {
    if (t <= frames.front().time) return frames.front();
    for (std::size_t i = 1; i < frames.size(); ++i) {
        const Frame& from = frames[i - 1];
        const Frame& to = frames[i];
        if (t > to.time) continue;
        const double share = (t - from.time) / (to.time - from.time);
        return {t,
                between(from.pitchHz, to.pitchHz, share),
                between(from.voicing, to.voicing, share),
                between(from.hiss, to.hiss, share),
                between(from.growl, to.growl, share),
                between(from.f1, to.f1, share),
                between(from.f2, to.f2, share),
                between(from.f3, to.f3, share)};
    }
    return frames.back();
}

double FormantVoice::glottalFlow(double phase) {
    // Slow opening, quick closing, then closed: the quick closure is what makes a voice buzz.
    constexpr double opening = 0.45;
    constexpr double closing = 0.12;
    if (phase < opening) return 0.5 * (1.0 - std::cos(std::numbers::pi * phase / opening));
    if (phase < opening + closing) return std::cos(0.5 * std::numbers::pi * (phase - opening) / closing);
    return 0.0;
}

Signal FormantVoice::speak(const std::vector<Frame>& frames, NoiseSource& noise) const {
    Signal sound(rate, frames.back().time);
    Resonator formant1(rate, Resonator::Gain::UnityAtDc);
    Resonator formant2(rate, Resonator::Gain::UnityAtDc);
    Resonator formant3(rate, Resonator::Gain::UnityAtDc);
    Resonator fricative(rate, Resonator::Gain::UnityAtCentre);
    fricative.tune(6000.0, 5000.0);
    double phase = 0.0;
    double previousFlow = 0.0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = sound.timeAt(i);
        const Frame frame = frameAt(frames, t);
        phase += frame.pitchHz / rate;
        phase -= std::floor(phase);
        // The lips radiate the change of airflow, not the flow itself; scaled to about 1 at the peak.
        const double flow = glottalFlow(phase);
        const double source = (flow - previousFlow) * rate / (frame.pitchHz * 13.0);
        previousFlow = flow;
        const double flutter = 1.0 - 0.5 * frame.growl * (1.0 + std::sin(2.0 * std::numbers::pi * 33.0 * t));
        formant1.tune(frame.f1, 90.0);
        formant2.tune(frame.f2, 80.0);
        formant3.tune(frame.f3, 120.0);
        const double vowel = formant3.process(formant2.process(formant1.process(source * frame.voicing * flutter)));
        sound[i] = vowel + frame.hiss * fricative.process(noise.bipolar());
    }
    return sound;
}
