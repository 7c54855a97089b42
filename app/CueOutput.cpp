#include "app/CueOutput.h"

#include <algorithm>

#include "app/CueStream.h"
#include "app/WaveFile.h"
#include "pond/RegularFile.h"

namespace {
// A cue lasts a second or so; a file far larger is no cue.
constexpr std::size_t MaxCueFileSize = 8u << 20;
// Enough that a cue finds one idle even when cues come at every step of the fastest speed.
constexpr int StreamsPerFormat = 3;
}  // namespace

CueOutput::CueOutput(ProgramFolder folder) : folder_(std::move(folder)) {}

CueOutput::~CueOutput() = default;

void CueOutput::Load() {
    for (Cue cue : AllCues) {
        const std::string path = folder_.FilePath(std::string(CueName(cue)) + ".wav");
        // The bytes checked are the bytes played: no other reader opens the file after us.
        const FileRead file = ReadRegularFile(path, MaxCueFileSize);
        const auto wave = file.Status == FileReadStatus::Read ? ReadWaveFormat(file.Bytes) : std::nullopt;
        if (!wave) continue;
        Sound sound;
        sound.Format.setSampleRate(static_cast<int>(wave->SampleRate));
        sound.Format.setChannelCount(wave->Channels);
        sound.Format.setSampleFormat(QAudioFormat::Int16);
        sound.Samples = DecodeSamples(file.Bytes, *wave);
        if (!FreeStream(sound.Format))
            for (int i = 0; i < StreamsPerFormat; ++i) {
                streams_.push_back(std::make_unique<CueStream>(sound.Format));
                streams_.back()->Open();
            }
        sounds_[cue] = std::move(sound);
    }
}

CueStream* CueOutput::FreeStream(const QAudioFormat& format) {
    CueStream* longestUnused = nullptr;
    for (const auto& stream : streams_) {
        if (stream->Format() != format) continue;
        if (stream->Idle()) return stream.get();
        if (!longestUnused) longestUnused = stream.get();
    }
    return longestUnused;
}

void CueOutput::Play(Cue cue) {
    const auto found = sounds_.find(cue);
    if (found == sounds_.end()) {
        emit Unplayable();
        return;
    }
    const Sound& sound = found->second;
    CueStream* stream = FreeStream(sound.Format);
    // One cue sounds at a time, whatever its format.
    for (const auto& other : streams_)
        if (other.get() != stream) other->FadeOut();
    const auto used =
        std::find_if(streams_.begin(), streams_.end(), [stream](const auto& s) { return s.get() == stream; });
    std::rotate(used, used + 1, streams_.end());
    if (!stream->Play(sound.Samples)) emit Unplayable();
}
