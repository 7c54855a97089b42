// zurk3-levels: builds game files from level sources, prints them back as source, checks them
// against the game's reader and plays every level with the autoplayer on the real rules.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "pond/clsHraZurk3.h"
#include "tools/levels/GameFileChecker.h"
#include "tools/levels/GameFileWriter.h"
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
                 "       zurk3-levels play FILE\n";
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

int Dump(const std::string& path) {
    clsHraZurk3 game;
    if (!game.NactiHru(path)) {
        std::cerr << path << ": " << RecordScanner::Describe(*game.LastFault()) << "\n";
        return 1;
    }
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

int Play(const std::string& path) {
    clsHraZurk3 game;
    if (!game.NactiHru(path)) {
        std::cerr << path << ": " << RecordScanner::Describe(*game.LastFault()) << "\n";
        return 1;
    }
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "build") return Build(args);
    if (args.size() != 1) return Usage();
    if (command == "dump") return Dump(args[0]);
    if (command == "check") return Check(args[0]);
    if (command == "play") return Play(args[0]);
    return Usage();
}
