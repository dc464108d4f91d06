#include "WizardFixture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTextEdit>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class PinPage : public WizardFixture {
protected:
    void SetUp() override {
        start();
        firstPage("7400", false, false, false);
        bar = get<QScrollBar>(2, "VScroll");
    }
    // The count box, the boxes shown and both number columns for n pins.
    void expectPins(int n) const {
        EXPECT_EQ(get(2, "N_Pins")->text(), QString::number(n));
        int visible = 0;
        for (int k = 1; k <= 20; ++k)
            visible += pinBox('L', k)->isVisibleTo(page(2)) + pinBox('R', k)->isVisibleTo(page(2));
        EXPECT_EQ(visible, n);
        QStringList left, right;
        for (int k = 1; k <= n / 2; ++k) {
            left << QString(" %1").arg(k);
            right << QString(" %1").arg(n + 1 - k);
        }
        EXPECT_EQ(get<QTextEdit>(2, "PinL")->toPlainText().split('\n'), left);
        EXPECT_EQ(get<QTextEdit>(2, "PinR")->toPlainText().split('\n'), right);
    }
    // A real click on the lower or upper arrow of the vertical scroll bar.
    void clickArrow(bool down) {
        const QPoint at(bar->width() / 2, down ? bar->height() - 3 : 2);
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, at, bar->mapToGlobal(at), Qt::LeftButton,
                          t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(bar, &e);
        }
    }
    QScrollBar* bar = nullptr;
};

} // namespace

TEST_F(PinPage, TheScrollBarSetsAnEvenCountWhoseDownArrowRaisesIt) {
    expectPins(14);
    clickArrow(true);
    expectPins(16);
    clickArrow(false);
    clickArrow(false);
    expectPins(12);
    bar->setValue(40);
    clickArrow(true);
    expectPins(40);
    bar->setValue(2);
    clickArrow(false);
    expectPins(2);
    bar->setSliderDown(true); // a dragged thumb
    bar->setSliderPosition(17);
    bar->setSliderDown(false);
    expectPins(18);
    EXPECT_EQ(bar->value(), 18);
    bar->setValue(39);
    expectPins(40);
}

TEST_F(PinPage, EnterWalksDownTheLeftThenTheRightColumnThenToBack) {
    QApplication::setActiveWindow(page(2));
    pinBox('L', 6)->setFocus();
    enter(pinBox('L', 6));
    EXPECT_TRUE(pinBox('L', 7)->hasFocus());
    enter(pinBox('L', 7));
    EXPECT_TRUE(pinBox('R', 1)->hasFocus());
    enter(pinBox('R', 1));
    EXPECT_TRUE(pinBox('R', 2)->hasFocus());
    pinBox('R', 7)->setFocus();
    key(pinBox('R', 7), Qt::Key_Enter, Qt::NoModifier, "\r");
    EXPECT_TRUE(get<QPushButton>(2, "Zurück")->hasFocus());
    EXPECT_TRUE(pinBox('R', 7)->text().isEmpty());
}

namespace {

class FunctionTablePage : public WizardFixture {
protected:
    void SetUp() override {
        start();
        firstPage("7400", false, true, false);
        forward(2);
        ASSERT_EQ(shown(), "4");
        table = grid(4);
    }
    QRect header(const char* name) const { return get<QLabel>(4, name)->geometry(); }
    QTableWidget* table = nullptr;
};

} // namespace

TEST_F(FunctionTablePage, TheCountBoxesSetTheGridOrBeep) {
    EXPECT_EQ(header("L_Inputs"), QRect(19, 48, 34, 17));
    EXPECT_EQ(header("L_Outputs"), QRect(53, 48, 42, 17)); // wide enough for "Outputs"
    // Each row: a count box given a text, then the grid's size, the box's text and the beeps.
    const struct {
        const char* box;
        const char* text;
        int columns, rows;
        const char* reads;
        int beeps;
    } rows[] = {
        {"N_FTab_Rows", "1", 2, 2, "1", 0},    {"N_FTab_Rows", "7", 2, 7, "7", 0},
        {"N_FTab_Rows", "75", 2, 50, "50", 1}, {"N_FTab_Rows", "", 2, 2, "", 1},
        {"N_FTab_ICol", "3", 4, 2, "3", 1},    {"N_FTab_ICol", "a", 4, 2, "a", 2},
        {"N_FTab_ICol", "", 4, 2, "", 2},      {"N_FTab_ICol", "45", 46, 2, "45", 2},
        {"N_FTab_OCol", "6", 46, 2, "6", 3},   {"N_FTab_ICol", "0", 6, 2, "0", 3},
        {"N_FTab_OCol", "0", 6, 2, "0", 4},    {"N_FTab_OCol", "2", 2, 2, "2", 4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.box) + " \"" + r.text + "\"");
        get(4, r.box)->setText(r.text);
        EXPECT_EQ(table->columnCount(), r.columns);
        EXPECT_EQ(table->rowCount(), r.rows);
        EXPECT_EQ(get(4, r.box)->text(), r.reads);
        EXPECT_EQ(platform.beeps, r.beeps);
    }
    EXPECT_FALSE(get<QLabel>(4, "L_Inputs")->isVisibleTo(page(4))); // no input columns left
    EXPECT_EQ(header("L_Outputs"), QRect(19, 48, 2 * 34, 17));
}

TEST_F(FunctionTablePage, KeysEditTheCurrentCellAndSizeItsColumn) {
    const auto at = [&] { return QPoint(table->currentColumn(), table->currentRow()); };
    table->setCurrentCell(0, 0);
    type(table, "HL");
    key(table, Qt::Key_Backspace, Qt::NoModifier, "\b");
    type(table, "IGHxy");
    EXPECT_EQ(table->item(0, 0)->text(), "HIGHxy");
    EXPECT_EQ(table->columnWidth(0), 720 / 15);
    for (int i = 0; i < 7; ++i)
        key(table, Qt::Key_Backspace);
    EXPECT_EQ(table->item(0, 0)->text(), "");

    // Enter moves right, then to the next row, and stops on the last cell.
    enter(table);
    type(table, "X");
    key(table, Qt::Key_X, Qt::ControlModifier, QString(QChar(24)));
    EXPECT_EQ(platform.clipboard, "X");
    EXPECT_EQ(table->item(0, 1)->text(), "");
    enter(table);
    EXPECT_EQ(at(), QPoint(0, 1));
    key(table, Qt::Key_V, Qt::ControlModifier);
    type(table, "Y");
    key(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboard, "XY");
    EXPECT_EQ(table->item(1, 0)->text(), "XY");
    platform.clipboard = "a longer text";
    key(table, Qt::Key_Enter, Qt::NoModifier, "\r");
    key(table, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(table->columnWidth(1), (105 * 13 + 90) / 15);
    enter(table);
    EXPECT_EQ(at(), QPoint(1, 1));
}

using WizardPages = WizardFixture;

// One control of each kind where it stands, in twips; a row without a name is
// the page's own client size.
TEST_F(WizardPages, ControlsStandAtTheirTwipPositions) {
    start();
    firstPage("7400", true, true, true);
    for (int n = 2; n <= 4; ++n)
        forward(n);
    const struct {
        int page;
        const char* name;
        int left, top, width, height;
    } rows[] = {{1, "", 0, 0, 6480, 6720},
                {1, "N_Typ", 240, 600, 5775, 285},
                {1, "N_out", 240, 3480, 2055, 255},
                {1, "N_EB", 240, 4200, 6120, 375},
                {2, "VScroll", 3360, 200, 255, 285},
                {2, "N_PinR20", 3960, 5280, 2175, 255},
                {2, "PinL", 2760, 720, 375, 4935},
                {2, "Weiter", 3240, 6120, 1215, 375},
                {3, "", 0, 0, 6270, 6720},
                {3, "Label1", 120, 120, 3255, 255},
                {3, "Label2", 120, 3120, 3615, 255},
                {3, "N_Bes", 120, 3360, 6015, 2535},
                {4, "N_FTab_ICol", 3240, 220, 495, 285},
                {4, "N_FTabelle", 240, 960, 11415, 6975},
                {4, "Abbrechen", 1800, 8040, 1215, 375}};
    const auto px = [](int twips) { return qRound(twips / 15.0); };
    for (const auto& r : rows) {
        QWidget* w = *r.name ? get<QWidget>(r.page, r.name) : page(r.page);
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_EQ(*r.name ? w->geometry() : w->rect(),
                  QRect(px(r.left), px(r.top), px(r.width), px(r.height)))
            << r.page << " " << r.name;
    }
    EXPECT_EQ(grid(4)->rowHeight(0), px(240));
}
