#include "app/CueVoice.h"

#include <algorithm>

CueVoice::CueVoice(int channels, std::size_t fadeFrames)
    : channels_(static_cast<std::size_t>(channels)), fadeFrames_(std::max<std::size_t>(fadeFrames, 1)) {}

void CueVoice::Start(const std::vector<std::int16_t>& samples) {
    samples_ = &samples;
    next_ = 0;
    fadeLeft_ = 0;
}

void CueVoice::FadeOut() {
    if (Sounding() && !Fading()) fadeLeft_ = fadeFrames_;
}

std::size_t CueVoice::Take(std::int16_t* out, std::size_t frames) {
    std::size_t taken = 0;
    for (; taken < frames && Sounding(); ++taken) {
        // A linear ramp down; the fade's last frame is already silent.
        const auto gain = static_cast<std::int32_t>(Fading() ? fadeLeft_ - 1 : fadeFrames_);
        for (std::size_t channel = 0; channel < channels_; ++channel)
            *out++ = static_cast<std::int16_t>((*samples_)[next_++] * gain / static_cast<std::int32_t>(fadeFrames_));
        if (Fading() && --fadeLeft_ == 0) next_ = samples_->size();
    }
    return taken;
}
