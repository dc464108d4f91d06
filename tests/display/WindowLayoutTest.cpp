#include "display/WindowLayout.h"

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(ArrangeWindow, DesignedClientAreaAt96Dpi) {
    const WindowArrangement a = arrangeWindow(11910, 8295 - 600, 15, 15);
    EXPECT_EQ(a.listeHeight, 7695);
    EXPECT_EQ(a.frameLeft, 4335);
    EXPECT_EQ(a.frameTop, 600);
    EXPECT_EQ(a.frameWidth, 7200);
    EXPECT_EQ(a.frameHeight, 7440);
    EXPECT_EQ(a.vScroll.left, 11535);
    EXPECT_EQ(a.vScroll.top, 600);
    EXPECT_EQ(a.vScroll.height, 7440);
    EXPECT_EQ(a.hScroll.left, 4335);
    EXPECT_EQ(a.hScroll.top, 8040);
    EXPECT_EQ(a.hScroll.width, 7200);
    EXPECT_EQ(a.feldlinieX.y1, 585);
    EXPECT_EQ(a.feldlinieX.x1, 4320);
    EXPECT_EQ(a.feldlinieX.x2, 11790);
    EXPECT_EQ(a.feldlinieY.x1, 4320);
    EXPECT_EQ(a.feldlinieY.y1, 600);
    EXPECT_EQ(a.feldlinieY.y2, 8295);
    EXPECT_EQ(a.infoLeft, 4335);
    EXPECT_EQ(a.infoWidth, 7200);
}

TEST(ArrangeWindow, TooNarrowKeepsTheFrameWidthAndStillPlacesTheRest) {
    const WindowArrangement a = arrangeWindow(3000, 5000, 15, 15, 600, {7000, 6000, 2000});
    EXPECT_FALSE(a.frameWidth.has_value());
    EXPECT_EQ(a.frameHeight, 4745);
    EXPECT_EQ(a.vScroll.left, 4335 + 2000);
    EXPECT_EQ(a.hScroll.width, 2000);
    const WindowArrangement b = arrangeWindow(3000, 100, 15, 15, 600, {7000, 6000, 2000});
    EXPECT_FALSE(b.frameHeight.has_value());
    EXPECT_EQ(b.vScroll.height, 6000);
}
