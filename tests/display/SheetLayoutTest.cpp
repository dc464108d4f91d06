#include "display/SheetLayout.h"
#include "display/DisplayTestSheets.h"
#include "display/WindowLayout.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

// The designed main window at 96 dpi: Frame 7200 × 7440.
constexpr int kFrameWidth = 7200;
constexpr int kFrameHeight = 7440;

Datasheet exampleSheet() {
    Datasheet s = sheet7400();
    addDataTable(s, cellTable(3, 9));
    return s;
}

} // namespace

TEST(SetScrollRanges, TheWorkedExampleOfTheDesignedWindow) {
    const WindowArrangement a = arrangeWindow(11910, 8295 - 600, 15, 15);
    const SheetDisplay d = prepareSheetDisplay(exampleSheet(), 0, "E");
    EXPECT_EQ(contentHeight(d.content), 5995);
    const ScrollRanges r = SetScrollRanges(d.content, *a.frameWidth, *a.frameHeight, 15, 15);
    EXPECT_EQ(r.vMaximum, 1);
    EXPECT_EQ(r.vLargeChange, 6696);
    EXPECT_EQ(r.vSmallChange, 150);
    EXPECT_EQ(r.hMaximum, 7110 + 240 - 7200);
    EXPECT_EQ(r.hLargeChange, 6480);
    EXPECT_EQ(r.hSmallChange, 150);
}

TEST(SetScrollRanges, ContentHeightAddsOnlyVisibleElements) {
    struct Row {
        int comment;
        bool function, data, extra;
        int height;
    };
    // 14 pins: 1680; comment 3 lines: 660 + 240; function table of 5 rows:
    // 315 + 1280 + 240; data table of 9 rows: 2240 + 240; extra 2 rows: 560 + 240.
    const Row rows[] = {
        {0, false, false, false, 1680}, {3, false, false, false, 2580},
        {0, true, false, false, 3515},  {3, true, true, true, 1680 + 900 + 1835 + 2480 + 800},
        {0, false, false, true, 2480},
    };
    for (const Row& row : rows) {
        Datasheet s = exampleSheet();
        s.hasFunctionTable = row.function;
        s.hasDataTable = row.data;
        addExtraTable(s, cellTable({"Gate,Pins", "1,1 2 3"}));
        s.hasExtraTable = row.extra;
        const SheetDisplay d = prepareSheetDisplay(s, row.comment, "E");
        EXPECT_EQ(contentHeight(d.content), row.height) << row.comment << row.function;
        EXPECT_EQ(d.content.dokuHeight, row.comment * 220);
        const ScrollRanges r = SetScrollRanges(d.content, 3000, 2000, 15, 15);
        EXPECT_EQ(r.vMaximum, row.height + 960 - 2000);
    }
}

TEST(SetScrollRanges, TheWidthFloorAndHiddenGrids) {
    struct Row {
        int functionColumns, extraColumns;
        bool extraShown;
        int width;
    };
    const Row rows[] = {
        {1, 1, true, 7110}, // narrow tables: the floor
        {30, 1, true, 30 * 360 + 80},
        {1, 40, true, 40 * 360 + 80},
        {1, 40, false, 7110}, // a hidden wide grid counts 1 twip
    };
    for (const Row& row : rows) {
        Datasheet s = sheetWithPins(14);
        addFunctionTable(s, cellTable(row.functionColumns, 3, "x"), 1);
        addExtraTable(s, cellTable(row.extraColumns, 3, "y"));
        s.hasExtraTable = row.extraShown;
        const SheetDisplay d = prepareSheetDisplay(s, 0, "E");
        EXPECT_EQ(contentWidth(d.content), row.width);
        const ScrollRanges r = SetScrollRanges(d.content, 20000, 7440, 15, 15);
        EXPECT_EQ(r.hMaximum, std::max(1, row.width + 240 - 20000));
    }
    const SheetDisplay none = prepareSheetDisplay(sheetWithPins(14), 0, "D");
    EXPECT_EQ(none.content.funktionWidth, 1);
    EXPECT_EQ(none.content.datenWidth, 1);
    EXPECT_EQ(none.content.zusatzWidth, 1);
    EXPECT_FALSE(none.content.funktionVisible || none.content.datenVisible ||
                 none.content.zusatzVisible || none.content.dokuVisible);
    EXPECT_EQ(contentHeight(none.content), 1680);
}

TEST(SetScrollRanges, AVeryLongLeftPinNameStaysReachable) {
    const QString name(70, QChar('N'));
    const SheetDisplay d = prepareSheetDisplay(sheetWithPins(2, {name, "B"}), 0, "E");
    // The right name box ends at 71 × 110 + 240 + 840 + 240 + 2895 from the origin.
    EXPECT_EQ(contentWidth(d.content), 71 * 110 + 4215);
}

TEST(SetScrollRanges, MaximaAreAtLeastOneAndRoundHalvesToEven) {
    const SheetDisplay d = prepareSheetDisplay(sheetWithPins(2), 0, "E");
    const ScrollRanges fits = SetScrollRanges(d.content, 50000, 50000, 15, 15);
    EXPECT_EQ(fits.vMaximum, 1);
    EXPECT_EQ(fits.hMaximum, 1);
    // 7445 - 744.5 and 7435 - 743.5 end in halves.
    EXPECT_EQ(SetScrollRanges(d.content, 7445, 7435, 15, 15).hLargeChange, 6700);
    EXPECT_EQ(SetScrollRanges(d.content, 7445, 7435, 15, 15).vLargeChange, 6692);
    EXPECT_EQ(SetScrollRanges(d.content, 7445, 7435, 12, 12).vSmallChange, 120);
}

TEST(SetScrollRanges, TheLargestSheetNeedsMoreThanSixteenBits) {
    const SheetDisplay d = prepareSheetDisplay(largestSheet(), 0, "E");
    const ScrollRanges r = SetScrollRanges(d.content, 7200, 7440, 15, 15);
    // 4800 pins + 12875 function + 12800 data + 24320 extra.
    EXPECT_EQ(contentHeight(d.content), 4800 + 315 + 12560 + 240 + 12560 + 240 + 24080 + 240);
    EXPECT_GT(r.vMaximum, 32767);
    EXPECT_EQ(r.vMaximum, contentHeight(d.content) + 960 - 7440);
    // Columns 1-9 end in "c.100" (680), 10-99 in "cc.100" (760), 100 in "100.100".
    EXPECT_EQ(d.content.zusatzWidth, 9 * 680 + 90 * 760 + 840 + 80);
    EXPECT_GT(r.hMaximum, 32767);
    // At the far end the extra table's bottom right corner is inside Frame.
    const DatasheetPlacement p = PlaceDatasheet(d.content, r.hMaximum, r.vMaximum, 15);
    EXPECT_LE(p.zusatz.x + d.content.zusatzWidth, 7200);
    EXPECT_LE(p.zusatz.y + d.content.zusatzHeight, 7440);
    EXPECT_GE(p.zusatz.x + d.content.zusatzWidth, 7200 - 240);
}

TEST(PlaceDatasheet, StacksTheVisibleElementsInOrder) {
    Datasheet s = exampleSheet();
    addExtraTable(s, cellTable({"Gate,Pins", "1,1 2 3"}));
    const SheetDisplay d = prepareSheetDisplay(s, 3, "E");
    const DatasheetPlacement p = PlaceDatasheet(d.content, 0, 0, 15);
    EXPECT_EQ(p.package.pinsL, (TwipPoint{120, 360}));
    const int below = 240 + 600 + 240 * 7; // Y0 + 600 + 240 × pins per side
    EXPECT_EQ(p.doku, (TwipPoint{120, below}));
    EXPECT_EQ(p.inputLabel, (TwipPoint{120, below + 660 + 240}));
    EXPECT_EQ(p.outputLabel, (TwipPoint{120 + 720, below + 900}));
    EXPECT_EQ(p.funktion, (TwipPoint{120, below + 900 + 315}));
    EXPECT_EQ(p.daten, (TwipPoint{120, below + 900 + 315 + 1280 + 240}));
    EXPECT_EQ(p.zusatz, (TwipPoint{120, below + 900 + 1835 + 2240 + 240}));

    // Without comment and function table the data table moves up to the pins.
    s.hasFunctionTable = false;
    const DatasheetPlacement q = PlaceDatasheet(prepareSheetDisplay(s, 0, "E").content, 0, 0, 15);
    EXPECT_EQ(q.daten, (TwipPoint{120, below}));
    EXPECT_EQ(q.zusatz.y, below + 2240 + 240);
}
