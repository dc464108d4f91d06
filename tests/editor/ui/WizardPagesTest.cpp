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
    }
    // The count box, the boxes shown and both number columns for n pins.
    void expectPins(int n) const {
        EXPECT_EQ(box(d2(), "N_Pins")->text(), QString::number(n));
        int shown = 0;
        for (int k = 1; k <= 20; ++k)
            shown += d2()->leftBox(k)->isVisibleTo(d2()) + d2()->rightBox(k)->isVisibleTo(d2());
        EXPECT_EQ(shown, n);
        QStringList left, right;
        for (int k = 1; k <= n / 2; ++k) {
            left << QString(" %1").arg(k);
            right << QString(" %1").arg(n + 1 - k);
        }
        EXPECT_EQ(d2()->findChild<QTextEdit*>("PinL")->toPlainText().split('\n'), left);
        EXPECT_EQ(d2()->findChild<QTextEdit*>("PinR")->toPlainText().split('\n'), right);
    }
    // A real click on the lower or upper arrow of the vertical scroll bar.
    void clickArrow(bool down) {
        QScrollBar* bar = d2()->scrollBar();
        const QPoint at(bar->width() / 2, down ? bar->height() - 3 : 2);
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, at, bar->mapToGlobal(at), Qt::LeftButton,
                          t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(bar, &e);
        }
    }
};

} // namespace

TEST_F(PinPage, TheScrollBarSetsAnEvenCountWhoseDownArrowRaisesIt) {
    expectPins(14);
    EXPECT_EQ(d2()->rightBox(20)->geometry(), QRect(264, 352, 145, 17));
    clickArrow(true);
    expectPins(16);
    clickArrow(false);
    clickArrow(false);
    expectPins(12);
    d2()->scrollBar()->setValue(40);
    clickArrow(true);
    expectPins(40);
    d2()->scrollBar()->setValue(2);
    clickArrow(false);
    expectPins(2);
    d2()->scrollBar()->setSliderDown(true); // a dragged thumb
    d2()->scrollBar()->setSliderPosition(17);
    d2()->scrollBar()->setSliderDown(false);
    expectPins(18);
    EXPECT_EQ(d2()->scrollBar()->value(), 18);
    d2()->scrollBar()->setValue(39);
    expectPins(40);
}

TEST_F(PinPage, HiddenBoxesKeepTheirNames) {
    d2()->setPinCount(20);
    d2()->leftBox(9)->setText("CLK");
    d2()->rightBox(10)->setText("Q9");
    d2()->setPinCount(14);
    EXPECT_FALSE(d2()->leftBox(9)->isVisibleTo(d2()));
    d2()->setPinCount(20);
    EXPECT_EQ(d2()->leftBox(9)->text(), "CLK");
    EXPECT_EQ(d2()->rightBox(10)->text(), "Q9");
}

TEST_F(PinPage, EnterWalksDownTheLeftThenTheRightColumnThenToBack) {
    QApplication::setActiveWindow(d2());
    d2()->leftBox(6)->setFocus();
    key(d2()->leftBox(6), Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_TRUE(d2()->leftBox(7)->hasFocus());
    key(d2()->leftBox(7), Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_TRUE(d2()->rightBox(1)->hasFocus());
    d2()->rightBox(7)->setFocus();
    key(d2()->rightBox(7), Qt::Key_Enter, Qt::NoModifier, "\r");
    EXPECT_TRUE(d2()->backButton()->hasFocus());
    EXPECT_TRUE(d2()->rightBox(7)->text().isEmpty());
}

namespace {

class FunctionTablePage : public WizardFixture {
protected:
    void SetUp() override {
        start();
        firstPage("7400", false, true, false);
        press(d2(), "Weiter");
        ASSERT_EQ(visiblePages(), QStringList({"Neu_D4"}));
        grid = d4()->grid();
    }
    QRect header(const char* name) const { return d4()->findChild<QLabel*>(name)->geometry(); }
    void set(const char* name, const QString& text) { box(d4(), name)->setText(text); }
    QTableWidget* grid = nullptr;
};

} // namespace

TEST_F(FunctionTablePage, TheColumnCountRuleAndTheHeaders) {
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(header("L_Inputs"), QRect(19, 48, 34, 17));
    EXPECT_EQ(header("L_Outputs"), QRect(53, 48, 42, 17)); // wide enough for "Outputs"
    set("N_FTab_ICol", "3");
    EXPECT_EQ(grid->columnCount(), 4);
    EXPECT_EQ(header("L_Inputs").width(), 3 * 34);
    EXPECT_EQ(header("L_Outputs").x(), 19 + 3 * 34);
    EXPECT_EQ(platform.beeps, 0);

    set("N_FTab_ICol", "a"); // no count: a beep
    EXPECT_EQ(platform.beeps, 1);
    set("N_FTab_ICol", ""); // an emptied box: silence
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(grid->columnCount(), 4);
    set("N_FTab_ICol", "45");
    set("N_FTab_OCol", "6"); // 51 columns: too many
    EXPECT_EQ(platform.beeps, 2);
    EXPECT_EQ(grid->columnCount(), 46);
    set("N_FTab_ICol", "0");
    set("N_FTab_OCol", "0"); // no columns at all
    EXPECT_EQ(platform.beeps, 3);
    set("N_FTab_OCol", "2");
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(d4()->inputColumns(), 0);
    EXPECT_EQ(header("L_Outputs").width(), 2 * 34);
    EXPECT_EQ(platform.beeps, 3);
}

TEST_F(FunctionTablePage, TheRowCountRule) {
    set("N_FTab_Rows", "1");
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(box(d4(), "N_FTab_Rows")->text(), "1");
    set("N_FTab_Rows", "7");
    EXPECT_EQ(grid->rowCount(), 7);
    EXPECT_EQ(platform.beeps, 0);
    set("N_FTab_Rows", "75");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(box(d4(), "N_FTab_Rows")->text(), "50");
    EXPECT_EQ(grid->rowCount(), 50);
    set("N_FTab_Rows", "");
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(FunctionTablePage, KeysEditTheCurrentCellAndSizeItsColumn) {
    grid->setCurrentCell(0, 0);
    type(grid, "HL");
    key(grid, Qt::Key_Backspace, Qt::NoModifier, "\b");
    EXPECT_EQ(grid->item(0, 0)->text(), "H");
    type(grid, "IGHxy");
    EXPECT_EQ(d4()->columnWidth(0), 720);
    EXPECT_EQ(header("L_Inputs").width(), 48);
    EXPECT_EQ(grid->item(0, 0)->text(), "HIGHxy");
    for (int i = 0; i < 7; ++i)
        key(grid, Qt::Key_Backspace);
    EXPECT_EQ(grid->item(0, 0)->text(), "");

    // Enter moves right, then to the next row, and stops on the last cell.
    key(grid, Qt::Key_Return, Qt::NoModifier, "\r");
    type(grid, "X");
    key(grid, Qt::Key_X, Qt::ControlModifier, QString(QChar(24)));
    EXPECT_EQ(platform.clipboard, "X");
    EXPECT_EQ(grid->item(0, 1)->text(), "");
    key(grid, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 0);
    key(grid, Qt::Key_V, Qt::ControlModifier);
    type(grid, "Y");
    key(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(platform.clipboard, "XY");
    EXPECT_EQ(grid->item(1, 0)->text(), "XY");
    platform.clipboard = "a longer text";
    key(grid, Qt::Key_Enter, Qt::NoModifier, "\r");
    key(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d4()->columnWidth(1), 105 * 13 + 90);
    key(grid, Qt::Key_Enter, Qt::NoModifier, "\r");
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 1);
}

using ExtraTablePage = WizardFixture;

TEST_F(ExtraTablePage, ItsColumnRuleAndTheWrittenCountsAgreeWithTheGrid) {
    start();
    firstPage("7400", false, false, true);
    move(d2(), "Weiter", "Neu_D5");
    EXPECT_EQ(d5()->columnsBox()->text(), "1");
    EXPECT_EQ(d5()->grid()->columnCount(), 1);
    d5()->columnsBox()->setText("3");
    EXPECT_EQ(d5()->grid()->columnCount(), 3);
    for (const char* refused : {"51", "0", "x"})
        d5()->columnsBox()->setText(refused);
    EXPECT_EQ(platform.beeps, 3);
    EXPECT_EQ(d5()->grid()->columnCount(), 3);
    d5()->columnsBox()->setText("2");
    d5()->rowsBox()->setText("3");
    d5()->setCell(0, 0, "a");
    d5()->setCell(2, 1, "b");
    d5()->columnsBox()->setText("x"); // refused: the grid keeps 2 columns
    d5()->rowsBox()->setText("1");    // 2 rows, the box still reads 1
    press(d5(), "Weiter");
    EXPECT_TRUE(sheet("7400").endsWith("'Zusatztabelle:\r\n2,2\r\na,\r\n,\r\n'Ende\r\n"));
}
