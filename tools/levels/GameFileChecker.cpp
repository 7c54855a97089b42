#include "tools/levels/GameFileChecker.h"

#include "game/clsHraZurk3.h"
#include "tools/levels/LevelChecker.h"
#include "tools/levels/RecordScanner.h"

CheckReport GameFileChecker::Check(const std::vector<std::uint8_t>& bytes, const std::string& name) {
    CheckReport report;
    clsHraZurk3 game;
    if (!game.NactiHruZPameti(bytes, name)) {
        report.Faults = RecordScanner::Faults(bytes);
        // The reader has the last word; its own sentence stands in if the scan missed the fault.
        if (report.Faults.empty()) report.Faults.push_back("the game refuses the file: " + game.LastError());
        return report;
    }
    for (int u = 1; u <= game.PocetUrovni(); ++u) {
        auto warnings = LevelChecker::Warnings(game.Levels()[static_cast<std::size_t>(u)], u);
        report.Warnings.insert(report.Warnings.end(), warnings.begin(), warnings.end());
    }
    return report;
}
