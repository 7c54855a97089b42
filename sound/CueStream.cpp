#include "sound/CueStream.h"

#include <algorithm>
#include <pulse/context.h>
#include <pulse/proplist.h>
#include <pulse/rtclock.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>

namespace {
// The latency asked of the server; the cue itself is queued whole, whatever this is. A server
// plays about a quarter of it in each period: 60 ms gives periods of about 15 ms, which
// PipeWire rounds down to 512 frames (11.6 ms at 44.1 kHz). A busy machine now and then keeps
// even the server's real-time threads from their CPU for about 5 ms, and at PipeWire's shorter
// periods (what 40 ms gave: 256 frames) that costs a period of a cue already queued. Start and
// fade still come well inside the game's 30 ms and 60 ms.
constexpr std::uint64_t LatencyUs = 60'000;
constexpr std::uint64_t FadeUs = 5'000;
// How far beyond where the server last said it was the fade begins: the way there and back, with
// room for a moment's stall, so that the ramp never lands on sound already played.
constexpr std::uint64_t FadeMarginUs = 15'000;
// Silence after each cue: a server plays in whole periods, and the last one must not wait for
// more sound to fill it.
constexpr std::uint64_t TailUs = 50'000;
// Idle this long, the stream is corked, so that a real device may suspend; it is uncorked with
// the next cue it plays.
constexpr std::uint64_t CorkAfterUs = 3'000'000;
// An operation whose answer nobody waits for: the library keeps it until it is done.
void Forget(pa_operation* operation) {
    if (operation) pa_operation_unref(operation);
}

// Between looks at whether a cue has played out.
constexpr std::uint64_t PlayedOutCheckUs = 20'000;
}  // namespace

CueStream::CueStream(pa_mainloop_api* api, pa_context* context, const CueSound& format, std::function<void()> idle)
    : api_(api), format_{format.SampleRate, format.Channels, {}}, idle_(std::move(idle)) {
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, format_.SampleRate, format_.Channels};
    // A game's sounds, not the desktop's own events: "event" would put them under the system
    // sounds' volume and out of the mixer's list of applications, where the player looks for them.
    const ServerProperties role(pa_proplist_new(), pa_proplist_free);
    pa_proplist_sets(role.get(), PA_PROP_MEDIA_ROLE, "game");
    stream_ = pa_stream_new_with_proplist(context, "Zurk3", &sampleFormat, nullptr, role.get());
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, &CueStream::OnState, this);
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<std::uint32_t>(-1);
    attributes.tlength = static_cast<std::uint32_t>(BytesFor(LatencyUs));
    attributes.prebuf = static_cast<std::uint32_t>(FrameBytes());
    attributes.minreq = static_cast<std::uint32_t>(-1);
    attributes.fragsize = static_cast<std::uint32_t>(-1);
    pa_stream_connect_playback(stream_, nullptr, &attributes, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr);
    timer_ = pa_context_rttime_new(context, pa_rtclock_now() + CorkAfterUs, &CueStream::OnTimer, this);
}

CueStream::~CueStream() {
    if (timer_) api_->time_free(timer_);
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    // Also cancels what the stream still waits for, so no answer comes back to this object.
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
}

std::size_t CueStream::FrameBytes() const { return sizeof(std::int16_t) * format_.Channels; }

std::size_t CueStream::BytesFor(std::uint64_t microseconds) const {
    return static_cast<std::size_t>(microseconds * format_.SampleRate / 1'000'000) * FrameBytes();
}

bool CueStream::Broken() const {
    if (!stream_) return true;
    const pa_stream_state_t state = pa_stream_get_state(stream_);
    return state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}

bool CueStream::Play(const CueSound& cue) {
    if (!Idle()) return false;
    cue_ = &cue;
    pending_ = true;
    if (pa_stream_get_state(stream_) == PA_STREAM_READY) StartPending();
    return true;
}

void CueStream::StartPending() {
    pending_ = false;
    const std::vector<std::int16_t> tail(BytesFor(TailUs) / sizeof(std::int16_t), 0);
    // The server refuses what goes beyond its queue, and a stalled one leaves it all with the
    // library: what does not fit is not sent.
    const pa_buffer_attr* queue = pa_stream_get_buffer_attr(stream_);
    const std::size_t fits = queue ? queue->maxlength / FrameBytes() * format_.Channels : 0;
    cueSamples_ = std::min(cue_->Samples.size(), fits > tail.size() ? fits - tail.size() : 0);
    Write(std::span(cue_->Samples).first(cueSamples_), 0, false);
    Write(tail, 0, false);
    cueBytes_ = static_cast<std::int64_t>((cueSamples_ + tail.size()) * sizeof(std::int16_t));
    phase_ = Phase::Sounding;
    if (corked_) Forget(pa_stream_cork(stream_, 0, nullptr, nullptr));
    corked_ = false;
    LookAgainIn(DurationOf(cueBytes_) + PlayedOutCheckUs);
}

std::uint64_t CueStream::DurationOf(std::int64_t bytes) const {
    return static_cast<std::uint64_t>(std::max<std::int64_t>(bytes, 0)) * 1'000'000 /
           (format_.SampleRate * FrameBytes());
}

void CueStream::LookAgainIn(std::uint64_t microseconds) {
    pa_context_rttime_restart(pa_stream_get_context(stream_), timer_, pa_rtclock_now() + microseconds);
}

void CueStream::Write(std::span<const std::int16_t> samples, std::int64_t at, bool absolute) {
    if (samples.empty()) return;
    // Copied by the library at once: the samples may go as soon as this returns.
    pa_stream_write(stream_, samples.data(), samples.size() * sizeof(std::int16_t), nullptr, at,
                    absolute ? PA_SEEK_ABSOLUTE : PA_SEEK_RELATIVE);
}

void CueStream::FadeOut() {
    if (pending_) {
        // It never started: nothing to fade.
        pending_ = false;
        if (phase_ == Phase::Idle) cue_ = nullptr;
        return;
    }
    if (phase_ != Phase::Sounding) return;
    phase_ = Phase::FadeAsked;
    AskWhereTheServerIs();
}

void CueStream::AskWhereTheServerIs() {
    // One question at a time: a stalled server piles up none.
    if (asking_) return;
    if (pa_operation* asking = pa_stream_update_timing_info(stream_, &CueStream::OnWhere, this)) {
        asking_ = true;
        Forget(asking);
    }
}

void CueStream::FadeFromWhereTheServerIs() {
    const pa_timing_info* where = pa_stream_get_timing_info(stream_);
    if (!where || where->read_index_corrupt || where->write_index_corrupt) {
        // Not known where the cue is: better cut it than let it play on.
        Forget(pa_stream_flush(stream_, nullptr, nullptr));
        PlayedOut();
        return;
    }
    const auto frameBytes = static_cast<std::int64_t>(FrameBytes());
    const std::int64_t start = where->write_index - cueBytes_;
    const auto ahead = static_cast<std::int64_t>(BytesFor(pa_timeval_age(&where->timestamp) + FadeMarginUs));
    const std::int64_t from = std::max<std::int64_t>(where->read_index + ahead - start, 0) / frameBytes;
    const auto cueFrames = static_cast<std::int64_t>(cueSamples_ / format_.Channels);
    const auto fadeFrames = static_cast<std::int64_t>(BytesFor(FadeUs)) / frameBytes;
    // The ramp, then silence up to the old end, so that nothing of the cue is heard after it.
    std::vector<std::int16_t> faded(
        static_cast<std::size_t>(std::max<std::int64_t>(cueBytes_ / frameBytes - from, 0)) * format_.Channels, 0);
    for (std::int64_t frame = from; frame < std::min(from + fadeFrames, cueFrames); ++frame) {
        // A linear ramp down; its last frame is already silent.
        const std::int64_t gain = fadeFrames - 1 - (frame - from);
        for (std::size_t channel = 0; channel < format_.Channels; ++channel) {
            const auto at = static_cast<std::size_t>(frame) * format_.Channels + channel;
            faded[at - static_cast<std::size_t>(from) * format_.Channels] =
                static_cast<std::int16_t>(cue_->Samples[at] * gain / fadeFrames);
        }
    }
    Write(faded, start + from * frameBytes, true);
    fadeEnd_ = start + std::min(from + fadeFrames, cueBytes_ / frameBytes) * frameBytes;
    phase_ = Phase::Fading;
    LookAgainIn(DurationOf(fadeEnd_ - where->read_index) + PlayedOutCheckUs);
}

void CueStream::IdleIfPlayedOut() {
    const pa_timing_info* where = pa_stream_get_timing_info(stream_);
    if (!where || where->read_index_corrupt || where->write_index_corrupt) return;
    // Where the cue's sound ends: what follows is silence, and a server may keep the last bit of
    // it, less than it plays at a time, until more comes.
    std::int64_t soundEnd = where->write_index - static_cast<std::int64_t>(BytesFor(TailUs));
    if (phase_ == Phase::Fading) soundEnd = std::min(soundEnd, fadeEnd_);
    if (where->read_index >= soundEnd) {
        Forget(pa_stream_flush(stream_, nullptr, nullptr));
        PlayedOut();
    } else {
        LookAgainIn(PlayedOutCheckUs);
    }
}

void CueStream::PlayedOut() {
    phase_ = Phase::Idle;
    cue_ = nullptr;
    LookAgainIn(CorkAfterUs);
    idle_();
}

void CueStream::OnState(pa_stream* stream, void* self) {
    auto* cues = static_cast<CueStream*>(self);
    if (pa_stream_get_state(stream) == PA_STREAM_READY && cues->pending_) cues->StartPending();
}

void CueStream::OnWhere(pa_stream*, int success, void* self) {
    auto* cues = static_cast<CueStream*>(self);
    cues->asking_ = false;
    if (!success) {
        // No answer in time (libpulse gives up on a stalled server after 30 s): ask again later,
        // so that the stream plays out once the server goes on.
        cues->LookAgainIn(PlayedOutCheckUs);
        return;
    }
    if (cues->phase_ == Phase::FadeAsked)
        cues->FadeFromWhereTheServerIs();
    else if (cues->phase_ != Phase::Idle)
        cues->IdleIfPlayedOut();
}

void CueStream::OnTimer(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self) {
    auto* cues = static_cast<CueStream*>(self);
    if (cues->phase_ != Phase::Idle) {
        cues->AskWhereTheServerIs();
    } else if (!cues->corked_ && !cues->pending_ && !cues->Broken()) {
        Forget(pa_stream_cork(cues->stream_, 1, nullptr, nullptr));
        cues->corked_ = true;
    }
}
