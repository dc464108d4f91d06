#include "display/ui/PrintCommands.h"

#include "display/SheetPages.h"
#include "display/ui/DatasheetView.h"
#include "library/DatasheetReader.h"
#include "library/Names.h"
#include "platform/Platform.h"
#include "shared/RunningProgram.h"
#include "shared/Settings.h"

#include <QDir>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

namespace pinatlas {

PrintCommands::PrintCommands(RunningProgram& program, const DatasheetView& view)
    : QObject(program.mainWindow()), m_program(program), m_view(view) {}

PrintableSheet PrintCommands::current() const {
    const DatasheetView* view = &m_view;
    return {view->sheet(), view->comment(), view->title(), m_program.settings().shown()};
}

void PrintCommands::reportFailure(const QString& text) {
    m_program.platform().message(m_program.mainWindow(), MsgIcon::Exclamation,
                                 QStringLiteral("Pinatlas"), text, MsgButtons::Ok);
}

void PrintCommands::print() {
    if (!m_view.hasContent())
        return;
    const PrintableSheet sheet = current();
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(sheet.title);
    printer.setPageSize(
        QPageSize(usesLetterPaper(QLocale().territory()) ? QPageSize::Letter : QPageSize::A4));
    if (!m_program.platform().choosePrinter(m_program.mainWindow(), printer))
        return;
    if (!printSheet(printer, sheet))
        reportFailure(m_program.settings().pick(
            QStringLiteral("Das Datenblatt konnte nicht gedruckt werden."),
            QStringLiteral("The datasheet could not be printed.")));
}

void PrintCommands::saveAsPdf() {
    if (!m_view.hasContent())
        return;
    const PrintableSheet sheet = current();
    const Settings& s = m_program.settings();
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A desktop without a documents folder: the dialog would otherwise open
    // wherever the program happened to be started.
    if (!QDir(documents).exists())
        documents = QDir::homePath();
    const QString suggested = QDir::toNativeSeparators(
        documents + u'/' + readableName(typeOfFileName(sheet.sheet.fileName)) +
        QStringLiteral(".pdf"));
    const QString path = m_program.platform().saveFileName(
        m_program.mainWindow(),
        s.pick(QStringLiteral("Als PDF speichern"), QStringLiteral("Save as PDF")), suggested,
        s.pick(QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("PDF files (*.pdf)")));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeSheetPdf(path, sheet, &error))
        reportFailure(s.pick(QStringLiteral("Die Datei konnte nicht geschrieben werden:"),
                             QStringLiteral("The file could not be written:")) +
                      s.lineBreak + path + s.lineBreak + error);
}

} // namespace pinatlas
