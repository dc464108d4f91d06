#pragma once

#include "display/TableViews.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QTableView>

#include <memory>

namespace pinatlas {

// The cells of one display grid as an item model: a whole table is handed
// over at once, so filling never repaints cell by cell.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setContent(const GridContent& content);
    const GridContent& content() const { return m_content; }
    // Columns and rows (grid numbering, from 0) drawn in the palette's
    // highlight colours.
    void setHighlight(const QList<int>& columns, const QList<int>& rows);
    bool highlighted(int row, int column) const {
        return m_columns.contains(column) || m_rows.contains(row);
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    GridContent m_content;
    QList<int> m_columns, m_rows;
};

// A read-only grid sized to its whole content: it never scrolls itself,
// only the drawing area around it does. Fixed rows and columns are part of
// the cells and drawn in the colour of fixed cells.
class TableGrid : public QTableView {
    Q_OBJECT
public:
    TableGrid(QWidget* parent, const QString& name);

    // Fills the grid and sets its column widths, row height and outer size.
    void fill(const GridContent& content);
    const GridContent& content() const { return m_model->content(); }
    // The cell text of grid row `row`, column `column`, both from 0.
    QString text(int row, int column) const;
    // Measures cell texts in this grid's font, for the column rules.
    TextWidth textWidth() const;
    void setHighlight(const QList<int>& columns, const QList<int>& rows) {
        m_model->setHighlight(columns, rows);
    }
    const GridModel* gridModel() const { return m_model; }

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    GridModel* m_model;
    // Pixel widths of the texts measured so far, in the font and resolution
    // they were measured in.
    mutable std::shared_ptr<QHash<QString, int>> m_advances;
    mutable QFont m_advancesFont;
    mutable int m_advancesDpi = 0;
};

} // namespace pinatlas
