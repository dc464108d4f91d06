#include "WizardFixture.h"

#include <QLabel>
#include <QTextEdit>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class WizardPages : public WizardFixture {
protected:
    void functionTablePage() {
        start();
        firstPage("7400", false, true, false);
        forward(2);
        table = grid(4);
    }
    QTableWidget* table = nullptr;
};

} // namespace

// The pin rules themselves are pinned in the core; here the page applies them.
TEST_F(WizardPages, ThePinPageFollowsItsScrollBarAndWalksItsBoxesOnEnter) {
    start();
    firstPage("7400", false, false, false);
    auto* bar = get<QScrollBar>(2, "VScroll");
    const auto expectPins = [&](int n) {
        EXPECT_EQ(get(2, "N_Pins")->text(), QString::number(n));
        int visible = 0;
        for (int k = 1; k <= 20; ++k)
            visible += pinBox('L', k)->isVisibleTo(page(2)) + pinBox('R', k)->isVisibleTo(page(2));
        EXPECT_EQ(visible, n);
        const QStringList right = get<QTextEdit>(2, "PinR")->toPlainText().split('\n');
        EXPECT_EQ(std::pair(right.first(), right.size()),
                  std::pair(QString(" %1").arg(n), qsizetype(n / 2)));
    };
    expectPins(14);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); // the down arrow
    expectPins(16);
    bar->setValue(17); // a dragged thumb can stop on an odd value
    expectPins(18);

    QApplication::setActiveWindow(page(2));
    pinBox('L', 9)->setFocus();
    enter(pinBox('L', 9));
    EXPECT_TRUE(pinBox('R', 1)->hasFocus());
    pinBox('R', 9)->setFocus();
    key(pinBox('R', 9), Qt::Key_Enter, Qt::NoModifier, "\r");
    EXPECT_TRUE(get<QPushButton>(2, "Zurück")->hasFocus());
    EXPECT_TRUE(pinBox('R', 9)->text().isEmpty());
}

// One row per kind of outcome of the count rules, which the core pins in full.
TEST_F(WizardPages, TheCountBoxesSetTheGridOrBeep) {
    functionTablePage();
    const auto header = [&](const char* name) { return get<QLabel>(4, name)->geometry(); };
    EXPECT_EQ(header("L_Outputs"), QRect(53, 48, 43, 17)); // wide enough for "Outputs"
    // Each row: a count box given a text, then the grid's size, the box's text and the beeps.
    const struct {
        const char* box;
        const char* text;
        int columns, rows;
        const char* reads;
        int beeps;
    } rows[] = {
        {"N_FTab_Rows", "75", 2, 50, "50", 1}, {"N_FTab_Rows", "7", 2, 7, "7", 1},
        {"N_FTab_ICol", "3", 4, 7, "3", 1},    {"N_FTab_ICol", "a", 4, 7, "a", 2},
        {"N_FTab_ICol", "0", 1, 7, "0", 2},    {"N_FTab_OCol", "0", 1, 7, "0", 3},
        {"N_FTab_OCol", "2", 2, 7, "2", 3},
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
// The key rules are pinned in the core; here the grid applies them.
TEST_F(WizardPages, KeysEditTheCurrentCellAndSizeItsColumn) {
    functionTablePage();
    const auto at = [&] { return QPoint(table->currentColumn(), table->currentRow()); };
    table->setCurrentCell(0, 0);
    type(table, "HIGHxy");
    key(table, Qt::Key_Escape, Qt::NoModifier, "\x1b"); // a character here, not Abbrechen
    key(table, Qt::Key_Backspace, Qt::NoModifier, "\b");
    EXPECT_EQ(table->item(0, 0)->text(), "HIGHxy");
    EXPECT_EQ(table->columnWidth(0), 720 / 15);
    key(table, Qt::Key_C, Qt::ControlModifier);
    // Enter moves right, then to the next row, and stops on the last cell.
    enter(table);
    enter(table);
    EXPECT_EQ(at(), QPoint(0, 1));
    key(table, Qt::Key_V, Qt::ControlModifier);
    type(table, "Y");
    EXPECT_EQ(table->item(1, 0)->text(), "HIGHxyY");
    platform.clipboard = "a longer text";
    key(table, Qt::Key_Enter, Qt::NoModifier, "\r");
    key(table, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(table->columnWidth(1), (105 * 13 + 90) / 15);
    enter(table);
    EXPECT_EQ(at(), QPoint(1, 1));
}

// One control of each kind where it stands, in twips.
TEST_F(WizardPages, ControlsStandAtTheirTwipPositions) {
    start();
    firstPage("7400", true, true, true);
    for (int n = 2; n <= 4; ++n)
        forward(n);
    // Page, name, left, top, width and height; a row without a name is the page's client size.
    const QString rows = "1 - 0 0 6480 6720; 1 N_Typ 240 600 5775 285; 1 N_out 240 3480 2055 255; "
                         "2 VScroll 3360 200 255 285; 2 N_PinR20 3960 5280 2175 255; "
                         "2 PinL 2760 720 375 4935; 2 Weiter 3240 6120 1215 375; "
                         "3 - 0 0 6270 6720; 3 N_Bes 120 3360 6015 2535; "
                         "4 N_FTab_ICol 3240 220 495 285; 4 N_FTabelle 240 960 11415 6975; "
                         "4 Abbrechen 1800 8040 1215 375";
    const auto px = [](const QString& twips) { return qRound(twips.toInt() / 15.0); };
    for (const QString& row : rows.split("; ")) {
        const QStringList f = row.split(' ');
        QWidget* w = f[1] == "-" ? page(f[0].toInt()) : get<QWidget>(f[0].toInt(), f[1]);
        ASSERT_NE(w, nullptr) << row.toStdString();
        EXPECT_EQ(f[1] == "-" ? w->rect() : w->geometry(),
                  QRect(px(f[2]), px(f[3]), px(f[4]), px(f[5])))
            << row.toStdString();
    }
    EXPECT_EQ(grid(4)->rowHeight(0), 16); // 240 twips
}
