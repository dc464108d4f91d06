#pragma once

#include <QString>

namespace pinatlas {

class Platform;

// Where the library and pinatlas.ini live.
struct ProgramPlace {
    QString directory; // with a trailing separator
    // The shipped library the directory is kept up to date from; empty when
    // the program works beside its executable.
    QString shipped;
};

// Decides by the layout: beside the executable, as in a build directory,
// unless the executable was installed (the shipped library lies where the
// install rules put it) or its directory cannot be written; then in
// `dataHome`/pinatlas, the user's library.
ProgramPlace chooseProgramPlace(const QString& executableDir, const QString& dataHome,
                                bool executableDirWritable);

// The directory the library lives in, with a trailing separator. This is the
// one place that decides it for a run; a user's library is brought up to the
// shipped one first, asking through `platform` when there is a choice.
QString programDirectory(Platform& platform);

// Appends the native separator unless the path already ends with one.
QString withTrailingSeparator(const QString& dir);

} // namespace pinatlas
