#pragma once

#include "platform/TwipGeometry.h"

#include <optional>

namespace pinatlas {

// The fixed left column of the main window.
inline constexpr int kDirBoxLeft = 120;
inline constexpr int kDirBoxTop = 240;
inline constexpr int kDirBoxWidth = 3975;
inline constexpr int kDirBoxHeight = 315;
inline constexpr int kListLeft = 120;
inline constexpr int kListTop = 600;
inline constexpr int kListWidth = 3975;
inline constexpr int kScrollBarSize = 255;
inline constexpr int kInfoHeight = 570;
// What the window's width holds besides Frame: the list column, two gaps and
// the vertical scroll bar.
inline constexpr int kFrameWidthAllowance = kListWidth + 240 + 240 + kScrollBarSize;
// The designed client area of the main window.
inline constexpr int kMainWindowClientWidth = 11910;
inline constexpr int kMainWindowClientHeight = 8295;

// A value that a step could not compute (a negative width or height while the
// window is tiny) is left empty; the window keeps the element's previous value
// for it.
struct WindowArrangement {
    std::optional<int> listHeight;
    int frameTop = 0;
    std::optional<int> frameHeight;
    int frameLeft = 0;
    std::optional<int> frameWidth;
    TwipRect vScroll; // width fixed at kScrollBarSize
    TwipRect hScroll; // height fixed at kScrollBarSize
    TwipLine fieldLineX;
    TwipLine fieldLineY;
    int infoLeft = 0;
    int infoWidth = 0;
};

struct PreviousGeometry {
    int listHeight = 0;
    int frameHeight = 0;
    int frameWidth = 0;
};

// Lays out the drawing area for an available width `w` and a list height
// `hl`, with px/py the size of one pixel in twips. Steps that would give a
// negative size are skipped and use `previous` for what follows them.
WindowArrangement arrangeWindow(int w, int hl, int px, int py, int listTop = kListTop,
                                const PreviousGeometry& previous = {});

} // namespace pinatlas
