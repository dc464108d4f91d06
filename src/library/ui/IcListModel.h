#pragma once

#include "library/IcList.h"

#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QTableView>

#include <vector>

namespace pinatlas {

// The rows of the IC list as `sortIcList` orders them. Texts are shown as
// the program shows names; Qt::UserRole keeps the name on disk, which the
// commands act on. The list always has a row, empty when nothing is listed.
class IcListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<IcRow> rows);
    // Empties every row and keeps their number, as after a scan that failed.
    void blank();
    void setHeaders(const QStringList& headers);
    // The type on disk in `row`; empty for an empty or missing row.
    QString typeAt(int row) const;
    // The row showing `type` (its name on disk), or -1.
    int rowOfType(const QString& type) const;
    // The first row whose type starts with `start`; failing that, the first
    // whose function number does, as Find has it: "595" finds 74HC595. -1
    // when none does.
    int rowStartingWith(const QString& start) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<IcRow> m_rows;
    QStringList m_headers{QString(), QString(), QString()};
};

// The view of `Liste`: typing moves to the first type that starts with what
// is typed; keys typed in quick succession add up, and a key that continues
// nothing starts a new search.
class IcListView : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;
    void keyboardSearch(const QString& search) override;

protected:
    void scrollContentsBy(int dx, int dy) override;

private:
    QString m_typed;
    QElapsedTimer m_sinceLastKey;
};

} // namespace pinatlas
