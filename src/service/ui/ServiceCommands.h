#pragma once

#include "shared/Language.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;

namespace pinatlas {

class Session;
class Information;

// The about box, the web links of the Service menu and the contribution mail.
class ServiceCommands : public QObject {
    Q_OBJECT
public:
    explicit ServiceCommands(Session& session);
    ~ServiceCommands() override;

    void openHomepage();     // MNU_S_velkaris
    void openUpdates();      // MNU_S_Update
    void openBookShop();     // MNU_S_Bücher
    void showAbout();        // Inform
    void contributionMail(); // on exit, when datasheets were written

    // MNU_S_velkaris, MNU_S_Update and MNU_S_Bücher, in menu order.
    QList<QAction*> webActions() const { return m_actions.first(3); }
    QAction* aboutAction() const { return m_actions[3]; } // Inform
    void retranslate(Language language);

    // Hands a web address to the desktop; the result is the desktop's.
    bool Seite_oeffnen(const QString& address);
    // Hands the e-mail link to the desktop.
    void Mail(const QString& eMail, const QString& subject = {}, const QString& body = {});

    // The open about box, if any.
    Information* information() const;

private:
    void openByLanguage(const char* german, const char* english);

    Session& m_session;
    // The about box has no owner window, so it is not a child of the main window.
    QPointer<Information> m_information;
    QList<QAction*> m_actions;
};

} // namespace pinatlas
