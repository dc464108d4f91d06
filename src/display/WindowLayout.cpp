#include "display/WindowLayout.h"

namespace pinatlas {

WindowArrangement arrangeWindow(int w, int hl, int px, int py, int listTop,
                                const PreviousGeometry& previous) {
    WindowArrangement a;
    int listHeight = previous.listHeight;
    if (hl >= 0) {
        a.listHeight = hl;
        listHeight = hl;
    }
    a.frameTop = listTop;
    int frameHeight = previous.frameHeight;
    if (listHeight - kScrollBarSize >= 0) {
        a.frameHeight = listHeight - kScrollBarSize;
        frameHeight = *a.frameHeight;
    }
    a.frameLeft = kListWidth + kListLeft + 240;
    int frameWidth = previous.frameWidth;
    if (w - kFrameWidthAllowance >= 0) {
        a.frameWidth = w - kFrameWidthAllowance;
        frameWidth = *a.frameWidth;
    }
    a.vScroll = {a.frameLeft + frameWidth, a.frameTop, kScrollBarSize, frameHeight};
    a.hScroll = {a.frameLeft, a.frameTop + frameHeight, frameWidth, kScrollBarSize};
    a.fieldLineX = {a.frameLeft - px, a.vScroll.top - py, a.vScroll.left + kScrollBarSize,
                    a.vScroll.top - py};
    a.fieldLineY = {a.hScroll.left - px, a.frameTop, a.hScroll.left - px,
                    a.hScroll.top + kScrollBarSize};
    a.infoLeft = a.frameLeft;
    a.infoWidth = frameWidth;
    return a;
}

} // namespace pinatlas
