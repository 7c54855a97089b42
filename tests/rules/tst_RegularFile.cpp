#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "GameFileBytes.h"
#include "TempFolder.h"
#include "pond/RegularFile.h"
#include "pond/clsHraZurk3.h"

namespace {
namespace fs = std::filesystem;
using RegularFileTest = TempFolderTest;
}  // namespace

// A file is read whole; anything that is not a regular file is refused before a byte is read: a
// FIFO without a writer would block for ever, a device would never end.
TEST_F(RegularFileTest, ReadsOnlyWholeRegularFilesWithinTheLimit) {
    const std::string small = Write("small", "abc");
    errno = EINTR;  // left over from an interrupted call before: only a failed read says anything
    const FileRead read = ReadRegularFile(small, 3);
    EXPECT_EQ(read.Status, FileReadStatus::Read);
    EXPECT_EQ(read.Bytes, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "zero");
    for (const char* name : {"fifo", "zero"})
        EXPECT_EQ(ReadRegularFile(Path(name), 1u << 20).Status, FileReadStatus::NotReadable) << name;
}

// A game file missing, a folder, too large or damaged: the reader tells which.
TEST_F(RegularFileTest, AGameFileThatCannotBeReadSaysWhy) {
    GameFileBytes(0, 3).WriteTo(Path("good.zurk"));
    clsHraZurk3 game;
    EXPECT_TRUE(game.NactiHru(Path("good.zurk")));
    const std::string huge = Write("huge.zurk", "");
    fs::resize_file(huge, MaxGameFileSize + 1);  // sparse: no disk is filled
    const std::pair<std::string, FileReadStatus> refused[] = {{Path("none"), FileReadStatus::Missing},
                                                              {folder.string(), FileReadStatus::NotReadable},
                                                              {huge, FileReadStatus::TooLarge},
                                                              {Write("bad.zurk", "x"), FileReadStatus::Read}};
    for (const auto& [path, status] : refused) {
        EXPECT_FALSE(game.NactiHru(path));
        EXPECT_EQ(game.LastFault()->File, status) << path;
    }
    EXPECT_EQ(game.LastFault()->Format.What, GameFileFault::ShortHeader);
}

// A file of a folder is read by its one name there, never through another folder, and a link of
// that name, which is refused, still bears it.
TEST_F(RegularFileTest, AFolderFileIsReadByItsOneName) {
    Write("plain", "abc");
    fs::create_directory(folder / "sub");
    Write("sub/inner", "abc");
    fs::create_symlink("plain", folder / "link");
    EXPECT_EQ(ReadFolderFile(folder.string(), "plain", 3).Bytes, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(ReadFolderFile(folder.string(), "sub/inner", 3).Status, FileReadStatus::Missing);
    EXPECT_EQ(ReadFolderFile(folder.string(), "link", 3).Status, FileReadStatus::Link);
    EXPECT_TRUE(HasFolderEntry(folder.string(), "link"));
}
