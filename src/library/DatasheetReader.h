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

struct ReadResult {
    std::optional<DatasheetFile> file; // empty when the file is defective
    QString defect;                    // why, in English, for the maintainers' tool
    int defectLine = 0;                // 1-based line where the defect was found
};

// Reads a whole datasheet file from its bytes. `type` becomes fileName + ".txt".
ReadResult readDatasheet(const QByteArray& bytes, const QString& type = {});

} // namespace pinatlas
