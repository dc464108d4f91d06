#include "display/SheetPages.h"

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(SheetPages, EndsPagesAtTheLastBreakThatFits) {
    // Breaks, height, page height, then where the pages start.
    const std::tuple<std::vector<int>, int, int, std::vector<int>> cases[] = {
        {{10, 20}, 100, 100, {0}},              // fits on one page
        {{30, 60, 90}, 100, 50, {0, 30, 60}},   // never past a break
        {{90, 60, 30}, 100, 70, {0, 60}},       // in any order
        {{}, 250, 100, {0, 100, 200}},          // nothing to keep: cut where full
        {{5, 150}, 250, 100, {0, 5, 105, 150}}, // a piece taller than a page is cut
        {{0, 100, 100}, 150, 100, {0, 100}},    // a break at the very top is no page
        {{40}, 100, 0, {0, 1, 2, 3}},           // a page of nothing still advances
    };
    for (const auto& [breaks, height, pageHeight, expected] : cases) {
        auto starts = pageStarts(breaks, height, pageHeight);
        starts.resize(std::min(starts.size(), size_t(4)));
        EXPECT_EQ(starts, expected) << height << " / " << pageHeight;
    }
    EXPECT_TRUE(usesLetterPaper(QLocale::UnitedStates));
    EXPECT_FALSE(usesLetterPaper(QLocale::Germany));
}
