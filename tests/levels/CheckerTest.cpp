#include <gtest/gtest.h>

#include "GameFileBytes.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/GameFileChecker.h"

// The level tool's check refuses exactly what the game refuses. (Its warnings about levels that
// will not play well are held to the default game, which must raise none.)
TEST(Checker, AgreesWithTheGamesReaderOnEveryDamage) {
    auto expectAgreement = [](const std::vector<std::uint8_t>& bytes) {
        clsHraZurk3 game;
        ASSERT_EQ(GameFileChecker::Check(bytes, "x").Refused(), !game.NactiHruZPameti(bytes, "x"));
    };
    const std::vector<std::uint8_t> example = WorkedExampleBytes();
    for (std::size_t length = 0; length <= example.size(); ++length)
        expectAgreement({example.begin(), example.begin() + static_cast<long>(length)});
    for (std::size_t at = 0; at < example.size(); ++at)
        for (const int value : {0, 1, 3, 6, 10, 12, 14, 40, 41, 50, 51, 100, 200, 255}) {
            std::vector<std::uint8_t> damaged = example;
            damaged[at] = static_cast<std::uint8_t>(value);
            expectAgreement(damaged);
        }
}
