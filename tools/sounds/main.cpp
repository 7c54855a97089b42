// zurk3-sounds OUTDIR: synthesises the game's six sound cues into OUTDIR.

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "CueSynth.h"
#include "WavWriter.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.string().c_str(), error.message().c_str());
        return 1;
    }

    // 44.1 kHz keeps the golden ball's glitter and the fricative of "fuj" clear of aliasing.
    const CueSynth synth(44100);
    struct Cue {
        const char* file;
        Signal (CueSynth::*make)() const;
    };
    const Cue cues[] = {{"Mnam1.wav", &CueSynth::mnam1}, {"Mnam2.wav", &CueSynth::mnam2},
                        {"Mnam3.wav", &CueSynth::mnam3}, {"Fuj.wav", &CueSynth::fuj},
                        {"Cil.wav", &CueSynth::cil},     {"Naraz.wav", &CueSynth::naraz}};
    for (const Cue& cue : cues) {
        const Signal sound = (synth.*cue.make)();
        const std::filesystem::path path = folder / cue.file;
        if (!WavWriter::write(path, sound)) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 1;
        }
        std::printf("%-10s %.3f s\n", cue.file, sound.seconds());
    }
    return 0;
}
