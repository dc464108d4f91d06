#include "maintenance/LibraryFiles.h"

#include "library/FileAccess.h"
#include "library/Names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pinatlas {
QStringList sheetFilesOf(const QString& dirPath, const QString& type) {
    QStringList names;
    if (type.isEmpty())
        return names;
    const QString prefix = type + QLatin1Char('.');
    const QString own = type + QStringLiteral(".txt");
    // Compared by hand rather than as a name filter, so that a type such as
    // "74*" or "[1]" names only itself. A type may hold a dot, so the sheet
    // of another type ("74HC00.5" beside "74HC00") is not one of its files.
    for (const QString& name : fileEntries(dirPath)) {
        if (name.startsWith(prefix, Qt::CaseSensitive) &&
            (name == own || !name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)))
            names << name;
    }
    return names;
}

SheetRemoval removeSheetFiles(const QString& dirPath, const QString& type) {
    SheetRemoval result;
    const QDir dir(dirPath);
    for (const QString& name : sheetFilesOf(dirPath, type)) {
        const QString path = QDir::toNativeSeparators(dir.filePath(name));
        if (removeFile(path))
            result.removed << path;
        else
            result.failed << path;
    }
    return result;
}

bool holdsOrdinaryFile(const QString& dirPath) {
    return !fileEntries(dirPath).isEmpty();
}

DirectoryCreation createLibraryDirectory(const QString& programDir, const QString& name) {
    if (!isRegularDirectoryName(name))
        return DirectoryCreation::NotRegularName;
    // Libraries travel to systems that fold case, where two such names clash.
    for (const QString& existing :
         QDir(programDir)
             .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (existing.compare(name, Qt::CaseInsensitive) == 0)
            return DirectoryCreation::Failed;
    return QDir(programDir).mkdir(name) ? DirectoryCreation::Created : DirectoryCreation::Failed;
}

DirectoryRemoval removeLibraryDirectory(const QString& programDir, const QString& name) {
    if (!isPlainDirectoryName(name))
        return DirectoryRemoval::NotPlainName;
    const QString path = programDir + name;
    if (!entryExists(path))
        return DirectoryRemoval::Missing;
    if (isDirectory(path) && holdsOrdinaryFile(path))
        return DirectoryRemoval::HoldsFiles;
    // rmdir never follows a link and never empties a directory first.
    return removeDirectory(path) ? DirectoryRemoval::Removed : DirectoryRemoval::Failed;
}

} // namespace pinatlas
