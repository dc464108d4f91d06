#include "display/PackageDrawing.h"
#include "display/DisplayTestSheets.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

int shownStubs(const std::array<Stub, kStubsPerSide>& side) {
    int shown = 0;
    for (const Stub& s : side)
        shown += s.visible ? 1 : 0;
    return shown;
}

} // namespace

TEST(FillPinBoxes, ListsTheLeftSideDownAndTheRightSideUp) {
    const PinBoxes b = FillPinBoxes(sheet7400());
    EXPECT_EQ(b.namesL, QStringList({"1A", "1B", "1Y", "2A", "2B", "2Y", "GND"}));
    EXPECT_EQ(b.namesR, QStringList({"VCC", "4B", "4A", "4Y", "3B", "3A", "3Y"}));
    EXPECT_EQ(b.numbersL, QStringList({" 1", " 2", " 3", " 4", " 5", " 6", " 7"}));
    EXPECT_EQ(b.numbersR, QStringList({" 14", " 13", " 12", " 11", " 10", " 9", " 8"}));
    EXPECT_EQ(b.height, 1680);
    EXPECT_EQ(b.widthL, 440); // "GND": 3 characters
    EXPECT_EQ(pinBoxText(b.numbersL), " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n");
}

TEST(FillPinBoxes, SizesByPinCountAndLeftNamesOnly) {
    struct Row {
        int pins;
        QStringList names;
        int height;
        int widthL;
    };
    const QString twenty = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
    const QString longRight = QStringLiteral("A_VERY_LONG_RIGHT_SIDE_NAME_INDEED");
    const Row rows[] = {
        {40, {}, 4800, 440},       // "P20"
        {2, {"A", "B"}, 240, 220}, // one pin a side
        {0, {}, 0, 110},           // no pins: empty boxes
        {4, {twenty, "X", "Y", "Z"}, 480, 2310},
        {4, {"A", "B", longRight, longRight}, 480, 220},
        {16, {}, 1920, 330}, // "P8"
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pins);
        const PinBoxes b = FillPinBoxes(sheetWithPins(row.pins, row.names));
        EXPECT_EQ(b.height, row.height);
        EXPECT_EQ(b.widthL, row.widthL);
        EXPECT_EQ(b.namesL.size() + b.namesR.size(), row.pins);
    }
    const PinBoxes forty = FillPinBoxes(sheetWithPins(40));
    EXPECT_EQ(forty.namesR.first(), "P40");
    EXPECT_EQ(forty.namesR.last(), "P21");
    EXPECT_EQ(forty.numbersR.last(), " 21");
    EXPECT_TRUE(FillPinBoxes(sheetWithPins(0)).namesL.isEmpty());
}

TEST(FillPinBoxes, AnOddCountKeepsEveryPinWithTheExtraOneOnTheLeft) {
    const PinBoxes b = FillPinBoxes(sheetWithPins(7));
    EXPECT_EQ(b.namesL, QStringList({"P1", "P2", "P3", "P4"}));
    EXPECT_EQ(b.namesR, QStringList({"P7", "P6", "P5"}));
    EXPECT_EQ(b.height, 4 * 240);
    const PackagePlacement p = PlacePackage(b, 120, 240, 15);
    EXPECT_EQ(shownStubs(p.left), 4);
    EXPECT_EQ(shownStubs(p.right), 3);
    EXPECT_EQ(p.outline[1].y2, 240 + 5 * 240); // the body covers the longer side

    const PinBoxes one = FillPinBoxes(sheetWithPins(1));
    EXPECT_EQ(one.namesL, QStringList({"P1"}));
    EXPECT_TRUE(one.namesR.isEmpty());
}

TEST(FillPinBoxes, ACountOutsideThePackageIsLimitedToIt) {
    Datasheet negative = sheetWithPins(0);
    negative.pinCount = -4;
    EXPECT_EQ(FillPinBoxes(negative).rows(), 0);
    Datasheet tooMany = sheetWithPins(44);
    EXPECT_EQ(FillPinBoxes(tooMany).rows(), 20);
    // A count above the names the record holds leaves the missing ones empty.
    Datasheet shortNames = sheetWithPins(4);
    shortNames.pinNames.resize(2);
    EXPECT_EQ(FillPinBoxes(shortNames).namesR, QStringList({"", ""}));
}

TEST(PlacePackage, The14PinExampleAtScrollPositionZero) {
    const PackagePlacement p = PlacePackage(FillPinBoxes(sheet7400()), 120, 240, 15);
    EXPECT_EQ(p.outline[0], (TwipLine{800, 240, 1640, 240}));
    EXPECT_EQ(p.outline[1], (TwipLine{800, 240, 800, 2160}));
    EXPECT_EQ(p.outline[2], (TwipLine{1640, 240, 1640, 2160}));
    EXPECT_EQ(p.outline[3], (TwipLine{800, 2160, 1640, 2160}));
    EXPECT_EQ(p.left[0].line, (TwipLine{575, 481, 800, 481}));
    EXPECT_EQ(p.right[0].line, (TwipLine{1655, 481, 1865, 481}));
    EXPECT_EQ(p.left[6].line.y1, 240 * 7 + 241);
    EXPECT_EQ(p.pinsL, (TwipPoint{120, 360}));
    EXPECT_EQ(p.pinsNrL, (TwipPoint{815, 360}));
    EXPECT_EQ(p.pinsNrR, (TwipPoint{1250, 360}));
    EXPECT_EQ(p.pinsR, (TwipPoint{1880, 360}));
    for (int k = 0; k < kStubsPerSide; ++k) {
        EXPECT_EQ(p.left[k].visible, k < 7) << k;
        EXPECT_EQ(p.right[k].visible, k < 7) << k;
    }
}

TEST(PlacePackage, EdgeCountsAndTheStubsLevelWithTheirLines) {
    const PackagePlacement forty = PlacePackage(FillPinBoxes(sheetWithPins(40)), 120, 240, 15);
    EXPECT_EQ(shownStubs(forty.left), 20);
    EXPECT_EQ(shownStubs(forty.right), 20);
    EXPECT_EQ(forty.outline[1].y2 - forty.outline[1].y1, 5040);
    for (int k = 1; k <= 20; ++k) {
        // The middle of box line k lies 120 + 240 (k - 1) + 120 below the box top.
        const int lineMiddle = forty.pinsL.y + 240 * (k - 1) + 120;
        EXPECT_EQ(forty.left[k - 1].line.y1, lineMiddle + 1);
        EXPECT_EQ(forty.right[k - 1].line.y2, lineMiddle + 1);
    }

    const PackagePlacement two = PlacePackage(FillPinBoxes(sheetWithPins(2)), 120, 240, 15);
    EXPECT_EQ(two.left[0].line.y1, 481);
    EXPECT_EQ(two.outline[3].y1 - two.outline[0].y1, 480);

    const PackagePlacement none = PlacePackage(FillPinBoxes(sheetWithPins(0)), 120, 240, 15);
    EXPECT_EQ(shownStubs(none.left) + shownStubs(none.right), 0);
    EXPECT_EQ(none.outline[1].y2 - none.outline[1].y1, 240);
}

TEST(PlacePackage, ALongLeftNameMovesEverythingRightOfItByTheGrowth) {
    const PackagePlacement shortName =
        PlacePackage(FillPinBoxes(sheetWithPins(4, {"ABC", "X", "Y", "Z"})), 120, 240, 15);
    const PackagePlacement longName = PlacePackage(
        FillPinBoxes(sheetWithPins(4, {"ABCDEFGHIJKLMNOPQRST", "X", "Y", "Z"})), 120, 240, 15);
    const int growth = 2310 - 440;
    EXPECT_EQ(longName.pinsL, shortName.pinsL);
    EXPECT_EQ(longName.outline[0].x1 - shortName.outline[0].x1, growth);
    EXPECT_EQ(longName.pinsNrL.x - shortName.pinsNrL.x, growth);
    EXPECT_EQ(longName.pinsNrR.x - shortName.pinsNrR.x, growth);
    EXPECT_EQ(longName.right[1].line.x1 - shortName.right[1].line.x1, growth);
    EXPECT_EQ(longName.pinsR.x - shortName.pinsR.x, growth);
}

TEST(PlacePackage, AScrollStepMovesEveryElementAlikeAndMayGoNegative) {
    const PinBoxes b = FillPinBoxes(sheet7400());
    const PackagePlacement a = PlacePackage(b, 120, 240, 15);
    const PackagePlacement s = PlacePackage(b, 120 - 1000, 240 - 700, 15);
    EXPECT_EQ(s.pinsL, (TwipPoint{-880, -340}));
    EXPECT_EQ(s.pinsR.x, a.pinsR.x - 1000);
    EXPECT_EQ(s.outline[3].y1, a.outline[3].y1 - 700);
    EXPECT_EQ(s.left[3].line.x2, a.left[3].line.x2 - 1000);
    EXPECT_EQ(s.right[3].line.y1, a.right[3].line.y1 - 700);
}

TEST(PlacePackage, ThePixelSizeSetsTheStubEnds) {
    // At 120 dpi a pixel is 12 twips.
    const PackagePlacement p = PlacePackage(FillPinBoxes(sheet7400()), 120, 240, 12);
    EXPECT_EQ(p.left[0].line.x1, 120 + 440 + 12);
    EXPECT_EQ(p.right[0].line.x1, 1640 + 12);
    EXPECT_EQ(p.right[0].line.x2, 1640 + 240 - 12);
    EXPECT_EQ(p.pinsNrL.x, 800 + 12);
    EXPECT_EQ(p.pinsNrR.x, 1640 - 12 - 375);
}
