#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace pinatlas {

class Haupt;
class Neu_V;

// Removing a datasheet, adding and removing library directories.
class LibraryCommands : public QObject {
    Q_OBJECT
public:
    explicit LibraryCommands(Haupt& haupt);

    void removeDatasheet(); // D_entfernen
    void addDirectory();    // V_hinzufügen
    void removeDirectory(); // V_entfernen

    // The open directory dialog, if any.
    Neu_V* neuV() const;

    // The type in column 0 of the list's current row; empty when none.
    QString selectedType() const;

private:
    void onNeuVOk();
    void backToHaupt();
    void regularNameMessage(QWidget* parent);

    Haupt& m_haupt;
    QPointer<Neu_V> m_neuV;
};

} // namespace pinatlas
