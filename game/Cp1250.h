#pragma once
#include <optional>
#include <string>

// The game file's note is Windows-1250 text; the rest of the program speaks UTF-8.
std::string Cp1250ToUtf8(const std::string& bytes);
// The byte for one Unicode code point, or nothing when Windows-1250 lacks it.
std::optional<unsigned char> UnicodeToCp1250(char32_t codePoint);
