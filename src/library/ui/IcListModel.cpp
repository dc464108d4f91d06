#include "library/ui/IcListModel.h"

#include "library/Names.h"
#include "library/PartIndex.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>

namespace pinatlas {
namespace {

const QString& cell(const IcRow& row, int column) {
    return column == 0 ? row.type : column == 1 ? row.description : row.pins;
}

} // namespace

void IcListModel::setRows(std::vector<IcRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void IcListModel::blank() {
    for (IcRow& row : m_rows)
        row = IcRow();
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, 0), index(int(m_rows.size()) - 1, 2));
}

void IcListModel::setHeaders(const QStringList& headers) {
    m_headers = headers;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 2);
}

QString IcListModel::typeAt(int row) const {
    return row >= 0 && row < int(m_rows.size()) ? m_rows[row].type : QString();
}

int IcListModel::rowOfType(const QString& type) const {
    for (int row = 0; row < int(m_rows.size()); ++row)
        if (!type.isEmpty() && m_rows[row].type == type)
            return row;
    return -1;
}

int IcListModel::rowStartingWith(const QString& start) const {
    const QString number = functionNumber(start);
    for (const bool byNumber : {false, true})
        for (int row = 0; row < int(m_rows.size()); ++row) {
            const QString shown = shownText(m_rows[row].type);
            if (byNumber ? !number.isEmpty() && functionNumber(shown).startsWith(number)
                         : !shown.isEmpty() && shown.startsWith(start, Qt::CaseInsensitive))
                return row;
        }
    return -1;
}

int IcListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, int(m_rows.size()));
}

int IcListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant IcListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const QString& text = cell(m_rows[index.row()], index.column());
    switch (role) {
    case Qt::DisplayRole:
    // The column widths cut long descriptions; the tooltip shows them whole.
    case Qt::ToolTipRole:
        return text.isEmpty() ? QVariant() : QVariant(shownText(text));
    case Qt::UserRole:
        return text;
    default:
        return {};
    }
}

QVariant IcListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return shownText(m_headers[section]);
    return {};
}

void IcListView::keyboardSearch(const QString& search) {
    auto* list = qobject_cast<IcListModel*>(model());
    if (!list || search.size() != 1 || !search[0].isLetterOrNumber())
        return;
    if (!m_sinceLastKey.isValid() ||
        m_sinceLastKey.elapsed() > QApplication::keyboardInputInterval())
        m_typed.clear();
    m_sinceLastKey.start();
    m_typed += search;
    int row = list->rowStartingWith(m_typed);
    if (row < 0) {
        m_typed = search;
        row = list->rowStartingWith(m_typed);
    }
    if (row >= 0 && row != currentIndex().row())
        setCurrentIndex(list->index(row, 0));
}

void IcListView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    if (verticalScrollMode() != ScrollPerItem)
        return;
    // At the end of its scroll bar the view lines the last row up with the
    // bottom and cuts the top row under the header; the list shows whole rows
    // from the top instead, as it does everywhere else.
    QHeaderView* rows = verticalHeader();
    const int top = rows->sectionPosition(rows->logicalIndex(verticalScrollBar()->value()));
    if (top >= 0 && rows->offset() != top) {
        rows->setOffset(top);
        viewport()->update();
    }
}

} // namespace pinatlas
