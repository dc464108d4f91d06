#include "maintenance/ui/LibraryCommands.h"

#include "lang/ui/CommandActions.h"
#include "library/IcList.h"
#include "library/Names.h"
#include "maintenance/LibraryFiles.h"
#include "maintenance/ui/NewDirectoryDialog.h"
#include "platform/Platform.h"
#include "shared/Session.h"
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

LibraryCommands::LibraryCommands(Session& session)
    : QObject(session.window()), m_session(session), m_actions(makeActions(this, captions())) {
    // Inside the directory box Delete still edits the text.
    m_actions[0]->setShortcut(QKeySequence::Delete);
    connect(m_actions[0], &QAction::triggered, this, [this] { removeDatasheet(); });
    connect(m_actions[1], &QAction::triggered, this, [this] { addDirectory(); });
    connect(m_actions[2], &QAction::triggered, this, [this] { removeDirectory(); });
    retranslate(session.language());
    connect(&session, &Session::languageChanged, this, &LibraryCommands::retranslate);
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
    return m_session.currentType();
}

void LibraryCommands::regularNameMessage(QWidget* parent) {
    const Settings& s = m_session.settings();
    m_session.platform().message(
        parent, MsgIcon::Critical, kProgramName,
        s.pick(QStringLiteral("Bitte beachten Sie die Regeln für Verzeichnisnamen!"),
               QStringLiteral("Please choose a regular name!")),
        MsgButtons::Ok);
}

void LibraryCommands::removeDatasheet() {
    const Settings& s = m_session.settings();
    Platform& platform = m_session.platform();
    const QString title = s.pick(QStringLiteral("Achtung!"), QStringLiteral("Attention!"));
    const QString type = selectedType();
    if (type.isEmpty()) {
        platform.message(m_session.window(), MsgIcon::Information, title,
                         s.pick(QStringLiteral("Sie haben noch kein Datenblatt ausgewählt!"),
                                QStringLiteral("No datasheet chosen!")),
                         MsgButtons::Ok);
        return;
    }
    // A directory typed into DirBox must not lead the deletion elsewhere.
    const QString directory = m_session.directory();
    if (!isPlainDirectoryName(directory)) {
        regularNameMessage(m_session.window());
        return;
    }
    const MsgAnswer answer = platform.message(
        m_session.window(), MsgIcon::None, title,
        s.pick(QStringLiteral("Wollen Sie das momentan ausgewählte Datenblatt vom ") +
                   shownText(type) + QStringLiteral(" wirklich löschen?"),
               QStringLiteral("Are you sure to remove the datasheet ") + shownText(type) +
                   QStringLiteral(" ?")),
        // Deleting is the one act that cannot be undone: Enter keeps the file.
        MsgButtons::YesNoCancel, MsgAnswer::No);
    if (answer != MsgAnswer::Yes)
        return;

    const QString dirPath = m_session.directoryPath();
    const SheetRemoval removal = removeSheetFiles(dirPath, type);
    if (!removal.failed.isEmpty()) {
        platform.message(
            m_session.window(), MsgIcon::Critical, kProgramName,
            s.pick(QStringLiteral("Das Datenblatt konnte nicht vollständig gelöscht werden. "
                                  "Diese Dateien sind noch vorhanden:"),
                   QStringLiteral("The datasheet could not be removed completely. These files "
                                  "are still there:")) +
                s.lineBreak + shownPaths(removal.failed, s.lineBreak),
            MsgButtons::Ok);
    } else if (removal.removed.isEmpty()) {
        platform.message(m_session.window(), MsgIcon::Critical, kProgramName,
                         s.pick(QStringLiteral("Das Datenblatt ist nicht mehr vorhanden:"),
                                QStringLiteral("The datasheet is no longer there:")) +
                             s.lineBreak + shownText(dirPath + type + QStringLiteral(".txt")),
                         MsgButtons::Ok);
    }
    // Announced in every case, so that the list shows what is on the disk.
    m_session.announceLibraryChange(directory);
}

void LibraryCommands::addDirectory() {
    if (!m_newDirectory) {
        m_newDirectory = new NewDirectoryDialog(m_session.window(), !m_session.settings().german());
        connect(m_newDirectory, &NewDirectoryDialog::okPressed, this,
                &LibraryCommands::onNewDirectoryOk);
        connect(m_newDirectory, &NewDirectoryDialog::aborted, this,
                &LibraryCommands::backToMainWindow);
    }
    // Asked for, not left to a window manager: without one the name typed
    // next would go to the main window.
    m_newDirectory->show();
    m_newDirectory->raise();
    m_newDirectory->activateWindow();
}

void LibraryCommands::onNewDirectoryOk() {
    const QString name = m_newDirectory->name();
    if (!name.isEmpty()) {
        switch (createLibraryDirectory(m_session.settings().programDir, name)) {
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
    m_session.announceLibraryChange({});
}

void LibraryCommands::backToMainWindow() {
    m_session.window()->raise();
    m_session.window()->activateWindow();
}

void LibraryCommands::removeDirectory() {
    const Settings& s = m_session.settings();
    Platform& platform = m_session.platform();
    const QString name = m_session.directory();
    const QString path = shownText(s.programDir + name);
    const QString refusal = s.pick(QStringLiteral("Verzeichnis kann nicht gelöscht werden!"),
                                   QStringLiteral("Can\u00B4t remove directory!"));
    switch (removeLibraryDirectory(s.programDir, name)) {
    case DirectoryRemoval::NotPlainName:
        regularNameMessage(m_session.window());
        return;
    case DirectoryRemoval::HoldsFiles:
        platform.message(m_session.window(), MsgIcon::Critical, refusal,
                         s.pick(QStringLiteral("Es befinden sich noch Dateien in dem Verzeichnis:"),
                                QStringLiteral("There are files in the directory:")) +
                             s.lineBreak + path,
                         MsgButtons::Ok);
        return;
    case DirectoryRemoval::Failed:
        // Nothing changed on the disk, so the lists stay as they are.
        platform.message(
            m_session.window(), MsgIcon::Critical, refusal,
            s.pick(QStringLiteral("Das Verzeichnis enthält noch versteckte Dateien oder "
                                  "Unterverzeichnisse, oder Ihnen fehlen die Rechte, es zu "
                                  "löschen:"),
                   QStringLiteral("The directory still holds hidden files or sub-directories, "
                                  "or you lack the rights to remove it:")) +
                s.lineBreak + path,
            MsgButtons::Ok);
        return;
    case DirectoryRemoval::Missing:
        platform.message(m_session.window(), MsgIcon::Critical, refusal,
                         s.pick(QStringLiteral("Das Verzeichnis ist nicht mehr vorhanden:"),
                                QStringLiteral("The directory is no longer there:")) +
                             s.lineBreak + path,
                         MsgButtons::Ok);
        // It is gone all the same: the directory list must follow the disk.
        m_session.announceLibraryChange({});
        return;
    case DirectoryRemoval::Removed:
        m_session.announceLibraryChange({});
        return;
    }
}

} // namespace pinatlas
