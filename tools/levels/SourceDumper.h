#pragma once
#include <string>

class clsHraZurk3;
struct LevelRecord;

// Prints a loaded game file as level source. Building the printed source gives back the same
// bytes for every file the build command writes; for other files it gives the same levels.
class SourceDumper {
public:
    // Throws std::runtime_error, naming the level, for what no source can express
    // (a ball colour over 6, a fly or wall with a parameter, a level of no cells, an odd note).
    static std::string Dump(const clsHraZurk3& game);

private:
    static std::string DumpLevel(const LevelRecord& level, int number);
};
