#include "display/WindowLayout.h"

namespace pinatlas {

WindowArrangement arrangeWindow(int w, int hl, int px, int py, int listeTop,
                                const PreviousGeometry& previous) {
    WindowArrangement a;
    int listeHeight = previous.listeHeight;
    if (hl >= 0) {
        a.listeHeight = hl;
        listeHeight = hl;
    }
    a.frameTop = listeTop;
    int frameHeight = previous.frameHeight;
    if (listeHeight - kScrollBarSize >= 0) {
        a.frameHeight = listeHeight - kScrollBarSize;
        frameHeight = *a.frameHeight;
    }
    a.frameLeft = kListeWidth + kListeLeft + 240;
    int frameWidth = previous.frameWidth;
    if (w - kFrameWidthAllowance >= 0) {
        a.frameWidth = w - kFrameWidthAllowance;
        frameWidth = *a.frameWidth;
    }
    a.vScroll = {a.frameLeft + frameWidth, a.frameTop, kScrollBarSize, frameHeight};
    a.hScroll = {a.frameLeft, a.frameTop + frameHeight, frameWidth, kScrollBarSize};
    a.feldlinieX = {a.frameLeft - px, a.vScroll.top - py, a.vScroll.left + kScrollBarSize,
                    a.vScroll.top - py};
    a.feldlinieY = {a.hScroll.left - px, a.frameTop, a.hScroll.left - px,
                    a.hScroll.top + kScrollBarSize};
    a.infoLeft = a.frameLeft;
    a.infoWidth = frameWidth;
    return a;
}

} // namespace pinatlas
