#pragma once

#include "display/ui/SheetPrinter.h"

#include <QObject>

namespace pinatlas {

class DatasheetView;
class RunningProgram;

// Print and Save as PDF of the main window: the sheet on display, through
// the desktop's print and save dialogs. Both suggest the type as the file
// name, in the folder last written to during this run.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(RunningProgram& program, const DatasheetView& view);

    void print();
    void saveAsPdf();
    // What is on display, as it goes onto paper.
    PrintableSheet current() const;

private:
    void reportFailure(const QString& text);
    QString suggestedPdf() const;
    void writePdf(const QString& path, const QPageLayout& layout);

    RunningProgram& m_program;
    const DatasheetView& m_view;
    QString m_folder;
    bool m_printedToFile = false;
};

} // namespace pinatlas
