#pragma once
// Why: part of the cue player on libpulse, which stands in for Qt Multimedia (ServerCuePlayer.h says why).
// Can go when: ServerCuePlayer.h says it can.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "pond/CuePlayer.h"
#include "resources/ProgramFolder.h"
#include "sound/CueStream.h"

struct pa_context;
struct pa_mainloop_api;
struct pa_time_event;

// The cues' side of the sound, in the sound thread: reads every cue file once, keeps its sound in
// memory, keeps a link to the sound server and plays each cue through an idle stream of its
// format, fading out the cue still sounding. While no stream is idle, the latest cue waits a
// moment for one, never a queue of them. A server that went away is looked for again with the
// next cue, and a broken stream is opened again, so that cues come back with the server.
class CueOutput {
public:
    // unplayable: told, in the sound thread, of every cue that cannot sound: its file is missing
    // or damaged, or no sound reaches a server.
    CueOutput(pa_mainloop_api* api, const ProgramFolder& folder, std::function<void()> unplayable);
    ~CueOutput();
    CueOutput(const CueOutput&) = delete;
    CueOutput& operator=(const CueOutput&) = delete;

    void Play(Cue cue);

private:
    void Connect();
    void Disconnect();
    void OpenStreams();
    CueStream* FreeStream(const CueSound& sound);
    void PlayNow(Cue cue);
    void Wait(Cue cue);
    void PlayWaiting();

    static void OnContextState(pa_context* context, void* self);
    static void OnTimer(pa_mainloop_api* api, pa_time_event* event, const struct timeval* when, void* self);

    pa_mainloop_api* api_;
    std::function<void()> unplayable_;
    std::map<Cue, CueSound> sounds_;  // a cue whose file is missing or damaged has none
    pa_context* context_ = nullptr;
    pa_time_event* timer_;                             // the end of a waiting cue's wait
    std::optional<Cue> waiting_;                       // came while the link was made or no stream was idle
    std::vector<std::unique_ptr<CueStream>> streams_;  // the longest unused first
};
