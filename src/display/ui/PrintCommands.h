#pragma once

#include "display/ui/SheetPrinter.h"
#include "shared/Language.h"

#include <QList>
#include <QObject>

class QAction;

namespace pinatlas {

class DatasheetView;
class Session;

// Print and Save as PDF of the main window: the sheet on display, through
// the desktop's print and save dialogs. Both suggest the type as the file
// name, in the folder last written to during this run.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(Session& session, const DatasheetView& view);

    void print();
    void saveAsPdf();
    // Drucken and PDF_speichern, in menu order; usable once a sheet is on display.
    const QList<QAction*>& actions() const { return m_actions; }
    void retranslate(Language language);
    // What is on display, as it goes onto paper.
    PrintableSheet current() const;

private:
    void reportFailure(const QString& text);
    QString suggestedPdf() const;
    void writePdf(const QString& path, const QPageLayout& layout);

    Session& m_session;
    const DatasheetView& m_view;
    QString m_folder;
    bool m_printedToFile = false;
    QList<QAction*> m_actions;
};

} // namespace pinatlas
