#include "app/ProgramDirectory.h"

#include "app/UserLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pinatlas {

QString withTrailingSeparator(const QString& dir) {
    const QString native = QDir::toNativeSeparators(dir);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

ProgramPlace chooseProgramPlace(const QString& executableDir, const QString& dataHome,
                                bool executableDirWritable) {
    // PINATLAS_SHIPPED_LIBRARY: where the install rules put the library, seen
    // from the executable.
    const QString installed =
        QDir::cleanPath(QDir(executableDir).filePath(QStringLiteral(PINATLAS_SHIPPED_LIBRARY)));
    const QString user = withTrailingSeparator(QDir(dataHome).filePath(QStringLiteral("pinatlas")));
    if (QFileInfo(installed).isDir())
        return {user, withTrailingSeparator(installed)};
    if (!executableDirWritable)
        return {user, withTrailingSeparator(executableDir)};
    return {withTrailingSeparator(executableDir), {}};
}

QString programDirectory(Platform& platform) {
    const QString executableDir = QCoreApplication::applicationDirPath();
    const ProgramPlace place = chooseProgramPlace(
        executableDir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QFileInfo(executableDir).isWritable());
    if (place.shipped.isEmpty())
        return place.directory;
    // Without a library of one's own the shipped one can still be read.
    return updateUserLibrary(place.shipped, place.directory, platform) ? place.directory
                                                                       : place.shipped;
}

} // namespace pinatlas
