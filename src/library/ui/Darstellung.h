#pragma once

#include <QObject>

namespace pinatlas {

class Haupt;

// The IC list and the loader of the main window: builds `Liste` from the
// current directory and loads the selected datasheet for display.
class Darstellung : public QObject {
    Q_OBJECT
public:
    explicit Darstellung(Haupt& haupt);

    void Liste_aufbauen();
    void Datenblatt_laden();

private:
    Haupt& m_haupt;
};

} // namespace pinatlas
