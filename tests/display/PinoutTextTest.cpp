#include "display/PinoutText.h"

#include <gtest/gtest.h>

using namespace pinatlas;

// A named package is read whole, pin by pin, by the accessibility test.
TEST(PinoutText, ThePinsOfTheDrawingInPinOrderInEitherLanguage) {
    // Pins, then how many entries and the last one: as many as the package shows.
    Datasheet sheet;
    for (const auto& [count, entries, last] :
         {std::tuple(7, 7, "Pin 7, no name"), std::tuple(44, 40, "Pin 40, no name"),
          std::tuple(0, 0, ""), std::tuple(-4, 0, "")}) {
        sheet.pinCount = qint16(count);
        const QList<PinEntry> pins = pinEntries(sheet);
        EXPECT_EQ(pins.size(), entries) << count;
        EXPECT_EQ(pins.isEmpty() ? "" : pinEntryText(pins.last(), Language::English), last);
    }

    // A role and a column are spoken once they are known.
    const PinEntry known{3, " 1Y ", "Ausgang", "1Y"};
    EXPECT_EQ(pinEntryText(known, Language::German), "Pin 3, 1Y, Ausgang, Spalte 1Y");
    EXPECT_EQ(pinEntryText({5, "", "", ""}, Language::German), "Pin 5, ohne Namen");
}
