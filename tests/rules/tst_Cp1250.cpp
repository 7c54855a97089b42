#include <gtest/gtest.h>

#include "pond/Cp1250.h"

TEST(Cp1250, EncodingIsTheInverseOfTheGamesDecoding) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string text = Cp1250ToUtf8(one);
        if (text == "\xEF\xBF\xBD") continue;  // one of the five bytes the code page leaves undefined
        EXPECT_EQ(Utf8ToCp1250(text), one) << "byte " << byte;
    }
}

TEST(Cp1250, RefusesWhatItCannotWriteAndNamesIt) {
    std::string bad;
    EXPECT_FALSE(Utf8ToCp1250("Zurk ø", &bad));
    EXPECT_EQ(bad, "ø");
    for (const char* broken : {"\xC3", "\xC3\x28", "\xC0\xAF", "\xFF"}) {  // cut, bad follower, overlong, never lead
        EXPECT_FALSE(Utf8ToCp1250(broken, &bad));
        EXPECT_TRUE(bad.empty());
    }
}
