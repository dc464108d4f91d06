#pragma once

#include "display/ui/SheetPrinter.h"

#include <QObject>

namespace pinatlas {

class DatasheetView;
class RunningProgram;

// Print and Save as PDF of the main window: the sheet on display, through
// the desktop's print and save dialogs.
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

    RunningProgram& m_program;
    const DatasheetView& m_view;
};

} // namespace pinatlas
