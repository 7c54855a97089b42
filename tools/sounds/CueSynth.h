#pragma once

#include "Instruments.h"
#include "Signal.h"

// Composes the game's six sound cues. Each comes out finished: no DC,
// soft edges and a peak of -3 dBFS, ready to be written.
class CueSynth {
public:
    explicit CueSynth(int sampleRate);

    // A ball eaten: two quick rising blips, a small pleasant "mňam".
    Signal mnam1() const;
    // A fly eaten: three crunchy bites and a gulp, longer and busier than a ball.
    Signal mnam2() const;
    // The golden ball eaten: a rising bell arpeggio with glitter around it.
    Signal mnam3() const;
    // A boulder crushed: a gritty crumble and a spoken, falling, disgusted "fuj".
    Signal fuj() const;
    // Home reached: a short brass fanfare ending on a held chord.
    Signal cil() const;
    // A crash: a heavy thud with a smack of noise and some rattling debris.
    Signal naraz() const;

private:
    static void finish(Signal& cue);

    int rate;
    Instruments instruments;
};
