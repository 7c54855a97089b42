#pragma once
#include <optional>
#include <string>

// The game file keeps its note in the Windows-1250 code page; the level sources are UTF-8.
class Windows1250 {
public:
    // The Windows-1250 bytes of a UTF-8 text, or nothing when the text is not valid UTF-8
    // or holds a character the code page lacks; badCharacter then names that character
    // (empty for broken UTF-8).
    static std::optional<std::string> FromUtf8(const std::string& text, std::string* badCharacter = nullptr);
};
