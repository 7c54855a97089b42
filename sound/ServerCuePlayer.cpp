#include "sound/ServerCuePlayer.h"

#include "sound/CueOutput.h"
#include "sound/CueThread.h"

ServerCuePlayer::ServerCuePlayer(ProgramFolder folder, std::function<void()> fallback, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), fallback_(std::move(fallback)) {}

ServerCuePlayer::~ServerCuePlayer() {
    if (thread_) thread_->Stop([this] { output_.reset(); });
}

void ServerCuePlayer::Prepare() {
    if (thread_) return;
    thread_ = std::make_unique<CueThread>();
    thread_->Post([this] {
        // A beep is posted to this object; such posts die with it, so none comes after the
        // player has gone.
        output_ = std::make_unique<CueOutput>(thread_->Api(), folder_, [this] {
            const auto beep = [this] { fallback_(); };
            QMetaObject::invokeMethod(this, beep, Qt::QueuedConnection);
        });
    });
}

void ServerCuePlayer::PlayCue(Cue cue) {
    Prepare();
    thread_->Post([this, cue] { output_->Play(cue); });
}
