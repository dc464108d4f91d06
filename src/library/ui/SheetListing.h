#pragma once

#include "library/DatasheetReader.h"
#include "library/FileAccess.h"

#include <QObject>

#include <optional>

class QModelIndex;
class QTableWidget;

namespace pinatlas {

class DatasheetDisplay;
class RunningProgram;

// The IC list and the loader of the main window: builds `Liste` from the
// current directory and loads the selected datasheet for display. It also
// owns the list's events (header clicks, tooltips, row changes).
//
// `Liste` shows the grid's fixed header row as the table's horizontal header;
// data row r of the grid is table row r - 1.
class SheetListing : public QObject {
    Q_OBJECT
public:
    // Takes over `icList`, the main window's list, and shows sheets on `display`.
    SheetListing(RunningProgram& program, QTableWidget* icList, DatasheetDisplay& display);

    void Liste_aufbauen();
    void Datenblatt_laden();
    // The type in column 0 of the current row; empty when there is none.
    QString currentType() const;
    // The column headers in the current language.
    void showHeaders();
    // Column widths for the list's present height.
    void fitColumns();

private:
    void setUpIcList();
    void onHeaderClicked(int column);
    void onCurrentRowChanged(const QModelIndex& current);
    bool rowVisible(int row) const;
    void makeTopRow(int row);
    // Makes the highlighted row the current row, now and after the event that
    // caused the rebuild.
    void highlightCurrentRow();
    // Shows the unreadable-file box; true when the user chose Retry. Abort
    // ends the program.
    bool askAboutFile(const QString& path);

    RunningProgram& m_program;
    QTableWidget* m_icList;
    DatasheetDisplay& m_display;
    // Set while the list is rebuilt: the row changes that causes load nothing.
    bool m_rebuilding = false;
    // The sheet last read, with its file's size and time: start-up, a header
    // click or a language switch show the same file again without reading it.
    struct LastRead {
        QString path;
        FileStamp stamp;
        ReadResult result;
    };
    std::optional<LastRead> m_lastRead;
};

} // namespace pinatlas
