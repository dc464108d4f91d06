#pragma once

#include <QObject>

namespace pinatlas {

class Haupt;

// Removing a datasheet, adding and removing library directories.
class LibraryCommands : public QObject {
    Q_OBJECT
public:
    explicit LibraryCommands(Haupt& haupt);

    void removeDatasheet(); // D_entfernen
    void addDirectory();    // V_hinzufügen
    void removeDirectory(); // V_entfernen

private:
    Haupt& m_haupt;
};

} // namespace pinatlas
