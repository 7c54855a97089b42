#pragma once
#include <QObject>
#include <QString>
#include <map>

#include "pond/CuePlayer.h"

class QSoundEffect;

// The six cues, each loaded once from the program's folder. Playing never waits: a new cue
// cuts off the one still sounding, and a cue that cannot sound gives the system beep instead.
class QtCuePlayer : public QObject, public CuePlayer {
    Q_OBJECT
public:
    explicit QtCuePlayer(const QString& folder, QObject* parent = nullptr);

    void PlayCue(Cue cue) override;
    // Opens the sound device and loads the cues; done once, when the first level starts,
    // so that the window does not wait for the sound system while it first appears.
    void Prepare();

private:
    QString folder_;
    bool prepared_ = false;
    std::map<Cue, QSoundEffect*> cues_;  // a cue whose file is missing or damaged has none
    QSoundEffect* playing_ = nullptr;
    bool haveAudio_ = false;
};
