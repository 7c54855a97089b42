#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What reading one of the game's data files found.
enum class FileReadStatus {
    Read,
    Missing,      // no file of that name
    NotReadable,  // not a regular file (a folder, a FIFO, a device), or no permission, or an error
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
