#include "app/QtCuePlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "app/WaveFile.h"
#include "game/RegularFile.h"

QtCuePlayer::QtCuePlayer(const QString& folder, std::function<void()> fallback, QObject* parent)
    : QObject(parent), folder_(folder), fallback_(fallback ? std::move(fallback) : [] { QApplication::beep(); }) {}

namespace {
// A cue lasts a second or so; a file far larger is no cue.
constexpr std::size_t MaxCueFileSize = 8u << 20;

// Only a sound file that holds what it claims reaches the sound system; any other is as good as missing.
bool IsPlayableCue(const QString& path) {
    const FileRead file = ReadRegularFile(QFile::encodeName(path).toStdString(), MaxCueFileSize);
    return file.Status == FileReadStatus::Read && ReadWaveFormat(file.Bytes).has_value();
}
}  // namespace

void QtCuePlayer::Prepare() {
    if (prepared_) return;
    prepared_ = true;
    QStringList playable;
    for (const char* name : {"Mnam1", "Mnam2", "Mnam3", "Fuj", "Cil", "Naraz"}) {
        const QString path = QDir(folder_).filePath(QString::fromLatin1(name) + QStringLiteral(".wav"));
        if (IsPlayableCue(path)) playable << QString::fromLatin1(name);
    }
    haveAudio_ = !QMediaDevices::audioOutputs().isEmpty();
    if (!haveAudio_) return;
    for (const QString& name : playable) {
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(name + QStringLiteral(".wav"))));
        cues_[name.toStdString()] = effect;
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
