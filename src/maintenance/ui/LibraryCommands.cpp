#include "maintenance/ui/LibraryCommands.h"

#include "lang/ui/CommandActions.h"
#include "library/IcList.h"
#include "library/Names.h"
#include "maintenance/LibraryFiles.h"
#include "maintenance/ui/NewDirectoryDialog.h"
#include "platform/Platform.h"
#include "shared/RunningProgram.h"
#include "shared/Settings.h"

#include <QAction>

namespace pinatlas {
namespace {

const QString kProgramName = QStringLiteral("Pinatlas");

std::span<const CommandCaption> captions() {
    static const CommandCaption c[] = {
        {"D_entfernen", QStringLiteral("&entfernen"), QStringLiteral("&remove")},
        {"V_hinzufügen", QStringLiteral("&hinzufügen"), QStringLiteral("&add")},
        {"V_entfernen", QStringLiteral("&entfernen"), QStringLiteral("&remove")},
    };
    return c;
}

} // namespace

LibraryCommands::LibraryCommands(RunningProgram& program)
    : QObject(program.mainWindow()), m_program(program), m_actions(makeActions(this, captions())) {
    // Inside the directory box Delete still edits the text.
    m_actions[0]->setShortcut(QKeySequence::Delete);
    connect(m_actions[0], &QAction::triggered, this, [this] { removeDatasheet(); });
    connect(m_actions[1], &QAction::triggered, this, [this] { addDirectory(); });
    connect(m_actions[2], &QAction::triggered, this, [this] { removeDirectory(); });
}

void LibraryCommands::retranslate(Language language) {
    retranslateActions(m_actions, captions(), language);
}

NewDirectoryDialog* LibraryCommands::newDirectoryDialog() const {
    return m_newDirectory;
}

namespace {

QString shownPaths(const QStringList& paths, const QString& lineBreak) {
    QStringList shown;
    for (const QString& path : paths)
        shown << shownText(path);
    return shown.join(lineBreak);
}

} // namespace

QString LibraryCommands::selectedType() const {
    return m_program.currentType();
}

void LibraryCommands::regularNameMessage(QWidget* parent) {
    const Settings& s = m_program.settings();
    m_program.platform().message(
        parent, MsgIcon::Critical, kProgramName,
        s.pick(QStringLiteral("Bitte beachten Sie die Regeln für Verzeichnisnamen!"),
               QStringLiteral("Please choose a regular name!")),
        MsgButtons::Ok);
}

void LibraryCommands::removeDatasheet() {
    const Settings& s = m_program.settings();
    Platform& platform = m_program.platform();
    const QString title = s.pick(QStringLiteral("Achtung!"), QStringLiteral("Attention!"));
    const QString type = selectedType();
    if (type.isEmpty()) {
        platform.message(m_program.mainWindow(), MsgIcon::Information, title,
                         s.pick(QStringLiteral("Sie haben noch kein Datenblatt ausgewählt!"),
                                QStringLiteral("No datasheet chosen!")),
                         MsgButtons::Ok);
        return;
    }
    // A directory typed into DirBox must not lead the deletion elsewhere.
    const QString directory = m_program.currentDirectory();
    if (!isPlainDirectoryName(directory)) {
        regularNameMessage(m_program.mainWindow());
        return;
    }
    const MsgAnswer answer = platform.message(
        m_program.mainWindow(), MsgIcon::None, title,
        s.pick(QStringLiteral("Wollen Sie das momentan ausgewählte Datenblatt vom ") +
                   shownText(type) + QStringLiteral(" wirklich löschen?"),
               QStringLiteral("Are you sure to remove the datasheet ") + shownText(type) +
                   QStringLiteral(" ?")),
        // Deleting is the one act that cannot be undone: Enter keeps the file.
        MsgButtons::YesNoCancel, MsgAnswer::No);
    if (answer != MsgAnswer::Yes)
        return;

    const QString dirPath = m_program.currentDirectoryPath();
    const SheetRemoval removal = removeSheetFiles(dirPath, type);
    if (!removal.failed.isEmpty()) {
        platform.message(
            m_program.mainWindow(), MsgIcon::Critical, kProgramName,
            s.pick(QStringLiteral("Das Datenblatt konnte nicht vollständig gelöscht werden. "
                                  "Diese Dateien sind noch vorhanden:"),
                   QStringLiteral("The datasheet could not be removed completely. These files "
                                  "are still there:")) +
                s.lineBreak + shownPaths(removal.failed, s.lineBreak),
            MsgButtons::Ok);
    } else if (removal.removed.isEmpty()) {
        platform.message(m_program.mainWindow(), MsgIcon::Critical, kProgramName,
                         s.pick(QStringLiteral("Das Datenblatt ist nicht mehr vorhanden:"),
                                QStringLiteral("The datasheet is no longer there:")) +
                             s.lineBreak + shownText(dirPath + type + QStringLiteral(".txt")),
                         MsgButtons::Ok);
    }
    // Rebuilt in every case, so that the list shows what is on the disk.
    m_program.Liste_aufbauen();
    m_program.Datenblatt_laden();
}

void LibraryCommands::addDirectory() {
    if (m_newDirectory) {
        m_newDirectory->raise();
        m_newDirectory->activateWindow();
        return;
    }
    m_newDirectory = new NewDirectoryDialog(m_program.mainWindow(), !m_program.settings().german());
    connect(m_newDirectory, &NewDirectoryDialog::okPressed, this,
            &LibraryCommands::onNewDirectoryOk);
    connect(m_newDirectory, &NewDirectoryDialog::aborted, this, &LibraryCommands::backToMainWindow);
    m_newDirectory->show();
}

void LibraryCommands::onNewDirectoryOk() {
    const QString name = m_newDirectory->name();
    if (!name.isEmpty()) {
        switch (createLibraryDirectory(m_program.settings().programDir, name)) {
        case DirectoryCreation::Created:
            break;
        case DirectoryCreation::NotRegularName:
        case DirectoryCreation::Failed:
            // The dialog stays open with the name for correction.
            regularNameMessage(m_newDirectory);
            return;
        }
    }
    m_newDirectory->accept();
    backToMainWindow();
    m_program.Initialisieren();
}

void LibraryCommands::backToMainWindow() {
    m_program.mainWindow()->raise();
    m_program.mainWindow()->activateWindow();
}

void LibraryCommands::removeDirectory() {
    const Settings& s = m_program.settings();
    Platform& platform = m_program.platform();
    const QString name = m_program.currentDirectory();
    const QString path = shownText(s.programDir + name);
    const QString refusal = s.pick(QStringLiteral("Verzeichnis kann nicht gelöscht werden!"),
                                   QStringLiteral("Can\u00B4t remove directory!"));
    switch (removeLibraryDirectory(s.programDir, name)) {
    case DirectoryRemoval::NotPlainName:
        regularNameMessage(m_program.mainWindow());
        return;
    case DirectoryRemoval::HoldsFiles:
        platform.message(m_program.mainWindow(), MsgIcon::Critical, refusal,
                         s.pick(QStringLiteral("Es befinden sich noch Dateien in dem Verzeichnis:"),
                                QStringLiteral("There are files in the directory:")) +
                             s.lineBreak + path,
                         MsgButtons::Ok);
        return;
    case DirectoryRemoval::Failed:
        // Nothing changed on the disk, so the lists stay as they are.
        platform.message(
            m_program.mainWindow(), MsgIcon::Critical, refusal,
            s.pick(QStringLiteral("Das Verzeichnis enthält noch versteckte Dateien oder "
                                  "Unterverzeichnisse, oder Ihnen fehlen die Rechte, es zu "
                                  "löschen:"),
                   QStringLiteral("The directory still holds hidden files or sub-directories, "
                                  "or you lack the rights to remove it:")) +
                s.lineBreak + path,
            MsgButtons::Ok);
        return;
    case DirectoryRemoval::Missing:
        platform.message(m_program.mainWindow(), MsgIcon::Critical, refusal,
                         s.pick(QStringLiteral("Das Verzeichnis ist nicht mehr vorhanden:"),
                                QStringLiteral("The directory is no longer there:")) +
                             s.lineBreak + path,
                         MsgButtons::Ok);
        // It is gone all the same: the directory list must follow the disk.
        m_program.Initialisieren();
        return;
    case DirectoryRemoval::Removed:
        m_program.Initialisieren();
        return;
    }
}

} // namespace pinatlas
