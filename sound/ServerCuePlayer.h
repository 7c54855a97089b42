#pragma once
// Why: the cues are played through libpulse from a thread of their own, not through Qt
// Multimedia, whose sink fed the server 50 ms at a time, lost the rest of a cue after a stall,
// blocked the window's thread on a stalled server and never linked up again after the server
// restarted.
// Can go when: Qt Multimedia's sink, on every Qt the game builds with, writes a cue whole, never
// waits on the server, and links up again with a restarted server; then a cue player on that sink
// takes this one's place, and CueThread, CueStream and CueOutput go with it.
#include <QObject>
#include <functional>
#include <memory>

#include "pond/CuePlayer.h"
#include "resources/ProgramFolder.h"

class CueOutput;
class CueThread;

// The six cues from the program's folder, played on the sound server through libpulse from a
// thread of their own, for the window's thread. Playing never waits: the sound thread starts the
// cue within a few milliseconds, a new cue fades out the one still sounding, and a cue that cannot
// sound gives the fallback (the system beep) instead, back in the window's thread.
class ServerCuePlayer : public QObject, public CuePlayer {
    Q_OBJECT
public:
    ServerCuePlayer(ProgramFolder folder, std::function<void()> fallback, QObject* parent = nullptr);
    // Ends the sound thread at once, cutting off a cue still sounding.
    ~ServerCuePlayer() override;

    void PlayCue(Cue cue) override;
    // Starts the sound thread, which reads the cues and links up with the sound server; done
    // once, when the first level starts, so that nothing competes with the window's first showing.
    void Prepare();

private:
    ProgramFolder folder_;
    std::function<void()> fallback_;
    std::unique_ptr<CueThread> thread_;
    std::unique_ptr<CueOutput> output_;  // made, used and ended in the sound thread alone
};
