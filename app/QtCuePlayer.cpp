#include "app/QtCuePlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtCuePlayer::QtCuePlayer(const QString& folder, std::function<void()> fallback, QObject* parent)
    : QObject(parent), folder_(folder), fallback_(fallback ? std::move(fallback) : [] { QApplication::beep(); }) {}

void QtCuePlayer::Prepare() {
    if (prepared_) return;
    prepared_ = true;
    haveAudio_ = !QMediaDevices::audioOutputs().isEmpty();
    if (!haveAudio_) return;
    for (const char* name : {"Mnam1", "Mnam2", "Mnam3", "Fuj", "Cil", "Naraz"}) {
        const QString path = QDir(folder_).filePath(QString::fromLatin1(name) + QStringLiteral(".wav"));
        if (!QFileInfo::exists(path)) continue;
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        cues_[name] = effect;
    }
}

void QtCuePlayer::PlayCue(const std::string& name) {
    Prepare();
    if (playing_) playing_->stop();
    playing_ = nullptr;
    const auto found = cues_.find(name);
    QSoundEffect* effect = found == cues_.end() ? nullptr : found->second;
    // A cue still loading plays as soon as it is ready; a broken one never will.
    if (!haveAudio_ || !effect || effect->status() == QSoundEffect::Error) {
        fallback_();
        return;
    }
    effect->play();
    playing_ = effect;
}
