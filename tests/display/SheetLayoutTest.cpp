#include "display/SheetLayout.h"
#include "display/DisplayTestSheets.h"
#include "display/WindowLayout.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

Datasheet exampleSheet() {
    Datasheet s = sheet7400();
    addDataTable(s, cellTable(3, 9));
    addExtraTable(s, cellTable({"Gate,Pins", "1,1 2 3"}));
    return s;
}

// Vertical maximum, small and large change, then the same horizontally.
std::vector<int> ranges(const DrawingContent& c, int width, int height, int pixel = 15) {
    const ScrollRanges r = SetScrollRanges(c, width, height, pixel, pixel);
    return {r.vMaximum, r.vSmallChange, r.vLargeChange, r.hMaximum, r.hSmallChange, r.hLargeChange};
}

} // namespace

TEST(ArrangeWindow, TheWorkedExampleAndTooSmallWindows) {
    const WindowArrangement a = arrangeWindow(11910, 8295 - 600, 15, 15);
    // Liste height; Frame left, top, width, height; VScroll left, top, height;
    // HScroll left, top, width; Info left, width.
    EXPECT_EQ(
        std::vector<int>({*a.listHeight, a.frameLeft, a.frameTop, *a.frameWidth, *a.frameHeight,
                          a.vScroll.left, a.vScroll.top, a.vScroll.height, a.hScroll.left,
                          a.hScroll.top, a.hScroll.width, a.infoLeft, a.infoWidth}),
        std::vector<int>(
            {7695, 4335, 600, 7200, 7440, 11535, 600, 7440, 4335, 8040, 7200, 4335, 7200}));
    EXPECT_EQ(a.fieldLineX, (TwipLine{4320, 585, 11790, 585}));
    EXPECT_EQ(a.fieldLineY, (TwipLine{4320, 600, 4320, 8295}));

    // Too narrow and too low: the frame keeps its size and the rest goes on from it.
    const WindowArrangement n = arrangeWindow(3000, 100, 15, 15, 600, {7000, 6000, 2000});
    EXPECT_EQ(std::tuple(n.frameWidth.has_value(), n.frameHeight.has_value(), n.vScroll.left,
                         n.vScroll.height, n.hScroll.width),
              std::tuple(false, false, 4335 + 2000, 6000, 2000));
    // Just enough room gives a frame of no size.
    const WindowArrangement z = arrangeWindow(4710, 255, 15, 15);
    EXPECT_EQ(std::pair(z.frameWidth, z.frameHeight),
              std::pair(std::optional(0), std::optional(0)));
}

TEST(SetScrollRanges, ContentHeightAddsOnlyVisibleElements) {
    // Comment lines, function, data and extra table shown, then the height:
    // 14 pins 1680; comment 3 lines 660 + 240; function table of 5 rows
    // 315 + 1280 + 240; data table of 9 rows 2240 + 240; extra 2 rows 560 + 240.
    const std::tuple<int, bool, bool, bool, int> rows[] = {
        {0, false, false, false, 1680}, {3, false, false, false, 2580},
        {0, true, false, false, 3515},  {3, true, true, true, 1680 + 900 + 1835 + 2480 + 800},
        {0, false, false, true, 2480},
    };
    for (const auto& [comment, function, data, extra, height] : rows) {
        Datasheet s = exampleSheet();
        s.hasFunctionTable = function;
        s.hasDataTable = data;
        s.hasExtraTable = extra;
        const SheetDisplay d = prepareSheetDisplay(s, comment, Language::English);
        EXPECT_EQ(contentHeight(d.content), height);
        EXPECT_EQ(d.content.commentHeight, comment * 220);
        EXPECT_EQ(ranges(d.content, 3000, 2000)[0], height + 960 - 2000);
    }
}

TEST(SetScrollRanges, TheWidthFloorAndHiddenGrids) {
    // Function and extra table columns, extra table shown, then the width.
    const std::tuple<int, int, bool, int> rows[] = {
        {1, 1, true, 7110}, // narrow tables: the floor
        {30, 1, true, 30 * 360 + 80},
        {1, 40, true, 40 * 360 + 80},
        {1, 40, false, 7110}, // a hidden wide grid counts 1 twip
    };
    for (const auto& [functionColumns, extraColumns, extraShown, width] : rows) {
        Datasheet s = sheetWithPins(14);
        addFunctionTable(s, cellTable(functionColumns, 3, "x"), 1);
        addExtraTable(s, cellTable(extraColumns, 3, "y"));
        s.hasExtraTable = extraShown;
        const SheetDisplay d = prepareSheetDisplay(s, 0, Language::English);
        EXPECT_EQ(contentWidth(d.content), width);
        EXPECT_EQ(ranges(d.content, 7200, 7440)[3], std::max(1, width + 240 - 7200));
    }
    // A very long left pin name stays reachable: the right name box ends at
    // 71 × 110 + 240 + 840 + 240 + 2895 from the origin.
    const QString name(70, QChar('N'));
    const SheetDisplay d = prepareSheetDisplay(sheetWithPins(2, {name, "B"}), 0, Language::English);
    EXPECT_EQ(contentWidth(d.content), 71 * 110 + 4215);
}

TEST(SetScrollRanges, MaximaAreAtLeastOneAndRoundHalvesToEven) {
    const DrawingContent c = prepareSheetDisplay(sheetWithPins(2), 0, Language::English).content;
    EXPECT_EQ(ranges(c, 50000, 50000), std::vector<int>({1, 150, 45000, 1, 150, 45000}));
    // 7445 - 744.5 and 7435 - 743.5 end in halves.
    EXPECT_EQ(ranges(c, 7445, 7435), std::vector<int>({1, 150, 6692, 1, 150, 6700}));
    EXPECT_EQ(ranges(c, 7445, 7435, 12)[1], 120);
}

TEST(PlaceDatasheet, StacksTheVisibleElementsInOrder) {
    const Datasheet s = exampleSheet();
    const DatasheetPlacement p =
        PlaceDatasheet(prepareSheetDisplay(s, 3, Language::English).content, 0, 0, 15);
    const int below = 240 + 600 + 240 * 7; // Y0 + 600 + 240 × pins per side
    // Doku, L_Input, Funktion, Daten and Zusatz one below the other at the left
    // edge: comment 660 + 240, caption 315, function table 1280 + 240, data
    // table 2240 + 240. L_Output stands beside L_Input.
    EXPECT_EQ((std::vector{p.comment.y, p.inputLabel.y, p.function.y, p.data.y, p.extra.y}),
              (std::vector{below, below + 900, below + 1215, below + 2735, below + 5215}));
    EXPECT_EQ((std::vector{p.comment.x, p.function.x, p.extra.x, p.outputLabel.x, p.outputLabel.y}),
              (std::vector{120, 120, 120, 120 + 720, below + 900}));
}

// Texts that a file under the size limit can hold: sizes stay positive and
// clamped instead of wrapping.
TEST(PrepareSheetDisplay, HugeTextsGiveClampedSizes) {
    Datasheet s = sheetWithPins(2, {QString(20'000'000, 'x')});
    addExtraTable(s, cellTable(100, 1, QString(270'000, 'c')));
    const DrawingContent c = prepareSheetDisplay(s, 10'000'000, Language::English).content;
    for (const int size :
         {c.pins.widthL, c.commentHeight, c.extraWidth, fullFrameWidth(c), fullFrameHeight(c)})
        EXPECT_GT(size, 0);
}

TEST(CommentAsShown, CutsWhatTheBoxCannotShowAndSaysWhere) {
    const QStringList fits = {"a", "b"};
    EXPECT_EQ(commentAsShown(fits, Language::English), fits);

    const qsizetype room = kMaxExtent / kCommentLineHeight;
    QStringList many(room + 5, QStringLiteral("x"));
    many[2] = QString(5'000'000, 'y');
    const QStringList shown = commentAsShown(many, Language::English);
    ASSERT_EQ(shown.size(), room);
    EXPECT_EQ(shown[2], QString(kMaxCommentLineChars, 'y') + u'…');
    EXPECT_EQ(shown.back(),
              QStringLiteral("[1 line(s) from line 3 on cut after 1000 characters. The comment "
                             "is cut here: lines %1 to %2 do not fit the display.]")
                  .arg(room)
                  .arg(room + 5));
    EXPECT_EQ(commentAsShown({QString(1001, 'z')}, Language::German).back(),
              "[1 Zeile(n) ab Zeile 1 nach 1000 Zeichen gekürzt.]");
}
