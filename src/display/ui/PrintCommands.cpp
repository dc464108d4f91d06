#include "display/ui/PrintCommands.h"

#include "display/ui/DatasheetView.h"
#include "lang/ui/CommandActions.h"
#include "library/DatasheetReader.h"
#include "library/Names.h"
#include "platform/Platform.h"
#include "shared/Session.h"
#include "shared/Settings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>

namespace pinatlas {

namespace {

std::span<const CommandCaption> captions() {
    static const CommandCaption c[] = {
        {"Drucken", QStringLiteral("&Drucken…"), QStringLiteral("&Print…")},
        {"PDF_speichern", QStringLiteral("Als &PDF speichern…"), QStringLiteral("&Save as PDF…")},
    };
    return c;
}

} // namespace

PrintCommands::PrintCommands(Session& session, const DatasheetView& view)
    : QObject(session.window()), m_session(session), m_view(view),
      m_actions(makeActions(this, captions())) {
    m_actions[0]->setShortcut(QKeySequence::Print);
    connect(m_actions[0], &QAction::triggered, this, [this] { print(); });
    connect(m_actions[1], &QAction::triggered, this, [this] { saveAsPdf(); });
    // Nothing to print until a sheet is on display.
    for (QAction* a : m_actions) {
        a->setEnabled(false);
        connect(&m_view, &DatasheetView::displayed, a, [a] { a->setEnabled(true); });
    }
    retranslate(session.language());
    connect(&session, &Session::languageChanged, this, &PrintCommands::retranslate);
}

void PrintCommands::retranslate(Language language) {
    retranslateActions(m_actions, captions(), language);
}

PrintableSheet PrintCommands::current() const {
    const DatasheetView* view = &m_view;
    return {view->sheet(), view->comment(), view->title(), m_session.settings().shown(),
            view->pinMarksShown()};
}

void PrintCommands::reportFailure(const QString& text) {
    m_session.platform().message(m_session.window(), MsgIcon::Exclamation,
                                 QStringLiteral("Pinatlas"), text, MsgButtons::Ok);
}

QString PrintCommands::suggestedPdf() const {
    QString folder = m_folder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        // A desktop without a documents folder: the dialog would otherwise open
        // wherever the program happened to be started.
        if (!QDir(folder).exists())
            folder = QDir::homePath();
    }
    // The type never holds a slash, unlike the description in the title.
    return QDir::toNativeSeparators(folder + u'/' +
                                    readableName(typeOfFileName(m_view.sheet().fileName)) +
                                    QStringLiteral(".pdf"));
}

void PrintCommands::writePdf(const QString& path, const QPageLayout& layout) {
    QString error;
    if (writeSheetPdf(path, current(), &error, layout)) {
        m_folder = QFileInfo(path).absolutePath();
        return;
    }
    const Settings& s = m_session.settings();
    reportFailure(s.pick(QStringLiteral("Die Datei konnte nicht geschrieben werden:"),
                         QStringLiteral("The file could not be written:")) +
                  s.lineBreak + shownText(path) + s.lineBreak + error);
}

void PrintCommands::print() {
    if (!m_view.hasContent())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(typeOfFileName(m_view.sheet().fileName));
    printer.setPageLayout(sheetPageLayout());
    // Naming a file selects printing into it: only where that was the last
    // choice, or the only one.
    if (m_printedToFile || QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(suggestedPdf());
    if (!m_session.platform().choosePrinter(m_session.window(), printer))
        return;
    m_printedToFile =
        printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
    // Into a file, the sheet goes through the careful save like Save as PDF.
    if (m_printedToFile) {
        writePdf(printer.outputFileName(), printer.pageLayout());
        return;
    }
    if (!printSheet(printer, current()))
        reportFailure(m_session.settings().pick(
            QStringLiteral("Das Datenblatt konnte nicht gedruckt werden."),
            QStringLiteral("The datasheet could not be printed.")));
}

void PrintCommands::saveAsPdf() {
    if (!m_view.hasContent())
        return;
    const Settings& s = m_session.settings();
    const QString path = m_session.platform().saveFileName(
        m_session.window(),
        s.pick(QStringLiteral("Als PDF speichern"), QStringLiteral("Save as PDF")), suggestedPdf(),
        s.pick(QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("PDF files (*.pdf)")));
    if (!path.isEmpty())
        writePdf(path, sheetPageLayout());
}

} // namespace pinatlas
