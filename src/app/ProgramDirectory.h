#pragma once

#include <QString>

namespace pinatlas {

// The directory the library lives in, with a trailing separator. This is the
// one place that decides it: the directory of the executable.
QString programDirectory();

// Appends the native separator unless the path already ends with one.
QString withTrailingSeparator(const QString& dir);

} // namespace pinatlas
