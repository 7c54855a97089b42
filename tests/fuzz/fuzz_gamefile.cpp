// libFuzzer target: any bytes as a game file, so levels of every shape a level maker might make.
// Every level the reader accepts is set up and played for a few hundred steps with keys taken
// from the same bytes, and again by the level tool's autoplayer, which grows the snake and takes
// it home; the pond is checked after every step. A broken rule aborts like a crash, so the fuzzer
// keeps the input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "pond/clsHraZurk3.h"
#include "tests/soak/PondSoak.h"

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
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    clsHraZurk3 game;
    if (!game.NactiHruZPameti(bytes, "fuzz.zurk")) return 0;
    // One world for all levels, as in the game: the map keeps what a bigger level left behind.
    PondSoak soak(SeedOf(bytes));
    const int levels = std::min<int>(game.PocetUrovni(), LevelsPerInput);
    for (int level = 1; level <= levels; ++level) {
        const auto keys = [&](int step) { return KeyAt(bytes, step + level * StepsPerLevel); };
        for (const bool byTheBytes : {true, false}) {
            const std::string fault =
                soak.PlayGameLevel(game, level, SoakPlayer::Auto, StepsPerLevel, byTheBytes ? keys : PondSoak::Keys{});
            if (!fault.empty()) {
                std::fprintf(stderr, "%s\n", fault.c_str());
                std::abort();
            }
        }
    }
    return 0;
}
