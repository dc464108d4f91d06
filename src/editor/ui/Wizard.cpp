#include "editor/ui/Wizard.h"

#include "editor/ui/CommentPage.h"
#include "editor/ui/ExtraGridPage.h"
#include "editor/ui/FunctionGridPage.h"
#include "editor/ui/GeneralPage.h"
#include "editor/ui/PinoutPage.h"
#include "editor/ui/TablePage.h"
#include "library/DatasheetReader.h"
#include "library/DatasheetWriter.h"
#include "library/FileAccess.h"
#include "library/Names.h"
#include "shared/RunningProgram.h"
#include "shared/Settings.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableWidget>

#include <limits>

namespace pinatlas {

namespace {

const QString kTitle = QStringLiteral("Pinatlas");
const QString kCrLf = QStringLiteral("\r\n");

} // namespace

Wizard::Wizard(RunningProgram& program) : QObject(program.mainWindow()), m_program(program) {}

bool Wizard::english() const {
    return !m_program.settings().german();
}

void Wizard::tell(MsgIcon icon, const QString& de, const QString& en) {
    m_program.platform().message(nullptr, icon, kTitle, m_program.settings().pick(de, en),
                                 MsgButtons::Ok);
}

PageWindow* Wizard::loaded(WizardPage id) const {
    switch (id) {
    case WizardPage::D1:
        return m_d1;
    case WizardPage::D2:
        return m_d2;
    case WizardPage::D3:
        return m_d3;
    case WizardPage::D4:
        return m_d4;
    case WizardPage::D5:
        return m_d5;
    default:
        return nullptr;
    }
}

PageWindow* Wizard::load(WizardPage id) {
    if (PageWindow* page = loaded(id))
        return page;
    PageWindow* page = nullptr;
    Platform& platform = m_program.platform();
    switch (id) {
    case WizardPage::D1:
        page = m_d1 = new GeneralPage(m_program.mainWindow(), english());
        break;
    case WizardPage::D2:
        page = m_d2 = new PinoutPage(m_program.mainWindow(), english());
        break;
    case WizardPage::D3:
        page = m_d3 = new CommentPage(m_program.mainWindow(), english());
        break;
    case WizardPage::D4:
        page = m_d4 = new FunctionGridPage(m_program.mainWindow(), platform, english());
        break;
    case WizardPage::D5:
        page = m_d5 = new ExtraGridPage(m_program.mainWindow(), platform, english());
        break;
    default:
        return nullptr;
    }
    // The boxes' default limit of 32767 characters would cut longer texts of
    // an edited sheet without a word.
    for (QLineEdit* box : page->findChildren<QLineEdit*>())
        box->setMaxLength(std::numeric_limits<int>::max());
    connect(page, &PageWindow::forwardPressed, this, [this, page] { forward(page); });
    connect(page, &PageWindow::backPressed, this, [this, page] { back(page); });
    connect(page, &PageWindow::abortPressed, this, [this, page] {
        unload(page->id());
        m_program.mainWindow()->show();
        m_program.mainWindow()->raise();
        m_program.mainWindow()->activateWindow();
    });
    connect(page, &PageWindow::closedByUser, this, [this, page] { unload(page->id()); });
    return page;
}

GeneralPage& Wizard::d1() {
    load(WizardPage::D1);
    return *m_d1;
}
PinoutPage& Wizard::d2() {
    load(WizardPage::D2);
    return *m_d2;
}
CommentPage& Wizard::d3() {
    load(WizardPage::D3);
    return *m_d3;
}
FunctionGridPage& Wizard::d4() {
    load(WizardPage::D4);
    return *m_d4;
}
ExtraGridPage& Wizard::d5() {
    load(WizardPage::D5);
    return *m_d5;
}

void Wizard::showPage(WizardPage id) {
    PageWindow* page = load(id);
    if (auto* table = qobject_cast<TablePage*>(page))
        table->Breite_anpassen();
    page->showPage();
}

void Wizard::unload(WizardPage id) {
    PageWindow* page = loaded(id);
    if (!page)
        return;
    switch (id) {
    case WizardPage::D1:
        m_d1 = nullptr;
        break;
    case WizardPage::D2:
        m_d2 = nullptr;
        break;
    case WizardPage::D3:
        m_d3 = nullptr;
        break;
    case WizardPage::D4:
        m_d4 = nullptr;
        break;
    case WizardPage::D5:
        m_d5 = nullptr;
        break;
    default:
        break;
    }
    // The page may be unloaded from inside its own button's signal.
    page->disconnect(this);
    page->hide();
    page->setObjectName(QString());
    page->deleteLater();
}

void Wizard::unloadAll() {
    for (WizardPage id :
         {WizardPage::D1, WizardPage::D2, WizardPage::D3, WizardPage::D4, WizardPage::D5})
        unload(id);
}

void Wizard::startNew() {
    showPage(WizardPage::D1);
}

bool Wizard::typeAccepted() {
    const NameProblem problem = typeNameProblem(d1().typeBox()->text());
    if (problem == NameProblem::None)
        return true;
    if (problem == NameProblem::Empty) {
        tell(MsgIcon::Information, QStringLiteral("Bitte geben Sie den Typnamen an!"),
             QStringLiteral("Please insert a typ-name!"));
    } else {
        const QString type = d1().typeBox()->text();
        tell(MsgIcon::Exclamation,
             QStringLiteral("Der Typname \"%1\" kann nicht als Dateiname dienen.").arg(type) +
                 kCrLf +
                 QStringLiteral("Nicht erlaubt sind / und \\, die Zeichen : * ? \" < > |, "
                                "Steuerzeichen, die Namen \".\" und \"..\", ein Punkt am Anfang, "
                                "ein Punkt oder Leerzeichen am Ende, Gerätenamen wie CON, NUL "
                                "oder COM1 und überlange Namen."),
             QStringLiteral("The type name \"%1\" cannot be used as a file name.").arg(type) +
                 kCrLf +
                 QStringLiteral("Not allowed are / and \\, the characters : * ? \" < > |, "
                                "control characters, the names \".\" and \"..\", a dot at the "
                                "start, a dot or blank at the end, device names such as CON, NUL "
                                "or COM1, and overlong names."));
    }
    return false;
}

bool Wizard::commentsAccepted() {
    if (firstKeyLikeLine(d3().germanText()) < 0 && firstKeyLikeLine(d3().englishText()) < 0)
        return true;
    tell(MsgIcon::Exclamation,
         QStringLiteral("Eine Zeile des Kommentars beginnt mit einem Apostroph ('). Beim Lesen "
                        "würde sie den Kommentar beenden. Bitte ändern Sie diese Zeile."),
         QStringLiteral("A line of the comment begins with an apostrophe ('). When read back it "
                        "would end the comment. Please change that line."));
    return false;
}

void Wizard::forward(PageWindow* page) {
    const WizardPage from = page->id();
    if (from == WizardPage::D1) {
        if (!typeAccepted())
            return;
        if (m_d1->englishBox()->text().isEmpty())
            m_d1->englishBox()->setText(QStringLiteral("No english description available!"));
        if (m_d1->germanBox()->text().isEmpty())
            m_d1->germanBox()->setText(QStringLiteral("Keine deutsche Beschreibung vorhanden!"));
    }
    if (from == WizardPage::D3 && !commentsAccepted())
        return;
    page->hide();
    const WizardPage to = nextPage(from, d1().options());
    if (to == WizardPage::Finish) {
        m_finishedFrom = from;
        Datenblatt_speichern();
    } else {
        showPage(to);
    }
}

void Wizard::back(PageWindow* page) {
    const WizardPage from = page->id();
    page->hide();
    const WizardPage to = previousPage(from, d1().options());
    if (to != WizardPage::None)
        showPage(to);
}

void Wizard::Datenblatt_speichern() {
    const WizardPage returnTo =
        m_finishedFrom == WizardPage::None ? WizardPage::D1 : m_finishedFrom;
    m_finishedFrom = WizardPage::None;

    // Another page's forward button can finish while page 1 was never passed.
    if (!typeAccepted()) {
        showPage(WizardPage::D1);
        return;
    }

    const WizardOptions options = d1().options();
    SheetContent content;
    content.descriptionDe = d1().germanBox()->text();
    content.descriptionEn = d1().englishBox()->text();
    content.outputType = d1().outputType();
    content.pinCount = d2().pinCount();
    content.pinNames = d2().pinNames();
    content.withComments = options.comments;
    if (options.comments) {
        content.commentDe = d3().germanText();
        content.commentEn = d3().englishText();
    }
    content.withFunctionTable = options.functionTable;
    if (options.functionTable) {
        content.functionCells = d4().cells();
        content.functionInputColumns = d4().inputColumns();
    }
    content.dataTable = d1().carriedDataTable();
    content.withExtraTable = options.extraTable;
    if (options.extraTable)
        content.extraCells = d5().cells();

    if (const auto foreign = foreignCharacter(content)) {
        const QString code =
            QStringLiteral("U+%1").arg(foreign->unicode(), 4, 16, QLatin1Char('0')).toUpper();
        tell(MsgIcon::Exclamation,
             QStringLiteral("Das Zeichen \"%1\" (%2) kennt der Zeichensatz der Datenblätter "
                            "nicht; es käme als ? in die Datei. Bitte ersetzen Sie es.")
                 .arg(*foreign)
                 .arg(code),
             QStringLiteral("The character \"%1\" (%2) is not in the character set of the "
                            "datasheets; it would reach the file as ?. Please replace it.")
                 .arg(*foreign)
                 .arg(code));
        showPage(returnTo);
        return;
    }

    const EncodedSheet encoded = encodeDatasheet(content);
    if (encoded.unwritable) {
        const UnwritableCell& bad = *encoded.unwritable;
        const bool function = bad.table == TableKind::Function;
        tell(MsgIcon::Exclamation,
             QStringLiteral("Die Zelle in Reihe %1, Spalte %2 der %3 enthält ein "
                            "Anführungszeichen (\") und dazu ein Komma, einen Zeilenumbruch oder "
                            "am Anfang ein Leerzeichen oder Anführungszeichen. So kann die Datei "
                            "sie nicht aufnehmen. Bitte ändern Sie die Zelle.")
                 .arg(bad.row)
                 .arg(bad.column)
                 .arg(function ? QStringLiteral("Funktionstabelle")
                               : QStringLiteral("Zusatztabelle")),
             QStringLiteral("The cell in row %1, column %2 of the %3 holds a double quote (\") "
                            "together with a comma, a line break, or a leading blank or double "
                            "quote. The file cannot hold it that way. Please change the cell.")
                 .arg(bad.row)
                 .arg(bad.column)
                 .arg(function ? QStringLiteral("function table") : QStringLiteral("extra table")));
        if (bad.table == TableKind::Data) {
            showPage(returnTo);
            return;
        }
        TablePage& table = function ? static_cast<TablePage&>(d4()) : d5();
        table.grid()->setCurrentCell(bad.row - 1, bad.column - 1);
        showPage(table.id());
        return;
    }

    const QString directory = m_program.currentDirectory();
    const QString path =
        m_program.currentDirectoryPath() + d1().typeBox()->text() + QStringLiteral(".txt");
    SaveOutcome saved;
    if (!isPlainDirectoryName(directory)) {
        saved.error = m_program.settings().pick(QStringLiteral("Kein Verzeichnis gewählt."),
                                                QStringLiteral("No directory chosen."));
    } else {
        if (!replacingLosesNothing(path)) {
            showPage(returnTo);
            return;
        }
        saved = saveFileWhole(path, encoded.bytes);
        if (saved.refusedLink)
            saved.error = symbolicLinkRefusal(m_program.settings().german());
    }
    if (!saved.ok) {
        tell(MsgIcon::Exclamation,
             QStringLiteral("Das Datenblatt konnte nicht gespeichert werden:") + kCrLf + path +
                 kCrLf + saved.error + kCrLf + QStringLiteral("Ihre Eingaben bleiben erhalten."),
             QStringLiteral("The datasheet could not be saved:") + kCrLf + path + kCrLf +
                 saved.error + kCrLf + QStringLiteral("Your entries are kept."));
        showPage(returnTo);
        return;
    }

    m_program.platform().message(
        nullptr, MsgIcon::None, kTitle,
        m_program.settings().pick(QStringLiteral("Das neue/geänderte Datenblatt ist nun im "
                                                 "Verzeichnis!"),
                                  QStringLiteral("The new/edit datasheet is now ready for use!")),
        MsgButtons::Ok);
    Settings& settings = m_program.settings();
    recordChangedFile(settings.changedFiles, settings.changedCount, path,
                      Settings::kMaxChangedFiles);
    unloadAll();
    m_program.Liste_aufbauen();
    m_program.Datenblatt_laden();
}

bool Wizard::replacingLosesNothing(const QString& path) {
    const ReadResult old = readDatasheetFile(path);
    if (!old.file || old.unreadFrom == 0)
        return true;
    const QString line = QString::number(old.unreadFrom);
    const MsgAnswer answer = m_program.platform().message(
        nullptr, MsgIcon::Exclamation, kTitle,
        m_program.settings().pick(
            QStringLiteral("Die Datei") + kCrLf + path + kCrLf +
                QStringLiteral("enthält ab Zeile %1 Text, den das Programm nicht liest, etwa einen "
                               "Abschnitt an falscher Stelle oder einen falsch geschriebenen "
                               "Schlüssel. Beim Speichern ginge er verloren.")
                    .arg(line) +
                kCrLf +
                QStringLiteral("OK speichert trotzdem, Abbrechen lässt die Datei unverändert."),
            QStringLiteral("The file") + kCrLf + path + kCrLf +
                QStringLiteral("holds text from line %1 on that the program does not read, such "
                               "as a section out of place or a mistyped key. Saving would lose "
                               "it.")
                    .arg(line) +
                kCrLf + QStringLiteral("OK saves all the same, Cancel leaves the file unchanged.")),
        MsgButtons::OkCancel);
    return answer == MsgAnswer::Ok;
}

void Wizard::startEdit() {
    const QString type = m_program.currentType();
    if (type.isEmpty()) {
        Platform& platform = m_program.platform();
        platform.message(nullptr, MsgIcon::Information, kTitle,
                         QStringLiteral("Bitte wählen Sie zuerst das zu ändernde Datenblatt aus!"),
                         MsgButtons::Ok);
        platform.message(nullptr, MsgIcon::Information, kTitle,
                         QStringLiteral("Please choose first a datasheet!"), MsgButtons::Ok);
        return;
    }
    fillFromFile(type);
}

bool Wizard::fillFromFile(const QString& type) {
    const QString path = m_program.currentDirectoryPath() + type + QStringLiteral(".txt");
    auto refuse = [&](const QString& de, const QString& en) {
        tell(MsgIcon::Exclamation,
             QStringLiteral("Das Datenblatt kann nicht bearbeitet werden:") + kCrLf + path + kCrLf +
                 de,
             QStringLiteral("The datasheet cannot be edited:") + kCrLf + path + kCrLf + en);
        return false;
    };

    // The same check as the loader's: a typed directory name must not take
    // the reading outside the program directory.
    const QString fileName = type + QStringLiteral(".txt");
    if (!isPlainDirectoryName(m_program.currentDirectory()) || !isPlainDirectoryName(fileName))
        return refuse(QStringLiteral("Kein Verzeichnis der Bibliothek gewählt."),
                      QStringLiteral("No directory of the library chosen."));
    const ReadResult read = readDatasheetFile(path, type);
    if (!read.file) {
        if (read.defectLine == 0)
            return refuse(
                QStringLiteral("Die Datei kann nicht gelesen werden (%1).").arg(read.defect),
                QStringLiteral("The file cannot be read (%1).").arg(read.defect));
        return refuse(QStringLiteral("Die Datei ist fehlerhaft (Zeile %1: %2).")
                          .arg(read.defectLine)
                          .arg(read.defect),
                      QStringLiteral("The file is defective (line %1: %2).")
                          .arg(read.defectLine)
                          .arg(read.defect));
    }
    const DatasheetFile& f = *read.file;
    const Datasheet& s = f.sheet;
    if (s.pinCount < 2 || s.pinCount > 2 * PinoutPage::kBoxesPerSide || s.pinCount % 2 != 0)
        return refuse(
            QStringLiteral("Die Pinzahl %1 bietet die Pin-Seite nicht an (2 bis 40, gerade).")
                .arg(s.pinCount),
            QStringLiteral("The pin page offers no pin count of %1 (2 to 40, even).")
                .arg(s.pinCount));
    const auto tooBig = [](bool present, int columns, int rows) {
        return present && (columns > kMaxTableColumns || rows > kMaxTableRows);
    };
    if (tooBig(s.hasFunctionTable, s.functionColumns, s.functionRows) ||
        tooBig(s.hasExtraTable, s.extraColumns, s.extraRows))
        return refuse(QStringLiteral("Eine Tabelle ist größer, als die Tabellenseiten sie "
                                     "bearbeiten können (höchstens 50 Spalten und 50 Reihen)."),
                      QStringLiteral("A table is larger than the table pages can edit (at most "
                                     "50 columns and 50 rows)."));

    // Pages left from an aborted run must not lend their options, comments or
    // tables to the sheet being edited.
    unloadAll();
    load(WizardPage::D2);
    showPage(WizardPage::D1);
    GeneralPage& p1 = d1();
    PinoutPage& p2 = d2();
    p1.typeBox()->setText(type);
    p1.germanBox()->setText(s.descriptionDe);
    p1.englishBox()->setText(s.descriptionEn);
    p2.setPinCount(s.pinCount);
    p1.setOutputType(s.outputType);
    p2.setPinNames(s.pinNames.mid(0, s.pinCount));

    if (f.hasCommentDe || f.hasCommentEn) {
        p1.commentsBox()->setChecked(true);
        d3().setGermanText(f.commentDe.join(kCrLf));
        d3().setEnglishText(f.commentEn.join(kCrLf));
    }
    if (s.hasFunctionTable) {
        FunctionGridPage& p4 = d4();
        p1.functionTableBox()->setChecked(true);
        p4.rowsBox()->setText(QString::number(s.functionRows));
        p4.inputColumnsBox()->setText(QString::number(s.functionInputColumns));
        p4.outputColumnsBox()->setText(QString::number(s.functionColumns - s.functionInputColumns));
        for (int r = 1; r <= s.functionRows; ++r)
            for (int c = 1; c <= s.functionColumns; ++c)
                p4.setCell(r - 1, c - 1, s.functionCells.at(c, r));
        p4.Breite_anpassen();
    }
    if (s.hasDataTable) {
        CellTable data;
        data.resize(s.dataColumns, s.dataRows);
        for (int r = 1; r <= s.dataRows; ++r)
            for (int c = 1; c <= s.dataColumns; ++c)
                data.at(c, r) = s.dataCells.at(c, r);
        p1.setCarriedDataTable(data);
    }
    if (s.hasExtraTable) {
        ExtraGridPage& p5 = d5();
        p1.extraTableBox()->setChecked(true);
        p5.columnsBox()->setText(QString::number(s.extraColumns));
        p5.rowsBox()->setText(QString::number(s.extraRows));
        for (int r = 1; r <= s.extraRows; ++r)
            for (int c = 1; c <= s.extraColumns; ++c)
                p5.setCell(r - 1, c - 1, s.extraCells.at(c, r));
        p5.Breite_anpassen();
    }
    p1.showPage();
    return true;
}

} // namespace pinatlas
