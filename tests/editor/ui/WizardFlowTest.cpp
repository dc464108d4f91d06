#include "WizardFixture.h"

#include <QLabel>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {
class WizardFlow : public WizardFixture {};
} // namespace

TEST_F(WizardFlow, AllOptionsVisitEveryPageInOrderAndTheLastOneWrites) {
    start();
    firstPage("7400", true, true, true);
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D2"}));
    ASSERT_NE(d1(), nullptr); // hidden, still loaded
    press(d2(), "Weiter");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D3"}));
    press(d3(), "Weiter");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D4"}));
    press(d4(), "Weiter");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D5"}));
    EXPECT_FALSE(dir.exists("74xx/7400.txt"));
    press(d5(), "Weiter");
    EXPECT_TRUE(dir.exists("74xx/7400.txt"));
    EXPECT_EQ(visiblePages(), QStringList());
    EXPECT_EQ(d1(), nullptr);
    EXPECT_EQ(d5(), nullptr);
}

TEST_F(WizardFlow, WithoutOptionsThePinPageWrites) {
    start();
    firstPage("7400", false, false, false);
    press(d2(), "Weiter");
    EXPECT_TRUE(dir.exists("74xx/7400.txt"));
    EXPECT_EQ(visiblePages(), QStringList());
}

TEST_F(WizardFlow, BackMovesFollowTheOptionsAtTheMomentOfTheMove) {
    start();
    firstPage("7400", false, false, true);
    press(d2(), "Weiter");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D5"}));
    press(d5(), "Zurück");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D2"}));

    // The option is read from the hidden first page when the move happens.
    d1()->commentsBox()->setChecked(true);
    press(d2(), "Weiter");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D3"}));
    press(d3(), "Weiter");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D5"}));
    press(d5(), "Zurück");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D3"}));
    d1()->functionTableBox()->setChecked(true);
    press(d3(), "Weiter");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D4"}));
    press(d4(), "Zurück");
    press(d3(), "Zurück");
    press(d2(), "Zurück");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D1"}));
    EXPECT_FALSE(d1()->backButton()->isEnabled());
}

TEST_F(WizardFlow, AnEmptyTypeIsRefusedInTheUsersLanguage) {
    for (const char* language : {"E", "D"}) {
        SCOPED_TRACE(language);
        haupt.reset();
        platform.boxes.clear();
        start(language);
        menu("D_hinzufügen");
        press(d1(), "Weiter");
        ASSERT_EQ(platform.boxes.size(), 1u);
        const FakePlatform::Box& b = platform.boxes[0];
        EXPECT_EQ(b.icon, MsgIcon::Information);
        EXPECT_EQ(b.buttons, MsgButtons::Ok);
        EXPECT_EQ(b.title, "Pinatlas");
        EXPECT_EQ(b.text, QString(language) == "E" ? "Please insert a typ-name!"
                                                   : "Bitte geben Sie den Typnamen an!");
        EXPECT_EQ(visiblePages(), QStringList({"Neu_D1"}));
        EXPECT_EQ(d2(), nullptr);
        EXPECT_TRUE(d1()->englishBox()->text().isEmpty());
    }
}

TEST_F(WizardFlow, MissingDescriptionsGetTheirPlaceholdersInTheBoxes) {
    start();
    d1(); // not loaded yet
    firstPage("7400", false, false, false);
    EXPECT_EQ(d1()->englishBox()->text(), "No english description available!");
    EXPECT_EQ(d1()->germanBox()->text(), "Keine deutsche Beschreibung vorhanden!");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D2"}));
    press(d2(), "Zurück");
    EXPECT_EQ(d1()->germanBox()->text(), "Keine deutsche Beschreibung vorhanden!");
    d1()->englishBox()->setText("Quad NAND");
    d1()->germanBox()->clear();
    press(d1(), "Weiter");
    EXPECT_EQ(d1()->englishBox()->text(), "Quad NAND");
    EXPECT_EQ(d1()->germanBox()->text(), "Keine deutsche Beschreibung vorhanden!");
}

TEST_F(WizardFlow, ATypeThatCannotBeAFileNameIsRefusedOnPageOne) {
    start("D");
    menu("D_hinzufügen");
    for (const char* bad :
         {"../7400", "74/00", "74\\00", "CON", "nul", "a:b", "a*", "7400.", "  ", ".7400", ".."}) {
        SCOPED_TRACE(bad);
        platform.boxes.clear();
        d1()->typeBox()->setText(QString::fromUtf8(bad));
        press(d1(), "Weiter");
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0].title, "Pinatlas");
        EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
        EXPECT_TRUE(platform.boxes[0].text.startsWith("Der Typname"))
            << platform.boxes[0].text.toStdString();
        EXPECT_EQ(visiblePages(), QStringList({"Neu_D1"}));
    }
    haupt->Sprache_Englisch();
    platform.boxes.clear();
    press(d1(), "Weiter");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith("The type name \"..\" cannot be used"));
    EXPECT_EQ(d2(), nullptr);
}

TEST_F(WizardFlow, CaptionsTitlesAndButtonsInBothLanguages) {
    const char* titles[] = {"Add datasheet / Neues Datenblatt hinzufügen",
                            "DIL Package / DIL Gehäuse",
                            "Comments or extra description / Kommentar oder extra Beschreibung",
                            "Function table / Funktionstabelle", ""};
    for (const char* language : {"E", "D"}) {
        SCOPED_TRACE(language);
        haupt.reset();
        start(language);
        const bool en = QString(language) == "E";
        firstPage("7400", true, true, true);
        press(d2(), "Weiter");
        press(d3(), "Weiter");
        press(d4(), "Weiter");
        QWidget* pages[] = {d1(), d2(), d3(), d4(), d5()};
        for (int i = 0; i < 5; ++i) {
            ASSERT_NE(pages[i], nullptr);
            EXPECT_EQ(pages[i]->windowTitle(), QString::fromUtf8(titles[i]));
            EXPECT_EQ(pages[i]->findChild<QPushButton*>("Zurück")->text(), en ? "Back" : "Zurück");
            EXPECT_EQ(pages[i]->findChild<QPushButton*>("Abbrechen")->text(),
                      en ? "Abort" : "Abbrechen");
            EXPECT_EQ(pages[i]->findChild<QPushButton*>("Weiter")->text(),
                      en ? "Forward" : "Weiter");
            EXPECT_EQ(pages[i]->findChild<QPushButton*>("Zurück")->isEnabled(), i != 0);
        }
    }
}

TEST_F(WizardFlow, ControlsStandAtTheirTwipPositionsInTabOrder) {
    start();
    menu("D_hinzufügen");
    Neu_D1* p = d1();
    EXPECT_EQ(p->size(), QSize(418, 448));
    EXPECT_EQ(p->typeBox()->geometry(), QRect(16, 40, 385, 19));
    EXPECT_EQ(p->findChild<QWidget*>("N_ZTab")->geometry(), QRect(16, 344, 393, 25));
    EXPECT_EQ(p->findChild<QPushButton*>("Weiter")->geometry(), QRect(216, 408, 81, 25));
    EXPECT_EQ(p->outputBox()->count(), 5);
    EXPECT_EQ(p->outputBox()->currentIndex(), -1);
    EXPECT_EQ(p->findChild<QComboBox*>("N_Geh")->itemText(0), "DIL (Dual in Line)");
    QStringList chain;
    QWidget* w = p->typeBox();
    for (int i = 0; i < 11; ++i) {
        chain << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || w == p || w->objectName().isEmpty());
    }
    EXPECT_EQ(chain, QStringList({"N_Typ", "N_ET", "N_DT", "N_Geh", "N_out", "N_EB", "N_FTab",
                                  "N_ZTab", "Zurück", "Abbrechen", "Weiter"}));
}

TEST_F(WizardFlow, AbortUnloadsOnlyItsPageAndTheNextStartShowsWhatIsLeft) {
    start();
    firstPage("7400", true, false, false);
    d2()->leftBox(1)->setText("1A");
    press(d2(), "Weiter");
    d3()->germanBox()->setPlainText("Kommentar");
    press(d3(), "Abbrechen");
    EXPECT_EQ(d3(), nullptr);
    EXPECT_EQ(visiblePages(), QStringList());
    EXPECT_TRUE(haupt->isVisible());

    menu("D_hinzufügen");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D1"}));
    EXPECT_EQ(d1()->typeBox()->text(), "7400");
    EXPECT_TRUE(d1()->commentsBox()->isChecked());
    press(d1(), "Weiter");
    EXPECT_EQ(d2()->leftBox(1)->text(), "1A");
    press(d2(), "Weiter");
    EXPECT_TRUE(d3()->germanText().isEmpty());

    // The close button unloads its page too, without bringing the main window up.
    d3()->close();
    settle();
    EXPECT_EQ(d3(), nullptr);
    EXPECT_NE(d2(), nullptr);
}

TEST_F(WizardFlow, AddingAgainWhileOpenShowsPageOneBesideTheOpenPage) {
    start();
    firstPage("7400", false, false, false);
    menu("D_hinzufügen");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D1", "Neu_D2"}));
    EXPECT_EQ(d1()->typeBox()->text(), "7400");

    // Finishing from another page still checks the type of page 1.
    d1()->typeBox()->setText("a|b");
    press(d2(), "Weiter");
    EXPECT_FALSE(dir.exists("74xx/a|b.txt"));
    EXPECT_TRUE(visiblePages().contains("Neu_D1"));
}

TEST_F(WizardFlow, ACommentLineThatWouldEndItsSectionIsRefused) {
    start();
    firstPage("7400", true, false, false);
    press(d2(), "Weiter");
    d3()->englishBox()->setPlainText("fine\n'Ende\nmore");
    press(d3(), "Weiter");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.contains("apostrophe"));
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D3"}));
    EXPECT_FALSE(dir.exists("74xx/7400.txt"));
    d3()->englishBox()->setPlainText("fine\n 'Ende\nmore");
    press(d3(), "Weiter");
    EXPECT_TRUE(sheet("7400").contains("'Beschreibung-E:\r\nfine\r\n 'Ende\r\nmore\r\n'Ende\r\n"));
}
