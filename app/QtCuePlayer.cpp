#include "app/QtCuePlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include "app/CueOutput.h"

QtCuePlayer::QtCuePlayer(ProgramFolder folder, std::function<void()> fallback, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), fallback_(std::move(fallback)) {
    thread_.setObjectName(QStringLiteral("cues"));
}

QtCuePlayer::~QtCuePlayer() {
    thread_.quit();
    thread_.wait();
}

void QtCuePlayer::Prepare() {
    if (output_) return;
    // Qt's link to the sound server then belongs to this thread, which runs as long as the
    // program: it notices a server that goes away, and it ends cleanly with the program.
    QMediaDevices::defaultAudioOutput();
    output_ = new CueOutput(folder_);
    output_->moveToThread(&thread_);
    // The output and its streams end in their own thread, as the sound system expects.
    connect(&thread_, &QThread::finished, output_, &QObject::deleteLater);
    connect(output_, &CueOutput::Unplayable, this, [this] { fallback_(); });
    thread_.start();
    QMetaObject::invokeMethod(output_, &CueOutput::Load);
}

void QtCuePlayer::PlayCue(Cue cue) {
    Prepare();
    QMetaObject::invokeMethod(output_, [output = output_, cue] { output->Play(cue); });
}
