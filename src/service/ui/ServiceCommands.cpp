#include "service/ui/ServiceCommands.h"

#include "lang/ui/CommandActions.h"
#include "platform/DesktopLink.h"
#include "platform/Platform.h"
#include "service/ServiceTexts.h"
#include "service/ui/Information.h"
#include "shared/Maker.h"
#include "shared/Session.h"
#include "shared/Settings.h"

#include <QAction>

namespace pinatlas {

namespace {

std::span<const CommandCaption> captions() {
    // An ampersand of the site name is shown, not taken as a mnemonic.
    static const QString site =
        QString::fromUtf8(maker::kSiteName).replace(QLatin1Char('&'), QStringLiteral("&&"));
    static const CommandCaption c[] = {
        {"MNU_S_velkaris", site + QStringLiteral(" &Homepage"),
         site + QStringLiteral(" &homepage")},
        {"MNU_S_Update", QStringLiteral("Software &Updates"), QStringLiteral("Software &updates")},
        {"MNU_S_Bücher", QStringLiteral("&Buch-Schnellsuche"), QStringLiteral("&Book-quickfinder")},
        {"Inform", QStringLiteral("&Info/ Update"), QStringLiteral("&Info/ Update")},
    };
    return c;
}

} // namespace

ServiceCommands::ServiceCommands(Session& session)
    : QObject(session.window()), m_session(session), m_actions(makeActions(this, captions())) {
    connect(m_actions[0], &QAction::triggered, this, [this] { openHomepage(); });
    connect(m_actions[1], &QAction::triggered, this, [this] { openUpdates(); });
    connect(m_actions[2], &QAction::triggered, this, [this] { openBookShop(); });
    connect(m_actions[3], &QAction::triggered, this, [this] { showAbout(); });
    retranslate(session.language());
    connect(&session, &Session::languageChanged, this, &ServiceCommands::retranslate);
}

void ServiceCommands::retranslate(Language language) {
    retranslateActions(m_actions, captions(), language);
}

ServiceCommands::~ServiceCommands() {
    // The program ends with the main window; so does the about box.
    delete m_information.data();
}

Information* ServiceCommands::information() const {
    return m_information;
}

bool ServiceCommands::Seite_oeffnen(const QString& address) {
    return m_session.platform().openUrl(address);
}

void ServiceCommands::Mail(const QString& eMail, const QString& subject, const QString& body) {
    m_session.platform().openUrl(mailtoLink(eMail, subject, body));
}

void ServiceCommands::openByLanguage(const char* german, const char* english) {
    Seite_oeffnen(QString::fromUtf8(m_session.settings().german() ? german : english));
}

void ServiceCommands::openHomepage() {
    openByLanguage(maker::kGermanStartPage, maker::kMainSite);
}

void ServiceCommands::openUpdates() {
    openByLanguage(maker::kProgramPageDe, maker::kProgramPageEn);
}

void ServiceCommands::openBookShop() {
    openByLanguage(maker::kBookShopDe, maker::kBookShopEn);
}

void ServiceCommands::showAbout() {
    if (!m_information) {
        const Settings& s = m_session.settings();
        m_information = new Information(s.german(), s.lineBreak);
        // The box had the keyboard; without a window manager nothing else
        // would hand it back to the main window.
        connect(m_information, &QDialog::finished, this, [this] {
            m_session.window()->raise();
            m_session.window()->activateWindow();
        });
    }
    m_information->show();
    m_information->raise();
    m_information->activateWindow();
}

void ServiceCommands::contributionMail() {
    Settings& s = m_session.settings();
    if (s.changedCount < 1)
        return;
    const bool german = s.german();
    const MsgAnswer answer =
        m_session.platform().message(m_session.window(), MsgIcon::None, QStringLiteral("Pinatlas"),
                                     contributionQuestion(german), MsgButtons::OkCancel);
    if (answer != MsgAnswer::Ok)
        return;
    const QString files = contributionFileList(s.changedFiles, s.changedCount);
    s.mailSubject = contributionSubject(german);
    s.mailBody = contributionBody(german, files);
    Mail(QString::fromUtf8(maker::kServiceAddress), s.mailSubject, s.mailBody);
}

} // namespace pinatlas
