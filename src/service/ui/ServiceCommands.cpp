#include "service/ui/ServiceCommands.h"

#include "platform/DesktopLink.h"
#include "platform/Platform.h"
#include "service/ServiceTexts.h"
#include "service/ui/Information.h"
#include "shared/Maker.h"
#include "shared/RunningProgram.h"
#include "shared/Settings.h"

namespace pinatlas {

ServiceCommands::ServiceCommands(RunningProgram& program)
    : QObject(program.mainWindow()), m_program(program) {}

ServiceCommands::~ServiceCommands() {
    // The program ends with the main window; so does the about box.
    delete m_information.data();
}

Information* ServiceCommands::information() const {
    return m_information;
}

bool ServiceCommands::Seite_oeffnen(const QString& address) {
    return m_program.platform().openUrl(address);
}

void ServiceCommands::Mail(const QString& eMail, const QString& subject, const QString& body) {
    m_program.platform().openUrl(mailtoLink(eMail, subject, body));
}

void ServiceCommands::openByLanguage(const char* german, const char* english) {
    Seite_oeffnen(QString::fromUtf8(m_program.settings().german() ? german : english));
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
        const Settings& s = m_program.settings();
        m_information = new Information(s.german(), s.lineBreak);
    }
    m_information->show();
    m_information->raise();
    m_information->activateWindow();
}

void ServiceCommands::contributionMail() {
    Settings& s = m_program.settings();
    if (s.changedCount < 1)
        return;
    const bool german = s.german();
    const MsgAnswer answer = m_program.platform().message(
        m_program.mainWindow(), MsgIcon::None, QStringLiteral("Pinatlas"),
        contributionQuestion(german), MsgButtons::OkCancel);
    if (answer != MsgAnswer::Ok)
        return;
    const QString files = contributionFileList(s.changedFiles, s.changedCount);
    s.mailSubject = contributionSubject(german);
    s.mailBody = contributionBody(german, files);
    Mail(QString::fromUtf8(maker::kServiceAddress), s.mailSubject, s.mailBody);
}

} // namespace pinatlas
