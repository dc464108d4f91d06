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

TEST(ShowFunctionTable, TheHeadingRowIsFixedAndOddSizesReadAsEmpty) {
    Datasheet s = sheetWithPins(14);
    addFunctionTable(s, cellTable(4, 5), 2);
    FunctionTableView v = ShowFunctionTable(s);
    EXPECT_EQ(std::pair(v.grid.fixedRows, v.grid.fixedColumns), std::pair(1, 0));
    EXPECT_EQ(v.grid.height, 1280);
    EXPECT_EQ(v.grid.cell(4, 3), "4.5");
    // A record whose sizes and cells disagree must not be read out of bounds.
    s.functionColumns = 5;
    s.functionRows = 6;
    v = ShowFunctionTable(s);
    EXPECT_EQ(v.grid.cell(5, 4), "");
    EXPECT_EQ(v.grid.cell(1, 1), "2.2");
    EXPECT_EQ(v.grid.columnWidths[4], 280);
}

TEST(ShowExtraTable, SizesByContentWithoutFixedCells) {
    const std::tuple<QStringList, QList<int>, int, int> rows[] = {
        {{"Gate,Pins", "1,1 2 3"}, {600, 680}, 1360, 560},
        {{",,", ",,"}, {280, 280, 280}, 920, 560}, // all empty: 280 × columns + 80
        {{"x"}, {360}, 440, 320},
    };
    for (const auto& [lines, widths, width, height] : rows) {
        Datasheet s = sheetWithPins(2);
        addExtraTable(s, cellTable(lines));
        const GridContent g = ShowExtraTable(s);
        EXPECT_EQ(g.columnWidths, widths);
        EXPECT_EQ(std::pair(g.width, g.height), std::pair(width, height));
        EXPECT_EQ(g.fixedRows + g.fixedColumns, 0);
        EXPECT_EQ(g.cell(0, 0), lines[0].split(',')[0]);
    }
}

TEST(ShowDataTable, LabelsAndUnitByLanguage) {
    Datasheet s = sheetWithPins(14);
    addDataTable(s, cellTable(3, 9));
    const GridContent e = ShowDataTable(s, Language::English);
    EXPECT_EQ(std::pair(e.width, e.height), std::pair(5450, 2240));
    EXPECT_EQ(e.columnWidths, QList<int>({3000, 800, 800, 800}));
    EXPECT_EQ(std::pair(e.fixedRows, e.fixedColumns), std::pair(1, 1));
    EXPECT_TRUE(e.leftAligned(0) && !e.leftAligned(1));
    EXPECT_EQ(QStringList({e.cell(0, 0), e.cell(8, 0), e.cell(0, 3), e.cell(8, 3)}),
              QStringList({"Some important conditions (max.)",
                           "Output max delay, high to low level", "Unit", "3.9"}));
    for (const Language code : {Language::German}) {
        const GridContent d = ShowDataTable(s, code);
        EXPECT_EQ(QStringList({d.cell(0, 0), d.cell(1, 0), d.cell(0, 3)}),
                  QStringList({"Einige wichtige Betriebsdaten (max.)",
                               "Stromverbrauch - alle Ausgänge auf high", "3.1"}));
    }
}

TEST(ShowDataTable, RowCountsAroundTheNineLabels) {
    // Value columns, rows, width, then the last row: its label and cells.
    const std::tuple<int, int, int, QStringList> rows[] = {
        {2, 12, 4650, {"", "1.12", "2.12"}}, // more rows than labels: empty labels
        {2, 4, 4650, {"High-level input current", "1.4", "2.4"}}, // fewer: only their labels
        {2, 0, 4650, {}},
        {0, 9, 3050, {"Output max delay, high to low level"}}, // no "Unit" without values
    };
    for (const auto& [columns, count, width, lastRow] : rows) {
        SCOPED_TRACE(count);
        Datasheet s = sheetWithPins(14);
        addDataTable(s, cellTable(columns, count));
        const GridContent g = ShowDataTable(s, Language::English);
        EXPECT_EQ(g.rows, count);
        EXPECT_EQ(g.cells.size(), count * (columns + 1));
        EXPECT_EQ(std::pair(g.width, g.height), std::pair(width, count * 240 + 80));
        EXPECT_EQ(g.cells.mid(g.cells.size() - lastRow.size()), lastRow);
        if (columns == 0) {
            EXPECT_EQ(g.cell(0, 0), "Some important conditions (max.)");
        }
    }
}
