#pragma once

#include <QString>
#include <QStringView>

namespace pinatlas {

// The rules for the names the user types: library directories and datasheet
// types. A library travels between systems, so a new name must be one that
// every common system accepts; an existing directory only has to stay below
// the program directory to be reached.

// True for a directory name that stays directly below the program directory:
// not empty, no separator of either system, no drive colon, no control
// character, and not hidden (which also rules out "." and ".."). Every
// command that puts the name of an existing directory into a path checks it.
bool isPlainDirectoryName(QStringView name);

// Why a name cannot name a file or directory on every system the library
// travels to.
enum class NameProblem {
    None,
    Empty,
    Separator,
    ForbiddenCharacter,
    ControlCharacter,
    DotName,
    LeadingDot,
    TrailingDotOrBlank,
    DeviceName,
    TooLong
};

// A name Windows keeps for a device whatever extension follows it: CON, PRN,
// AUX, NUL, CONIN$, CONOUT$, CLOCK$, COM0 to COM9 and LPT0 to LPT9 (with the
// superscript digits too), in any case.
bool isDeviceName(QStringView name);

// A type names the file type + ".txt".
NameProblem typeNameProblem(QStringView type);

// A new library directory must be plain and have no name problem.
bool isRegularDirectoryName(QStringView name);

} // namespace pinatlas
