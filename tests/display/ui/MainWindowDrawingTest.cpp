#include "display/ui/DatasheetView.h"
#include "display/ui/PinTextBox.h"
#include "platform/ui/Twips.h"
#include "support/ui/HauptFixture.h"

#include <QFile>
#include <QImage>
#include <QScrollBar>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

// The main window over a library directory holding the shipped 7400.
class MainWindowDrawing : public HauptFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(PINATLAS_SOURCE_DIR "/library/74xx/7400.txt",
                                dir.mkdir("74xx") + "7400.txt"));
        dir.write("pinatlas.ini", "E\r\n 0 \r\n");
        startHaupt();
        resize(800, 600);
    }
    void resize(int width, int height) {
        haupt->resize(width, height);
        QApplication::processEvents();
    }
    QWidget* frame() const { return haupt->view()->frame(); }
    PinTextBox* pinsL() const { return frame()->findChild<PinTextBox*>("PinsL"); }
};

} // namespace

TEST_F(MainWindowDrawing, ShowsTheSelectedSheetAndRedrawsOnResize) {
    EXPECT_EQ(pinsL()->lines().first(), "1A");
    const QSize before = frame()->size();
    resize(40, 20); // too narrow and too low for a frame: it keeps its size
    EXPECT_EQ(frame()->size(), before);
    haupt->view()->vScroll()->setValue(1);
    resize(900, 700);
    const Twips tw = Twips::of(haupt.get());
    EXPECT_EQ(frame()->width(), tw.toPxX(tw.toTwipsX(haupt->centralWidget()->width()) - 4710));
    EXPECT_EQ(pinsL()->pos(), QPoint(tw.toPxX(120), tw.toPxY(360 - 1)));
}

// The whole picture at odd resolutions: down the middle of each row of stubs
// seven lines, none lost to the scaling.
TEST_F(MainWindowDrawing, TheWholePictureKeepsEveryStubAtAnyResolution) {
    const double twipsPerPixel = Twips::of(haupt.get()).perPixelX();
    for (const int dpi : {72, 144, 250}) {
        const double scale = dpi / 96.0;
        const QImage image = haupt->view()->renderWhole(scale);
        const auto at = [&](int twips) { return int(twips * scale / twipsPerPixel); };
        const auto inked = [&](int x, int y) { return qGray(image.pixel(x, y)) < 200; };
        // The body's sides stand 120 + 440 + 240 and 840 twips further right.
        for (const int x : {120 + 440 + 120, 800 + 840 + 120}) {
            int lines = 0;
            for (int y = at(240), was = 0; y < at(240 + 8 * 240); ++y) {
                lines += inked(at(x), y) && !was;
                was = inked(at(x), y);
            }
            EXPECT_EQ(lines, 7) << dpi << " dpi, stubs at " << x;
        }
    }
}
