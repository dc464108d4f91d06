#include "display/SheetPages.h"
#include "display/DisplayTestSheets.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

// Every character 100 twips wide; the printable area of A4 with 15 mm margins.
const PrintTextWidth kWidth = [](PrintFont, const QString& text) { return 100.0 * text.size(); };
constexpr int kPageWidth = 10205;
constexpr int kPageHeight = 15137;

PrintedSheet print(const Datasheet& sheet, const QStringList& comment = {}) {
    return composePrintedSheet(sheet, comment, QStringLiteral("TITLE"), Language::English,
                               kPageWidth, kPageHeight, kWidth);
}

const PrintText* find(const PrintedPage& page, const QString& text) {
    const auto it = std::find_if(page.texts.begin(), page.texts.end(),
                                 [&](const PrintText& t) { return t.text == text; });
    return it == page.texts.end() ? nullptr : &*it;
}

QStringList texts(const PrintedSheet& printed) {
    QStringList all;
    for (const PrintedPage& page : printed.pages)
        for (const PrintText& t : page.texts)
            all << t.text;
    return all;
}

} // namespace

TEST(SheetPages, PutsTheCommentBesideThePackageAndTablesSideBySideBelow) {
    Datasheet sheet = sheetWithPins(14);
    addFunctionTable(sheet, cellTable(3, 5), 2);
    addDataTable(sheet, cellTable(2, 9, QStringLiteral("v")));
    const PrintedSheet printed = print(sheet, {"first comment line", "second"});
    ASSERT_EQ(printed.pages.size(), 1u);
    EXPECT_EQ(printed.scale, 1.0);
    const PrintedPage& page = printed.pages[0];
    // Four outline edges and a whole stub for every pin.
    const auto stubs = std::count_if(page.lines.begin(), page.lines.end(), [](const PrintLine& l) {
        return l.y1 == l.y2 && l.x2 - l.x1 == 240;
    });
    EXPECT_EQ(stubs, 14);
    for (const char* pin : {"P1", "P7", "P8", "P14", " 1", " 14"})
        EXPECT_NE(find(page, pin), nullptr) << pin;
    const PrintText* comment = find(page, "first comment line");
    const PrintText* rightName = find(page, "P14");
    ASSERT_TRUE(comment && rightName);
    EXPECT_GT(comment->box.x, rightName->box.x);
    EXPECT_EQ(comment->box.y, find(page, "P1")->box.y - 120);
    const PrintText* inp = find(page, "Inp");
    const PrintText* label = find(page, "Some important conditions (max.)");
    ASSERT_TRUE(inp && label);
    EXPECT_GT(inp->box.y, find(page, "P7")->box.y);
    EXPECT_EQ(label->box.y, inp->box.y);
    EXPECT_GT(label->box.x, find(page, "3.1")->box.x);

    // A line too long for its room breaks between words and loses no letter.
    QStringList words;
    for (int i = 1; i <= 40; ++i)
        words << QStringLiteral("word%1").arg(i);
    QStringList lines;
    for (const QString& t : texts(print(sheet, {words.join(u' ')})))
        if (t.startsWith(u"word"))
            lines << t;
    EXPECT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(u' '), words.join(u' '));
}

TEST(SheetPages, ShrinksWithinLimitsAndContinuesATableWithItsHeadingAndClosedFrames) {
    // Rows, then the pages and whether the drawing is shrunk: only as far
    // as it saves a page.
    const std::tuple<int, size_t, bool> cases[] = {{40, 1, false}, {55, 1, true}, {80, 2, false}};
    for (const auto& [rows, pages, shrunk] : cases) {
        Datasheet sheet = sheetWithPins(16);
        addFunctionTable(sheet, cellTable(3, rows), 2);
        const PrintedSheet printed = print(sheet);
        ASSERT_EQ(printed.pages.size(), pages) << rows;
        EXPECT_EQ(printed.scale < 1.0, shrunk) << rows;
        EXPECT_GE(printed.scale, kMinPrintScale);
        const QStringList all = texts(printed);
        for (int r = 2; r <= rows; ++r)
            EXPECT_EQ(all.count(QStringLiteral("3.%1").arg(r)), 1) << r;
        for (const PrintedPage& page : printed.pages) {
            EXPECT_NE(find(page, "TITLE"), nullptr);
            EXPECT_NE(find(page, "Inp"), nullptr);
            EXPECT_NE(find(page, "1.1"), nullptr); // the heading row
            int lowestCell = 0;
            for (const PrintText& t : page.texts) {
                EXPECT_LE(t.box.y + t.box.height, kPageHeight / printed.scale) << rows;
                if (t.font == PrintFont::Cell)
                    lowestCell = std::max(lowestCell, t.box.y + t.box.height);
            }
            // The frame is closed below the page's last row and its sides
            // reach down to it.
            int lowestLine = 0;
            int lowestSide = 0;
            for (const PrintLine& l : page.lines)
                (l.y1 == l.y2 ? lowestLine : lowestSide) =
                    std::max(l.y1 == l.y2 ? lowestLine : lowestSide, l.y2);
            EXPECT_EQ(lowestLine, lowestCell);
            EXPECT_EQ(lowestSide, lowestCell);
        }
    }
    // Columns too wide for the page at 7 pt shrink the drawing to its width.
    Datasheet wide = sheetWithPins(14);
    addExtraTable(wide, cellTable(40, 2, QStringLiteral("wide cell")));
    const PrintedSheet printed = print(wide);
    EXPECT_LT(printed.scale, kMinPrintScale);
    for (const PrintLine& l : printed.pages[0].lines)
        EXPECT_LE(l.x2 * printed.scale, kPageWidth);
    EXPECT_TRUE(usesLetterPaper(QLocale::UnitedStates));
    EXPECT_FALSE(usesLetterPaper(QLocale::Germany));
}

TEST(SheetPages, RoleMarksSitInTheStubGapsWithTheirLegendBelowTheBody) {
    Datasheet sheet = sheetWithPins(4, {"/OE", "A", "Y", "VCC"});
    sheet.outputType = QStringLiteral("Tri-state");
    addFunctionTable(sheet, cellTable(3, 2), 2);
    sheet.functionCells.at(1, 1) = QStringLiteral("/OE");
    sheet.functionCells.at(2, 1) = QStringLiteral("A");
    sheet.functionCells.at(3, 1) = QStringLiteral("Y");
    const auto compose = [&sheet](bool marks) {
        return composePrintedSheet(sheet, {}, QStringLiteral("TITLE"), Language::German, kPageWidth,
                                   kPageHeight, kWidth, marks)
            .pages[0];
    };
    const PrintedPage plain = compose(false);
    EXPECT_TRUE(plain.marks.empty());
    EXPECT_EQ(find(plain, "low-aktiv"), nullptr);
    const PrintedPage marked = compose(true);
    // A bubble at /OE and a triangle at Y, each touching the body; one of
    // each in the legend, below the body's bottom edge.
    ASSERT_EQ(marked.marks.size(), 4u);
    // Y sits on the right: its triangle points left, into the body.
    EXPECT_EQ(std::tuple(marked.marks[0].towardsRight, marked.marks[1].towardsRight),
              std::tuple(true, false));
    const PrintText* pin1 = find(marked, "/OE");
    const PrintText* legend = find(marked, "low-aktiv");
    ASSERT_TRUE(pin1 && legend && find(marked, "Tri-state-Ausgang"));
    // The name ends 45 twips before its stub, which is 240 long.
    EXPECT_EQ(marked.marks[0].box.x + marked.marks[0].box.width,
              pin1->box.x + pin1->box.width + 45 + 240);
    EXPECT_GE(legend->box.y, pin1->box.y + 600); // the body: a pitch below the last pin
}
