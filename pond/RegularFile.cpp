#include "pond/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Non-blocking, so that opening a FIFO without a writer returns at once; ReadOpenFile refuses it.
constexpr int ReadFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;

FileRead Refused(FileReadStatus status) { return FileRead{status, {}}; }

FileReadStatus OpenFault(int error) {
    return error == ENOENT || error == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::NotReadable;
}

FileRead ReadOpenFile(const FileDescriptor& file, std::size_t maxBytes) {
    struct stat info = {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return Refused(FileReadStatus::NotReadable);
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return Refused(FileReadStatus::TooLarge);
    // One byte more than allowed tells a file that grew past the limit since it was measured.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Refused(FileReadStatus::NotReadable);
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
        if (filled == bytes.size() && filled <= maxBytes) bytes.resize(std::min(maxBytes + 1, bytes.size() * 2));
    }
    if (filled > maxBytes) return Refused(FileReadStatus::TooLarge);
    bytes.resize(filled);
    return FileRead{FileReadStatus::Read, std::move(bytes)};
}

// One name of a folder, which leads through no other folder; a NUL would cut it short.
bool IsFolderName(std::string_view name) {
    return !name.empty() && name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

FileDescriptor OpenFolder(const std::string& folder) {
    return FileDescriptor(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}
}  // namespace

FileRead ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    const FileDescriptor file(::open(path.c_str(), ReadFlags));
    if (file.get() < 0) return Refused(OpenFault(errno));
    return ReadOpenFile(file, maxBytes);
}

FileRead ReadFolderFile(const std::string& folder, std::string_view name, std::size_t maxBytes) {
    if (!IsFolderName(name)) return Refused(FileReadStatus::Missing);
    const FileDescriptor opened = OpenFolder(folder);
    if (opened.get() < 0) return Refused(OpenFault(errno));
    const std::string fileName(name);
    // A name without a slash has no part but the last, which O_NOFOLLOW refuses when it is a link.
    const FileDescriptor file(::openat(opened.get(), fileName.c_str(), ReadFlags | O_NOFOLLOW));
    if (file.get() < 0) return Refused(errno == ELOOP ? FileReadStatus::Link : OpenFault(errno));
    return ReadOpenFile(file, maxBytes);
}

bool HasFolderEntry(const std::string& folder, std::string_view name) {
    if (!IsFolderName(name)) return false;
    const FileDescriptor opened = OpenFolder(folder);
    struct stat info = {};
    return opened.get() >= 0 && ::fstatat(opened.get(), std::string(name).c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}
