#include "display/ui/DatasheetView.h"
#include "app/Settings.h"
#include "display/DisplayTestSheets.h"
#include "display/ui/LineElement.h"
#include "display/ui/PinTextBox.h"
#include "display/ui/TableGrid.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

// A drawing area in the designed main window: Frame 7200 × 7440 twips.
class DrawingArea : public ::testing::Test {
protected:
    void SetUp() override {
        settings.language = QStringLiteral("E");
        host = std::make_unique<QWidget>();
        host->setAttribute(Qt::WA_DontShowOnScreen);
        const Twips t = Twips::of(host.get());
        host->resize(t.toPxX(11910), t.toPxY(8295));
        view = new DatasheetView(host.get(), settings);
        view->arrange(11910, 8295 - 600);
        host->show();
        tw = Twips::of(host.get());
    }

    void show(const Datasheet& sheet, const QStringList& comment = {}) {
        view->display(sheet, comment, QStringLiteral("TEST:  title"));
    }

    template <typename T = QWidget> T* child(const QString& name) const {
        T* w = view->frame()->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    // The top-left corner of a child of Frame, in twips.
    QPoint at(const QString& name) const {
        const QPoint p = child(name)->pos();
        return {tw.toTwipsX(p.x()), tw.toTwipsY(p.y())};
    }
    QPoint px(int x, int y) const { return {tw.toPxX(x), tw.toPxY(y)}; }
    QScrollBar* hScroll() const { return view->hScroll(); }
    QScrollBar* vScroll() const { return view->vScroll(); }
    int stubsShown(const char* side) const {
        int shown = 0;
        for (int k = 1; k <= 20; ++k)
            shown += child(QStringLiteral("%1%2").arg(QLatin1String(side)).arg(k))->isVisible();
        return shown;
    }
    // Whether a child's whole rectangle lies inside Frame.
    bool inside(const QString& name) const {
        return view->frame()->rect().contains(child(name)->geometry());
    }

    Settings settings;
    std::unique_ptr<QWidget> host;
    DatasheetView* view = nullptr;
    Twips tw;
};

} // namespace

TEST_F(DrawingArea, NothingIsDrawnBeforeTheFirstDatasheet) {
    for (QWidget* w : view->frame()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST_F(DrawingArea, The7400AtScrollPositionZero) {
    show(sheet7400());
    EXPECT_EQ(host->findChild<QLabel*>("Info")->text(), "TEST:  title");
    EXPECT_EQ(child("PinsL")->pos(), px(120, 360));
    EXPECT_EQ(child("PinsL")->size(), QSize(tw.toPxX(440), tw.toPxY(1680)));
    EXPECT_EQ(child("PinsNrL")->pos(), px(815, 360));
    EXPECT_EQ(child("PinsNrR")->pos(), px(1250, 360));
    EXPECT_EQ(child("PinsR")->pos(), px(1880, 360));
    EXPECT_EQ(child("PinsR")->width(), tw.toPxX(2895));
    auto* line1 = child<LineElement>("LineL1");
    EXPECT_EQ(line1->from(), px(575, 481));
    EXPECT_EQ(line1->to(), px(800, 481));
    EXPECT_EQ(child<LineElement>("LineR1")->from(), px(1655, 481));
    EXPECT_EQ(child<LineElement>("LineR1")->to(), px(1865, 481));
    EXPECT_EQ(child<LineElement>("Package4")->from(), px(800, 2160));
    EXPECT_EQ(child<LineElement>("Package3")->to(), px(1640, 2160));
    EXPECT_EQ(stubsShown("LineL"), 7);
    EXPECT_EQ(stubsShown("LineR"), 7);

    auto* names = child<PinTextBox>("PinsL");
    EXPECT_EQ(names->lines().last(), "GND");
    EXPECT_EQ(child<PinTextBox>("PinsNrR")->text(),
              " 14\r\n 13\r\n 12\r\n 11\r\n 10\r\n 9\r\n 8\r\n");
    EXPECT_EQ(names->alignment(), Qt::AlignRight);
    EXPECT_EQ(child<PinTextBox>("PinsR")->alignment(), Qt::AlignLeft);
    EXPECT_EQ(child<PinTextBox>("PinsNrL")->alignment(), Qt::AlignLeft);
    EXPECT_EQ(child<PinTextBox>("PinsNrR")->alignment(), Qt::AlignRight);
    const QFontInfo font(names->font());
    EXPECT_EQ(font.family(), "Liberation Sans");
    EXPECT_TRUE(font.bold());
    EXPECT_DOUBLE_EQ(names->font().pointSizeF(), 9.75);
}

TEST_F(DrawingArea, StubsOfALargerPackageVanishWithTheNextSheet) {
    show(sheetWithPins(40));
    EXPECT_EQ(stubsShown("LineL"), 20);
    EXPECT_EQ(stubsShown("LineR"), 20);
    show(sheet7400());
    EXPECT_EQ(stubsShown("LineL"), 7);
    EXPECT_EQ(stubsShown("LineR"), 7);
    EXPECT_FALSE(child("LineL8")->isVisible());
    EXPECT_FALSE(child("LineR20")->isVisible());
    show(sheetWithPins(0));
    EXPECT_EQ(stubsShown("LineL") + stubsShown("LineR"), 0);
    EXPECT_TRUE(child("Package1")->isVisible());
}

TEST_F(DrawingArea, AnOddPinCountLosesNoPin) {
    show(sheetWithPins(7));
    EXPECT_EQ(child<PinTextBox>("PinsL")->lines().size(), 4);
    EXPECT_EQ(child<PinTextBox>("PinsR")->lines(), QStringList({"P7", "P6", "P5"}));
    EXPECT_EQ(stubsShown("LineL"), 4);
    EXPECT_EQ(stubsShown("LineR"), 3);
    EXPECT_TRUE(inside("PinsL"));
}

TEST_F(DrawingArea, TheTablesStackBelowThePackageInOrder) {
    Datasheet s = sheet7400();
    addDataTable(s, cellTable(3, 9));
    addExtraTable(s, cellTable({"Gate,Pins", "1,1 2 3"}));
    show(s, {"one", "two", "three"});

    auto* doku = child<QPlainTextEdit>("Doku");
    EXPECT_TRUE(doku->isVisible());
    EXPECT_EQ(doku->size(), QSize(tw.toPxX(7095), tw.toPxY(660)));
    EXPECT_EQ(doku->toPlainText(), "one\ntwo\nthree");
    EXPECT_TRUE(doku->isReadOnly());
    EXPECT_EQ(QFontInfo(doku->font()).family(), "Liberation Mono");
    const int below = 240 + 600 + 240 * 7;
    EXPECT_EQ(doku->pos(), px(120, below));

    auto* funktion = child<TableGrid>("Funktion");
    EXPECT_EQ(funktion->pos(), px(120, below + 900 + 315));
    EXPECT_EQ(funktion->size(), QSize(tw.toPxX(3 * 360 + 80), tw.toPxY(5 * 240 + 80)));
    EXPECT_EQ(funktion->rowHeight(0), tw.toPxY(240));
    EXPECT_EQ(funktion->text(0, 2), "Y");
    EXPECT_EQ(funktion->content().fixedRows, 1);
    EXPECT_EQ(funktion->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    auto* input = child<QLabel>("L_Input");
    auto* output = child<QLabel>("L_Output");
    EXPECT_EQ(input->text(), "Inp");
    EXPECT_EQ(output->text(), "Out");
    EXPECT_EQ(input->geometry(), QRect(px(120, below + 900), QSize(tw.toPxX(720), tw.toPxY(315))));
    EXPECT_EQ(output->pos(), px(120 + 720, below + 900));
    EXPECT_EQ(output->width(), tw.toPxX(420));

    EXPECT_EQ(child("Daten")->pos(), px(120, below + 900 + 1835));
    EXPECT_EQ(child("Daten")->size(), QSize(tw.toPxX(5450), tw.toPxY(2240)));
    EXPECT_EQ(child("Zusatz")->pos(), px(120, below + 900 + 1835 + 2480));
    EXPECT_EQ(child<TableGrid>("Zusatz")->text(1, 1), "1 2 3");

    // Every column of the grid lies inside it.
    const QHeaderView* columns = funktion->horizontalHeader();
    EXPECT_LE(columns->length(), funktion->viewport()->width());
}

TEST_F(DrawingArea, AbsentTablesAndCommentAreHidden) {
    Datasheet s = sheet7400();
    addExtraTable(s, cellTable(1, 1));
    show(s, {"comment"});
    show(sheetWithPins(14));
    for (const char* name : {"Doku", "Funktion", "Daten", "Zusatz", "L_Input", "L_Output"})
        EXPECT_FALSE(child(name)->isVisible()) << name;
    EXPECT_EQ(view->content().zusatzWidth, 1);
    EXPECT_EQ(child("Zusatz")->width(), tw.toPxX(1));

    show(sheet7400(), {"comment"});
    view->clearComment();
    EXPECT_FALSE(child("Doku")->isVisible());
    EXPECT_TRUE(child<QPlainTextEdit>("Doku")->toPlainText().isEmpty());
}

TEST_F(DrawingArea, AHiddenWideGridNeverWidensTheScrollRange) {
    Datasheet wide = sheetWithPins(14);
    addExtraTable(wide, cellTable(40, 2, "xxxx"));
    show(wide);
    EXPECT_EQ(hScroll()->maximum(), 40 * 600 + 80 + 240 - 7200);
    show(sheetWithPins(14));
    EXPECT_EQ(hScroll()->maximum(), 7110 + 240 - 7200);
    EXPECT_EQ(vScroll()->maximum(), 1);
}

TEST_F(DrawingArea, ALoadBeyondTheNewRangeShowsItsEnd) {
    show(largestSheet());
    hScroll()->setValue(hScroll()->maximum());
    vScroll()->setValue(vScroll()->maximum());
    show(sheet7400());
    EXPECT_EQ(hScroll()->value(), 150);
    EXPECT_EQ(vScroll()->value(), 1);
    EXPECT_EQ(child("PinsL")->pos(), px(120 - 150, 360 - 1));
    EXPECT_EQ(child<LineElement>("Package1")->from(), px(800 - 150, 240 - 1));
}

TEST_F(DrawingArea, DataTableLabelsFollowTheLanguage) {
    Datasheet s = sheet7400();
    addDataTable(s, cellTable({"74LS,Einheit", "1.6,mA", "4.4,mA", "20,µA", "-0.4,mA", "-0.4,mA",
                               "8,mA", "15,ns", "15,ns"}));
    show(s);
    auto* daten = child<TableGrid>("Daten");
    EXPECT_EQ(daten->text(0, 0), "Some important conditions (max.)");
    EXPECT_EQ(daten->text(0, 2), "Unit");
    EXPECT_EQ(daten->text(3, 1), "20");
    settings.language = QStringLiteral("D");
    show(s);
    EXPECT_EQ(daten->text(0, 0), "Einige wichtige Betriebsdaten (max.)");
    EXPECT_EQ(daten->text(0, 2), "Einheit");
    EXPECT_EQ(daten->columnWidth(0), tw.toPxX(3000));
}

TEST_F(DrawingArea, AShortDataTableGetsLabelsOnlyForItsRows) {
    Datasheet s = sheet7400();
    addDataTable(s, cellTable(2, 3));
    show(s);
    auto* daten = child<TableGrid>("Daten");
    EXPECT_EQ(daten->model()->rowCount(), 3);
    EXPECT_EQ(daten->text(2, 0), "Supply current with all outputs low");
    EXPECT_EQ(daten->height(), tw.toPxY(3 * 240 + 80));
}

TEST_F(DrawingArea, ScrollingOnlyMovesTheElements) {
    Datasheet s = largestSheet();
    show(s);
    auto* funktion = child<TableGrid>("Funktion");
    int resets = 0;
    QObject::connect(funktion->model(), &QAbstractItemModel::modelReset, [&resets] { ++resets; });
    const QPoint before = funktion->pos();
    vScroll()->setValue(1500);
    hScroll()->setValue(300);
    EXPECT_EQ(funktion->pos(), before - QPoint(tw.toPxX(300), tw.toPxY(1500)));
    EXPECT_EQ(resets, 0);
    // Columns 1-9 hold "c.52" at the longest, the others "cc.52".
    EXPECT_EQ(funktion->size(), QSize(tw.toPxX(9 * 600 + 43 * 680 + 80), tw.toPxY(52 * 240 + 80)));
}

TEST_F(DrawingArea, DraggingAThumbMovesTheDrawingAtOnce) {
    show(largestSheet());
    vScroll()->setSliderDown(true);
    vScroll()->setSliderPosition(3000);
    EXPECT_EQ(at("PinsL").y(), 360 - 3000);
    hScroll()->setSliderDown(true);
    hScroll()->setSliderPosition(45);
    EXPECT_EQ(child("PinsL")->x(), tw.toPxX(120 - 45));
    vScroll()->setSliderDown(false);
    hScroll()->setSliderDown(false);
}

TEST_F(DrawingArea, TheWheelOverTheDrawingScrollsIt) {
    show(largestSheet());
    const QPoint inFrame(20, 20);
    QWheelEvent down(inFrame, view->frame()->mapToGlobal(inFrame), {}, {0, -120}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->frame(), &down);
    EXPECT_GT(vScroll()->value(), 0);
    EXPECT_EQ(at("PinsL").y(), 360 - vScroll()->value());
    // A grid leaves the wheel to the drawing around it and never scrolls inside.
    auto* funktion = child<TableGrid>("Funktion");
    down.setAccepted(true);
    QApplication::sendEvent(funktion->viewport(), &down);
    EXPECT_FALSE(down.isAccepted());
    EXPECT_EQ(funktion->verticalScrollBar()->value(), 0);
}

TEST_F(DrawingArea, TheLargestSheetScrollsToEveryCorner) {
    show(largestSheet(), {"comment"});
    EXPECT_GT(vScroll()->maximum(), 32767);
    EXPECT_GT(hScroll()->maximum(), 32767);

    EXPECT_TRUE(inside("PinsL"));
    EXPECT_TRUE(inside("Package1"));

    hScroll()->setValue(hScroll()->maximum());
    // The right edge of the widest grid is in view at the top.
    auto* zusatz = child("Zusatz");
    EXPECT_LE(zusatz->geometry().right(), view->frame()->width());
    EXPECT_GE(zusatz->geometry().right(), view->frame()->width() - tw.toPxX(240) - 1);

    vScroll()->setValue(vScroll()->maximum());
    EXPECT_LE(zusatz->geometry().bottom(), view->frame()->height());
    EXPECT_LE(zusatz->geometry().right(), view->frame()->width());

    hScroll()->setValue(0);
    EXPECT_EQ(at("Zusatz").x(), 120);
    EXPECT_LE(zusatz->geometry().bottom(), view->frame()->height());

    vScroll()->setValue(0);
    EXPECT_EQ(child("PinsL")->pos(), px(120, 360));
}

TEST_F(DrawingArea, TheWholeDrawingRendersAtTheRequestedScale) {
    Datasheet s = sheet7400();
    addExtraTable(s, cellTable(30, 3, "xx"));
    show(s);
    vScroll()->setValue(1);
    const QImage image = view->renderWhole(2.0);
    const int width = 30 * 440 + 80 + 240;
    const int height = 1680 + 315 + 5 * 240 + 80 + 240 + 3 * 240 + 80 + 240 + 960;
    const QSize whole(int(std::ceil(width / tw.perPixelX())),
                      int(std::ceil(height / tw.perPixelY())));
    EXPECT_EQ(image.size(), whole * 2);
    EXPECT_EQ(vScroll()->value(), 0);
    EXPECT_EQ(hScroll()->maximum(), 1);
    EXPECT_EQ(child("PinsL")->pos(), px(120, 360));
    // Something of the drawing is there: the body's top edge, 16 twips down.
    const QColor line = image.pixelColor(tw.toPxX(1000) * 2, tw.toPxY(240) * 2);
    EXPECT_LT(line.lightness(), 128);
}
