#include "maintenance/ui/LibraryCommands.h"

#include "app/Settings.h"
#include "app/ui/Haupt.h"
#include "library/Names.h"
#include "maintenance/LibraryFiles.h"
#include "maintenance/ui/Neu_V.h"
#include "platform/Platform.h"

#include <QTableWidget>

namespace pinatlas {
namespace {

const QString kProgramName = QStringLiteral("Pinatlas");

} // namespace

LibraryCommands::LibraryCommands(Haupt& haupt) : QObject(&haupt), m_haupt(haupt) {}

Neu_V* LibraryCommands::neuV() const {
    return m_neuV;
}

QString LibraryCommands::selectedType() const {
    const QTableWidget* liste = m_haupt.liste();
    const int row = liste->currentRow();
    if (row < 0)
        return {};
    const QTableWidgetItem* item = liste->item(row, 0);
    return item ? item->text() : QString();
}

void LibraryCommands::regularNameMessage(QWidget* parent) {
    const Settings& s = m_haupt.settings();
    m_haupt.platform().message(
        parent, MsgIcon::Critical, kProgramName,
        s.pick(QStringLiteral("Bitte beachten Sie die Regeln für Verzeichnisnamen!"),
               QStringLiteral("Please choose a regular name!")),
        MsgButtons::Ok);
}

void LibraryCommands::removeDatasheet() {
    const Settings& s = m_haupt.settings();
    Platform& platform = m_haupt.platform();
    const QString title = s.pick(QStringLiteral("Achtung!"), QStringLiteral("Attention!"));
    const QString type = selectedType();
    if (type.isEmpty()) {
        platform.message(&m_haupt, MsgIcon::Information, title,
                         s.pick(QStringLiteral("Sie haben noch kein Datenblatt ausgewählt!"),
                                QStringLiteral("No datasheet chosen!")),
                         MsgButtons::Ok);
        return;
    }
    // A directory typed into DirBox must not lead the deletion elsewhere.
    const QString directory = m_haupt.currentDirectory();
    if (!isPlainDirectoryName(directory)) {
        regularNameMessage(&m_haupt);
        return;
    }
    const MsgAnswer answer = platform.message(
        &m_haupt, MsgIcon::None, title,
        s.pick(QStringLiteral("Wollen Sie das momentan ausgewählte Datenblatt vom ") + type +
                   QStringLiteral(" wirklich löschen?"),
               QStringLiteral("Are you sure to remove the datasheet ") + type +
                   QStringLiteral(" ?")),
        MsgButtons::YesNoCancel);
    if (answer != MsgAnswer::Yes)
        return;

    const QString dirPath = m_haupt.currentDirectoryPath();
    const SheetRemoval removal = removeSheetFiles(dirPath, type);
    if (!removal.failed.isEmpty()) {
        platform.message(
            &m_haupt, MsgIcon::Critical, kProgramName,
            s.pick(QStringLiteral("Das Datenblatt konnte nicht vollständig gelöscht werden. "
                                  "Diese Dateien sind noch vorhanden:"),
                   QStringLiteral("The datasheet could not be removed completely. These files "
                                  "are still there:")) +
                s.lineBreak + removal.failed.join(s.lineBreak),
            MsgButtons::Ok);
    } else if (removal.removed.isEmpty()) {
        platform.message(&m_haupt, MsgIcon::Critical, kProgramName,
                         s.pick(QStringLiteral("Das Datenblatt ist nicht mehr vorhanden:"),
                                QStringLiteral("The datasheet is no longer there:")) +
                             s.lineBreak + dirPath + type + QStringLiteral(".txt"),
                         MsgButtons::Ok);
    }
    // Rebuilt in every case, so that the list shows what is on the disk.
    m_haupt.Liste_aufbauen();
    m_haupt.Datenblatt_laden();
}

void LibraryCommands::addDirectory() {
    if (m_neuV) {
        m_neuV->raise();
        m_neuV->activateWindow();
        return;
    }
    m_neuV = new Neu_V(&m_haupt, m_haupt.settings().language == QLatin1String("E"));
    connect(m_neuV, &Neu_V::okPressed, this, &LibraryCommands::onNeuVOk);
    connect(m_neuV, &Neu_V::aborted, this, &LibraryCommands::backToHaupt);
    m_neuV->show();
}

void LibraryCommands::onNeuVOk() {
    const QString name = m_neuV->name();
    if (!name.isEmpty()) {
        switch (createLibraryDirectory(m_haupt.settings().programDir, name)) {
        case DirectoryCreation::Created:
            break;
        case DirectoryCreation::NotRegularName:
        case DirectoryCreation::Failed:
            // The dialog stays open with the name for correction.
            regularNameMessage(m_neuV);
            return;
        }
    }
    m_neuV->accept();
    backToHaupt();
    m_haupt.Initialisieren();
}

void LibraryCommands::backToHaupt() {
    m_haupt.raise();
    m_haupt.activateWindow();
}

void LibraryCommands::removeDirectory() {
    const Settings& s = m_haupt.settings();
    Platform& platform = m_haupt.platform();
    const QString name = m_haupt.currentDirectory();
    const QString path = s.programDir + name;
    const QString refusal = s.pick(QStringLiteral("Verzeichnis kann nicht gelöscht werden!"),
                                   QStringLiteral("Can\u00B4t remove directory!"));
    switch (removeLibraryDirectory(s.programDir, name)) {
    case DirectoryRemoval::NotPlainName:
        regularNameMessage(&m_haupt);
        return;
    case DirectoryRemoval::HoldsFiles:
        platform.message(&m_haupt, MsgIcon::Critical, refusal,
                         s.pick(QStringLiteral("Es befinden sich noch Dateien in dem Verzeichnis:"),
                                QStringLiteral("There are files in the directory:")) +
                             s.lineBreak + path,
                         MsgButtons::Ok);
        return;
    case DirectoryRemoval::Failed:
        // Nothing changed on the disk, so the lists stay as they are.
        platform.message(
            &m_haupt, MsgIcon::Critical, refusal,
            s.pick(QStringLiteral("Das Verzeichnis enthält noch versteckte Dateien oder "
                                  "Unterverzeichnisse, oder Ihnen fehlen die Rechte, es zu "
                                  "löschen:"),
                   QStringLiteral("The directory still holds hidden files or sub-directories, "
                                  "or you lack the rights to remove it:")) +
                s.lineBreak + path,
            MsgButtons::Ok);
        return;
    case DirectoryRemoval::Missing:
        platform.message(&m_haupt, MsgIcon::Critical, refusal,
                         s.pick(QStringLiteral("Das Verzeichnis ist nicht mehr vorhanden:"),
                                QStringLiteral("The directory is no longer there:")) +
                             s.lineBreak + path,
                         MsgButtons::Ok);
        // It is gone all the same: the directory list must follow the disk.
        m_haupt.Initialisieren();
        return;
    case DirectoryRemoval::Removed:
        m_haupt.Initialisieren();
        return;
    }
}

} // namespace pinatlas
