#pragma once

#include "display/ui/SheetPrinter.h"

#include <QObject>

namespace pinatlas {

class Haupt;

// Print and Save as PDF of the main window: the sheet on display, through
// the desktop's print and save dialogs.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    explicit PrintCommands(Haupt& haupt);

    void print();
    void saveAsPdf();
    // What is on display, as it goes onto paper.
    PrintableSheet current() const;

private:
    void reportFailure(const QString& text);

    Haupt& m_haupt;
};

} // namespace pinatlas
