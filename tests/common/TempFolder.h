#pragma once
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

// A scratch folder of the test's own, gone with the test.
class TempFolderTest : public testing::Test {
protected:
    TempFolderTest() : folder(std::filesystem::temp_directory_path() / ("zurk3-test-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder);
    }
    ~TempFolderTest() override { std::filesystem::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& content) const {
        std::ofstream(folder / name, std::ios::binary) << content;
        return Path(name);
    }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    std::filesystem::path folder;
};
