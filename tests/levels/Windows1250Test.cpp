#include <gtest/gtest.h>

#include "game/Cp1250.h"
#include "tools/levels/Windows1250.h"

TEST(Windows1250, EncodesCzechText) {
    EXPECT_EQ(Windows1250::FromUtf8("Základní hra"), std::string("Z\xE1kladn\xED hra"));
    EXPECT_EQ(Windows1250::FromUtf8("ŽŠČŘĎŤŇ ěščřžýáíéůú €"),
              std::string("\x8E\x8A\xC8\xD8\xCF\x8D\xD2 \xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xF9\xFA \x80"));
}

TEST(Windows1250, IsTheInverseOfTheGamesDecoding) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string text = Cp1250ToUtf8(one);
        if (text == "\xEF\xBF\xBD") continue;  // one of the five bytes the code page leaves undefined
        EXPECT_EQ(Windows1250::FromUtf8(text), one) << "byte " << byte;
    }
}

TEST(Windows1250, NamesTheCharacterItLacks) {
    std::string bad;
    EXPECT_FALSE(Windows1250::FromUtf8("Zurk ø", &bad));
    EXPECT_EQ(bad, "ø");
    EXPECT_FALSE(Windows1250::FromUtf8("\xF0\x9F\x90\x8D", &bad));  // a snake, four bytes long
    EXPECT_EQ(bad, "\xF0\x9F\x90\x8D");
}

TEST(Windows1250, RefusesBrokenUtf8) {
    std::string bad = "x";
    EXPECT_FALSE(Windows1250::FromUtf8("\xC3", &bad));
    EXPECT_TRUE(bad.empty());
    EXPECT_FALSE(Windows1250::FromUtf8("\xC3\x28"));
    EXPECT_FALSE(Windows1250::FromUtf8("\xC0\xAF"));  // an overlong slash
    EXPECT_FALSE(Windows1250::FromUtf8("\xFF"));
}
