#include "display/ui/DatasheetView.h"
#include "display/DisplayTestSheets.h"
#include "display/ui/PinTextBox.h"
#include "display/ui/TableGrid.h"
#include "library/DatasheetReader.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

// A drawing area in the designed main window: Frame 7200 × 7440 twips.
class DrawingArea : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        host->setAttribute(Qt::WA_DontShowOnScreen);
        tw = Twips::of(host.get());
        view = new DatasheetView(host.get());
        view->arrange(11910, 8295 - 600);
        host->show();
    }

    void show(const Datasheet& sheet, const QStringList& comment = {}) {
        view->display(sheet, comment, QStringLiteral("TEST:  title"), Language::English);
    }

    template <typename T = QWidget> T* child(const QString& name) const {
        T* w = view->frame()->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QPoint px(int x, int y) const { return {tw.toPxX(x), tw.toPxY(y)}; }
    // How many stubs are shown on the left and on the right.
    std::pair<int, int> stubsShown() const {
        std::pair<int, int> shown;
        for (int k = 1; k <= 20; ++k)
            shown = {shown.first + child(QStringLiteral("LineL%1").arg(k))->isVisible(),
                     shown.second + child(QStringLiteral("LineR%1").arg(k))->isVisible()};
        return shown;
    }

    std::unique_ptr<QWidget> host;
    DatasheetView* view = nullptr;
    Twips tw;
};

} // namespace

// The geometry itself is pinned by the layout tests; here one element of each
// kind shows that twips become the right pixels.
TEST_F(DrawingArea, The7400WithItsTablesAndCommentAndWithoutThem) {
    Datasheet s = sheet7400();
    addDataTable(s, cellTable({"74LS,Einheit", "1.6,mA", "4.4,mA"}));
    addExtraTable(s, cellTable(40, 2, "xxxx"));
    show(s, {"one", "two"});
    EXPECT_EQ(child("PinsL")->geometry(),
              QRect(px(120, 360), QSize(tw.toPxX(440), tw.toPxY(1680))));
    EXPECT_EQ(stubsShown(), std::pair(7, 7));
    // A line element covers its two ends and nothing more.
    EXPECT_EQ(child("LineL1")->geometry(), QRect(px(575, 481), px(800, 481)));
    const char* const parts[] = {"Doku", "L_Input", "L_Output", "Funktion", "Daten", "Zusatz"};
    for (const char* name : parts)
        EXPECT_TRUE(child(name)->isVisible()) << name;
    // Every column of the grid lies inside it.
    auto* functionGrid = child<TableGrid>("Funktion");
    EXPECT_LE(functionGrid->horizontalHeader()->length(), functionGrid->viewport()->width());
    // The data table's heading row and label column are drawn as fixed cells, its figures not.
    const GridModel* data = child<TableGrid>("Daten")->gridModel();
    const auto fixed = [data](int r, int c) {
        return data->data(data->index(r, c), Qt::BackgroundRole).isValid();
    };
    EXPECT_EQ(std::tuple(fixed(0, 1), fixed(1, 0), fixed(1, 1), fixed(2, 2)),
              std::tuple(true, true, false, false));

    // The next sheet hides them.
    show(sheetWithPins(0));
    for (const char* name : parts)
        EXPECT_FALSE(child(name)->isVisible()) << name;
    EXPECT_EQ(stubsShown(), std::pair(0, 0));
    // A cleared comment is hidden and the tables below move up into its place.
    show(sheet7400(), {"comment"});
    view->clearComment();
    EXPECT_EQ(std::pair(child("Doku")->isVisible(), child<QPlainTextEdit>("Doku")->toPlainText()),
              std::pair(false, QString()));
    view->vScroll()->setValue(1);
    EXPECT_EQ(child("Funktion")->y(), tw.toPxY(240 + 600 + 240 * 7 + 315 - 1));
}

TEST_F(DrawingArea, TheWheelAndTheScrollBarsMoveTheLargestSheetToEveryCorner) {
    Datasheet largest = sheetWithPins(40); // the largest sheet the format allows
    addFunctionTable(largest, cellTable(52, 52), 26);
    addDataTable(largest, cellTable(52, 52));
    addExtraTable(largest, cellTable(100, 100));
    show(largest, {"comment"});
    auto* functionGrid = child<TableGrid>("Funktion");

    const auto wheel = [](QWidget* to, QPoint angle) {
        QWheelEvent e({20, 20}, to->mapToGlobal(QPoint(20, 20)), {}, angle, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(to, &e);
        return e.isAccepted();
    };
    wheel(view->frame(), {0, -120});
    EXPECT_GT(view->vScroll()->value(), 0);
    EXPECT_EQ(child("PinsL")->y(), tw.toPxY(360 - view->vScroll()->value()));
    const int down = view->vScroll()->value();
    wheel(view->frame(), {-120, 0}); // sideways
    EXPECT_EQ(std::pair(view->hScroll()->value() > 0, view->vScroll()->value()),
              std::pair(true, down));
    // The keys scroll it as the scroll bars' steps do, each its own bar.
    QScrollBar* v = view->vScroll();
    QScrollBar* h = view->hScroll();
    const int side = h->value();
    const std::tuple<Qt::Key, int, int> keys[] = {
        {Qt::Key_PageDown, side, down + v->pageStep()},
        {Qt::Key_Up, side, down + v->pageStep() - v->singleStep()},
        {Qt::Key_PageUp, side, down - v->singleStep()},
        {Qt::Key_Right, side + h->singleStep(), down - v->singleStep()},
        {Qt::Key_End, side + h->singleStep(), v->maximum()},
        {Qt::Key_Home, side + h->singleStep(), 0},
    };
    for (const auto& [k, x, y] : keys) {
        QKeyEvent key(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(view->frame(), &key);
        EXPECT_EQ(std::pair(h->value(), v->value()), std::pair(x, y)) << k;
    }
    v->setValue(down);
    // A grid leaves the wheel to the drawing around it and never scrolls inside.
    EXPECT_FALSE(wheel(functionGrid->viewport(), {0, -120}));
    EXPECT_EQ(functionGrid->verticalScrollBar()->value(), 0);

    // At the far corner the right and bottom edges of the widest grid are in view.
    view->hScroll()->setValue(view->hScroll()->maximum());
    view->vScroll()->setValue(view->vScroll()->maximum());
    const int beyond = child("Zusatz")->geometry().right() - view->frame()->width();
    EXPECT_TRUE(beyond <= 0 && beyond >= -tw.toPxX(240) - 1) << beyond;

    // A load beyond the new ranges shows the sheet scrolled to their ends.
    show(sheet7400());
    EXPECT_EQ(child("PinsL")->pos(), px(120 - 150, 360 - 1));
    // The whole drawing renders from position 0, sized to show everything.
    view->renderWhole(2.0);
    EXPECT_EQ(child("PinsL")->pos(), px(120, 360));
    EXPECT_EQ(std::pair(view->hScroll()->maximum(), view->vScroll()->maximum()), std::pair(1, 1));
}

// The whole picture at odd resolutions: down the middle of each row of stubs
// seven lines, none lost to the scaling.
TEST_F(DrawingArea, TheWholePictureKeepsEveryStubAtAnyResolution) {
    show(sheet7400());
    for (const int dpi : {72, 144, 250}) {
        const double scale = dpi / 96.0;
        const QImage image = view->renderWhole(scale);
        const auto at = [&](int twips) { return int(twips * scale / tw.perPixelX()); };
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
    // A picture taller than an image can be (some 33,000 pixels) is refused, not cut.
    show(sheet7400(), QStringList(2250, "x"));
    EXPECT_TRUE(view->renderWhole(1.0).isNull());
}

TEST_F(DrawingArea, RoleMarksMoveNothingAndPointingLinksPinsToColumns) {
    const DatasheetFile f =
        *readDatasheetFile(QStringLiteral(PINATLAS_SOURCE_DIR "/library/74xx/74125.txt")).file;
    show(f.sheet, f.commentEn);
    const auto geometries = [this] {
        QList<std::pair<QString, QRect>> all;
        for (QWidget* w : view->frame()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && !w->objectName().startsWith(QStringLiteral("Marks")) &&
                w->objectName() != QStringLiteral("PinMarkLegend"))
                all.append({w->objectName(), w->geometry()});
        return all;
    };
    const auto marked = geometries();
    EXPECT_TRUE(child(QStringLiteral("PinMarkLegend"))->isVisible());
    view->setPinMarksShown(false);
    EXPECT_EQ(geometries(), marked);
    EXPECT_FALSE(child(QStringLiteral("MarksL"))->isVisible());
    EXPECT_FALSE(child(QStringLiteral("PinMarkLegend"))->isVisible());

    // Pointing at pin 1, /1OE, lights it and the /OE column; pointing at the
    // heading A lights 1A, 2A (left side) and 3A, 4A (right side).
    const auto point = [](QWidget* w, int x, int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), w->mapToGlobal(QPointF(x, y)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };
    auto* pinsL = child<PinTextBox>(QStringLiteral("PinsL"));
    auto* pinsR = child<PinTextBox>(QStringLiteral("PinsR"));
    auto* functionGrid = child<TableGrid>(QStringLiteral("Funktion"));
    point(pinsL, 2, 2);
    EXPECT_EQ(pinsL->highlightedLines(), QList<int>({0}));
    EXPECT_TRUE(functionGrid->gridModel()->highlighted(0, 0));
    EXPECT_FALSE(functionGrid->gridModel()->highlighted(0, 1));
    EXPECT_EQ(pinsL->toolTip(), "input, active low; function table column /OE");
    const QRect a = functionGrid->visualRect(functionGrid->model()->index(0, 1));
    point(functionGrid->viewport(), a.center().x(), a.center().y());
    EXPECT_EQ(pinsL->highlightedLines(), QList<int>({1, 4}));
    EXPECT_EQ(pinsR->highlightedLines(), QList<int>({2, 5}));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(functionGrid->viewport(), &leave);
    EXPECT_TRUE(pinsR->highlightedLines().isEmpty());
}
