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
}  // namespace

FileRead ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    FileRead result;
    // Non-blocking, so that opening a FIFO without a writer returns at once; the check below refuses it.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        result.Status = errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::NotReadable;
        return result;
    }
    struct stat info = {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.Status = FileReadStatus::NotReadable;
        return result;
    }
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        result.Status = FileReadStatus::TooLarge;
        return result;
    }
    // One byte more than allowed tells a file that grew past the limit since it was measured.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result.Status = FileReadStatus::NotReadable;
            return result;
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
        if (filled == bytes.size() && filled <= maxBytes) bytes.resize(std::min(maxBytes + 1, bytes.size() * 2));
    }
    if (filled > maxBytes) {
        result.Status = FileReadStatus::TooLarge;
        return result;
    }
    bytes.resize(filled);
    result.Status = FileReadStatus::Read;
    result.Bytes = std::move(bytes);
    return result;
}
