#include "editor/ui/Wizard.h"

#include "editor/ui/CommentPage.h"
#include "editor/ui/ExtraGridPage.h"
#include "editor/ui/FunctionGridPage.h"
#include "editor/ui/GeneralPage.h"
#include "editor/ui/PinoutPage.h"
#include "lang/ui/CommandActions.h"
#include "library/DatasheetReader.h"
#include "library/DatasheetWriter.h"
#include "library/FileAccess.h"
#include "library/Names.h"
#include "shared/Session.h"
#include "shared/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>

#include <limits>

namespace pinatlas {

namespace {

const QString kTitle = QStringLiteral("Pinatlas");
const QString kCrLf = QStringLiteral("\r\n");

std::span<const CommandCaption> captions() {
    static const CommandCaption c[] = {
        {"D_hinzufügen", QStringLiteral("&hinzufügen"), QStringLiteral("&add")},
        {"D_ändern", QStringLiteral("ä&ndern"), QStringLiteral("&edit")},
    };
    return c;
}

} // namespace

Wizard::Wizard(Session& session)
    : QObject(session.window()), m_session(session), m_actions(makeActions(this, captions())) {
    connect(m_actions[0], &QAction::triggered, this, [this] { startNew(); });
    connect(m_actions[1], &QAction::triggered, this, [this] { startEdit(); });
    retranslate(session.language());
    connect(&session, &Session::languageChanged, this, [this](Language language) {
        retranslate(language);
        nameControls();
    });
}

void Wizard::retranslate(Language language) {
    retranslateActions(m_actions, captions(), language);
}

bool Wizard::english() const {
    return !m_session.settings().german();
}

void Wizard::tell(MsgIcon icon, const QString& de, const QString& en) {
    m_session.platform().message(nullptr, icon, kTitle, m_session.settings().pick(de, en),
                                 MsgButtons::Ok);
}

PageWindow* Wizard::loaded(WizardPage id) const {
    const auto index = size_t(id);
    return index < m_pages.size() ? m_pages[index] : nullptr;
}

PageWindow* Wizard::create(WizardPage id) {
    QWidget* owner = m_session.window();
    Platform& platform = m_session.platform();
    switch (id) {
    case WizardPage::General:
        return new GeneralPage(owner, english());
    case WizardPage::Pinout:
        return new PinoutPage(owner, english());
    case WizardPage::Comments:
        return new CommentPage(owner, english());
    case WizardPage::FunctionTable:
        return new FunctionGridPage(owner, platform, english());
    case WizardPage::ExtraTable:
        return new ExtraGridPage(owner, platform, english());
    default:
        return nullptr;
    }
}

PageWindow* Wizard::load(WizardPage id) {
    if (PageWindow* page = loaded(id))
        return page;
    PageWindow* page = create(id);
    if (!page)
        return nullptr;
    m_pages[size_t(id)] = page;
    page->nameControls(english());
    // The boxes' default limit of 32767 characters would cut longer texts of
    // an edited sheet without a word.
    for (QLineEdit* box : page->findChildren<QLineEdit*>())
        box->setMaxLength(std::numeric_limits<int>::max());
    connect(page, &PageWindow::forwardPressed, this, [this, page] { forward(page); });
    connect(page, &PageWindow::backPressed, this, [this, page] { back(page); });
    connect(page, &PageWindow::abortPressed, this, [this, page] {
        unload(page->id());
        backToMainWindow();
    });
    connect(page, &PageWindow::closedByUser, this, [this, page] { unload(page->id()); });
    return page;
}

void Wizard::nameControls() {
    for (PageWindow* page : m_pages)
        if (page)
            page->nameControls(english());
}

void Wizard::showPage(WizardPage id) {
    PageWindow* page = load(id);
    page->nameControls(english());
    if (auto* table = qobject_cast<TablePage*>(page))
        table->Breite_anpassen();
    page->showPage();
}

void Wizard::unload(WizardPage id) {
    PageWindow* page = loaded(id);
    if (!page)
        return;
    m_pages[size_t(id)] = nullptr;
    // The page may be unloaded from inside its own button's signal.
    page->disconnect(this);
    page->hide();
    page->setObjectName(QString());
    page->deleteLater();
}

void Wizard::unloadAll() {
    for (int index = 0; index < kWizardPages; ++index)
        unload(WizardPage(index));
}

void Wizard::startNew() {
    m_editedType.clear();
    m_editedBytes.reset();
    noteDirectory();
    showPage(WizardPage::General);
}

bool Wizard::typeAccepted() {
    const NameProblem problem = typeNameProblem(page<GeneralPage>().typeBox()->text());
    if (problem == NameProblem::None)
        return true;
    if (problem == NameProblem::Empty) {
        tell(MsgIcon::Information, QStringLiteral("Bitte geben Sie den Typnamen an!"),
             QStringLiteral("Please insert a typ-name!"));
    } else {
        // Spelt out: the control character that may be the reason shows.
        const QString type = shownText(page<GeneralPage>().typeBox()->text());
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
    // The keyboard where the correction goes, not on the button pressed.
    page<GeneralPage>().typeBox()->setFocus();
    page<GeneralPage>().typeBox()->selectAll();
    return false;
}

bool Wizard::commentsAccepted() {
    CommentPage& comments = page<CommentPage>();
    QPlainTextEdit* box = nullptr;
    int line = -1;
    for (QPlainTextEdit* each : {comments.englishBox(), comments.germanBox()})
        if (!box && (line = firstKeyLikeLine(each->toPlainText())) >= 0)
            box = each;
    if (!box)
        return true;
    tell(MsgIcon::Exclamation,
         QStringLiteral("Eine Zeile des Kommentars beginnt mit einem Apostroph ('). Beim Lesen "
                        "würde sie den Kommentar beenden. Bitte ändern Sie diese Zeile."),
         QStringLiteral("A line of the comment begins with an apostrophe ('). When read back it "
                        "would end the comment. Please change that line."));
    // The keyboard at the start of that line.
    box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(line)));
    box->setFocus();
    return false;
}

void Wizard::forward(PageWindow* current) {
    const WizardPage from = current->id();
    if (from == WizardPage::General) {
        if (!typeAccepted())
            return;
        GeneralPage& general = page<GeneralPage>();
        if (general.englishBox()->text().isEmpty())
            general.englishBox()->setText(QStringLiteral("No english description available!"));
        if (general.germanBox()->text().isEmpty())
            general.germanBox()->setText(QStringLiteral("Keine deutsche Beschreibung vorhanden!"));
    }
    if (from == WizardPage::Comments && !commentsAccepted())
        return;
    current->hide();
    const WizardPage to = nextPage(from, page<GeneralPage>().options());
    if (to == WizardPage::Finish) {
        m_finishedFrom = from;
        Datenblatt_speichern();
    } else {
        showPage(to);
    }
}

void Wizard::back(PageWindow* current) {
    const WizardPage from = current->id();
    current->hide();
    const WizardPage to = previousPage(from, page<GeneralPage>().options());
    if (to != WizardPage::None)
        showPage(to);
}

void Wizard::Datenblatt_speichern() {
    const WizardPage returnTo =
        m_finishedFrom == WizardPage::None ? WizardPage::General : m_finishedFrom;
    m_finishedFrom = WizardPage::None;

    // Another page's forward button can finish while page 1 was never passed.
    if (!typeAccepted()) {
        showPage(WizardPage::General);
        return;
    }
    const SheetContent content = gatheredSheet();
    if (!charactersAccepted(content, returnTo))
        return;
    const EncodedSheet encoded = encodeDatasheet(content);
    if (!cellsAccepted(encoded, returnTo))
        return;
    const QString path = targetPath();
    if (!saved(path, encoded.bytes, returnTo))
        return;

    tell(MsgIcon::None, QStringLiteral("Das neue/geänderte Datenblatt ist nun im Verzeichnis!"),
         QStringLiteral("The new/edit datasheet is now ready for use!"));
    Settings& settings = m_session.settings();
    // The mail names the file as the user finds it on disk.
    recordChangedFile(settings.changedFiles, settings.changedCount, markedName(path),
                      Settings::kMaxChangedFiles);
    unloadAll();
    // The page that had the keyboard is gone; without a window manager
    // nothing else would hand it back.
    backToMainWindow();
    m_session.announceLibraryChange(m_session.directory());
}

void Wizard::backToMainWindow() {
    m_session.window()->show();
    m_session.window()->raise();
    m_session.window()->activateWindow();
}

SheetContent Wizard::gatheredSheet() {
    GeneralPage& general = page<GeneralPage>();
    const WizardOptions options = general.options();
    SheetContent content;
    content.descriptionDe = general.germanBox()->text();
    content.descriptionEn = general.englishBox()->text();
    content.outputType = general.outputType();
    content.pinCount = page<PinoutPage>().pinCount();
    content.pinNames = page<PinoutPage>().pinNames();
    content.withComments = options.comments;
    if (options.comments) {
        content.commentDe = page<CommentPage>().germanText();
        content.commentEn = page<CommentPage>().englishText();
    }
    content.withFunctionTable = options.functionTable;
    if (options.functionTable) {
        content.functionCells = page<FunctionGridPage>().cells();
        content.functionInputColumns = page<FunctionGridPage>().inputColumns();
    }
    content.dataTable = general.carriedDataTable();
    content.withExtraTable = options.extraTable;
    if (options.extraTable)
        content.extraCells = page<ExtraGridPage>().cells();
    return content;
}

bool Wizard::charactersAccepted(const SheetContent& content, WizardPage returnTo) {
    const auto foreign = foreignCharacter(content);
    if (!foreign)
        return true;
    const char32_t ch = foreign->character;
    const QString code = QStringLiteral("U+%1").arg(uint(ch), 4, 16, QLatin1Char('0')).toUpper();
    // A control or direction mark is spelt out rather than acting on the message.
    const QString character = shownText(QString::fromUcs4(&ch, 1));
    tell(MsgIcon::Exclamation,
         QStringLiteral("Das Zeichen \"%1\" (%2) kennt der Zeichensatz der Datenblätter "
                        "nicht; es käme als ? in die Datei. Bitte ersetzen Sie es.")
             .arg(character)
             .arg(code),
         QStringLiteral("The character \"%1\" (%2) is not in the character set of the "
                        "datasheets; it would reach the file as ?. Please replace it.")
             .arg(character)
             .arg(code));
    showForCorrection(*foreign, returnTo);
    return false;
}

void Wizard::showForCorrection(const ForeignCharacter& at, WizardPage otherwise) {
    QWidget* field = nullptr;
    switch (at.field) {
    case SheetField::DescriptionDe:
        field = page<GeneralPage>().germanBox();
        break;
    case SheetField::DescriptionEn:
        field = page<GeneralPage>().englishBox();
        break;
    case SheetField::OutputType:
        field = page<GeneralPage>().findChild<QWidget*>(QStringLiteral("N_out"));
        break;
    case SheetField::PinName:
        field = page<PinoutPage>().pinNameBox(at.index);
        break;
    case SheetField::CommentDe:
        field = page<CommentPage>().germanBox();
        break;
    case SheetField::CommentEn:
        field = page<CommentPage>().englishBox();
        break;
    case SheetField::Cell:
        if (at.table != TableKind::Data) {
            TablePage& table = at.table == TableKind::Function
                                   ? static_cast<TablePage&>(page<FunctionGridPage>())
                                   : page<ExtraGridPage>();
            table.grid()->setCurrentCell(at.index - 1, at.column - 1);
            field = table.grid();
        }
        break;
    }
    // The page that holds the character, the keyboard on it.
    auto* holder = field ? qobject_cast<PageWindow*>(field->window()) : nullptr;
    if (field)
        field->setFocus();
    showPage(holder ? holder->id() : otherwise);
}

bool Wizard::cellsAccepted(const EncodedSheet& encoded, WizardPage returnTo) {
    if (!encoded.unwritable)
        return true;
    const UnwritableCell& bad = *encoded.unwritable;
    const bool function = bad.table == TableKind::Function;
    tell(MsgIcon::Exclamation,
         QStringLiteral("Die Zelle in Reihe %1, Spalte %2 der %3 enthält ein "
                        "Anführungszeichen (\") und dazu ein Komma, einen Zeilenumbruch oder "
                        "am Anfang ein Leerzeichen oder Anführungszeichen. So kann die Datei "
                        "sie nicht aufnehmen. Bitte ändern Sie die Zelle.")
             .arg(bad.row)
             .arg(bad.column)
             .arg(function ? QStringLiteral("Funktionstabelle") : QStringLiteral("Zusatztabelle")),
         QStringLiteral("The cell in row %1, column %2 of the %3 holds a double quote (\") "
                        "together with a comma, a line break, or a leading blank or double "
                        "quote. The file cannot hold it that way. Please change the cell.")
             .arg(bad.row)
             .arg(bad.column)
             .arg(function ? QStringLiteral("function table") : QStringLiteral("extra table")));
    if (bad.table == TableKind::Data) {
        showPage(returnTo);
        return false;
    }
    TablePage& table =
        function ? static_cast<TablePage&>(page<FunctionGridPage>()) : page<ExtraGridPage>();
    table.grid()->setCurrentCell(bad.row - 1, bad.column - 1);
    table.grid()->setFocus();
    showPage(table.id());
    return false;
}

bool Wizard::saved(const QString& path, const QByteArray& bytes, WizardPage returnTo) {
    SaveOutcome outcome;
    if (!isPlainDirectoryName(m_session.directory())) {
        outcome.error = m_session.settings().pick(QStringLiteral("Kein Verzeichnis gewählt."),
                                                  QStringLiteral("No directory chosen."));
    } else {
        if (!replacingOverwritesNoChange(path) || !replacingLosesNothing(path)) {
            showPage(returnTo);
            return false;
        }
        outcome = saveFileWhole(path, bytes);
        if (outcome.refusedLink)
            outcome.error = symbolicLinkRefusal(m_session.settings().german());
    }
    if (outcome.ok)
        return true;
    tell(MsgIcon::Exclamation,
         QStringLiteral("Das Datenblatt konnte nicht gespeichert werden:") + kCrLf +
             shownText(path) + kCrLf + outcome.error + kCrLf +
             QStringLiteral("Ihre Eingaben bleiben erhalten."),
         QStringLiteral("The datasheet could not be saved:") + kCrLf + shownText(path) + kCrLf +
             outcome.error + kCrLf + QStringLiteral("Your entries are kept."));
    showPage(returnTo);
    return false;
}

bool Wizard::replacingLosesNothing(const QString& path) {
    const ReadResult old = readDatasheetFile(path);
    if (!old.file || old.unreadFrom == 0)
        return true;
    const QString line = QString::number(old.unreadFrom);
    const MsgAnswer answer = m_session.platform().message(
        nullptr, MsgIcon::Exclamation, kTitle,
        m_session.settings().pick(
            QStringLiteral("Die Datei") + kCrLf + shownText(path) + kCrLf +
                QStringLiteral("enthält ab Zeile %1 Text, den das Programm nicht liest, etwa einen "
                               "Abschnitt an falscher Stelle oder einen falsch geschriebenen "
                               "Schlüssel. Beim Speichern ginge er verloren.")
                    .arg(line) +
                kCrLf +
                QStringLiteral("OK speichert trotzdem, Abbrechen lässt die Datei unverändert."),
            QStringLiteral("The file") + kCrLf + shownText(path) + kCrLf +
                QStringLiteral("holds text from line %1 on that the program does not read, such "
                               "as a section out of place or a mistyped key. Saving would lose "
                               "it.")
                    .arg(line) +
                kCrLf + QStringLiteral("OK saves all the same, Cancel leaves the file unchanged.")),
        MsgButtons::OkCancel);
    return answer == MsgAnswer::Ok;
}

void Wizard::noteDirectory() {
    m_seenDirectory = m_session.directoryPath();
    m_seenFiles.clear();
    for (const QString& name : fileEntries(m_seenDirectory))
        if (const std::optional<FileStamp> stamp = fileStamp(m_seenDirectory + name))
            m_seenFiles.insert(name, *stamp);
}

QString Wizard::targetPath() {
    const QString directory = m_session.directoryPath();
    const QString typed = page<GeneralPage>().typeBox()->text();
    const bool same = !m_editedType.isEmpty() && directory == m_seenDirectory &&
                      typed == readableName(m_editedType);
    return directory + (same ? m_editedType : typed) + QStringLiteral(".txt");
}

bool Wizard::replacingOverwritesNoChange(const QString& path) {
    const QString directory = m_session.directoryPath();
    if (directory != m_seenDirectory)
        return true; // nothing seen there: a file of that name is replaced
    const QString name = path.mid(directory.size());
    bool changed;
    if (!m_editedType.isEmpty() && name == m_editedType + QStringLiteral(".txt")) {
        const FileRead now = readRegularFile(path, kMaxDatasheetBytes);
        changed = now.bytes != m_editedBytes;
    } else {
        const auto seen = m_seenFiles.constFind(name);
        const std::optional<FileStamp> now = fileStamp(path);
        changed = seen == m_seenFiles.constEnd() ? now.has_value() : now != *seen;
    }
    if (!changed)
        return true;
    const QString shown = shownText(path);
    const MsgAnswer answer = m_session.platform().message(
        nullptr, MsgIcon::Exclamation, kTitle,
        m_session.settings().pick(
            QStringLiteral("Die Datei") + kCrLf + shown + kCrLf +
                QStringLiteral("wurde geändert, angelegt oder gelöscht, seit der Assistent "
                               "begann, etwa von einem zweiten Pinatlas oder einem Editor.") +
                kCrLf +
                QStringLiteral("OK überschreibt sie mit Ihren Eingaben, Abbrechen lässt die "
                               "Datei auf der Platte, wie sie ist; Ihre Eingaben bleiben im "
                               "Assistenten."),
            QStringLiteral("The file") + kCrLf + shown + kCrLf +
                QStringLiteral("was changed, created or deleted since the wizard began, for "
                               "example by a second Pinatlas or an editor.") +
                kCrLf +
                QStringLiteral("OK overwrites it with your entries, Cancel keeps the version on "
                               "disk; your entries stay in the wizard.")),
        MsgButtons::OkCancel);
    return answer == MsgAnswer::Ok;
}

void Wizard::startEdit() {
    const QString type = m_session.currentType();
    if (type.isEmpty()) {
        Platform& platform = m_session.platform();
        platform.message(nullptr, MsgIcon::Information, kTitle,
                         QStringLiteral("Bitte wählen Sie zuerst das zu ändernde Datenblatt aus!"),
                         MsgButtons::Ok);
        platform.message(nullptr, MsgIcon::Information, kTitle,
                         QStringLiteral("Please choose first a datasheet!"), MsgButtons::Ok);
        return;
    }
    if (const std::optional<DatasheetFile> file = editableFile(type))
        fillPages(type, *file);
}

std::optional<DatasheetFile> Wizard::editableFile(const QString& type) {
    const QString path = m_session.directoryPath() + type + QStringLiteral(".txt");
    auto refuse = [&](const QString& de, const QString& en) -> std::optional<DatasheetFile> {
        tell(MsgIcon::Exclamation,
             QStringLiteral("Das Datenblatt kann nicht bearbeitet werden:") + kCrLf +
                 shownText(path) + kCrLf + de,
             QStringLiteral("The datasheet cannot be edited:") + kCrLf + shownText(path) + kCrLf +
                 en);
        return std::nullopt;
    };

    // The same check as the loader's: a typed directory name must not take
    // the reading outside the program directory.
    const QString fileName = type + QStringLiteral(".txt");
    if (!isPlainDirectoryName(m_session.directory()) || !isListedFileName(fileName))
        return refuse(QStringLiteral("Kein Verzeichnis der Bibliothek gewählt."),
                      QStringLiteral("No directory of the library chosen."));
    noteDirectory();
    m_editedType = type;
    m_editedBytes = readRegularFile(path, kMaxDatasheetBytes).bytes;
    ReadResult read =
        m_editedBytes ? readDatasheet(*m_editedBytes, type) : readDatasheetFile(path, type);
    if (!read.file && read.defectLine == 0)
        return refuse(QStringLiteral("Die Datei kann nicht gelesen werden (%1).").arg(read.defect),
                      QStringLiteral("The file cannot be read (%1).").arg(read.defect));
    if (!read.file)
        return refuse(QStringLiteral("Die Datei ist fehlerhaft (Zeile %1: %2).")
                          .arg(read.defectLine)
                          .arg(read.defect),
                      QStringLiteral("The file is defective (line %1: %2).")
                          .arg(read.defectLine)
                          .arg(read.defect));
    const Datasheet& s = read.file->sheet;
    switch (editObstacle(s)) {
    case EditObstacle::PinCount:
        return refuse(
            QStringLiteral("Die Pinzahl %1 bietet die Pin-Seite nicht an (2 bis 40, gerade).")
                .arg(s.pinCount),
            QStringLiteral("The pin page offers no pin count of %1 (2 to 40, even).")
                .arg(s.pinCount));
    case EditObstacle::TableSize:
        return refuse(QStringLiteral("Eine Tabelle ist größer, als die Tabellenseiten sie "
                                     "bearbeiten können (höchstens 50 Spalten und 50 Reihen)."),
                      QStringLiteral("A table is larger than the table pages can edit (at most "
                                     "50 columns and 50 rows)."));
    case EditObstacle::None:
        break;
    }
    return std::move(read.file);
}

void Wizard::fillPages(const QString& type, const DatasheetFile& file) {
    // Pages left from an aborted run must not lend their options, comments or
    // tables to the sheet being edited.
    unloadAll();
    load(WizardPage::Pinout);
    showPage(WizardPage::General);
    GeneralPage& general = page<GeneralPage>();
    PinoutPage& pinout = page<PinoutPage>();
    const Datasheet& s = file.sheet;
    general.typeBox()->setText(readableName(type));
    general.germanBox()->setText(s.descriptionDe);
    general.englishBox()->setText(s.descriptionEn);
    pinout.setPinCount(s.pinCount);
    general.setOutputType(s.outputType);
    pinout.setPinNames(s.pinNames.mid(0, s.pinCount));
    if (file.hasCommentDe || file.hasCommentEn) {
        general.commentsBox()->setChecked(true);
        page<CommentPage>().setGermanText(file.commentDe.join(kCrLf));
        page<CommentPage>().setEnglishText(file.commentEn.join(kCrLf));
    }
    fillTablePages(s);
    general.showPage();
}

void Wizard::fillTablePages(const Datasheet& s) {
    const auto fill = [](TablePage& table, const CellTable& cells, int columns, int rows) {
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                table.setCell(r - 1, c - 1, cells.at(c, r));
        table.Breite_anpassen();
    };
    GeneralPage& general = page<GeneralPage>();
    if (s.hasFunctionTable) {
        FunctionGridPage& function = page<FunctionGridPage>();
        general.functionTableBox()->setChecked(true);
        function.rowsBox()->setText(QString::number(s.functionRows));
        function.inputColumnsBox()->setText(QString::number(s.functionInputColumns));
        function.outputColumnsBox()->setText(
            QString::number(s.functionColumns - s.functionInputColumns));
        fill(function, s.functionCells, s.functionColumns, s.functionRows);
    }
    if (s.hasDataTable) {
        // The pages do not edit it: it goes back into the file as it came.
        CellTable data;
        data.resize(s.dataColumns, s.dataRows);
        for (int r = 1; r <= s.dataRows; ++r)
            for (int c = 1; c <= s.dataColumns; ++c)
                data.at(c, r) = s.dataCells.at(c, r);
        general.setCarriedDataTable(data);
    }
    if (s.hasExtraTable) {
        ExtraGridPage& extra = page<ExtraGridPage>();
        general.extraTableBox()->setChecked(true);
        extra.columnsBox()->setText(QString::number(s.extraColumns));
        extra.rowsBox()->setText(QString::number(s.extraRows));
        fill(extra, s.extraCells, s.extraColumns, s.extraRows);
    }
}

} // namespace pinatlas
