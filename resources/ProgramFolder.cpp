#include "resources/ProgramFolder.h"

#include <QFile>
#include <climits>
#include <unistd.h>

ProgramFolder::ProgramFolder(const QString& path) : path_(QFile::encodeName(path).toStdString()) {}

ProgramFolder ProgramFolder::OfRunningProgram() {
    // Qt's own answer goes through text and is lost for a name that is not valid in the
    // system's encoding; the link to the program keeps the bytes. Where the link cannot be read,
    // Qt falls back on the name the program was started by, which may lead to the current folder.
    std::string program(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", program.data(), program.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= program.size() || program.front() != '/')
        return ProgramFolder(std::string());
    program.resize(static_cast<std::size_t>(length));
    const std::size_t slash = program.rfind('/');
    return ProgramFolder(slash == 0 ? std::string("/") : program.substr(0, slash));
}

std::string ProgramFolder::FilePath(std::string_view name) const {
    if (!Found()) return {};
    std::string path = path_;
    if (path.back() != '/') path += '/';
    return path.append(name);
}

FileRead ProgramFolder::Read(std::string_view name, std::size_t maxBytes) const {
    return Found() ? ReadFolderFile(path_, name, maxBytes) : FileRead{};
}

bool ProgramFolder::HasEntry(std::string_view name) const { return Found() && HasFolderEntry(path_, name); }

QString ProgramFolder::Shown(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}
