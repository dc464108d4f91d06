#pragma once

#include "library/Datasheet.h"
#include "shared/Language.h"

#include <QStringList>

namespace pinatlas {

// Where the loader puts a sheet it has read: the drawing area implements it.
class DatasheetDisplay {
public:
    // A sheet read without defect, with the comment lines of `language` and
    // the title line; the fixed labels follow `language`.
    virtual void display(const Datasheet& sheet, const QStringList& comment, const QString& title,
                         Language language) = 0;
    // What a failed read leaves behind: the comment box hidden and empty.
    virtual void clearComment() = 0;

protected:
    ~DatasheetDisplay() = default;
};

} // namespace pinatlas
