#include "tools/levels/Windows1250.h"

#include <cstdint>

#include "game/Cp1250.h"

namespace {

// Decodes the UTF-8 sequence at text[pos], moving pos past it; nothing for a broken sequence.
std::optional<char32_t> NextCodePoint(const std::string& text, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(text[pos]);
    int extra = 0;
    char32_t code = 0;
    if (lead < 0x80) { code = lead; }
    else if ((lead & 0xE0) == 0xC0) { extra = 1; code = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; code = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; code = lead & 0x07; }
    else return std::nullopt;
    if (pos + extra >= text.size()) return std::nullopt;
    for (int i = 1; i <= extra; ++i) {
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

std::optional<std::string> Windows1250::FromUtf8(const std::string& text, std::string* badCharacter) {
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
