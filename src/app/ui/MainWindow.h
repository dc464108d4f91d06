#pragma once

#include "app/ConfigFile.h"
#include "lang/ui/CommandActions.h"
#include "shared/Language.h"

#include <QMainWindow>

#include <optional>
#include <utility>
#include <vector>

class QAction;
class QComboBox;
class QMenu;
class QTableView;

namespace pinatlas {

class SheetListing;
class DatasheetView;
class FirstStartDialog;
class FamiliesWindow;
class FindCommands;
class LibraryCommands;
class Platform;
class PrintCommands;
class ServiceCommands;
class Session;
class Wizard;
struct Settings;

// The main window: directory list, IC list, drawing area and every command.
// It makes the session the subsystems share and keeps the session's
// directory to the text of DirBox; its menus and captions follow the session.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `programDir` is where the library directories and the configuration file
    // live; the program passes its own directory, tests a temporary one.
    MainWindow(Settings& settings, Platform& platform, const QString& programDir,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load event: shows the window and runs Initialisieren.
    void start();

    Session& session() const { return *m_session; }
    // The text of DirBox: the directory every operation works in.
    QString currentDirectory() const;
    // The type in column 0 of the list's current row; empty when there is none.
    QString currentType() const;
    // Reads the configuration and the directories again, as at start-up; runs
    // when the session announces that directories were added or removed.
    void Initialisieren();
    void Liste_aufbauen();
    void Datenblatt_laden();

    // The window's texts in a language, as the session's language changes.
    void Sprache_Deutsch();
    void Sprache_Englisch();

    QComboBox* dirBox() const { return m_dirBox; }
    QTableView* icList() const { return m_icList; }
    DatasheetView* view() const { return m_view; }
    Wizard* wizard() const { return m_wizard; }
    LibraryCommands* libraryCommands() const { return m_library; }
    ServiceCommands* serviceCommands() const { return m_service; }
    FirstStartDialog* firstStartDialog() const { return m_firstStartDialog; }
    FindCommands* findCommands() const { return m_find; }
    // The Families view, once opened.
    FamiliesWindow* familiesWindow() const { return m_families; }
    void showFamilies();

    // Runs the directory-change handler, as choosing an entry does.
    void selectDirectory(int index);
    // Writes the configuration file; tells the user once per run when it fails.
    bool writeConfiguration(int position);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    // A menu or command of the window's own, named and captioned by `caption`.
    QMenu* addMenu(QMenu* parent, const CommandCaption& caption);
    QAction* addAction(QMenu* parent, const CommandCaption& caption);
    void applyCaptions(bool german);
    // The language command: the language, then the list and the sheet again.
    void chooseLanguage(Language language);
    // The session's directory follows the text of DirBox.
    void followDirBox();
    void onDirectoryChosen();
    void onFirstStartAccepted();
    void Form_Resize();
    // ArrangeWindow: the list's height and the drawing area, in twips.
    void arrange(int width, int listHeight);

    Settings& m_settings;
    Platform& m_platform;
    QString m_programDir;
    Session* m_session;
    QWidget* m_client = nullptr;
    QComboBox* m_dirBox = nullptr;
    QTableView* m_icList = nullptr;
    DatasheetView* m_view = nullptr;
    SheetListing* m_sheetListing = nullptr;
    Wizard* m_wizard = nullptr;
    LibraryCommands* m_library = nullptr;
    ServiceCommands* m_service = nullptr;
    FirstStartDialog* m_firstStartDialog = nullptr;
    // The two check-marked pairs, each an exclusive group.
    QAction* m_sortByTypeAction = nullptr;
    QAction* m_sortByDescriptionAction = nullptr;
    QAction* m_englishAction = nullptr;
    QAction* m_germanAction = nullptr;
    FindCommands* m_find = nullptr;
    FamiliesWindow* m_families = nullptr; // a child of the window, made once
    PrintCommands* m_print = nullptr;
    // The window's own menus and commands with their captions; each command
    // group captions its own.
    std::vector<std::pair<QAction*, CommandCaption>> m_captioned;
    // The first-start choice when the configuration file could not be written.
    std::optional<ConfigValues> m_unsavedConfig;
    bool m_configFailureShown = false;
};

} // namespace pinatlas
