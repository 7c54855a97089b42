#pragma once
// Why: part of the cue player on libpulse, which stands in for Qt Multimedia (ServerCuePlayer.h says why).
// Can go when: ServerCuePlayer.h says it can.
#include <functional>
#include <mutex>
#include <pulse/mainloop-api.h>
#include <thread>
#include <vector>

struct pa_mainloop;

// The sound thread: a PulseAudio main loop of the cues' own, run at the highest priority the
// system grants. Every talk with the sound server happens here and none of it ever blocks, so
// neither a stalled server nor one that goes away can hold up the window's thread, which only
// posts tasks and never waits for them.
class CueThread {
public:
    CueThread();
    ~CueThread();  // runs Stop() if the owner has not
    CueThread(const CueThread&) = delete;
    CueThread& operator=(const CueThread&) = delete;

    // From any thread: runs the task in the sound thread soon.
    void Post(std::function<void()> task);
    // Runs `last` in the sound thread after every task posted before, then ends the thread.
    void Stop(std::function<void()> last = {});

    // The main loop's interface, for the sound thread's own use.
    pa_mainloop_api* Api() const;

private:
    void Run();
    void Wake();
    static void OnWake(pa_mainloop_api* api, pa_io_event* event, int fd, pa_io_event_flags_t flags, void* self);

    pa_mainloop* loop_;
    int wake_;  // an eventfd: readable while a task waits
    pa_io_event* wakeEvent_;
    std::mutex mutex_;
    std::vector<std::function<void()>> tasks_;  // under mutex_
    bool stopping_ = false;                     // under mutex_
    std::thread thread_;
};
