#include "WizardFixture.h"

#include <QDir>

using namespace pinatlas;
using namespace pinatlas::test;

using WizardFlow = WizardFixture;

TEST_F(WizardFlow, AllOptionsVisitEveryPageInBothLanguagesAndTheLastOneWrites) {
    const char* names[] = {"Neu_D1", "Neu_D2", "Neu_D3", "Neu_D4", "Neu_D5"};
    for (const char* language : {"E", "D"}) {
        SCOPED_TRACE(language);
        const bool en = QString(language) == "E";
        haupt.reset();
        start(language);
        firstPage(language, true, true, true);
        for (int i = 0; i < 5; ++i) {
            QWidget* p = page(names[i]);
            ASSERT_NE(p, nullptr); // the pages passed stay loaded
            EXPECT_EQ(visiblePages(), QStringList({names[std::max(i, 1)]}));
            EXPECT_EQ(p->findChild<QPushButton*>("Zurück")->text(), en ? "Back" : "Zurück");
            EXPECT_EQ(p->findChild<QPushButton*>("Abbrechen")->text(), en ? "Abort" : "Abbrechen");
            EXPECT_EQ(p->findChild<QPushButton*>("Weiter")->text(), en ? "Forward" : "Weiter");
            EXPECT_EQ(p->findChild<QPushButton*>("Zurück")->isEnabled(), i != 0);
            if (i > 0 && i < 4)
                press(p, "Weiter");
        }
        EXPECT_FALSE(dir.exists(QString("74xx/%1.txt").arg(language)));
        press(d5(), "Weiter");
        EXPECT_TRUE(dir.exists(QString("74xx/%1.txt").arg(language)));
        EXPECT_EQ(platform.boxes.back().text,
                  en ? "The new/edit datasheet is now ready for use!"
                     : "Das neue/geänderte Datenblatt ist nun im Verzeichnis!");
        EXPECT_EQ(visiblePages(), QStringList());
        for (const char* name : names)
            EXPECT_EQ(page(name), nullptr) << name;
    }
}

TEST_F(WizardFlow, BackAndForwardFollowTheOptionsAtTheMomentOfTheMove) {
    start();
    firstPage("7400", false, false, true);
    move(d2(), "Weiter", "Neu_D5");
    move(d5(), "Zurück", "Neu_D2");
    d1()->commentsBox()->setChecked(true); // on the hidden first page
    move(d2(), "Weiter", "Neu_D3");
    move(d3(), "Weiter", "Neu_D5");
    move(d5(), "Zurück", "Neu_D3");
    d1()->functionTableBox()->setChecked(true);
    move(d3(), "Weiter", "Neu_D4");
    move(d4(), "Zurück", "Neu_D3");
    move(d3(), "Zurück", "Neu_D2");
    move(d2(), "Zurück", "Neu_D1");
}

TEST_F(WizardFlow, PageOneRefusesAnEmptyTypeAndOneThatCannotBeAFileName) {
    for (const char* language : {"E", "D"}) {
        const bool en = QString(language) == "E";
        haupt.reset();
        start(language);
        menu("D_hinzufügen");
        for (const char* type : {"", "../7400", "74\\00", "CON", "a*", "7400.", ".."}) {
            SCOPED_TRACE(std::string(language) + " " + type);
            platform.boxes.clear();
            d1()->typeBox()->setText(QString::fromUtf8(type));
            press(d1(), "Weiter");
            const QString bad = QString(en ? "The type name \"%1\" cannot be used"
                                           : "Der Typname \"%1\" kann nicht")
                                    .arg(type);
            const char* empty =
                en ? "Please insert a typ-name!" : "Bitte geben Sie den Typnamen an!";
            ASSERT_NO_FATAL_FAILURE(expectRefused(*type ? bad : empty, "Neu_D1"));
            EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
            if (*type == 0) {
                EXPECT_EQ(platform.boxes[0].text, empty);
            }
            EXPECT_EQ(d2(), nullptr);
            EXPECT_TRUE(d1()->englishBox()->text().isEmpty());
        }
    }
}

TEST_F(WizardFlow, MissingDescriptionsGetTheirPlaceholdersInTheBoxes) {
    start();
    firstPage("7400", false, false, false);
    EXPECT_EQ(d1()->englishBox()->text(), "No english description available!");
    EXPECT_EQ(d1()->germanBox()->text(), "Keine deutsche Beschreibung vorhanden!");
    press(d2(), "Zurück");
    d1()->englishBox()->setText("Quad NAND");
    d1()->germanBox()->clear();
    press(d1(), "Weiter");
    EXPECT_EQ(d1()->englishBox()->text(), "Quad NAND");
    EXPECT_EQ(d1()->germanBox()->text(), "Keine deutsche Beschreibung vorhanden!");
    press(d2(), "Weiter"); // no output type chosen: an empty line
    EXPECT_TRUE(sheet("7400").startsWith("Keine deutsche Beschreibung vorhanden!\r\n"
                                         "Quad NAND\r\n14\r\n\r\n"));
}

TEST_F(WizardFlow, ControlsStandAtTheirTwipPositionsInTabOrder) {
    start();
    menu("D_hinzufügen");
    GeneralPage* p = d1();
    EXPECT_EQ(p->size(), QSize(432, 448));
    EXPECT_EQ(p->typeBox()->geometry(), QRect(16, 40, 385, 19));
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
    move(d1(), "Weiter", "Neu_D2");
    EXPECT_EQ(d2()->leftBox(1)->text(), "1A");
    press(d2(), "Weiter");
    EXPECT_TRUE(d3()->germanText().isEmpty());
    d3()->close(); // the close button unloads its page too
    settle();
    EXPECT_EQ(d3(), nullptr);
    EXPECT_NE(d2(), nullptr);

    // Adding again while a page is open shows page 1 beside it, and finishing
    // from that page still checks the type on page 1.
    press(d2(), "Weiter");
    menu("D_hinzufügen");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D1", "Neu_D3"}));
    d1()->typeBox()->setText("a|b");
    press(d3(), "Weiter");
    EXPECT_TRUE(QDir(dir.path() + "74xx").isEmpty());
    EXPECT_TRUE(visiblePages().contains("Neu_D1"));
}

TEST_F(WizardFlow, ACommentLineThatWouldEndItsSectionIsRefused) {
    start();
    firstPage("7400", true, false, false);
    press(d2(), "Weiter");
    d3()->englishBox()->setPlainText("fine\n'Ende\nmore");
    press(d3(), "Weiter");
    expectRefused("apostrophe", "Neu_D3");
    d3()->englishBox()->setPlainText("fine\n 'Ende\nmore");
    press(d3(), "Weiter");
    EXPECT_TRUE(sheet("7400").contains("'Beschreibung-E:\r\nfine\r\n 'Ende\r\nmore\r\n'Ende\r\n"));
}
