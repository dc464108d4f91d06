#pragma once

#include <QObject>

namespace pinatlas {

class Haupt;

// The about box, the web links of the Service menu and the contribution mail.
class ServiceCommands : public QObject {
    Q_OBJECT
public:
    explicit ServiceCommands(Haupt& haupt);

    void openHomepage();     // MNU_S_velkaris
    void openUpdates();      // MNU_S_Update
    void openBookShop();     // MNU_S_Bücher
    void showAbout();        // Inform
    void contributionMail(); // on exit, when datasheets were written

private:
    Haupt& m_haupt;
};

} // namespace pinatlas
