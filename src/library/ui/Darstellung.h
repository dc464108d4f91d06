#pragma once

#include <QObject>

class QModelIndex;

namespace pinatlas {

class Haupt;

// The IC list and the loader of the main window: builds `Liste` from the
// current directory and loads the selected datasheet for display. It also
// owns the list's events (header clicks, tooltips, row changes).
//
// `Liste` shows the grid's fixed header row as the table's horizontal header;
// data row r of the grid is table row r - 1.
class Darstellung : public QObject {
    Q_OBJECT
public:
    explicit Darstellung(Haupt& haupt);

    void Liste_aufbauen();
    void Datenblatt_laden();
    // The column headers in the current language.
    void showHeaders();
    // Column widths for the list's present height.
    void fitColumns();

private:
    void setUpListe();
    void onHeaderClicked(int column);
    void onCurrentRowChanged(const QModelIndex& current);
    bool rowVisible(int row) const;
    void makeTopRow(int row);
    // Shows the unreadable-file box; true when the user chose Retry. Abort
    // ends the program.
    bool askAboutFile(const QString& path);

    Haupt& m_haupt;
    // Set while the list is rebuilt: the row changes that causes load nothing.
    bool m_rebuilding = false;
};

} // namespace pinatlas
