#include "families/ui/FamiliesWindow.h"
#include "support/ui/MainWindowFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class Families : public MainWindowFixture {
protected:
    FamiliesWindow* open() {
        menu("Familien");
        return mainWindow->findChild<FamiliesWindow*>("Familien");
    }
};

} // namespace

TEST_F(Families, WithoutTheTableTheViewSaysItIsMissing) {
    start();
    FamiliesWindow* w = open();
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_EQ(w->hintLabel()->text(),
              "The family table is missing: " + dir.path() + "pinatlas-families.txt");
    EXPECT_FALSE(w->driverBox()->isEnabled());
}

TEST_F(Families, JudgesADriverAndAReceiverAndFollowsTheSheetAndTheLanguage) {
    QFile::copy(PINATLAS_SOURCE_DIR "/families/pinatlas-families.txt",
                dir.path() + "pinatlas-families.txt");
    QFile::copy(PINATLAS_SOURCE_DIR "/library/74xx/7400.txt", dir.mkdir("74xx") + "7400.txt");
    dir.write("74xx/7400.txt",
              dir.read("74xx/7400.txt").replace("74LS,74HC,74HCT", "74LS,LS,74HC"));
    start();
    mainWindow->icList()->setCurrentIndex(mainWindow->icList()->model()->index(0, 0));
    FamiliesWindow* w = open();
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_EQ(action("Familien")->shortcut(), QKeySequence("Ctrl+Shift+F"));
    EXPECT_EQ(w->hintLabel()->text(), "Sheet 7400: Quad 2-input NAND gate");
    // Every family side by side; the sheet's own stands out.
    ASSERT_EQ(w->table()->columnCount(), 13);
    EXPECT_EQ(w->table()->horizontalHeaderItem(2)->text(), "74LS");
    EXPECT_TRUE(w->table()->horizontalHeaderItem(2)->font().bold());
    EXPECT_TRUE(w->table()->horizontalHeaderItem(5)->font().bold());  // 74HC
    EXPECT_FALSE(w->table()->horizontalHeaderItem(1)->font().bold()); // 74S
    EXPECT_TRUE(w->substitutesText()->toPlainText().startsWith("7400 is made in: 74LS"));
    EXPECT_EQ(w->receiverBox()->currentText(), "74HC"); // the second family, not its alias

    // Chosen as a user does, so that a reload keeps the choice.
    const auto choose = [](QComboBox* box, const QString& name) {
        box->setCurrentText(name);
        Q_EMIT box->activated(box->currentIndex());
    };
    choose(w->driverBox(), "74LS");
    choose(w->receiverBox(), "74HC");
    EXPECT_EQ(w->verdictLabel()->text(), "74LS → 74HC: does not work");
    EXPECT_TRUE(w->reasonsText()->toPlainText().contains(
        "✗ High level: VOH 2.7 V (at 0.4 mA) against VIH 3.5 V: 0.8 V short."));
    choose(w->receiverBox(), "74HCT");
    EXPECT_EQ(w->verdictLabel()->text(), "74LS → 74HCT: works");
    // Tab runs row by row, each family and then its supply.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->driverBox()->setFocus();
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, QStringList({"TreiberVersorgung", "Empfaenger", "EmpfaengerVersorgung"}));

    menu("Deutsch");
    EXPECT_EQ(w->windowTitle(), "Familien");
    EXPECT_EQ(w->verdictLabel()->text(), "74LS → 74HCT: funktioniert");
    EXPECT_TRUE(w->hintLabel()->text().startsWith("Datenblatt 7400: Vier NAND-Gatter"));
    // What the sheet says is spelt out where it holds control characters.
    dir.write("74xx/7400.txt",
              dir.read("74xx/7400.txt").replace("74LS,", "74\x1bLS,").replace("TP (", "OC ("));
    menu("Englisch");
    EXPECT_TRUE(w->substitutesText()->toPlainText().startsWith("7400 is made in: 74\\eLS"));
    // Open-collector outputs of the sheet's own family are judged with their pull-up.
    EXPECT_TRUE(w->reasonsText()->toPlainText().contains("needs a pull-up resistor to 5 V"));
    // A family the part is not made in drives with its own outputs.
    choose(w->driverBox(), "74S");
    EXPECT_FALSE(w->reasonsText()->toPlainText().contains("pull-up"));
}
