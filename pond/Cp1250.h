#pragma once
#include <optional>
#include <string>

// The game file's note is Windows-1250 text; the rest of the program speaks UTF-8.
std::string Cp1250ToUtf8(const std::string& bytes);
// The byte for one Unicode code point, or nothing when Windows-1250 lacks it.
std::optional<unsigned char> UnicodeToCp1250(char32_t codePoint);
// The Windows-1250 bytes of a UTF-8 text, or nothing when the text is not valid UTF-8 or holds a
// character the code page lacks; badCharacter then names that character (empty for broken UTF-8).
std::optional<std::string> Utf8ToCp1250(const std::string& text, std::string* badCharacter = nullptr);
