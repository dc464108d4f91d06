#pragma once

#include "library/Datasheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace pinatlas {

// Everything a datasheet file holds: the record plus both comment texts.
struct DatasheetFile {
    Datasheet sheet;
    bool hasCommentDe = false;
    bool hasCommentEn = false;
    QStringList commentDe; // one entry per comment line
    QStringList commentEn;
    bool operator==(const DatasheetFile&) const = default;
};

// A line the reader passed over or took other than it stands.
struct ReadNote {
    int line; // 1-based
    QString text;
    bool operator==(const ReadNote&) const = default;
};

struct ReadResult {
    std::optional<DatasheetFile> file; // empty when the file is defective
    QString defect;                    // why, in English, for the maintainers' tool
    int defectLine = 0;                // 1-based line where the defect was found; 0 for
                                       // the file as a whole (cannot be opened, too large)
    // The reading got past the pin names before the defect, so the loader has
    // already cleared the comment box when it stops.
    bool pastPinNames = false;
    // What a sound file was read with: sections out of order, lines that look
    // like section keys but match none, header values taken other than they stand.
    QList<ReadNote> warnings;
    // The first line of content the reading left alone after the end of the
    // sheet; 0 when there is none. Writing the sheet back would lose it.
    int unreadFrom = 0;
};

// No datasheet comes anywhere near this; a file beyond it is not read at all,
// so that a stray huge file cannot exhaust the memory.
inline constexpr qint64 kMaxDatasheetBytes = 64 * 1024 * 1024;

// Reads a whole datasheet file from its bytes. `type` gives fileName
// (type + ".txt"); an empty type leaves fileName empty.
ReadResult readDatasheet(const QByteArray& bytes, const QString& type = {});

// Opens and reads the file at `path`; a file that cannot be opened or is larger
// than kMaxDatasheetBytes is defective like any other.
ReadResult readDatasheetFile(const QString& path, const QString& type = {});

// The type of a datasheet file name: the name without its last four
// characters (".txt"); a name of four characters or fewer gives the empty text.
QString typeOfFileName(const QString& fileName);

} // namespace pinatlas
