#pragma once

#include "shared/Language.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace pinatlas {

class Session;
class NewDirectoryDialog;

// Removing a datasheet, adding and removing library directories; each change
// is announced to the session, and the windows follow it.
class LibraryCommands : public QObject {
    Q_OBJECT
public:
    explicit LibraryCommands(Session& session);

    void removeDatasheet(); // D_entfernen
    void addDirectory();    // V_hinzufügen
    void removeDirectory(); // V_entfernen

    // D_entfernen for the Datasheet menu; V_hinzufügen and V_entfernen, in
    // menu order, for the Directory menu.
    QAction* removeDatasheetAction() const { return m_actions[0]; }
    QList<QAction*> directoryActions() const { return m_actions.mid(1); }
    void retranslate(Language language);

    // The open directory dialog, if any.
    NewDirectoryDialog* newDirectoryDialog() const;

    // The type in column 0 of the list's current row; empty when none.
    QString selectedType() const;

private:
    void onNewDirectoryOk();
    void backToMainWindow();
    void regularNameMessage(QWidget* parent);

    Session& m_session;
    QPointer<NewDirectoryDialog> m_newDirectory;
    QList<QAction*> m_actions;
};

} // namespace pinatlas
