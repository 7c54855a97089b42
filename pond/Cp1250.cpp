#include "pond/Cp1250.h"

#include <array>
#include <cstdint>

namespace {
// Code points of bytes 0x80..0xFF; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 128> UpperHalf = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes the UTF-8 sequence at text[pos], moving pos past it; nothing for a broken sequence.
std::optional<char32_t> NextCodePoint(const std::string& text, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    std::size_t extra = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        code = lead & 0x07;
    } else
        return std::nullopt;
    if (pos + extra >= text.size()) return std::nullopt;
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<std::uint8_t>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t Shortest[] = {0, 0x80, 0x800, 0x10000};
    if (code < Shortest[extra]) return std::nullopt;  // an overlong form is broken UTF-8
    pos += 1 + extra;
    return code;
}
}  // namespace

std::string Cp1250ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            const char16_t cp = UpperHalf[byte - 0x80];
            AppendUtf8(out, cp != 0 ? cp : 0xFFFD);  // an undefined byte shows as the replacement mark
        }
    }
    return out;
}

std::optional<unsigned char> UnicodeToCp1250(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < UpperHalf.size(); ++i)
        if (UpperHalf[i] != 0 && UpperHalf[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::optional<std::string> Utf8ToCp1250(const std::string& text, std::string* badCharacter) {
    std::string bytes;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const auto code = NextCodePoint(text, pos);
        if (!code) {
            if (badCharacter) badCharacter->clear();
            return std::nullopt;
        }
        const auto byte = UnicodeToCp1250(*code);
        if (!byte) {
            if (badCharacter) *badCharacter = text.substr(start, pos - start);
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}
