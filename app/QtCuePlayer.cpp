#include "app/QtCuePlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <vector>

#include "app/WaveFile.h"
#include "pond/RegularFile.h"

namespace {
// A cue lasts a second or so; a file far larger is no cue.
constexpr std::size_t MaxCueFileSize = 8u << 20;

QString CuePath(const QString& folder, Cue cue) {
    return QDir(folder).filePath(QString::fromLatin1(CueName(cue)) + QStringLiteral(".wav"));
}

// Only a sound file that holds what it claims reaches the sound system; any other is as good as missing.
bool IsPlayableCue(const QString& path) {
    const FileRead file = ReadRegularFile(QFile::encodeName(path).toStdString(), MaxCueFileSize);
    return file.Status == FileReadStatus::Read && ReadWaveFormat(file.Bytes).has_value();
}
}  // namespace

QtCuePlayer::QtCuePlayer(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {}

void QtCuePlayer::Prepare() {
    if (prepared_) return;
    prepared_ = true;
    std::vector<Cue> playable;
    for (Cue cue : AllCues)
        if (IsPlayableCue(CuePath(folder_, cue))) playable.push_back(cue);
    haveAudio_ = !QMediaDevices::audioOutputs().isEmpty();
    if (!haveAudio_) return;
    for (Cue cue : playable) {
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(CuePath(folder_, cue)));
        cues_[cue] = effect;
    }
}

void QtCuePlayer::PlayCue(Cue cue) {
    Prepare();
    if (playing_) playing_->stop();
    playing_ = nullptr;
    const auto found = cues_.find(cue);
    QSoundEffect* effect = found == cues_.end() ? nullptr : found->second;
    // A cue still loading plays as soon as it is ready; a broken one never will.
    if (!haveAudio_ || !effect || effect->status() == QSoundEffect::Error) {
        QApplication::beep();
        return;
    }
    effect->play();
    playing_ = effect;
}
