#include <gtest/gtest.h>

#include "Fakes.h"

namespace {
constexpr std::int16_t Down(int toggle) { return static_cast<std::int16_t>(0x8000 | toggle); }
}  // namespace

TEST(Keyboard, PressAndHoldFromTwoReadings) {
    struct Case {
        const char* what;
        std::int16_t before, after;
        bool press, hold;
    };
    const Case cases[] = {
        {"went down", 0, Down(1), true, true},
        {"went down and up", 0, 1, true, true},
        {"down and up twice", 0, 0, false, false},
        {"released", Down(1), 1, false, false},
        {"released and pressed again", Down(1), Down(0), false, true},
        {"held", Down(1), Down(1), false, true},
    };
    for (const Case& c : cases) {
        ScriptedKeys keys;
        std::int16_t& left = keys.words[clsKB::VirtualKey(clsKB::Key::LEFT)];
        left = c.before;
        clsKB pressReader(keys);
        clsKB holdReader(keys);
        left = c.after;
        EXPECT_EQ(pressReader.Press(clsKB::Key::LEFT), c.press) << c.what;
        EXPECT_EQ(holdReader.Hold(clsKB::Key::LEFT), c.hold) << c.what;
    }
}

TEST(Keyboard, APressIsReportedOnceEachKeyOnItsOwn) {
    ScriptedKeys keys;
    clsKB reader(keys);
    keys.Press(clsKB::Key::UP);
    EXPECT_FALSE(reader.PressRIGHT() || reader.PressDOWN() || reader.PressLEFT());
    EXPECT_TRUE(reader.PressUP());
    keys.Release(clsKB::Key::UP);
    keys.Press(clsKB::Key::UP);
    EXPECT_TRUE(reader.Hold(clsKB::Key::UP));
    EXPECT_FALSE(reader.PressUP()) << "Hold took the change";

    for (int pressed = 0; pressed < static_cast<int>(clsKB::Key::Count); ++pressed) {
        ScriptedKeys alone;
        clsKB each(alone);
        alone.Press(static_cast<clsKB::Key>(pressed));
        for (int key = 0; key < static_cast<int>(clsKB::Key::Count); ++key)
            EXPECT_EQ(each.Press(static_cast<clsKB::Key>(key)), key == pressed) << pressed << " read as " << key;
    }
}
