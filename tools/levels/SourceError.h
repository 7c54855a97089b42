#pragma once
#include <stdexcept>
#include <string>

// A fault in a level source, located by file and line (line 0: the file as a whole).
class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& file, int line, const std::string& message)
        : std::runtime_error(Located(file, line) + ": " + message), File(file), Line(line) {}

    std::string File;
    int Line;

private:
    static std::string Located(const std::string& file, int line) {
        std::string text = file;
        if (line > 0) text.append(":").append(std::to_string(line));
        return text;
    }
};
