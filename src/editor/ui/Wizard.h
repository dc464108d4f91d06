#pragma once

#include <QObject>

namespace pinatlas {

class Haupt;

// The five-page datasheet wizard: adds a new datasheet or edits the selected one.
class Wizard : public QObject {
    Q_OBJECT
public:
    explicit Wizard(Haupt& haupt);

    void startNew();  // D_hinzufügen
    void startEdit(); // D_ändern

private:
    Haupt& m_haupt;
};

} // namespace pinatlas
