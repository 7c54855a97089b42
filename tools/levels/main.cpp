// zurk3-levels: builds game files from level sources, prints them back as source, checks them
// against the game's reader, plays every level with the autoplayer on the real rules, and grades
// the levels by how often a player with human timing wins them.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "pond/clsHraZurk3.h"
#include "tools/levels/GameFileChecker.h"
#include "tools/levels/GameFileWriter.h"
#include "tools/levels/HumanGrading.h"
#include "tools/levels/LevelTrial.h"
#include "tools/levels/RecordScanner.h"
#include "tools/levels/SourceDumper.h"
#include "tools/levels/SourceError.h"
#include "tools/levels/SourceParser.h"

namespace {

constexpr std::array<std::uint32_t, 5> PlaySeeds = {1, 2, 3, 4, 5};
constexpr int PlayStepLimit = 20000;

int Usage() {
    std::cerr << "usage: zurk3-levels build SOURCES... -o FILE\n"
                 "       zurk3-levels dump FILE\n"
                 "       zurk3-levels check FILE\n"
                 "       zurk3-levels play [--timing-noise MS] [--speed MS] [--tries N] [--seed S] [--jobs J] FILE\n"
                 "       zurk3-levels grade [--tries N] [--seed S] [--jobs J] FILE\n";
    return 2;
}

int Build(const std::vector<std::string>& args) {
    std::vector<std::string> sources;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "-o")
            sources.push_back(args[i]);
        else if (i + 1 < args.size())
            output = args[++i];
        else
            return Usage();
    }
    if (output.empty() || sources.empty()) return Usage();
    std::vector<std::uint8_t> bytes;
    try {
        SourceParser parser;
        for (const std::string& source : sources) parser.ParseFile(source);
        bytes = GameFileWriter::Write(parser.Finish());
    } catch (const SourceError& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    // Written aside and moved in place, so a failed build never leaves half a game behind.
    const std::string partial = output + ".part";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::cerr << output << ": cannot write the file\n";
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, output, error);
    if (error) {
        std::cerr << output << ": cannot write the file: " << error.message() << "\n";
        return 1;
    }
    return 0;
}

bool Load(clsHraZurk3& game, const std::string& path) {
    if (game.NactiHru(path)) return true;
    std::cerr << path << ": " << RecordScanner::Describe(*game.LastFault()) << "\n";
    return false;
}

int Dump(const std::string& path) {
    clsHraZurk3 game;
    if (!Load(game, path)) return 1;
    try {
        std::cout << SourceDumper::Dump(game);
    } catch (const std::runtime_error& error) {
        std::cerr << path << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}

int Check(const std::string& path) {
    const FileRead file = ReadGameFile(path);
    if (file.Status != FileReadStatus::Read) {
        std::cerr << path << ": " << RecordScanner::Describe({file.Status, {}}) << "\n";
        return 1;
    }
    const CheckReport report = GameFileChecker::Check(file.Bytes, path);
    for (const std::string& fault : report.Faults) std::cout << path << ": " << fault << "\n";
    for (const std::string& warning : report.Warnings) std::cout << path << ": warning: " << warning << "\n";
    if (report.Refused()) return 1;
    std::cout << path << ": the game loads it; " << report.Warnings.size() << " warning(s)\n";
    return 0;
}

int PlayPerfectly(const std::string& path) {
    clsHraZurk3 game;
    if (!Load(game, path)) return 1;
    bool anyLost = false;
    for (int level = 1; level <= game.PocetUrovni(); ++level) {
        int won = 0;
        std::ostringstream runs;
        for (const std::uint32_t seed : PlaySeeds) {
            const TrialResult result = LevelTrial::Run(game, level, seed, PlayStepLimit);
            if (!result.HasHouse) break;
            won += result.Won ? 1 : 0;
            runs << ' '
                 << (result.Won       ? "won"
                     : result.Crashed ? "crashed"
                                      : "stuck")
                 << '/' << result.Steps << '/' << result.Points;
        }
        if (runs.str().empty()) {
            std::cout << "level " << level << ": no house, the game skips it\n";
            continue;
        }
        const bool lost = won == 0;
        anyLost = anyLost || lost;
        std::cout << "level " << level << ": " << (lost ? "LOST" : "won") << " " << won << " of " << PlaySeeds.size()
                  << " (result/steps/points per seed:" << runs.str() << ")\n";
    }
    return anyLost ? 1 : 0;
}

// The file and the --name value options of play and grade; empty when they do not parse.
struct Options {
    std::string File;
    std::map<std::string, double> Values;

    double Get(const std::string& name, double fallback) const {
        const auto found = Values.find(name);
        return found == Values.end() ? fallback : found->second;
    }
};

std::optional<Options> ParseOptions(const std::vector<std::string>& args, const std::vector<std::string>& known) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) != 0) {
            if (!options.File.empty()) return std::nullopt;
            options.File = args[i];
            continue;
        }
        const std::string name = args[i].substr(2);
        if (std::find(known.begin(), known.end(), name) == known.end() || i + 1 == args.size()) return std::nullopt;
        char* end = nullptr;
        const double value = std::strtod(args[++i].c_str(), &end);
        if (end == args[i].c_str() || *end != '\0' || !(value >= 0 && value <= 1e9)) return std::nullopt;
        options.Values[name] = value;
    }
    if (options.File.empty()) return std::nullopt;
    return options;
}

GradingRun RunFrom(const Options& options) {
    GradingRun run;
    run.Tries = static_cast<int>(options.Get("tries", run.Tries));
    run.Seed = static_cast<std::uint32_t>(options.Get("seed", run.Seed));
    run.Jobs = std::max(1, static_cast<int>(options.Get("jobs", std::thread::hardware_concurrency())));
    run.Timing.StepMs = options.Get("speed", run.Timing.StepMs);
    run.Timing.NoiseMs = options.Get("timing-noise", run.Timing.NoiseMs);
    return run;
}

int PlayWithHumanTiming(const Options& options) {
    clsHraZurk3 game;
    if (!Load(game, options.File)) return 1;
    const GradingRun run = RunFrom(options);
    if (run.Timing.StepMs < 1) return Usage();
    const std::vector<int> wins = WinsPerLevel(game, run);
    int won = 0;
    int played = 0;
    for (std::size_t i = 0; i < wins.size(); ++i) {
        if (wins[i] < 0) {
            std::cout << "level " << i + 1 << ": no house, the game skips it\n";
            continue;
        }
        std::cout << "level " << i + 1 << ": won " << wins[i] << "/" << run.Tries << "\n";
        won += wins[i];
        played += run.Tries;
    }
    std::cout << "all levels: won " << won << "/" << played << " at timing noise " << run.Timing.NoiseMs
              << " ms and a step of " << run.Timing.StepMs << " ms\n";
    return 0;
}

// The table of win rates the level designers keep in the levels' README.
int Grade(const Options& options) {
    clsHraZurk3 game;
    if (!Load(game, options.File)) return 1;
    constexpr std::array<double, 2> Speeds = {80, 150};
    constexpr std::array<double, 3> Spreads = {0, 20, 30};
    const GradingRun base = RunFrom(options);
    std::vector<std::vector<int>> columns;
    std::cout << "| level |";
    for (const double speed : Speeds)
        for (const double spread : Spreads) {
            GradingRun run = base;
            run.Timing = {speed, spread};
            columns.push_back(WinsPerLevel(game, run));
            std::cout << " σ " << spread << " · " << speed << " ms |";
        }
    std::cout << "\n|---|";
    for (std::size_t i = 0; i < columns.size(); ++i) std::cout << "---|";
    std::cout << "\n";
    const int tries = base.Tries;
    for (int level = 1; level <= game.PocetUrovni(); ++level) {
        std::cout << "| " << level << " |";
        for (const std::vector<int>& column : columns) {
            const int wins = column[static_cast<std::size_t>(level - 1)];
            if (wins < 0 || tries == 0)
                std::cout << " – |";
            else
                std::cout << " " << (100 * wins + tries / 2) / tries << " % |";
        }
        std::cout << "\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "build") return Build(args);
    if (command == "play" && args.size() != 1) {
        const auto options = ParseOptions(args, {"timing-noise", "speed", "tries", "seed", "jobs"});
        return options ? PlayWithHumanTiming(*options) : Usage();
    }
    if (command == "grade") {
        const auto options = ParseOptions(args, {"tries", "seed", "jobs"});
        return options ? Grade(*options) : Usage();
    }
    if (args.size() != 1) return Usage();
    if (command == "dump") return Dump(args[0]);
    if (command == "check") return Check(args[0]);
    if (command == "play") return PlayPerfectly(args[0]);
    return Usage();
}
