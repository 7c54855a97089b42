#pragma once
// Why: part of the cue player on libpulse, which stands in for Qt Multimedia (ServerCuePlayer.h says why).
// Can go when: ServerCuePlayer.h says it can.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

struct pa_context;
struct pa_mainloop_api;
struct pa_proplist;
struct pa_stream;
struct pa_time_event;

// The sound of one cue: frames of 16-bit samples, channels interleaved.
// A list of properties the server keeps of a client or a stream, freed with the list.
using ServerProperties = std::unique_ptr<pa_proplist, void (*)(pa_proplist*)>;

struct CueSound {
    std::uint32_t SampleRate = 0;
    std::uint8_t Channels = 0;
    std::vector<std::int16_t> Samples;

    bool SameFormat(const CueSound& other) const {
        return SampleRate == other.SampleRate && Channels == other.Channels;
    }
};

// One stream to the sound server, playing one cue at a time in one format. The whole cue goes
// to the server at once, as far as the server's queue takes it, so that however long the game or
// the server is starved afterwards, every sample is played and in order. Fading a cue out
// rewrites the part of it that the server has not yet played: a short ramp down, then silence. A
// stream that has been idle a while is corked, so that a real sound device can suspend. Lives in
// the sound thread.
class CueStream {
public:
    // format: the cue format the stream plays (its samples are not used); idle: told each time a
    // cue has played out, or been cut off.
    CueStream(pa_mainloop_api* api, pa_context* context, const CueSound& format, std::function<void()> idle);
    ~CueStream();
    CueStream(const CueStream&) = delete;
    CueStream& operator=(const CueStream&) = delete;

    bool SameFormat(const CueSound& sound) const { return format_.SameFormat(sound); }
    // Starts the cue on an idle stream: a stream never queues one cue behind another, which a
    // stalled server would leave in the library's memory. The cue must outlive its playing. False
    // when the stream broke.
    bool Play(const CueSound& cue);
    void FadeOut();
    // Nothing of a cue is left to play: a new cue is heard at once.
    bool Idle() const { return phase_ == Phase::Idle && !Broken(); }
    bool Broken() const;

private:
    enum class Phase {
        Idle,       // nothing queued
        Sounding,   // a cue is queued whole
        FadeAsked,  // waiting for where the server is, to fade from there
        Fading,     // the ramp is written; silence follows until the old end
    };

    std::size_t FrameBytes() const;
    std::size_t BytesFor(std::uint64_t microseconds) const;
    void Write(std::span<const std::int16_t> samples, std::int64_t at, bool absolute);
    void StartPending();
    std::uint64_t DurationOf(std::int64_t bytes) const;
    void AskWhereTheServerIs();
    void FadeFromWhereTheServerIs();
    void IdleIfPlayedOut();
    void PlayedOut();
    void LookAgainIn(std::uint64_t microseconds);

    static void OnState(pa_stream* stream, void* self);
    static void OnWhere(pa_stream* stream, int success, void* self);
    // Looks again whether a cue has played out; corks a stream idle for long.
    static void OnTimer(pa_mainloop_api* api, pa_time_event* event, const struct timeval* when, void* self);

    pa_mainloop_api* api_;
    CueSound format_;
    std::function<void()> idle_;
    pa_stream* stream_;  // none only when the library refused the format
    pa_time_event* timer_ = nullptr;
    Phase phase_ = Phase::Idle;
    bool corked_ = false;
    bool asking_ = false;            // where the server is, and no answer yet
    const CueSound* cue_ = nullptr;  // the cue playing, or waiting for the stream to be ready
    bool pending_ = false;           // cue_ waits for the stream to be ready
    std::size_t cueSamples_ = 0;     // what was written of cue_: what the server's queue takes
    std::int64_t cueBytes_ = 0;      // that, with the silence after it
    std::int64_t fadeEnd_ = 0;       // the stream's byte where the ramp ends
};
