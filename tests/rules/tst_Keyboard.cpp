#include <gtest/gtest.h>

#include "Fakes.h"

namespace {
// Presses (v) and releases (^) of the left arrow.
void Type(ScriptedKeys& keys, const char* strokes) {
    for (; *strokes; ++strokes) *strokes == 'v' ? keys.Press(clsKB::Key::LEFT) : keys.Release(clsKB::Key::LEFT);
}
}  // namespace

TEST(Keyboard, PressAndHoldFromTwoReadings) {
    struct Case {
        const char* what;
        const char *before, *after;
        bool press, hold;
    };
    const Case cases[] = {
        {"went down", "", "v", true, true},
        {"went down and up", "", "v^", true, true},
        {"down and up twice", "", "v^v^", false, false},
        {"released", "v", "^", false, false},
        {"released and pressed again", "v", "^v", false, true},
        {"held", "v", "", false, true},
    };
    for (const Case& c : cases) {
        ScriptedKeys keys;
        Type(keys, c.before);
        clsKB pressReader(keys);
        clsKB holdReader(keys);
        Type(keys, c.after);
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
