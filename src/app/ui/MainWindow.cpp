#include "app/ui/MainWindow.h"

#include "app/ConfigFile.h"
#include "app/ui/FirstStartDialog.h"
#include "display/WindowLayout.h"
#include "display/ui/DatasheetView.h"
#include "display/ui/PrintCommands.h"
#include "editor/ui/Wizard.h"
#include "families/ui/FamiliesWindow.h"
#include "library/FileAccess.h"
#include "library/Names.h"
#include "library/ui/FindCommands.h"
#include "library/ui/IcListModel.h"
#include "library/ui/SheetListing.h"
#include "maintenance/ui/LibraryCommands.h"
#include "platform/Platform.h"
#include "platform/ui/Accessibility.h"
#include "platform/ui/Twips.h"
#include "service/ui/ServiceCommands.h"
#include "shared/Session.h"
#include "shared/Settings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

namespace pinatlas {

namespace {

// An Alt+letter that no mnemonic took must not end up as text of the
// directory name.
class AltKeysSwallowed : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers mods = key->modifiers();
            if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) &&
                !key->text().isEmpty() && key->text().at(0).isPrint())
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

MainWindow::MainWindow(Settings& settings, Platform& platform, const QString& programDir,
                       QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_platform(platform), m_programDir(programDir),
      m_session(new Session(settings, platform, this)) {
    // The window follows the session before any subsystem does: its captions
    // and the toolkit's language are in place when a subsystem shows a box.
    connect(m_session, &Session::languageChanged, this, [this](Language language) {
        if (language == Language::German)
            Sprache_Deutsch();
        else
            Sprache_Englisch();
    });
    connect(m_session, &Session::sortOrderChanged, this, [this](IcSort order) {
        (order == IcSort::ByType ? m_sortByTypeAction : m_sortByDescriptionAction)
            ->setChecked(true);
    });
    connect(m_session, &Session::libraryChanged, this, [this](const QString& directory) {
        if (directory.isEmpty())
            Initialisieren();
    });
    installAccessibility();
    setObjectName(QStringLiteral("Haupt"));
    // The caption writes version 1.3.0 as "V1.30": minor and patch run together.
    setWindowTitle(QStringLiteral("Pinatlas V%1.%2%3 - data book of logic ICs")
                       .arg(PINATLAS_VERSION_MAJOR)
                       .arg(PINATLAS_VERSION_MINOR)
                       .arg(PINATLAS_VERSION_PATCH));

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("HauptClient"));
    setCentralWidget(m_client);
    const Twips tw = Twips::of(this);
    resize(tw.toPxX(kMainWindowClientWidth),
           tw.toPxY(kMainWindowClientHeight) + menuBar()->sizeHint().height());

    m_dirBox = new QComboBox(m_client);
    m_dirBox->setObjectName(QStringLiteral("DirBox"));
    m_dirBox->setEditable(true);
    m_dirBox->setInsertPolicy(QComboBox::NoInsert);
    tw.place(m_dirBox, kDirBoxLeft, kDirBoxTop, kDirBoxWidth, kDirBoxHeight);
    // Only choosing an entry acts; typed text just becomes the directory name.
    connect(m_dirBox, &QComboBox::activated, this, [this](int) { onDirectoryChosen(); });
    connect(m_dirBox, &QComboBox::currentIndexChanged, this, &MainWindow::followDirBox);
    connect(m_dirBox, &QComboBox::editTextChanged, this, &MainWindow::followDirBox);
    auto* altKeys = new AltKeysSwallowed(m_dirBox);
    m_dirBox->installEventFilter(altKeys);
    m_dirBox->lineEdit()->installEventFilter(altKeys);

    m_icList = new IcListView(m_client);
    m_icList->setObjectName(QStringLiteral("Liste"));
    // Tab leaves the list: the arrow keys move within it.
    m_icList->setTabKeyNavigation(false);
    tw.place(m_icList, kListLeft, kListTop, kListWidth, kMainWindowClientHeight - kListTop);

    m_view = new DatasheetView(m_client);
    m_sheetListing = new SheetListing(*m_session, m_icList, *m_view);
    m_wizard = new Wizard(*m_session);
    m_library = new LibraryCommands(*m_session);
    m_service = new ServiceCommands(*m_session);
    m_find = new FindCommands(*m_session, m_dirBox, m_icList);
    m_print = new PrintCommands(*m_session, *m_view);

    buildMenus();
    applyCaptions(m_settings.german());
    setTabOrder(m_dirBox, m_icList);
    setTabOrder(m_icList, m_view->frame());
    Form_Resize();
    // Owned from here on, so that it goes after the windows that follow it.
    m_session->setParent(this);
}

MainWindow::~MainWindow() {
    // The box empties itself as it goes: nothing may follow that.
    m_dirBox->disconnect(this);
}

QMenu* MainWindow::addMenu(QMenu* parent, const CommandCaption& caption) {
    QMenu* menu = parent ? parent->addMenu(caption.de) : menuBar()->addMenu(caption.de);
    menu->setObjectName(QString::fromUtf8(caption.name));
    m_captioned.emplace_back(menu->menuAction(), caption);
    return menu;
}

QAction* MainWindow::addAction(QMenu* parent, const CommandCaption& caption) {
    QAction* action = parent->addAction(caption.de);
    action->setObjectName(QString::fromUtf8(caption.name));
    m_captioned.emplace_back(action, caption);
    return action;
}

void MainWindow::buildMenus() {
    QMenu* fileMenu =
        addMenu(nullptr, {"M_Datei", QStringLiteral("&Datei"), QStringLiteral("&File")});
    fileMenu->addActions(m_print->actions());
    fileMenu->addSeparator()->setObjectName(QStringLiteral("Datei_Leer1"));
    QAction* quitAction =
        addAction(fileMenu, {"Beenden", QStringLiteral("&Beenden"), QStringLiteral("E&xit")});
    quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quitAction, &QAction::triggered, this, &QWidget::close);

    QMenu* editMenu =
        addMenu(nullptr, {"Bearbeiten", QStringLiteral("&Bearbeiten"), QStringLiteral("&Edit")});
    editMenu->addAction(m_find->findAction());
    QAction* familiesAction = addAction(
        editMenu, {"Familien", QStringLiteral("F&amilien…"), QStringLiteral("F&amilies…")});
    familiesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    connect(familiesAction, &QAction::triggered, this, &MainWindow::showFamilies);
    QMenu* sheetMenu = addMenu(
        editMenu, {"Datenblatt", QStringLiteral("&Datenblatt"), QStringLiteral("&Datasheet")});
    sheetMenu->addActions(m_wizard->actions());
    sheetMenu->addAction(m_library->removeDatasheetAction());
    QMenu* directoryMenu = addMenu(
        editMenu, {"Verzeichnis", QStringLiteral("&Verzeichnis"), QStringLiteral("Di&rectory")});
    directoryMenu->addActions(m_library->directoryActions());

    QMenu* optionsMenu =
        addMenu(nullptr, {"Optionen", QStringLiteral("&Optionen"), QStringLiteral("&Option")});
    QMenu* sortMenu = addMenu(
        optionsMenu, {"Sortiere", QStringLiteral("&Sortiere ICs"), QStringLiteral("&Sort ICs")});
    m_sortByTypeAction =
        addAction(sortMenu, {"SortIC1", QStringLiteral("nach &Typ"), QStringLiteral("by &type")});
    m_sortByDescriptionAction =
        addAction(sortMenu, {"SortIC2", QStringLiteral("nach &Beschreibung"),
                             QStringLiteral("by &description")});
    auto* sortGroup = new QActionGroup(this);
    for (QAction* a : {m_sortByTypeAction, m_sortByDescriptionAction}) {
        a->setCheckable(true);
        sortGroup->addAction(a);
    }
    (m_session->sortOrder() == IcSort::ByType ? m_sortByTypeAction : m_sortByDescriptionAction)
        ->setChecked(true);
    connect(m_sortByTypeAction, &QAction::triggered, m_sheetListing,
            [this] { m_sheetListing->sortBy(IcSort::ByType); });
    connect(m_sortByDescriptionAction, &QAction::triggered, m_sheetListing,
            [this] { m_sheetListing->sortBy(IcSort::ByDescription); });
    // For this session only: the configuration file keeps its two lines.
    QAction* pinRolesAction =
        addAction(optionsMenu, {"Pinrollen", QStringLiteral("&Pin-Rollen zeigen"),
                                QStringLiteral("Show &pin roles")});
    pinRolesAction->setCheckable(true);
    pinRolesAction->setChecked(m_view->pinMarksShown());
    connect(pinRolesAction, &QAction::toggled, m_view, &DatasheetView::setPinMarksShown);

    const QString serviceCaption = QStringLiteral("&Service");
    QMenu* service = addMenu(nullptr, {"MNU_S", serviceCaption, serviceCaption});
    const QList<QAction*> web = m_service->webActions();
    service->addActions(web.first(2));
    service->addSeparator()->setObjectName(QStringLiteral("MNU_Leer1"));
    service->addActions(web.sliced(2));

    // The help menu and the language names read the same in either language.
    const auto fixed = [](const char* name, const QString& caption) {
        return CommandCaption{name, caption, caption};
    };
    QMenu* help = addMenu(nullptr, fixed("H", QStringLiteral("&?")));
    QMenu* languageMenu = addMenu(help, fixed("EDSprache", QStringLiteral("&Language/ Sprache")));
    m_englishAction = addAction(languageMenu, fixed("Englisch", QStringLiteral("&English")));
    m_germanAction = addAction(languageMenu, fixed("Deutsch", QStringLiteral("&Deutsch")));
    auto* languageGroup = new QActionGroup(this);
    for (QAction* a : {m_englishAction, m_germanAction}) {
        a->setCheckable(true);
        languageGroup->addAction(a);
    }
    connect(m_englishAction, &QAction::triggered, this,
            [this] { chooseLanguage(Language::English); });
    connect(m_germanAction, &QAction::triggered, this,
            [this] { chooseLanguage(Language::German); });
    help->addAction(m_service->aboutAction());
}

void MainWindow::applyCaptions(bool german) {
    const Language language = german ? Language::German : Language::English;
    for (const auto& [action, caption] : m_captioned)
        action->setText(caption.in(language));
    (german ? m_germanAction : m_englishAction)->setChecked(true);
    m_platform.useToolkitLanguage(german);
    const QString directory = german ? QStringLiteral("Verzeichnis") : QStringLiteral("Directory");
    // The text field inside has the focus while the box is chosen.
    m_dirBox->setAccessibleName(directory);
    m_dirBox->lineEdit()->setAccessibleName(directory);
    m_dirBox->view()->setAccessibleName(directory);
    m_icList->setAccessibleName(german ? QStringLiteral("IC-Liste") : QStringLiteral("IC list"));
    m_view->nameControls(language);
}

void MainWindow::showFamilies() {
    if (!m_families) {
        m_families = new FamiliesWindow(*m_session);
        // An open Families view follows the sheet.
        connect(m_sheetListing, &SheetListing::loadRun, m_families, [this] {
            if (m_families->isVisible())
                m_families->refresh();
        });
        // Without a window manager nothing else would hand the keyboard back.
        connect(m_families, &QDialog::finished, this, [this] {
            raise();
            activateWindow();
        });
    } else
        m_families->refresh();
    m_families->show();
    m_families->raise();
    m_families->activateWindow();
}

void MainWindow::Sprache_Deutsch() {
    applyCaptions(true);
}

void MainWindow::Sprache_Englisch() {
    applyCaptions(false);
}

void MainWindow::chooseLanguage(Language language) {
    m_session->setLanguage(language);
    // Also for the language already shown: the command reads the list again.
    Liste_aufbauen();
    Datenblatt_laden();
}

void MainWindow::start() {
    show();
    Initialisieren();
}

void MainWindow::Initialisieren() {
    m_settings.changedCount = 0;
    m_settings.changedFiles.clear();

    // Arranged for the whole screen, as a maximized window has it; the next
    // resize fits the layout to the window itself.
    if (QScreen* screen = this->screen()) {
        const Twips tw = Twips::of(this);
        const QSize size = screen->size();
        arrange(tw.toTwipsX(size.width()), tw.toTwipsY(size.height()) - 1300);
    }

    m_settings.lineBreak = QStringLiteral("\r\n");
    m_settings.programDir = m_programDir;
    const QString configPath = m_settings.programDir + QString::fromLatin1(kConfigFileName);
    const bool configExists = configFileExists(configPath);

    m_dirBox->clear();
    {
        const QSignalBlocker block(m_dirBox);
        // Shown readable; the name on disk stays with the entry.
        for (const QString& name : scanLibraryDirectories(m_settings.programDir))
            m_dirBox->addItem(shownText(name), name);
        m_dirBox->setCurrentIndex(-1);
    }
    followDirBox();

    if (!configExists && !m_unsavedConfig) {
        hide();
        if (!m_firstStartDialog) {
            m_firstStartDialog = new FirstStartDialog(this);
            connect(m_firstStartDialog, &FirstStartDialog::accepted, this,
                    &MainWindow::onFirstStartAccepted);
            connect(m_firstStartDialog, &FirstStartDialog::dismissed, this,
                    [this] { m_platform.endNow(); });
        }
        m_firstStartDialog->show();
        return;
    }

    ConfigValues values;
    if (configExists) {
        values = readConfigFile(configPath);
    } else {
        // The first-start choice could not be saved: go on with it for this run.
        values = *m_unsavedConfig;
    }
    if (values.language)
        m_session->setLanguage(configLanguage(*values.language));
    // Choosing the directory may already ask about a defective file.
    m_platform.useToolkitLanguage(m_settings.german());
    const int position = selectedPosition(values, m_dirBox->count());
    if (position >= 0)
        selectDirectory(position);
    else
        m_dirBox->setCurrentIndex(-1);
    // Without a language in the file the run goes on in the one shown.
    m_session->setLanguage(m_settings.shown());
}

void MainWindow::onFirstStartAccepted() {
    m_session->setLanguage(m_firstStartDialog->englishChosen() ? Language::English
                                                               : Language::German);
    m_platform.useToolkitLanguage(m_settings.german());
    const int index =
        m_dirBox->findText(QStringLiteral("74xx"), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        selectDirectory(index);
    if (!writeConfiguration(m_dirBox->currentIndex()))
        m_unsavedConfig = configValues(m_settings.language, m_dirBox->currentIndex());
    show();
    // The dialog had the keyboard; without a window manager nothing else
    // would hand it to the window now in its place.
    activateWindow();
    Initialisieren();
    FirstStartDialog* dialog = m_firstStartDialog;
    m_firstStartDialog = nullptr;
    dialog->hide();
    dialog->deleteLater();
}

bool MainWindow::writeConfiguration(int position) {
    const QString path = m_settings.programDir + QString::fromLatin1(kConfigFileName);
    const SaveOutcome saved = writeConfigFile(path, m_settings.language, position);
    if (saved.ok)
        return true;
    if (!m_configFailureShown) {
        m_configFailureShown = true;
        m_platform.message(
            this, MsgIcon::Exclamation, QStringLiteral("Pinatlas"),
            m_settings.pick(QStringLiteral("Die Einstellungen konnten nicht "
                                           "gespeichert werden:"),
                            QStringLiteral("The settings could not be saved:")) +
                m_settings.lineBreak + shownText(path) + m_settings.lineBreak +
                (saved.refusedLink ? symbolicLinkRefusal(m_settings.german()) : saved.error),
            MsgButtons::Ok);
    }
    return false;
}

QString MainWindow::currentDirectory() const {
    const int index = m_dirBox->currentIndex();
    if (index >= 0 && m_dirBox->currentText() == m_dirBox->itemText(index))
        return m_dirBox->itemData(index).toString();
    return m_dirBox->currentText();
}

QString MainWindow::currentType() const {
    return m_session->currentType();
}

void MainWindow::followDirBox() {
    m_session->setDirectory(currentDirectory());
}

void MainWindow::selectDirectory(int index) {
    {
        const QSignalBlocker block(m_dirBox);
        m_dirBox->setCurrentIndex(index);
    }
    followDirBox();
    onDirectoryChosen();
}

void MainWindow::onDirectoryChosen() {
    Liste_aufbauen();
    Datenblatt_laden();
}

void MainWindow::Liste_aufbauen() {
    m_sheetListing->Liste_aufbauen();
}

void MainWindow::Datenblatt_laden() {
    m_sheetListing->Datenblatt_laden();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    writeConfiguration(m_dirBox->currentIndex());
    if (m_settings.changedCount >= 1)
        m_service->contributionMail();
    event->accept();
    // Wizard pages and dialogs end with the main window.
    QCoreApplication::quit();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void MainWindow::arrange(int width, int listHeight) {
    if (listHeight >= 0)
        Twips::of(this).place(m_icList, kListLeft, kListTop, kListWidth, listHeight);
    // A new height can bring or take away the list's scroll bar.
    if (m_sheetListing)
        m_sheetListing->fitColumns();
    m_view->arrange(width, listHeight, m_icList->height());
}

void MainWindow::Form_Resize() {
    if (!m_view)
        return;
    const Twips tw = Twips::of(this);
    const int width = tw.toTwipsX(m_client->width());
    const int height = tw.toTwipsY(m_client->height());
    arrange(width, height - kListTop);
    if (isVisible())
        Datenblatt_laden();
}

} // namespace pinatlas
