#pragma once

#include <QString>
#include <QStringList>

namespace pinatlas {

// The ordinary files of `dirPath` whose name is `type` followed by a dot and
// anything, in name order, except the sheets of other types ("74HC00.5.txt"
// for "74HC00"). The type is compared literally: wildcard characters in it
// are part of the name.
QStringList sheetFilesOf(const QString& dirPath, const QString& type);

struct SheetRemoval {
    QStringList removed; // full paths
    QStringList failed;  // full paths that are still there
};

// Deletes every file `sheetFilesOf` names. Nothing found leaves both lists empty.
SheetRemoval removeSheetFiles(const QString& dirPath, const QString& type);

// True when `dirPath` holds at least one ordinary, visible file; hidden
// entries and sub-directories are not looked at.
bool holdsOrdinaryFile(const QString& dirPath);

enum class DirectoryCreation { Created, NotRegularName, Failed };

// Creates `programDir` + `name`; an existing entry of that name, in any case,
// is a failure.
DirectoryCreation createLibraryDirectory(const QString& programDir, const QString& name);

enum class DirectoryRemoval {
    Removed,
    NotPlainName,
    HoldsFiles, // ordinary files remain; nothing was touched
    Missing,    // there is no such directory (any more)
    Failed,     // the file system refused: hidden entries, sub-directories, rights
};

// Removes `programDir` + `name` when it holds no ordinary file.
DirectoryRemoval removeLibraryDirectory(const QString& programDir, const QString& name);

} // namespace pinatlas
