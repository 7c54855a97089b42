#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>

#include "SourceText.h"
#include "TempFolder.h"
#include "pond/clsHraZurk3.h"
#include "tools/levels/GameFileChecker.h"
#include "tools/levels/LevelTrial.h"

namespace {
// The tool run as a player runs it; standard output and standard error together.
std::pair<int, std::string> RunTool(const std::string& arguments) {
    FILE* pipe = popen((std::string("\"") + ZURK3_LEVELS_TOOL + "\" " + arguments + " 2>&1").c_str(), "r");
    std::string output;
    std::array<char, 256> buffer{};
    while (pipe && fgets(buffer.data(), static_cast<int>(buffer.size()), pipe)) output += buffer.data();
    const int status = pipe ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}
}  // namespace

using ToolRun = TempFolderTest;

TEST_F(ToolRun, BuildsDumpsChecksAndPlaysFromTheCommandLine) {
    const LevelText roomy{.Map = {"##########", "#H.......#", "#...o....#", "#........#", "##########"}};
    const std::string source = Write("good.zl", GameText{}.Text() + roomy.Text());
    const std::string game = Write("good.zurk", "");
    EXPECT_EQ(RunTool("build " + source + " -o " + game).first, 0);
    EXPECT_NE(RunTool("dump " + game).second.find("Map:\n##########\n#H.......#\n#...o....#\n"), std::string::npos);
    EXPECT_EQ(RunTool("check " + game), (std::pair{0, game + ": the game loads it; 0 warning(s)\n"}));
    EXPECT_EQ(RunTool("play " + game).second.rfind("level 1: won 5 of 5 (", 0), 0u);
    EXPECT_EQ(RunTool("play --timing-noise 0 --speed 150 --tries 4 --seed 9 --jobs 2 " + game),
              (std::pair{0, std::string("level 1: won 4/4\nall levels: won 4/4 at timing noise 0 ms and a step of "
                                        "150 ms\n")}));
    EXPECT_EQ(RunTool("grade --tries 2 " + game).second,
              "| level | σ 0 · 80 ms | σ 20 · 80 ms | σ 30 · 80 ms | σ 0 · 150 ms | σ 20 · 150 ms | σ 30 · 150 ms |\n"
              "|---|---|---|---|---|---|---|\n| 1 | 100 % | 100 % | 100 % | 100 % | 100 % | 100 % |\n");
    EXPECT_EQ(RunTool("play --timing-noise x " + game).first, 2);
    EXPECT_EQ(RunTool("play --tries 3 --wobble 2 " + game).first, 2);

    const std::string bad =
        Write("bad.zl", GameText{}.Text() + LevelText{.Map = {"#######", "#H.x..#", "#######"}}.Text());
    EXPECT_EQ(RunTool("build " + bad + " -o " + game),
              (std::pair{1, bad + ":16: unknown map character 'x' in column 4\n"}));
    std::filesystem::resize_file(game, std::filesystem::file_size(game) - 1);
    EXPECT_EQ(
        RunTool("check " + game),
        (std::pair{1, game + ": level 1: the record of code 12 at byte 45 is cut short by the end of the file\n"}));
}

TEST_F(ToolRun, TheDefaultGameChecksCleanAndTheAutoplayerWinsEveryLevel) {
    const std::vector<std::uint8_t> bytes = BuildDefaultGame();
    const CheckReport report = GameFileChecker::Check(bytes, "zaklad.zurk");
    EXPECT_FALSE(report.Refused());
    EXPECT_EQ(report.Warnings, std::vector<std::string>{});
    clsHraZurk3 game;
    ASSERT_TRUE(game.NactiHruZPameti(bytes, "zaklad.zurk"));
    EXPECT_EQ(game.Informace(), "Základní hra Zurk3            ");
    std::set<int> colours;
    int bonus = 0;
    for (int u = 1; u <= game.PocetUrovni(); ++u) {
        const LevelRecord& level = game.Levels()[static_cast<std::size_t>(u)];
        bonus += level.IsBonus();
        for (const MapCell& cell : level.LevelMap)
            if (cell.Kind == CellBall && cell.Param != 0) colours.insert(cell.Param);
        bool won = false;
        for (std::uint32_t seed = 1; seed <= 5 && !won; ++seed) won = LevelTrial::Run(game, u, seed, 20000).Won;
        EXPECT_TRUE(won) << "level " << u << " lost under every seed";
    }
    EXPECT_EQ(colours, (std::set<int>{1, 2, 3, 4, 5, 6})) << "every ball colour shows";
    EXPECT_GE(bonus, 3);
}
