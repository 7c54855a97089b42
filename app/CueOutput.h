#pragma once
#include <QAudioFormat>
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "dialogs/ProgramFolder.h"
#include "pond/CuePlayer.h"

class CueStream;

// The cues' side of the sound: lives in a thread of its own, so that no game step waits for the
// sound server and no busy moment of the window starves a stream. It reads every cue file once,
// keeps its sound in memory and plays it through an idle stream of the cue's format, so that it
// is heard at once while the cue it replaces plays out its queue and fades.
class CueOutput : public QObject {
    Q_OBJECT
public:
    explicit CueOutput(ProgramFolder folder);
    ~CueOutput() override;

    // Reads the cues and connects their streams.
    void Load();
    void Play(Cue cue);

signals:
    // The cue cannot sound: its file is missing or damaged, or no sound reaches a server.
    void Unplayable();

private:
    struct Sound {
        QAudioFormat Format;
        std::vector<std::int16_t> Samples;
    };

    CueStream* FreeStream(const QAudioFormat& format);

    ProgramFolder folder_;
    std::map<Cue, Sound> sounds_;                      // a cue whose file is missing or damaged has none
    std::vector<std::unique_ptr<CueStream>> streams_;  // the longest unused first
};
