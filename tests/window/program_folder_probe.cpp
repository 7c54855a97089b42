// Prints the folder the game would read its files from when started from where this program lies,
// or "(not found)": the tests start it from folders the system cannot name.
#include <cstdio>

#include "resources/ProgramFolder.h"

int main() {
    const ProgramFolder folder = ProgramFolder::OfRunningProgram();
    std::fputs(folder.Found() ? folder.Path().c_str() : "(not found)", stdout);
    return 0;
}
