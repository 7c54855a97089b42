#include "app/CueThread.h"

#include <pthread.h>
#include <pulse/mainloop.h>
#include <sched.h>

namespace {
// Real-time scheduling where the system grants it (the lowest real-time priority is enough to
// come before any ordinary busy process); where it does not, the thread runs as any other.
void AskForRealTime() {
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);
}
}  // namespace

CueThread::CueThread() : loop_(pa_mainloop_new()), thread_([this] { Run(); }) {}

CueThread::~CueThread() {
    Stop();
    pa_mainloop_free(loop_);
}

pa_mainloop_api* CueThread::Api() const { return pa_mainloop_get_api(loop_); }

void CueThread::Post(std::function<void()> task) {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
        tasks_.push_back(std::move(task));
    }
    pa_mainloop_wakeup(loop_);
}

void CueThread::Stop(std::function<void()> last) {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
        if (last) tasks_.push_back(std::move(last));
        stopping_ = true;
    }
    pa_mainloop_wakeup(loop_);
    thread_.join();
}

void CueThread::Run() {
    pthread_setname_np(pthread_self(), "cues");
    AskForRealTime();
    for (;;) {
        std::vector<std::function<void()>> tasks;
        bool stopping = false;
        {
            const std::lock_guard lock(mutex_);
            tasks.swap(tasks_);
            stopping = stopping_;
        }
        for (const auto& task : tasks) task();
        if (stopping) return;
        // Waits for the server, a timer or a wake-up from Post.
        if (pa_mainloop_iterate(loop_, 1, nullptr) < 0) return;
    }
}
