#include <gtest/gtest.h>
#include <iconv.h>
#include <stdexcept>

#include "pond/Cp1250.h"

namespace {
// The C library's reading of one Windows-1250 byte; U+FFFD where it knows no character.
std::string LibraryDecoding(char byte) {
    const iconv_t converter = iconv_open("UTF-8", "CP1250");
    // NOLINTNEXTLINE(performance-no-int-to-ptr): how iconv_open says it failed
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP1250 in the C library");
    char in[1] = {byte};
    char out[8] = {};
    char* from = in;
    char* to = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const bool known = iconv(converter, &from, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    return known ? std::string(out, sizeof out - outLeft) : "\xEF\xBF\xBD";
}
}  // namespace

// The whole table against the C library's, and the way back for every byte that has a character.
TEST(Cp1250, EveryByteReadsAsTheCLibraryReadsItAndWritesBack) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const std::string text = Cp1250ToUtf8(one);
        EXPECT_EQ(text, LibraryDecoding(static_cast<char>(byte))) << "byte " << byte;
        if (text != "\xEF\xBF\xBD") {
            EXPECT_EQ(Utf8ToCp1250(text), one) << "byte " << byte;
        }
    }
}

TEST(Cp1250, RefusesWhatItCannotWriteAndNamesIt) {
    std::string bad;
    for (const std::string character : {"ø", "😀"}) {  // two bytes of UTF-8, and four
        EXPECT_FALSE(Utf8ToCp1250("Zurk " + character, &bad));
        EXPECT_EQ(bad, character);
    }
    EXPECT_FALSE(Utf8ToCp1250("\u0080")) << "byte 0x80 is the euro sign, not this control character";
    for (const char* broken : {"\xC3", "\xC3\x28", "\xC0\xAF", "\xFF"}) {  // cut, bad follower, overlong, never lead
        EXPECT_FALSE(Utf8ToCp1250(broken, &bad));
        EXPECT_TRUE(bad.empty());
    }
}
