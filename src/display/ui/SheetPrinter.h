#pragma once

#include "library/Datasheet.h"
#include "shared/Language.h"

#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace pinatlas {

// One sheet as it is put on paper: what the drawing area shows of it.
struct PrintableSheet {
    Datasheet sheet;
    QStringList comment; // the comment lines of `language`
    QString title;       // the title line, as the main window shows it
    Language language;   // the data table's labels
};

// Draws the sheet onto the pages of `device` with the widgets of the drawing
// area, so that lines stay lines and text stays text: the title on top of
// every page, the drawing below it scaled to the page width, and pages ended
// only between table rows, comment lines and elements. False when the device
// cannot be painted on.
bool printSheet(QPagedPaintDevice& device, const PrintableSheet& sheet);

// Writes the sheet as a PDF file on the paper size of the user's locale. On
// failure the file is left as it was and `error` says why.
bool writeSheetPdf(const QString& path, const PrintableSheet& sheet, QString* error = nullptr);

} // namespace pinatlas
