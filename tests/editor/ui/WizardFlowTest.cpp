#include "WizardFixture.h"

using namespace pinatlas;
using namespace pinatlas::test;

using WizardFlow = WizardFixture;

// In both languages: page 1 refuses an empty type and one that cannot be a
// file name; with all options every page is visited and the last one writes.
TEST_F(WizardFlow, RefusedTypesThenEveryPageInBothLanguages) {
    for (const char* language : {"E", "D"}) {
        SCOPED_TRACE(language);
        const bool en = *language == 'E';
        start(language);
        menu("D_hinzufügen");
        const std::pair<const char*, const char*> refused[] = {
            {"", en ? "Please insert a typ-name!" : "Bitte geben Sie den Typnamen an!"},
            {"a*\x1b",
             en ? "The type name \"a*\\e\" cannot be used" : "Der Typname \"a*\\e\" kann"}};
        for (const auto& [type, said] : refused) {
            get(1, "N_Typ")->setText(type);
            get<QPushButton>(1, "Weiter")->setFocus(); // the keyboard goes back to the type
            forward(1);
            expectRefused(*type ? MsgIcon::Exclamation : MsgIcon::Information, said, "1");
            EXPECT_EQ(QApplication::focusWidget(), get(1, "N_Typ"));
            EXPECT_EQ(page(2), nullptr);
        }
        firstPage(language, true, true, true);
        for (int n = 1; n <= 5; ++n) {
            ASSERT_NE(page(n), nullptr); // the pages passed stay loaded
            EXPECT_EQ(shown(), QString::number(std::max(n, 2)));
            QStringList buttons;
            for (const char* name : {"Zurück", "Abbrechen", "Weiter"})
                buttons << get<QPushButton>(n, name)->text();
            EXPECT_EQ(buttons.join('/'), en ? "Back/Abort/Forward" : "Zurück/Abbrechen/Weiter");
            EXPECT_EQ(get<QPushButton>(n, "Zurück")->isEnabled(), n != 1);
            if (n > 1 && n < 5)
                forward(n);
        }
        EXPECT_FALSE(dir.exists(QString("74xx/%1.txt").arg(language)));
        forward(5);
        // Missing descriptions get their placeholders; no output type chosen: an empty line.
        EXPECT_TRUE(sheet(language).startsWith("Keine deutsche Beschreibung vorhanden!\r\n"
                                               "No english description available!\r\n14\r\n\r\n"));
        EXPECT_EQ(platform.boxes.back().text,
                  en ? "The new/edit datasheet is now ready for use!"
                     : "Das neue/geänderte Datenblatt ist nun im Verzeichnis!");
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(page(n), nullptr) << n;
        QFile::remove(dir.path() + "74xx/" + language + ".txt");
    }
}

TEST_F(WizardFlow, BackAndForwardFollowTheOptionsAtTheMomentOfTheMove) {
    start();
    firstPage("7400", false, false, true);
    const auto move = [&](int on, const char* button, const char* then) {
        press(on, button);
        EXPECT_EQ(shown(), then) << on << " " << button;
    };
    move(2, "Weiter", "5");
    move(5, "Zurück", "2");
    get<QCheckBox>(1, "N_EB")->setChecked(true); // on the hidden first page
    move(2, "Weiter", "3");
    get<QCheckBox>(1, "N_FTab")->setChecked(true);
    move(3, "Weiter", "4");
    move(4, "Zurück", "3");
}

TEST_F(WizardFlow, AbortUnloadsOnlyItsPageAndTheNextStartShowsWhatIsLeft) {
    start();
    firstPage("7400", true, false, false);
    pinBox('L', 1)->setText("1A");
    forward(2);
    comment("N_Bes")->setPlainText("Kommentar");
    key(comment("N_Bes"), Qt::Key_Escape); // as Abbrechen
    settle();
    EXPECT_EQ(page(3), nullptr);
    EXPECT_EQ(shown(), "");

    menu("D_hinzufügen");
    EXPECT_EQ(shown(), "1");
    EXPECT_EQ(get(1, "N_Typ")->text(), "7400");
    forward(1);
    EXPECT_EQ(pinBox('L', 1)->text(), "1A");
    forward(2);
    EXPECT_TRUE(comment("N_Bes")->toPlainText().isEmpty());
    page(3)->close(); // the close button unloads its page too
    settle();
    EXPECT_EQ(page(3), nullptr);

    // Adding again while a page is open shows page 1 beside it, and finishing
    // from that page still checks the type on page 1.
    forward(2);
    menu("D_hinzufügen");
    EXPECT_EQ(shown(), "13");
    get(1, "N_Typ")->setText("a|b");
    forward(3);
    EXPECT_TRUE(QDir(dir.path() + "74xx").isEmpty());
    EXPECT_TRUE(shown().contains('1'));
}

TEST_F(WizardFlow, ACommentLineThatWouldEndItsSectionIsRefused) {
    start();
    firstPage("7400", true, false, false);
    forward(2);
    for (const char* box : {"N_des", "N_Bes"}) {
        comment(box)->setPlainText("fine\n'Ende\nmore");
        forward(3);
        expectRefused(MsgIcon::Exclamation, "apostrophe", "3");
        EXPECT_EQ(std::pair(QApplication::focusWidget(), comment(box)->textCursor().blockNumber()),
                  (std::pair<QWidget*, int>(comment(box), 1))); // on the line to change
        comment(box)->setPlainText("fine\n 'Ende\nmore");
    }
    forward(3);
    EXPECT_TRUE(sheet("7400").contains("'Beschreibung-E:\r\nfine\r\n 'Ende\r\nmore\r\n'Ende\r\n"));
}
