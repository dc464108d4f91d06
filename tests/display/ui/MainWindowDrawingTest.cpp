#include "display/ui/DatasheetView.h"
#include "display/ui/PinTextBox.h"
#include "platform/ui/Twips.h"
#include "support/ui/HauptFixture.h"

#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

// The main window over a library directory holding the shipped 7400.
class MainWindowDrawing : public HauptFixture {
protected:
    void SetUp() override {
        dir.mkdir("74xx");
        QFile sheet(QStringLiteral(PINATLAS_SOURCE_DIR "/library/74xx/7400.txt"));
        ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
        dir.write("74xx/7400.txt", sheet.readAll());
        dir.write("pinatlas.ini", "E\r\n 0 \r\n");
        startHaupt();
        haupt->resize(800, 600);
        QApplication::processEvents();
    }
    QWidget* frame() const { return haupt->view()->frame(); }
    PinTextBox* pinsL() const { return frame()->findChild<PinTextBox*>("PinsL"); }
};

} // namespace

TEST_F(MainWindowDrawing, ShowsTheSelectedSheetAndRedrawsOnResize) {
    ASSERT_EQ(haupt->liste()->currentRow(), 0);
    EXPECT_TRUE(haupt->findChild<QLabel*>("Info")->text().startsWith("7400:  "));
    ASSERT_NE(pinsL(), nullptr);
    EXPECT_EQ(pinsL()->lines().first(), "1A");
    EXPECT_TRUE(frame()->findChild<QWidget*>("Daten")->isVisible());

    const QSize before = frame()->size();
    haupt->view()->vScroll()->setValue(1);
    haupt->resize(40, 20);
    QApplication::processEvents();
    // Too narrow and too low for a frame: it keeps its size.
    EXPECT_EQ(frame()->size(), before);
    EXPECT_TRUE(pinsL()->isVisible());

    haupt->resize(900, 700);
    QApplication::processEvents();
    const Twips tw = Twips::of(haupt.get());
    const QWidget* client = haupt->centralWidget();
    EXPECT_EQ(frame()->width(), tw.toPxX(tw.toTwipsX(client->width()) - 4710));
    EXPECT_EQ(haupt->view()->vScroll()->geometry().left(), frame()->geometry().right() + 1);
    EXPECT_EQ(pinsL()->pos(), QPoint(tw.toPxX(120), tw.toPxY(360 - 1)));
}
