#pragma once

#include "library/DatasheetReader.h"
#include "library/FileAccess.h"
#include "shared/IcSort.h"

#include <QObject>

#include <optional>

class QModelIndex;
class QTableView;

namespace pinatlas {

class DatasheetDisplay;
class IcListModel;
class Session;

// The IC list and the loader of the main window: builds `Liste` from the
// current directory and loads the selected datasheet for display. It also
// owns the list's events (header clicks, tooltips, row changes) and keeps the
// session's current type. It follows the session: a new sort order lists
// again, a new language names the columns, changed files of the directory
// shown are listed and loaded again.
//
// `Liste` shows the rows of an IcListModel; the grid's fixed header row is
// the view's horizontal header.
class SheetListing : public QObject {
    Q_OBJECT
public:
    // Takes over `icList`, the main window's list, and shows sheets on `display`.
    SheetListing(Session& session, QTableView* icList, DatasheetDisplay& display);

    IcListModel* model() const { return m_model; }

    void Liste_aufbauen();
    void Datenblatt_laden();
    // SortIC1 and SortIC2: the order, and the list built again, also when the
    // order stays, so that choosing it reads the directory anew.
    void sortBy(IcSort order);
    // The type in column 0 of the current row; empty when there is none.
    QString currentType() const;
    // The column headers in the current language.
    void showHeaders();
    // Column widths for the list's present height.
    void fitColumns();

Q_SIGNALS:
    // Datenblatt_laden ran, whether or not it could show a sheet.
    void loadRun();

private:
    void showSheet();
    void followCurrentRow();
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

    Session& m_session;
    QTableView* m_icList;
    IcListModel* m_model;
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
