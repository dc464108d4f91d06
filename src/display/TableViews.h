#pragma once

#include "library/Datasheet.h"
#include "library/Extent.h"
#include "shared/Language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace pinatlas {

// Table sizes in twips.
inline constexpr int kGridRowHeight = 240;
inline constexpr int kGridBorder = 80;        // added to the columns and rows for the grid's frame
inline constexpr int kTableLabelHeight = 315; // L_Input, L_Output
inline constexpr int kOutputLabelOverhang = 60;
inline constexpr int kDataLabelColumnWidth = 3000;
inline constexpr int kDataValueColumnWidth = 800;
inline constexpr int kDataTableExtraWidth = 50; // what the data grid adds to its columns
inline constexpr int kDataLabelRows = 9;        // the heading and the eight quantities

// Width of a function or extra table column whose longest text has `length`
// characters.
constexpr int columnWidth(qint64 length) {
    return clampExtent(80 * length + 280);
}

// The width in twips that a cell needs to show `text` whole, margins
// included, as the display measures it with its font. The rules above give a
// column's least width; a text that needs more widens its column. Without a
// measure the rules alone decide.
using TextWidth = std::function<int(const QString& text)>;

// What one grid shows: its cells in screen order, its column widths and its
// outer size. Fixed cells (a heading row, a label column) are drawn as such;
// the label column keeps the grid's default left alignment, every other cell
// is centred.
struct GridContent {
    int columns = 0;
    int rows = 0;
    int fixedRows = 0;
    int fixedColumns = 0;
    QStringList cells; // row after row, `columns` per row, counted from 0
    QList<int> columnWidths;
    int width = 0;
    int height = 0;

    const QString& cell(int row, int column) const { return cells[row * columns + column]; }
    QString& cell(int row, int column) { return cells[row * columns + column]; }
    bool leftAligned(int column) const { return column < fixedColumns; }
};

// The function table and the two captions over it. The captions' left edges
// are offsets from the grid's left edge.
struct FunctionTableView {
    GridContent grid;
    bool inputLabelShown = false; // "Inp" over the input columns
    int inputLabelWidth = 0;
    bool outputLabelShown = false; // "Out" over the output columns
    int outputLabelOffset = 0;
    int outputLabelWidth = 0;
};

// An input-column count outside 0..columns is taken as the nearest end of
// that range; a caption over no column at all is not shown.
FunctionTableView ShowFunctionTable(const Datasheet& sheet, const TextWidth& textWidth = {});

// The data table with the fixed labels of `language`. A table of fewer than
// nine rows gets the labels of the rows it has.
GridContent ShowDataTable(const Datasheet& sheet, Language language,
                          const TextWidth& textWidth = {});

GridContent ShowExtraTable(const Datasheet& sheet, const TextWidth& textWidth = {});

// The fixed row labels of the data table, rows 0 to 8.
QStringList dataTableLabels(Language language);

} // namespace pinatlas
