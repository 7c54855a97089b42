#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "pond/RegularFile.h"

namespace {
namespace fs = std::filesystem;

class RegularFileTest : public testing::Test {
protected:
    RegularFileTest() : folder(fs::temp_directory_path() / ("zurk3-regular-" + std::to_string(::getpid()))) {
        fs::create_directories(folder);
    }
    ~RegularFileTest() override { fs::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& content) const {
        std::ofstream(folder / name, std::ios::binary) << content;
        return (folder / name).string();
    }

    fs::path folder;
};
}  // namespace

TEST_F(RegularFileTest, ReadsAWholeFileWithinItsLimit) {
    const FileRead read = ReadRegularFile(Write("small", "abc"), 3);
    EXPECT_EQ(read.Status, FileReadStatus::Read);
    EXPECT_EQ(read.Bytes, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(ReadRegularFile(Write("large", "abcd"), 3).Status, FileReadStatus::TooLarge);
    EXPECT_EQ(ReadRegularFile((folder / "none").string(), 3).Status, FileReadStatus::Missing);
}

// Anything that is not a regular file is refused before a byte is read: a FIFO without a
// writer would block for ever, a device would never end.
TEST_F(RegularFileTest, RefusesWhatIsNoRegularFileWithoutBlocking) {
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "zero");
    fs::create_directory(folder / "dir");
    for (const char* name : {"fifo", "zero", "dir"})
        EXPECT_EQ(ReadRegularFile((folder / name).string(), 1u << 20).Status, FileReadStatus::NotReadable) << name;
}
