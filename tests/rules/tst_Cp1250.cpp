#include <gtest/gtest.h>

#include "pond/Cp1250.h"

TEST(Cp1250, EncodesCzechText) {
    EXPECT_EQ(Utf8ToCp1250("Základní hra"), std::string("Z\xE1kladn\xED hra"));
    EXPECT_EQ(Utf8ToCp1250("ŽŠČŘĎŤŇ ěščřžýáíéůú €"),
              std::string("\x8E\x8A\xC8\xD8\xCF\x8D\xD2 \xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xF9\xFA \x80"));
}

TEST(Cp1250, IsTheInverseOfTheGamesDecoding) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string text = Cp1250ToUtf8(one);
        if (text == "\xEF\xBF\xBD") continue;  // one of the five bytes the code page leaves undefined
        EXPECT_EQ(Utf8ToCp1250(text), one) << "byte " << byte;
    }
}

TEST(Cp1250, NamesTheCharacterItLacks) {
    std::string bad;
    EXPECT_FALSE(Utf8ToCp1250("Zurk ø", &bad));
    EXPECT_EQ(bad, "ø");
    EXPECT_FALSE(Utf8ToCp1250("\xF0\x9F\x90\x8D", &bad));  // a snake, four bytes long
    EXPECT_EQ(bad, "\xF0\x9F\x90\x8D");
}

TEST(Cp1250, RefusesBrokenUtf8) {
    std::string bad = "x";
    EXPECT_FALSE(Utf8ToCp1250("\xC3", &bad));
    EXPECT_TRUE(bad.empty());
    EXPECT_FALSE(Utf8ToCp1250("\xC3\x28"));
    EXPECT_FALSE(Utf8ToCp1250("\xC0\xAF"));  // an overlong slash
    EXPECT_FALSE(Utf8ToCp1250("\xFF"));
}
