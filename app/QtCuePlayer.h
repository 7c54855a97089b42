#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <string>

#include "game/CuePlayer.h"

class QSoundEffect;

// The six cues, each loaded once from the program's folder. Playing never waits: a new cue
// cuts off the one still sounding, and a cue that cannot sound gives the system beep instead.
class QtCuePlayer : public QObject, public CuePlayer {
    Q_OBJECT
public:
    // fallback sounds instead of a cue that cannot play: the system beep unless a test listens.
    explicit QtCuePlayer(const QString& folder, std::function<void()> fallback = {}, QObject* parent = nullptr);

    void PlayCue(const std::string& name) override;
    // Opens the sound device and loads the cues; done once, when the first level starts,
    // so that the window does not wait for the sound system while it first appears.
    void Prepare();

private:
    QString folder_;
    bool prepared_ = false;
    std::map<std::string, QSoundEffect*> cues_;  // a cue whose file is missing has none
    QSoundEffect* playing_ = nullptr;
    std::function<void()> fallback_;
    bool haveAudio_ = false;
};
