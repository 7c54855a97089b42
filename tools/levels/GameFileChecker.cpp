#include "tools/levels/GameFileChecker.h"

#include "pond/clsHraZurk3.h"
#include "tools/levels/LevelChecker.h"
#include "tools/levels/RecordScanner.h"

CheckReport GameFileChecker::Check(const std::vector<std::uint8_t>& bytes, const std::string& name) {
    CheckReport report;
    clsHraZurk3 game;
    const RecordScan scan = RecordScanner::Scan(bytes);
    if (!game.NactiHruZPameti(bytes, name)) {
        report.Faults = scan.Faults;
        // The reader has the last word; its own fault stands in if the scan missed it.
        if (report.Faults.empty()) report.Faults.push_back(RecordScanner::Describe(*game.LastFault()));
        return report;
    }
    if (scan.LevelStarts < game.PocetUrovni())
        report.Warnings.push_back("header: it announces " + std::to_string(game.PocetUrovni()) +
                                  " levels, the file holds only " + std::to_string(scan.LevelStarts) +
                                  "; the game skips the missing ones");
    for (int u = 1; u <= scan.LevelStarts; ++u) {
        auto warnings = LevelChecker::Warnings(game.Levels()[static_cast<std::size_t>(u)], u);
        report.Warnings.insert(report.Warnings.end(), warnings.begin(), warnings.end());
    }
    return report;
}
