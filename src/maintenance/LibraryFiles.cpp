#include "maintenance/LibraryFiles.h"

#include "library/IcList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pinatlas {
namespace {

bool isDeviceName(const QString& name) {
    // Windows keeps these names for devices whatever the extension, so a
    // library holding one could not be copied there.
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList fixed = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                      QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                      QStringLiteral("CONIN$"), QStringLiteral("CONOUT$"),
                                      QStringLiteral("CLOCK$")};
    if (fixed.contains(base))
        return true;
    if (base.size() == 4 &&
        (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))) {
        const QChar digit = base.at(3);
        return (digit >= QLatin1Char('0') && digit <= QLatin1Char('9')) || digit == QChar(0x00B9) ||
               digit == QChar(0x00B2) || digit == QChar(0x00B3);
    }
    return false;
}

} // namespace

bool isRegularDirectoryName(const QString& name) {
    if (!isPlainDirectoryName(name))
        return false;
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    static const QString forbidden = QStringLiteral("*?\"<>|");
    for (const QChar c : name) {
        if (forbidden.contains(c) || c.category() == QChar::Other_Control)
            return false;
    }
    return !isDeviceName(name);
}

QStringList sheetFilesOf(const QString& dirPath, const QString& type) {
    QStringList names;
    if (type.isEmpty())
        return names;
    const QString prefix = type + QLatin1Char('.');
    const QDir dir(dirPath);
    // Compared by hand rather than as a name filter, so that a type such as
    // "74*" or "[1]" names only itself.
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        if (name.startsWith(prefix, Qt::CaseSensitive))
            names << name;
    }
    return names;
}

SheetRemoval removeSheetFiles(const QString& dirPath, const QString& type) {
    SheetRemoval result;
    const QDir dir(dirPath);
    for (const QString& name : sheetFilesOf(dirPath, type)) {
        const QString path = QDir::toNativeSeparators(dir.filePath(name));
        if (QFile::remove(path))
            result.removed << path;
        else
            result.failed << path;
    }
    return result;
}

bool holdsOrdinaryFile(const QString& dirPath) {
    return !QDir(dirPath).entryList(QDir::Files).isEmpty();
}

DirectoryCreation createLibraryDirectory(const QString& programDir, const QString& name) {
    if (!isRegularDirectoryName(name))
        return DirectoryCreation::NotRegularName;
    return QDir(programDir).mkdir(name) ? DirectoryCreation::Created : DirectoryCreation::Failed;
}

DirectoryRemoval removeLibraryDirectory(const QString& programDir, const QString& name) {
    if (!isPlainDirectoryName(name))
        return DirectoryRemoval::NotPlainName;
    const QString path = programDir + name;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return DirectoryRemoval::Missing;
    if (info.isDir() && holdsOrdinaryFile(path))
        return DirectoryRemoval::HoldsFiles;
    // rmdir never follows a link and never empties a directory first.
    return QDir(programDir).rmdir(name) ? DirectoryRemoval::Removed : DirectoryRemoval::Failed;
}

} // namespace pinatlas
