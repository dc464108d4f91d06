#pragma once

#include "library/Datasheet.h"

#include <QString>
#include <QStringList>

namespace pinatlas::test {

// Datasheet records built directly, without the file reader.

// `pins` pins named after the pattern, pin k named "P<k>" unless given.
inline Datasheet sheetWithPins(int pins, const QStringList& names = {}) {
    Datasheet s;
    s.pinCount = qint16(pins);
    for (int k = 1; k <= pins; ++k)
        s.pinNames << (k <= names.size() ? names[k - 1] : QStringLiteral("P%1").arg(k));
    return s;
}

// A table whose cell [c][r] reads "<c>.<r>" unless `fill` is given.
inline CellTable cellTable(int columns, int rows, const QString& fill = {}) {
    CellTable t;
    t.resize(columns, rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            t.at(c, r) = fill.isNull() ? QStringLiteral("%1.%2").arg(c).arg(r) : fill;
    return t;
}

// Rows given as comma-separated texts, as the file holds them.
inline CellTable cellTable(const QStringList& rows) {
    CellTable t;
    const int columns = rows.isEmpty() ? 0 : int(rows.first().split(',').size());
    t.resize(columns, int(rows.size()));
    for (int r = 1; r <= rows.size(); ++r) {
        const QStringList cells = rows[r - 1].split(',');
        for (int c = 1; c <= columns; ++c)
            t.at(c, r) = cells.value(c - 1);
    }
    return t;
}

inline void addFunctionTable(Datasheet& s, const CellTable& cells, int inputs) {
    s.hasFunctionTable = true;
    s.functionColumns = cells.columns();
    s.functionRows = qint16(cells.rows());
    s.functionInputColumns = qint16(inputs);
    s.functionCells = cells;
}

inline void addDataTable(Datasheet& s, const CellTable& cells) {
    s.hasDataTable = true;
    s.dataColumns = cells.columns();
    s.dataRows = qint16(cells.rows());
    s.dataCells = cells;
}

inline void addExtraTable(Datasheet& s, const CellTable& cells) {
    s.hasExtraTable = true;
    s.extraColumns = cells.columns();
    s.extraRows = qint16(cells.rows());
    s.extraCells = cells;
}

// The 7400: quad 2-input NAND gates, with a 5-row function table.
inline Datasheet sheet7400() {
    Datasheet s = sheetWithPins(
        14, {"1A", "1B", "1Y", "2A", "2B", "2Y", "GND", "3Y", "3A", "3B", "4Y", "4A", "4B", "VCC"});
    addFunctionTable(s, cellTable({"A,B,Y", "L,L,H", "L,H,H", "H,L,H", "H,H,L"}), 2);
    return s;
}

} // namespace pinatlas::test
