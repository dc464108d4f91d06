#include "app/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

namespace pinatlas {

QString withTrailingSeparator(const QString& dir) {
    const QString native = QDir::toNativeSeparators(dir);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

QString programDirectory() {
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

} // namespace pinatlas
