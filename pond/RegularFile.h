#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What reading one of the game's data files found.
enum class FileReadStatus {
    Read,
    Missing,      // no file of that name
    NotReadable,  // not a regular file (a folder, a FIFO, a device), or no permission, or an error
    Link,         // a symbolic link where a file of a folder was asked for, which is not followed
    TooLarge,     // more than the caller's limit
};

struct FileRead {
    FileReadStatus Status = FileReadStatus::Missing;
    std::vector<std::uint8_t> Bytes;  // the whole file when Status is Read
};

// Reads a whole regular file of at most maxBytes. Whatever lies at path, it never blocks
// (a FIFO or a device is refused before a byte is read) and never reads past maxBytes,
// even from a file that grows while it is read.
FileRead ReadRegularFile(const std::string& path, std::size_t maxBytes);

// The same for a file of a folder, by its name there: one name, without a slash (any other is
// Missing). A link of that name is refused wherever it leads, inside the folder too: the folders
// the game reads hold plain files, and a link may lead anywhere. The file is opened from the
// folder, so a folder whose path leaves no room for the file's name still has its files read.
FileRead ReadFolderFile(const std::string& folder, std::string_view name, std::size_t maxBytes);
// Whether anything at all bears that name in the folder, a link included.
bool HasFolderEntry(const std::string& folder, std::string_view name);
