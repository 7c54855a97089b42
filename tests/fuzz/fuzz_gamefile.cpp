// libFuzzer target: any bytes as a game file. Every level the reader accepts is set up and
// played for a few hundred steps with keys taken from the same bytes, and the pond is checked
// after every step; a broken rule aborts like a crash, so the fuzzer keeps the input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/LevelSetUp.h"
#include "game/modZurk3.h"
#include "pond/CellPainter.h"
#include "pond/CuePlayer.h"
#include "pond/GameFrontEnd.h"
#include "pond/RandomSource.h"
#include "pond/clsHraZurk3.h"
#include "tests/soak/PondInvariants.h"

namespace {
// Enough to meet every creature of a level, little enough to keep thousands of inputs a second.
constexpr int LevelsPerInput = 4;
constexpr int StepsPerLevel = 300;

std::uint32_t SeedOf(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t hash = 2166136261u;
    for (std::uint8_t b : bytes) hash = (hash ^ b) * 16777619u;
    return hash;
}

// Keys are read from the end backwards: bytes after the last record change no level, so the
// fuzzer can steer the snake there. Half the bytes press no key, as a player mostly does.
int KeyAt(const std::vector<std::uint8_t>& bytes, int step) {
    const std::uint8_t b = bytes[bytes.size() - 1 - static_cast<std::size_t>(step) % bytes.size()];
    return b >= 128 ? (b >> 5) - 3 : 0;
}

void FailIf(const std::string& fault, int level, int step) {
    if (fault.empty()) return;
    std::fprintf(stderr, "level %d, step %d: %s\n", level, step, fault.c_str());
    std::abort();
}

void PlayLevel(modZurk3& world, ShadowPainter& screen, const std::vector<std::uint8_t>& bytes, int level) {
    screen.Clear();
    SetUpLevel(world);
    FailIf(PondInvariants::Check(world, screen), level, 0);
    if (world.HouseX == 0) return;
    world.GameState = StateRunning;
    for (int step = 1; step <= StepsPerLevel && world.GameState == StateRunning; ++step) {
        FailIf(PondInvariants::Step(world, screen, KeyAt(bytes, step + level * StepsPerLevel)), level, step);
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    clsHraZurk3 game;
    if (!game.NactiHruZPameti(bytes, "fuzz.zurk")) return 0;

    SeededRandom random(SeedOf(bytes));
    ShadowPainter screen;
    SilentCuePlayer cues;
    NullFrontEnd frontEnd;
    modZurk3 world(random, screen, cues, frontEnd);
    // One world for all levels, as in the game: the map keeps what a bigger level left behind.
    const int levels = std::min<int>(game.PocetUrovni(), LevelsPerInput);
    for (int level = 1; level <= levels; ++level) {
        world.LevelNo = level;
        world.GameState = StateNone;
        game.NactiUrovenAkce(level, world.Level);
        PlayLevel(world, screen, bytes, level);
        world.ReleaseLevelObjects();
        FailIf(PondInvariants::CheckReleased(world), level, -1);
    }
    return 0;
}
