#include "sound/CueThread.h"

#include <cstdint>
#include <pthread.h>
#include <pulse/mainloop.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {
// Real-time scheduling where the system grants it (the lowest real-time priority is enough to
// come before any ordinary busy process); where it does not, the thread runs as any other.
void AskForRealTime() {
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);
}
}  // namespace

CueThread::CueThread() : loop_(pa_mainloop_new()), wake_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    // Our own wake-up, not the loop's: the loop empties its own before each wait, so a task
    // posted just then would wait for ever. Ours stays readable until the thread reads it.
    wakeEvent_ = Api()->io_new(Api(), wake_, PA_IO_EVENT_INPUT, &CueThread::OnWake, this);
    thread_ = std::thread([this] { Run(); });
}

CueThread::~CueThread() {
    Stop();
    Api()->io_free(wakeEvent_);
    close(wake_);
    pa_mainloop_free(loop_);
}

pa_mainloop_api* CueThread::Api() const { return pa_mainloop_get_api(loop_); }

void CueThread::Wake() {
    const std::uint64_t one = 1;
    // Only fails when the count is already at its top, which wakes the thread just the same.
    [[maybe_unused]] const auto written = write(wake_, &one, sizeof one);
}

void CueThread::OnWake(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void*) {
    std::uint64_t count = 0;
    // The tasks themselves run in Run, right after this returns.
    [[maybe_unused]] const auto read = ::read(fd, &count, sizeof count);
}

void CueThread::Post(std::function<void()> task) {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
        tasks_.push_back(std::move(task));
    }
    Wake();
}

void CueThread::Stop(std::function<void()> last) {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
        if (last) tasks_.push_back(std::move(last));
        stopping_ = true;
    }
    Wake();
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
