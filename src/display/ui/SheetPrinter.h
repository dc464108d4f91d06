#pragma once

#include "library/Datasheet.h"
#include "shared/Language.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace pinatlas {

// One sheet as it is put on paper: what the drawing area shows of it.
struct PrintableSheet {
    Datasheet sheet;
    QStringList comment;  // the comment lines of `language`
    QString title;        // the title line, as the main window shows it
    Language language;    // the data table's labels
    bool pinMarks = true; // the pins' role marks and their legend
};

// The paper of the user's locale, with the margins a sheet is laid out for.
QPageLayout sheetPageLayout(QPageSize::PageSizeId paper = QPageSize::PageSizeId(-1));

// Draws the sheet's print layout onto the pages of `device` (a printer or a
// PDF writer alike) as lines and text at the device's own resolution. False
// when the device cannot be painted on.
bool printSheet(QPagedPaintDevice& device, const PrintableSheet& sheet);

// Writes the sheet as a PDF file on the paper of `layout`. On failure the
// file is left as it was and `error` says why.
bool writeSheetPdf(const QString& path, const PrintableSheet& sheet, QString* error = nullptr,
                   const QPageLayout& layout = sheetPageLayout());

} // namespace pinatlas
