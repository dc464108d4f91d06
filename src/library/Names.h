#pragma once

#include <QString>
#include <QStringView>

namespace pinatlas {

// The rules for the names the user types: library directories and datasheet
// types. A library travels between systems, so a new name must be one that
// every common system accepts; an existing directory only has to stay below
// the program directory to be reached.

// Names on disk are bytes. The program holds a name that is UTF-8 as its
// text; any other name (Windows-1252 from an old archive) keeps its bytes,
// each byte above 0x7F as one of U+DC80 to U+DCFF, which no UTF-8 name can
// hold. So every name stands for exactly one file, twins that read alike
// stay apart, and the bytes come back unchanged when the file is opened.
QString nameFromDisk(const QByteArray& bytes);
QByteArray nameToDisk(QStringView name);
// True when the name holds bytes that are not UTF-8.
bool isLegacyName(QStringView name);
// A legacy name read as Windows-1252, as the user typed it on Windows.
QString readableName(QStringView name);
// The readable name, each legacy part of it (of a path) marked " (1252)", so
// that it never looks like its UTF-8 twin.
QString markedName(QStringView name);

// Data text (a type, a description, a path) as the windows and boxes show
// it next to other text: marked as markedName does; control and
// bidirectional formatting characters spelt out as visibleText does, so
// that none can break a line or reorder what surrounds it; and text with
// right-to-left letters isolated (FSI ... PDI) for the same reason.
QString shownText(QStringView text);

// True for a file name the list shows and the loader and every command
// read: not empty, not hidden and without a separator. Control characters,
// backslashes and colons are allowed: the name is the file's own, not the
// user's typing, and the windows spell the controls out.
bool isListedFileName(QStringView name);

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
