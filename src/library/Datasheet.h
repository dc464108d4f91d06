#pragma once

#include <QString>
#include <QStringList>

namespace pinatlas {

// Limits of the file format: a file beyond them is defective.
inline constexpr int kMaxPins = 40;
inline constexpr int kMaxFunctionColumns = 52;
inline constexpr int kMaxFunctionRows = 52;
inline constexpr int kMaxDataColumns = 52;
inline constexpr int kMaxDataRows = 52;
inline constexpr int kMaxExtraColumns = 100;
inline constexpr int kMaxExtraRows = 100;

// The cells of one table, addressed as the file counts them: column first,
// row second, both from 1; row 1 is the file's first table line.
class CellTable {
public:
    void resize(int columns, int rows) {
        m_columns = columns;
        m_rows = rows;
        m_cells = QStringList(qsizetype(columns) * rows);
    }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    const QString& at(int column, int row) const {
        return m_cells[qsizetype(row - 1) * m_columns + (column - 1)];
    }
    QString& at(int column, int row) {
        return m_cells[qsizetype(row - 1) * m_columns + (column - 1)];
    }
    bool operator==(const CellTable&) const = default;

private:
    int m_columns = 0;
    int m_rows = 0;
    QStringList m_cells;
};

// The one loaded datasheet.
struct Datasheet {
    QString fileName; // type + ".txt"
    QString descriptionDe;
    QString descriptionEn;
    qint16 pinCount = 0;
    QString outputType;
    QStringList pinNames; // pinNames[k - 1] is the name of pin k

    bool hasFunctionTable = false;
    int functionColumns = 0;
    qint16 functionRows = 0;
    qint16 functionInputColumns = 0;
    CellTable functionCells;

    bool hasDataTable = false;
    int dataColumns = 0;
    qint16 dataRows = 0;
    CellTable dataCells;

    bool hasExtraTable = false;
    int extraColumns = 0;
    qint16 extraRows = 0;
    CellTable extraCells;

    QString pinName(int pin) const {
        return pin >= 1 && pin <= pinNames.size() ? pinNames[pin - 1] : QString();
    }
    bool operator==(const Datasheet&) const = default;
};

} // namespace pinatlas
