#pragma once

#include "shared/IcSort.h"
#include "shared/Language.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace pinatlas {

// The head of one file of a library directory, as the IC list reads it.
struct IcEntry {
    QString fileName;      // as listed, for example 7400.txt
    QString descriptionDe; // line 1
    QString descriptionEn; // line 2
    QString pinField;      // the first list-input field of line 3
    bool operator==(const IcEntry&) const = default;
};

// One row of the IC list as shown.
struct IcRow {
    QString type;
    QString description;
    QString pins;
    bool operator==(const IcRow&) const = default;
};

// The leading number of a text: blanks, tabs and line feeds are ignored
// wherever they stand, then an optional sign, digits, an optional decimal
// point with digits and an optional exponent (E or D); reading stops at the
// first other character. 0 when there is no number; overflow gives infinity.
double leadingNumberIgnoringBlanks(QStringView text);

// The sort keys. A name or description of four characters or fewer has the
// key of the empty text.
double typeKey(const QString& fileName);
QString descriptionKey(const QString& description);

// Keys at or above these are never listed.
inline constexpr double kTypeSentinel = 999999999.0;
QString descriptionSentinel(); // ten u-umlauts

// The rows of the list in order: ascending key, equal keys in table order,
// keys not below the sentinel left out; by description, in the descriptions
// of `language`.
std::vector<IcRow> sortIcList(const std::vector<IcEntry>& entries, IcSort sort, Language language);

// The non-hidden entries of a directory that are not directories, by name:
// special files are listed so that they are reported as unreadable.
QStringList listedFileNames(const QString& directory);

// No real description comes near this many characters; the list, the title
// and the Find index keep no more of one, so that a hostile sheet with a
// description of megabytes costs no more than a sound one.
inline constexpr qsizetype kMaxShownDescription = 400;

// Reads the head of one file: line 1, line 2 and the first field of line 3.
// Empty when the file cannot be opened or ends before the third field.
std::optional<IcEntry> readIcHead(const QString& path, const QString& fileName);

struct DirectoryScan {
    std::vector<IcEntry> entries; // the files read, in name order
    QString failedFile;           // the name of the first file that could not be read
    bool failed() const { return !failedFile.isEmpty(); }
};

// Reads the heads of every listed file of `directory` (which ends with a
// separator), stopping at the first that cannot be read. Every readable file
// is taken, however many there are: the sort does not care.
DirectoryScan scanIcDirectory(const QString& directory);

// The header texts of the list.
QStringList icListHeaders(Language language);

// Column widths of the list in twips: 63, 170 and 27 pixels when the first and
// the last row are both visible, 63, 153 and 27 when a scroll bar needs room.
struct IcColumnWidths {
    int type;
    int description;
    int pins;
    bool operator==(const IcColumnWidths&) const = default;
};
IcColumnWidths icColumnWidths(double twipsPerPixelX, bool firstAndLastRowVisible);

// The box shown when a datasheet file cannot be read, by the list and by the
// loader alike.
struct FileErrorMessage {
    QString title;
    QString text;
};
FileErrorMessage defectiveFileMessage(Language language, const QString& path,
                                      const QString& lineBreak);

} // namespace pinatlas
