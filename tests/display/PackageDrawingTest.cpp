#include "display/PackageDrawing.h"
#include "display/DisplayTestSheets.h"

#include <gtest/gtest.h>

using namespace pinatlas;
using namespace pinatlas::test;

TEST(FillPinBoxes, ListsTheLeftSideDownAndTheRightSideUp) {
    const PinBoxes b = FillPinBoxes(sheet7400());
    EXPECT_EQ(b.namesL, QStringList({"1A", "1B", "1Y", "2A", "2B", "2Y", "GND"}));
    EXPECT_EQ(b.namesR, QStringList({"VCC", "4B", "4A", "4Y", "3B", "3A", "3Y"}));
    EXPECT_EQ(b.numbersR, QStringList({" 14", " 13", " 12", " 11", " 10", " 9", " 8"}));
    EXPECT_EQ(std::pair(b.height, b.widthL), std::pair(1680, 440)); // "GND": 3 characters
    EXPECT_EQ(pinBoxText(b.numbersL), " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n");
    // The marks run with the names, down to the last pin of each side.
    QList<PinRole> roles(14);
    roles[6].activeLow = true;
    roles[7].clock = true;
    const PinBoxes m = FillPinBoxes(sheet7400(), roles);
    EXPECT_EQ(std::pair(m.marksL.value(6), m.marksR.value(6)),
              std::pair(QList<PinMark>{PinMark::ActiveLow}, QList<PinMark>{PinMark::Clock}));
}

TEST(PackageDrawing, SizesAndStubsByPinCount) {
    const QString twenty = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
    const QString longRight = QStringLiteral("A_VERY_LONG_RIGHT_SIDE_NAME_INDEED");
    // Pins, names, then the pins and stubs on each side and the width of PinsL.
    const std::tuple<int, QStringList, int, int, int> rows[] = {
        {40, {}, 20, 20, 440},
        {16, {}, 8, 8, 330},
        {2, {"A", "B"}, 1, 1, 220},
        {0, {}, 0, 0, 110},
        {7, {}, 4, 3, 330},
        {1, {}, 1, 0, 330},
        {44, {}, 20, 20, 440}, // limited to what the package shows
        {-4, {}, 0, 0, 110},
        {4, {twenty, "X", "Y", "Z"}, 2, 2, 2310},
        {4, {"A", "B", longRight, longRight}, 2, 2, 220},
    };
    for (const auto& [pins, names, left, right, widthL] : rows) {
        SCOPED_TRACE(pins);
        Datasheet s = sheetWithPins(std::max(pins, 0), names);
        s.pinCount = qint16(pins);
        const PinBoxes b = FillPinBoxes(s);
        EXPECT_EQ(std::pair(int(b.namesL.size()), int(b.namesR.size())), std::pair(left, right));
        EXPECT_EQ(b.height, 240 * std::max(left, right));
        EXPECT_EQ(b.widthL, widthL);
        // The body reaches one pitch below the boxes; a long left name moves
        // everything right of it.
        const PackagePlacement p = PlacePackage(b, 120, 240, 15);
        EXPECT_EQ(p.pinsR.x, 120 + widthL + 240 + 840 + 240);
        EXPECT_EQ(p.outline[3].y1 - p.outline[0].y1, b.height + 240);
        // Only the stubs of the count are shown, stub k level with line k of the boxes.
        for (int k = 0; k < kStubsPerSide; ++k) {
            const int middle = p.pinsL.y + 240 * k + 121;
            EXPECT_EQ(p.left[k].visible ? p.left[k].line.y1 : 0, k < left ? middle : 0) << k;
            EXPECT_EQ(p.right[k].visible ? p.right[k].line.y2 : 0, k < right ? middle : 0) << k;
        }
    }
}

TEST(PlacePackage, The14PinExampleAtScrollPositionZero) {
    const PackagePlacement p = PlacePackage(FillPinBoxes(sheet7400()), 120, 240, 15);
    EXPECT_EQ(p.outline, (std::array<TwipLine, 4>{{{800, 240, 1640, 240},
                                                   {800, 240, 800, 2160},
                                                   {1640, 240, 1640, 2160},
                                                   {800, 2160, 1640, 2160}}}));
    EXPECT_EQ(p.left[0].line, (TwipLine{575, 481, 800, 481}));
    EXPECT_EQ(p.right[0].line, (TwipLine{1655, 481, 1865, 481}));
    EXPECT_EQ((std::array{p.pinsL, p.pinsNrL, p.pinsNrR, p.pinsR}),
              (std::array<TwipPoint, 4>{{{120, 360}, {815, 360}, {1250, 360}, {1880, 360}}}));
}
