#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "SourceText.h"

namespace {

struct Outcome {
    int ExitCode = -1;
    std::string Output;  // standard output and standard error together
};

Outcome RunTool(const std::string& arguments) {
    const std::string command = std::string("\"") + ZURK3_LEVELS_TOOL + "\" " + arguments + " 2>&1";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) outcome.Output += buffer.data();
    const int status = pclose(pipe);
    outcome.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("zurk3-levels-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
        return Path(name);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    // Builds "game.zurk" from a one-level source and hands back its path.
    std::string BuildGame(const LevelText& level) {
        const std::string game = Path("game.zurk");
        EXPECT_EQ(RunTool("build " + Write("game.zl", GameText{}.Text() + level.Text()) + " -o " + game).ExitCode, 0);
        return game;
    }

    std::filesystem::path dir_;
};

}  // namespace

TEST_F(CommandLine, BuildsDumpsChecksAndPlays) {
    const std::string game = BuildGame({.Map = {"##########", "#H.......#", "#...o....#", "#........#", "##########"}});
    const Outcome dump = RunTool("dump " + game);
    EXPECT_EQ(dump.ExitCode, 0);
    EXPECT_NE(dump.Output.find("Map:\n##########\n#H.......#\n#...o....#\n"), std::string::npos) << dump.Output;
    const Outcome check = RunTool("check " + game);
    EXPECT_EQ(check.ExitCode, 0);
    EXPECT_EQ(check.Output, game + ": the game loads it; 0 warning(s)\n");
    const Outcome play = RunTool("play " + game);
    EXPECT_EQ(play.ExitCode, 0);
    EXPECT_EQ(play.Output.rfind("level 1: won 5 of 5 (", 0), 0u) << play.Output;
}

TEST_F(CommandLine, NamesFileAndLineOfBadSource) {
    const LevelText level{.Map = {"#######", "#H.x..#", "#######"}};
    const std::string source = Write("bad.zl", GameText{}.Text() + level.Text());
    const Outcome build = RunTool("build " + source + " -o " + Path("out.zurk"));
    EXPECT_NE(build.ExitCode, 0);
    EXPECT_EQ(build.Output, source + ":16: unknown map character 'x' in column 4\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out.zurk")));
}

TEST_F(CommandLine, RefusesADamagedFileWithOneLinePerFault) {
    const std::string game = BuildGame({});
    std::filesystem::resize_file(game, std::filesystem::file_size(game) - 1);
    const Outcome check = RunTool("check " + game);
    EXPECT_NE(check.ExitCode, 0);
    EXPECT_EQ(check.Output, game + ": level 1: the record of code 12 at byte 45 is cut short by the end of the file\n");
    EXPECT_NE(RunTool("dump " + game).ExitCode, 0);
    EXPECT_NE(RunTool("play " + game).ExitCode, 0);
}

TEST_F(CommandLine, ReportsALevelThatCannotBeWon) {
    const std::string game = BuildGame({.RequiredLength = "1"});
    const Outcome check = RunTool("check " + game);
    EXPECT_EQ(check.ExitCode, 0);
    EXPECT_NE(check.Output.find("warning: level 1: RequiredLength is 1, so the house never opens"), std::string::npos);
    const Outcome play = RunTool("play " + game);
    EXPECT_NE(play.ExitCode, 0);
    EXPECT_EQ(play.Output.rfind("level 1: LOST 0 of 5 (", 0), 0u) << play.Output;
}

TEST_F(CommandLine, ExplainsItsUseAndMissingFiles) {
    EXPECT_NE(RunTool("").ExitCode, 0);
    EXPECT_NE(RunTool("build " + Path("x.zl")).ExitCode, 0);
    const Outcome missing = RunTool("check " + Path("missing.zurk"));
    EXPECT_NE(missing.ExitCode, 0);
    EXPECT_EQ(missing.Output, Path("missing.zurk") + ": cannot read the file\n");
    EXPECT_NE(RunTool("build " + Path("missing.zl") + " -o " + Path("out.zurk"))
                  .Output.find("missing.zl: cannot read the file"),
              std::string::npos);
}
