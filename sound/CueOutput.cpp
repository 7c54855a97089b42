#include "sound/CueOutput.h"

#include <algorithm>
#include <pulse/context.h>
#include <pulse/mainloop-api.h>
#include <pulse/proplist.h>
#include <pulse/timeval.h>
#include <sys/time.h>

#include "pond/RegularFile.h"
#include "sound/WaveFile.h"

namespace {
// A cue is a short sound; one longer than this is no cue, and would not fit the server's queue.
constexpr std::uint64_t MaxCueSeconds = 10;
constexpr std::size_t MaxCueFileSize = 8u << 20;
// Enough that a cue finds one idle even when cues come at every step of the fastest speed.
constexpr int StreamsPerFormat = 3;
// How long a cue that comes while the link is being made waits for it before the beep.
constexpr pa_usec_t WaitForLinkUs = 300'000;

std::optional<CueSound> ReadCue(const ProgramFolder& folder, Cue cue) {
    // The bytes checked are the bytes played: no other reader opens the file after us.
    const FileRead file = folder.Read(CueFileName(cue), MaxCueFileSize);
    if (file.Status != FileReadStatus::Read) return std::nullopt;
    const auto wave = ReadWaveFormat(file.Bytes);
    if (!wave || wave->Channels > 2) return std::nullopt;
    CueSound sound;
    sound.SampleRate = wave->SampleRate;
    sound.Channels = static_cast<std::uint8_t>(wave->Channels);
    sound.Samples = DecodeSamples(file.Bytes, *wave);
    if (sound.Samples.size() / sound.Channels > MaxCueSeconds * sound.SampleRate) return std::nullopt;
    return sound;
}

timeval In(pa_usec_t microseconds) {
    timeval when{};
    gettimeofday(&when, nullptr);
    return *pa_timeval_add(&when, microseconds);
}
}  // namespace

CueOutput::CueOutput(pa_mainloop_api* api, const ProgramFolder& folder, std::function<void()> unplayable)
    : api_(api), unplayable_(std::move(unplayable)) {
    for (Cue cue : AllCues)
        if (auto sound = ReadCue(folder, cue)) sounds_[cue] = std::move(*sound);
    timer_ = api_->time_new(api_, nullptr, &CueOutput::OnTimer, this);
    Connect();
}

CueOutput::~CueOutput() {
    Disconnect();
    api_->time_free(timer_);
}

void CueOutput::Connect() {
    // What the desktop's mixer shows of the game, and what ties its streams to the desktop entry
    // and icon; the streams are the server's clients' and carry it too. The name is the game's own
    // in every language.
    const ServerProperties application(pa_proplist_new(), pa_proplist_free);
    pa_proplist_sets(application.get(), PA_PROP_APPLICATION_NAME, "Zurk3");
    pa_proplist_sets(application.get(), PA_PROP_APPLICATION_ID, ZURK3_APP_ID);
    pa_proplist_sets(application.get(), PA_PROP_APPLICATION_ICON_NAME, ZURK3_APP_ID);
    context_ = pa_context_new_with_proplist(api_, "Zurk3", application.get());
    if (!context_) return;
    pa_context_set_state_callback(context_, &CueOutput::OnContextState, this);
    // Never starts a server of its own: the player's desktop has one, or the game is silent.
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void CueOutput::Disconnect() {
    streams_.clear();
    if (!context_) return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void CueOutput::OpenStreams() {
    // A stream the server dropped is opened anew, so that a server that went on plays again.
    std::erase_if(streams_, [](const auto& s) { return s->Broken(); });
    for (const auto& cue : sounds_) {
        const CueSound& sound = cue.second;
        for (auto open = std::count_if(streams_.begin(), streams_.end(),
                                       [&sound](const auto& s) { return s->SameFormat(sound); });
             open < StreamsPerFormat; ++open)
            streams_.push_back(std::make_unique<CueStream>(api_, context_, sound, [this] { PlayWaiting(); }));
    }
}

void CueOutput::OnContextState(pa_context* context, void* self) {
    auto* output = static_cast<CueOutput*>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) {
        output->OpenStreams();
        output->PlayWaiting();
    } else if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED) {
        // No server, or it went away: the link is made again with the next cue.
        if (output->waiting_) output->unplayable_();
        output->waiting_.reset();
    }
}

void CueOutput::OnTimer(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* self) {
    auto* output = static_cast<CueOutput*>(self);
    // The server took no notice in time: stalled, or too busy to be heard from.
    if (output->waiting_) output->unplayable_();
    output->waiting_.reset();
}

CueStream* CueOutput::FreeStream(const CueSound& sound) {
    for (const auto& stream : streams_)
        if (stream->SameFormat(sound) && stream->Idle()) return stream.get();
    return nullptr;
}

void CueOutput::Play(Cue cue) {
    const auto found = sounds_.find(cue);
    if (found == sounds_.end()) {
        unplayable_();
        return;
    }
    const pa_context_state_t state = context_ ? pa_context_get_state(context_) : PA_CONTEXT_FAILED;
    if (state == PA_CONTEXT_READY) {
        OpenStreams();
        PlayNow(cue);
        return;
    }
    // The link is being made, or is made now: the cue waits for it a moment.
    Wait(cue);
    if (state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED || state == PA_CONTEXT_UNCONNECTED) {
        Disconnect();
        Connect();
    }
}

void CueOutput::Wait(Cue cue) {
    // One cue waits, the latest, for a moment; then it gives the beep. A cue it replaces gives it now.
    if (waiting_) unplayable_();
    waiting_ = cue;
    const timeval deadline = In(WaitForLinkUs);
    api_->time_restart(timer_, &deadline);
}

void CueOutput::PlayWaiting() {
    // A stream of another format going idle leaves the cue waiting, its moment unchanged.
    if (!waiting_ || !FreeStream(sounds_.at(*waiting_))) return;
    const Cue cue = *waiting_;
    waiting_.reset();
    PlayNow(cue);
}

void CueOutput::PlayNow(Cue cue) {
    const CueSound& sound = sounds_.at(cue);
    CueStream* stream = FreeStream(sound);
    // One cue sounds at a time, whatever its format.
    for (const auto& other : streams_)
        if (other.get() != stream) other->FadeOut();
    if (!stream) {
        // Every stream still plays, or waits for a stalled server: the cue waits for the first to be idle.
        Wait(cue);
        return;
    }
    if (!stream->Play(sound)) {
        unplayable_();
        return;
    }
    const auto used =
        std::find_if(streams_.begin(), streams_.end(), [stream](const auto& s) { return s.get() == stream; });
    std::rotate(used, used + 1, streams_.end());
}
