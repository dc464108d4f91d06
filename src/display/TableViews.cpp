#include "display/TableViews.h"

#include <algorithm>

namespace pinatlas {

namespace {

// A cell the record does not hold reads as empty rather than out of bounds.
QString cellOf(const CellTable& table, int column, int row) {
    if (column < 1 || row < 1 || column > table.columns() || row > table.rows())
        return {};
    return table.at(column, row);
}

GridContent emptyGrid(int columns, int rows) {
    GridContent grid;
    grid.columns = std::max(columns, 0);
    grid.rows = std::max(rows, 0);
    grid.cells = QStringList(qsizetype(grid.columns) * grid.rows);
    grid.height = grid.rows * kGridRowHeight + kGridBorder;
    return grid;
}

// Copies the file's cells into the grid, file column c into grid column
// c - 1 + offset, file row r into grid row r - 1.
void copyCells(GridContent& grid, const CellTable& table, int columnOffset) {
    for (int r = 1; r <= grid.rows; ++r)
        for (int c = 1; c + columnOffset <= grid.columns; ++c)
            grid.cell(r - 1, c - 1 + columnOffset) = cellOf(table, c, r);
}

// Sets the columns' widths by their longest texts and returns the sum.
int sizeColumnsByContent(GridContent& grid, const TextWidth& textWidth) {
    qint64 sum = 0;
    grid.columnWidths.clear();
    for (int c = 0; c < grid.columns; ++c) {
        qsizetype longest = 0;
        int measured = 0;
        for (int r = 0; r < grid.rows; ++r) {
            longest = std::max(longest, grid.cell(r, c).size());
            if (textWidth)
                measured = std::max(measured, textWidth(grid.cell(r, c)));
        }
        grid.columnWidths << std::max(columnWidth(longest), clampExtent(measured));
        sum += grid.columnWidths.last();
    }
    grid.width = clampExtent(sum + kGridBorder);
    return clampExtent(sum);
}

} // namespace

FunctionTableView ShowFunctionTable(const Datasheet& sheet, const TextWidth& textWidth) {
    FunctionTableView view;
    GridContent& grid = view.grid;
    grid = emptyGrid(sheet.functionColumns, sheet.functionRows);
    grid.fixedRows = grid.rows > 0 ? 1 : 0;
    copyCells(grid, sheet.functionCells, 0);
    const int sum = sizeColumnsByContent(grid, textWidth);

    const int inputs = std::clamp(int(sheet.functionInputColumns), 0, grid.columns);
    qint64 inputs64 = 0;
    for (int c = 0; c < inputs; ++c)
        inputs64 += grid.columnWidths[c];
    const int inputWidth = clampExtent(inputs64);
    view.inputLabelShown = inputs > 0;
    view.inputLabelWidth = inputWidth;
    view.outputLabelShown = inputs < grid.columns;
    view.outputLabelOffset = inputWidth;
    view.outputLabelWidth = sum - inputWidth + kOutputLabelOverhang;
    return view;
}

QStringList dataTableLabels(Language language) {
    if (language == Language::English)
        return {QStringLiteral("Some important conditions (max.)"),
                QStringLiteral("Supply current with all outputs high"),
                QStringLiteral("Supply current with all outputs low"),
                QStringLiteral("High-level input current"),
                QStringLiteral("Low-level input current"),
                QStringLiteral("High-level output current"),
                QStringLiteral("Low-level output current"),
                QStringLiteral("Output max delay, low to high level"),
                QStringLiteral("Output max delay, high to low level")};
    return {QStringLiteral("Einige wichtige Betriebsdaten (max.)"),
            QStringLiteral("Stromverbrauch - alle Ausgänge auf high"),
            QStringLiteral("Stromverbrauch - alle Ausgänge auf low"),
            QStringLiteral("High-level Eingangsstrom"),
            QStringLiteral("Low-level Eingangsstrom"),
            QStringLiteral("High-level Ausgangs-Belastbarkeit"),
            QStringLiteral("Low-level Ausgangs-Belastbarkeit"),
            QStringLiteral("Ausgangsverzögerung - low zu high"),
            QStringLiteral("Ausgangsverzögerung - high zu low")};
}

GridContent ShowDataTable(const Datasheet& sheet, Language language, const TextWidth& textWidth) {
    const int values = std::max(sheet.dataColumns, 0);
    GridContent grid = emptyGrid(values + 1, sheet.dataRows);
    grid.fixedRows = grid.rows > 0 ? 1 : 0;
    grid.fixedColumns = 1;
    copyCells(grid, sheet.dataCells, 1);

    const QStringList labels = dataTableLabels(language);
    for (int r = 0; r < std::min(grid.rows, int(labels.size())); ++r)
        grid.cell(r, 0) = labels[r];
    // Without a value column the last column is the label column: its heading
    // stays the label.
    if (language == Language::English && grid.rows > 0 && values > 0)
        grid.cell(0, values) = QStringLiteral("Unit");

    for (int c = 0; c <= values; ++c) {
        int width = c == 0 ? kDataLabelColumnWidth : kDataValueColumnWidth;
        for (int r = 0; textWidth && r < grid.rows; ++r)
            width = std::max(width, textWidth(grid.cell(r, c)));
        grid.columnWidths << width;
        grid.width += width;
    }
    grid.width += kDataTableExtraWidth;
    return grid;
}

GridContent ShowExtraTable(const Datasheet& sheet, const TextWidth& textWidth) {
    GridContent grid = emptyGrid(sheet.extraColumns, sheet.extraRows);
    copyCells(grid, sheet.extraCells, 0);
    sizeColumnsByContent(grid, textWidth);
    return grid;
}

} // namespace pinatlas
