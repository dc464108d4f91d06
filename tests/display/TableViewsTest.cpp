#include "display/TableViews.h"
#include "display/DisplayTestSheets.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using namespace pinatlas::test;

TEST(ShowFunctionTable, ColumnWidthsAndTheCaptionsForEveryInputColumnCount) {
    // captions: "Inp" shown and its width; "Out" shown, its offset and width.
    struct Row {
        QStringList lines;
        int inputs;
        QList<int> widths;
        int width, height;
        std::tuple<bool, int, bool, int, int> captions;
    };
    const QStringList abc = {"A,BB,CCC"};
    const Row rows[] = {
        {{"A,B,OUT", "L,L,H", "H,H,L"}, 2, {360, 360, 520}, 1320, 800, {true, 720, true, 720, 580}},
        {abc, 1, {360, 440, 520}, 1400, 320, {true, 360, true, 360, 1020}},
        {abc, 0, {360, 440, 520}, 1400, 320, {false, 0, true, 0, 1380}},     // all outputs
        {abc, -3, {360, 440, 520}, 1400, 320, {false, 0, true, 0, 1380}},    // read as none
        {abc, 3, {360, 440, 520}, 1400, 320, {true, 1320, false, 1320, 60}}, // all inputs
        {abc, 9, {360, 440, 520}, 1400, 320, {true, 1320, false, 1320, 60}}, // read as all
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.inputs);
        Datasheet s = sheetWithPins(14);
        addFunctionTable(s, cellTable(row.lines), row.inputs);
        const FunctionTableView v = ShowFunctionTable(s);
        EXPECT_EQ(v.grid.columnWidths, row.widths);
        EXPECT_EQ(std::pair(v.grid.width, v.grid.height), std::pair(row.width, row.height));
        EXPECT_EQ(std::tuple(v.inputLabelShown, v.inputLabelWidth, v.outputLabelShown,
                             v.outputLabelOffset, v.outputLabelWidth),
                  row.captions);
    }
}

TEST(ShowFunctionTable, TheHeadingRowIsFixedAndOddSizesReadAsEmpty) {
    Datasheet s = sheetWithPins(14);
    addFunctionTable(s, cellTable(4, 5), 2);
    FunctionTableView v = ShowFunctionTable(s);
    EXPECT_EQ(std::pair(v.grid.fixedRows, v.grid.fixedColumns), std::pair(1, 0));
    EXPECT_EQ(v.grid.height, 1280);
    EXPECT_EQ(v.grid.cell(4, 3), "4.5");
    EXPECT_FALSE(v.grid.leftAligned(0));
    // A record whose sizes and cells disagree must not be read out of bounds.
    s.functionColumns = 5;
    s.functionRows = 6;
    v = ShowFunctionTable(s);
    EXPECT_EQ(v.grid.cell(5, 4), "");
    EXPECT_EQ(v.grid.cell(1, 1), "2.2");
    EXPECT_EQ(v.grid.columnWidths[4], 280);
}

TEST(ShowExtraTable, SizesByContentWithoutFixedCells) {
    struct Row {
        QStringList lines;
        QList<int> widths;
        int width, height;
    };
    const Row rows[] = {
        {{"Gate,Pins", "1,1 2 3"}, {600, 680}, 1360, 560},
        {{",,", ",,"}, {280, 280, 280}, 920, 560}, // all empty: 280 × columns + 80
        {{"x"}, {360}, 440, 320},
    };
    for (const Row& row : rows) {
        Datasheet s = sheetWithPins(2);
        addExtraTable(s, cellTable(row.lines));
        const GridContent g = ShowExtraTable(s);
        EXPECT_EQ(g.columnWidths, row.widths);
        EXPECT_EQ(std::pair(g.width, g.height), std::pair(row.width, row.height));
        EXPECT_EQ(g.fixedRows + g.fixedColumns, 0);
        EXPECT_EQ(g.cell(0, 0), row.lines[0].split(',')[0]);
    }
}

TEST(ShowDataTable, LabelsAndUnitByLanguage) {
    Datasheet s = sheetWithPins(14);
    addDataTable(s, cellTable(3, 9));
    const GridContent e = ShowDataTable(s, "E");
    EXPECT_EQ(std::pair(e.width, e.height), std::pair(5450, 2240));
    EXPECT_EQ(e.columnWidths, QList<int>({3000, 800, 800, 800}));
    EXPECT_EQ(std::pair(e.fixedRows, e.fixedColumns), std::pair(1, 1));
    EXPECT_TRUE(e.leftAligned(0) && !e.leftAligned(1));
    EXPECT_EQ(QStringList({e.cell(0, 0), e.cell(8, 0), e.cell(0, 3), e.cell(8, 3)}),
              QStringList({"Some important conditions (max.)",
                           "Output max delay, high to low level", "Unit", "3.9"}));
    for (const QString code : {"D", "", "X"}) {
        const GridContent d = ShowDataTable(s, code);
        EXPECT_EQ(QStringList({d.cell(0, 0), d.cell(1, 0), d.cell(0, 3)}),
                  QStringList({"Einige wichtige Betriebsdaten (max.)",
                               "Stromverbrauch - alle Ausgänge auf high", "3.1"}));
    }
}

TEST(ShowDataTable, RowCountsAroundTheNineLabels) {
    struct Row {
        int columns, rows, width;
        QStringList lastRow; // its label and cells
    };
    const Row rows[] = {
        {2, 12, 4650, {"", "1.12", "2.12"}}, // more rows than labels: empty labels
        {2, 4, 4650, {"High-level input current", "1.4", "2.4"}}, // fewer: only their labels
        {2, 0, 4650, {}},
        {0, 9, 3050, {"Output max delay, high to low level"}}, // no "Unit" without values
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rows);
        Datasheet s = sheetWithPins(14);
        addDataTable(s, cellTable(row.columns, row.rows));
        const GridContent g = ShowDataTable(s, "E");
        EXPECT_EQ(g.rows, row.rows);
        EXPECT_EQ(g.cells.size(), row.rows * (row.columns + 1));
        EXPECT_EQ(std::pair(g.width, g.height), std::pair(row.width, row.rows * 240 + 80));
        EXPECT_EQ(g.cells.mid(g.cells.size() - row.lastRow.size()), row.lastRow);
    }
    Datasheet labelsOnly = sheetWithPins(14);
    addDataTable(labelsOnly, cellTable(0, 9));
    EXPECT_EQ(ShowDataTable(labelsOnly, "E").cell(0, 0), "Some important conditions (max.)");
}
