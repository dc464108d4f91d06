#include "display/TableViews.h"
#include "display/DisplayTestSheets.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace pinatlas;
using namespace pinatlas::test;

TEST(ShowFunctionTable, ColumnWidthsAndTheCaptionsForEveryInputColumnCount) {
    // Cells, input columns, column widths, then "Inp" shown and its width and
    // "Out" shown, its offset and width.
    const QStringList abc = {"A,BB,CCC"};
    const QList<int> abcWidths = {360, 440, 520}; // one, two and three characters
    const std::tuple<QStringList, int, QList<int>, std::tuple<bool, int, bool, int, int>> rows[] = {
        {{"A,B,OUT", "L,L,H", "H,H,L"}, 2, {360, 360, 520}, {true, 720, true, 720, 580}},
        {abc, 1, abcWidths, {true, 360, true, 360, 1020}},
        {abc, 0, abcWidths, {false, 0, true, 0, 1380}},     // all outputs
        {abc, -3, abcWidths, {false, 0, true, 0, 1380}},    // read as none
        {abc, 3, abcWidths, {true, 1320, false, 1320, 60}}, // all inputs
        {abc, 9, abcWidths, {true, 1320, false, 1320, 60}}, // read as all
    };
    for (const auto& [lines, inputs, widths, captions] : rows) {
        SCOPED_TRACE(inputs);
        Datasheet s = sheetWithPins(14);
        addFunctionTable(s, cellTable(lines), inputs);
        const FunctionTableView v = ShowFunctionTable(s);
        EXPECT_EQ(v.grid.columnWidths, widths);
        const int sum = std::accumulate(widths.begin(), widths.end(), 0);
        EXPECT_EQ(std::pair(v.grid.width, v.grid.height),
                  std::pair(sum + 80, int(lines.size()) * 240 + 80));
        EXPECT_EQ(std::tuple(v.inputLabelShown, v.inputLabelWidth, v.outputLabelShown,
                             v.outputLabelOffset, v.outputLabelWidth),
                  captions);
    }
}

// A record whose sizes and cells disagree must not be read out of bounds.
TEST(ShowFunctionTable, TheHeadingRowIsFixedAndCellsBeyondTheRecordReadAsEmpty) {
    Datasheet s = sheetWithPins(14);
    addFunctionTable(s, cellTable(4, 5), 2);
    s.functionColumns = 5;
    s.functionRows = 6;
    const GridContent g = ShowFunctionTable(s).grid;
    EXPECT_EQ(std::tuple(g.fixedRows, g.fixedColumns, g.height, g.cell(4, 3), g.cell(5, 4),
                         g.columnWidths[4]),
              std::tuple(1, 0, 1520, QString("4.5"), QString(""), 280));
}

TEST(ShowDataTable, LabelsAndUnitByLanguageAroundTheNineRows) {
    const struct {
        Language language;
        int columns, count, width; // value columns and rows
        const char *first, *last;  // the first and the last row, cells joined by '|'
    } rows[] = {
        {Language::English, 3, 9, 5450, "Some important conditions (max.)|1.1|2.1|Unit",
         "Output max delay, high to low level|1.9|2.9|3.9"},
        {Language::German, 1, 2, 3850, "Einige wichtige Betriebsdaten (max.)|1.1",
         "Stromverbrauch - alle Ausgänge auf high|1.2"},
        {Language::German, 1, 1, 3850, "Einige wichtige Betriebsdaten (max.)|1.1",
         "Einige wichtige Betriebsdaten (max.)|1.1"},
        {Language::English, 2, 12, 4650, "Some important conditions (max.)|1.1|Unit", "|1.12|2.12"},
        {Language::English, 2, 4, 4650, "Some important conditions (max.)|1.1|Unit",
         "High-level input current|1.4|2.4"}, // only their labels
        {Language::English, 2, 0, 4650, "", ""},
        {Language::English, 0, 9, 3050,
         "Some important conditions (max.)", // no "Unit" without values
         "Output max delay, high to low level"},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(c.first);
        Datasheet s = sheetWithPins(14);
        addDataTable(s, cellTable(c.columns, c.count));
        const GridContent g = ShowDataTable(s, c.language);
        EXPECT_EQ(
            std::tuple(g.rows, g.cells.size(), g.width, g.height, g.fixedRows, g.fixedColumns),
            std::tuple(c.count, c.count * (c.columns + 1), c.width, c.count * 240 + 80, c.count > 0,
                       1));
        const qsizetype n = c.count > 0 ? c.columns + 1 : 0;
        EXPECT_EQ(g.cells.mid(0, n).join('|'), QString::fromUtf8(c.first));
        EXPECT_EQ(g.cells.mid(g.cells.size() - n).join('|'), QString::fromUtf8(c.last));
    }
}
