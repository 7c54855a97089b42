#pragma once
#include <QObject>
#include <QString>
#include <QThread>
#include <functional>

#include "dialogs/ProgramFolder.h"
#include "pond/CuePlayer.h"

class CueOutput;

// The six cues from the program's folder. Playing never waits: the sound thread starts the cue
// within a few milliseconds, a new cue fades out the one still sounding, and a cue that cannot
// sound gives the fallback (the system beep) instead.
class QtCuePlayer : public QObject, public CuePlayer {
    Q_OBJECT
public:
    QtCuePlayer(ProgramFolder folder, std::function<void()> fallback, QObject* parent = nullptr);
    ~QtCuePlayer() override;

    void PlayCue(Cue cue) override;
    // Starts the sound thread, which reads the cues and opens the sound device; done once, when
    // the first level starts, so that nothing competes with the window's first showing.
    void Prepare();

private:
    ProgramFolder folder_;
    std::function<void()> fallback_;
    QThread thread_;
    CueOutput* output_ = nullptr;  // lives in thread_
};
