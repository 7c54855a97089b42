#pragma once
#include <QString>
#include <string>
#include <string_view>

#include "pond/RegularFile.h"

// The program's own folder, where every file the game reads lies. It is kept as the bytes the file
// system gave, because a folder's name need not be text in the system's encoding (a folder named
// in Latin-2 on a UTF-8 desktop); only a path shown to the player is turned into text.
// A folder that could not be found names no file at all: not one of the root folder, not one of
// the current folder.
class ProgramFolder {
public:
    explicit ProgramFolder(std::string path) : path_(std::move(path)) {}
    // A folder named by text in the system's encoding.
    ProgramFolder(const QString& path);  // NOLINT(google-explicit-constructor): a path is a folder
    // The folder of the running program, as the system knows it; never the current folder, and
    // not found when the system cannot say (no /proc, or a path longer than it can give).
    static ProgramFolder OfRunningProgram();

    bool Found() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }
    // Every file the game reads from its folder is read here, by its name (ReadFolderFile): a link
    // is refused wherever it leads. Missing when the folder was not found.
    FileRead Read(std::string_view name, std::size_t maxBytes) const;
    // Whether anything at all bears that name in the folder, a link included.
    bool HasEntry(std::string_view name) const;
    // The file's path, to name it to the player; empty when the folder was not found.
    std::string FilePath(std::string_view name) const;
    // A path as the player reads it.
    static QString Shown(const std::string& path);

private:
    std::string path_;
};
