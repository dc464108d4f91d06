#include "display/TableViews.h"
#include "display/DisplayTestSheets.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using namespace pinatlas::test;

TEST(ShowFunctionTable, TheColumnWidthExample) {
    Datasheet s = sheetWithPins(14);
    addFunctionTable(s, cellTable({"A,B,OUT", "L,L,H", "H,H,L"}), 2);
    const FunctionTableView v = ShowFunctionTable(s);
    EXPECT_EQ(v.grid.columnWidths, QList<int>({360, 360, 520}));
    EXPECT_TRUE(v.inputLabelShown);
    EXPECT_EQ(v.inputLabelWidth, 720);
    EXPECT_TRUE(v.outputLabelShown);
    EXPECT_EQ(v.outputLabelOffset, 720);
    EXPECT_EQ(v.outputLabelWidth, 580);
    EXPECT_EQ(v.grid.width, 1320);
    EXPECT_EQ(v.grid.height, 3 * 240 + 80);
}

TEST(ShowFunctionTable, TheHeadingRowIsFixedAndEveryCellKeepsItsPlace) {
    Datasheet s = sheetWithPins(14);
    addFunctionTable(s, cellTable(4, 5), 2);
    const FunctionTableView v = ShowFunctionTable(s);
    EXPECT_EQ(v.grid.rows, 5);
    EXPECT_EQ(v.grid.columns, 4);
    EXPECT_EQ(v.grid.fixedRows, 1);
    EXPECT_EQ(v.grid.fixedColumns, 0);
    EXPECT_EQ(v.grid.height, 1280);
    EXPECT_EQ(v.grid.cell(0, 0), "1.1");
    EXPECT_EQ(v.grid.cell(4, 3), "4.5");
    EXPECT_FALSE(v.grid.leftAligned(0));
}

TEST(ShowFunctionTable, TheCaptionsForEveryInputColumnCount) {
    // Columns of 360, 440 and 520 twips: one, two and three characters.
    Datasheet s = sheetWithPins(14);
    struct Row {
        int inputs;
        bool inputShown;
        int inputWidth;
        bool outputShown;
        int outputOffset;
        int outputWidth;
    };
    const Row rows[] = {
        {1, true, 360, true, 360, 1020},  {2, true, 800, true, 800, 580},
        {0, false, 0, true, 0, 1380},     // all outputs
        {-3, false, 0, true, 0, 1380},    // read as none
        {3, true, 1320, false, 1320, 60}, // all inputs
        {9, true, 1320, false, 1320, 60}, // read as all
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.inputs);
        addFunctionTable(s, cellTable({"A,BB,CCC"}), row.inputs);
        const FunctionTableView v = ShowFunctionTable(s);
        EXPECT_EQ(v.inputLabelShown, row.inputShown);
        EXPECT_EQ(v.inputLabelWidth, row.inputWidth);
        EXPECT_EQ(v.outputLabelShown, row.outputShown);
        EXPECT_EQ(v.outputLabelOffset, row.outputOffset);
        if (row.outputShown) {
            EXPECT_EQ(v.outputLabelWidth, row.outputWidth);
        }
    }
}

TEST(ShowExtraTable, SizesByContentWithoutFixedCells) {
    struct Row {
        QStringList lines;
        QList<int> widths;
        int width;
        int height;
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
        EXPECT_EQ(g.width, row.width);
        EXPECT_EQ(g.height, row.height);
        EXPECT_EQ(g.fixedRows, 0);
        EXPECT_EQ(g.fixedColumns, 0);
        EXPECT_EQ(g.cell(0, 0), row.lines[0].split(',')[0]);
    }
    Datasheet big = sheetWithPins(2);
    addExtraTable(big, cellTable(100, 100));
    const GridContent g = ShowExtraTable(big);
    EXPECT_EQ(g.cell(99, 99), "100.100");
    EXPECT_EQ(g.height, 100 * 240 + 80);
}

TEST(ShowDataTable, LabelsAndUnitByLanguage) {
    Datasheet s = sheetWithPins(14);
    addDataTable(s, cellTable(3, 9));
    const GridContent e = ShowDataTable(s, "E");
    EXPECT_EQ(e.width, 5450);
    EXPECT_EQ(e.height, 2240);
    EXPECT_EQ(e.columnWidths, QList<int>({3000, 800, 800, 800}));
    EXPECT_EQ(e.fixedRows, 1);
    EXPECT_EQ(e.fixedColumns, 1);
    EXPECT_EQ(e.cell(0, 0), "Some important conditions (max.)");
    EXPECT_EQ(e.cell(8, 0), "Output max delay, high to low level");
    EXPECT_EQ(e.cell(0, 3), "Unit");
    EXPECT_EQ(e.cell(0, 1), "1.1");
    EXPECT_EQ(e.cell(8, 3), "3.9");
    EXPECT_TRUE(e.leftAligned(0));
    EXPECT_FALSE(e.leftAligned(1));

    for (const QString code : {"D", "", "X"}) {
        const GridContent d = ShowDataTable(s, code);
        EXPECT_EQ(d.cell(0, 0), "Einige wichtige Betriebsdaten (max.)");
        EXPECT_EQ(d.cell(1, 0), "Stromverbrauch - alle Ausgänge auf high");
        EXPECT_EQ(d.cell(0, 3), "3.1"); // the file's own heading
    }
}

TEST(ShowDataTable, RowCountsAroundTheNineLabels) {
    Datasheet s = sheetWithPins(14);
    addDataTable(s, cellTable(2, 12));
    const GridContent more = ShowDataTable(s, "E");
    EXPECT_EQ(more.rows, 12);
    EXPECT_EQ(more.cell(9, 0), "");
    EXPECT_EQ(more.cell(11, 0), "");
    EXPECT_EQ(more.cell(11, 2), "2.12");

    // Fewer rows than labels: only the rows the table has get one.
    addDataTable(s, cellTable(2, 4));
    const GridContent fewer = ShowDataTable(s, "E");
    EXPECT_EQ(fewer.rows, 4);
    EXPECT_EQ(fewer.cells.size(), 4 * 3);
    EXPECT_EQ(fewer.cell(3, 0), "High-level input current");
    EXPECT_EQ(fewer.height, 4 * 240 + 80);

    addDataTable(s, cellTable(2, 0));
    const GridContent none = ShowDataTable(s, "E");
    EXPECT_EQ(none.rows, 0);
    EXPECT_TRUE(none.cells.isEmpty());
    EXPECT_EQ(none.height, 80);

    // Without value columns the label heading stays and no "Unit" replaces it.
    addDataTable(s, cellTable(0, 9));
    s.dataColumns = 0;
    const GridContent labelsOnly = ShowDataTable(s, "E");
    EXPECT_EQ(labelsOnly.cell(0, 0), "Some important conditions (max.)");
    EXPECT_EQ(labelsOnly.width, 3050);
}

TEST(TableViews, CountsBeyondTheRecordsCellsReadAsEmpty) {
    // A record whose sizes and cells disagree must not be read out of bounds.
    Datasheet s = sheetWithPins(2);
    addFunctionTable(s, cellTable(2, 2), 1);
    s.functionColumns = 3;
    s.functionRows = 4;
    const FunctionTableView v = ShowFunctionTable(s);
    EXPECT_EQ(v.grid.cell(3, 2), "");
    EXPECT_EQ(v.grid.cell(1, 1), "2.2");
    EXPECT_EQ(v.grid.columnWidths[2], 280);
}
