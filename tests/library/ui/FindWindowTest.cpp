#include "library/ui/FindCommands.h"
#include "support/ui/LibraryWindow.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeView>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

void press(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

void type(QWidget* w, const QString& text) {
    for (QChar c : text)
        press(w, c.toUpper().unicode(), c);
}

class Find : public LibraryWindow {
protected:
    // 74xx is chosen at start; the part to find is in 40xx.
    FindWindow& open() {
        dir.write("40xx/4011.txt", librarySheet("Vier NAND-Gatter", "Quad NAND gate"));
        dir.write("40xx/4017.txt", librarySheet("Dezimalzähler", "Decade counter"));
        dir.write("74xx/7400.txt", librarySheet("Vier NAND-Gatter", "Quad NAND gate"));
        dir.write("74xx/74138.txt", librarySheet("3-zu-8-Dekoder", "3-to-8 line decoder"));
        dir.write("74xx/74595.txt", librarySheet("Schieberegister", "8-bit shift register"));
        dir.write("pinatlas.ini", "E\r\n 1 \r\n");
        startHaupt();
        action("Suchen")->trigger();
        return *haupt->findCommands()->window();
    }
    // The results for a text typed into the emptied box.
    QStringList find(FindWindow& w, const char* text) const {
        w.textBox()->clear();
        type(w.textBox(), QString::fromUtf8(text));
        QStringList out;
        for (int r = 0; r < w.model()->rowCount(); ++r)
            out << w.model()->index(r, 0).data().toString() + u'/' +
                       w.model()->index(r, 1).data().toString() + u' ' +
                       w.model()->index(r, 2).data().toString();
        return out;
    }
};

} // namespace

TEST_F(Find, TypingListsTheBestMatchesInTheLanguageAndEnterShowsOne) {
    FindWindow& w = open();
    EXPECT_EQ(find(w, "SN74HC595N"), QStringList({"74xx/74595 8-bit shift register"}));
    EXPECT_EQ(find(w, "40"), QStringList({"40xx/4011 Quad NAND gate", "40xx/4017 Decade counter",
                                          "74xx/7400 Quad NAND gate"}));
    // Down moves through the results; Enter shows the sheet in its directory.
    press(w.textBox(), Qt::Key_Down);
    press(w.textBox(), Qt::Key_Return);
    EXPECT_EQ(shown(), "40xx/4017 4017:  Decade counter [English]");

    // A double click on another directory's sheet switches back.
    find(w, "decoder");
    click(w.results()->viewport(), w.results()->visualRect(w.model()->index(0, 1)).center(), true);
    EXPECT_EQ(shown(), "74xx/74138 74138:  3-to-8 line decoder [English]");
    EXPECT_EQ(haupt->dirBox()->currentIndex(), 1);
    // A sheet gone since it was found only beeps.
    find(w, "4011");
    QFile::remove(dir.path() + "40xx/4011.txt");
    press(w.textBox(), Qt::Key_Return);
    EXPECT_EQ(std::pair(platform.beeps, shown()),
              std::pair(1, std::string("40xx/4017 4017:  Decade counter [English]")));

    press(w.textBox(), Qt::Key_Escape);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(haupt->findCommands()->window(), nullptr);

    // Opened anew in German, accents ignored.
    action("Deutsch")->trigger();
    action("Suchen")->trigger();
    FindWindow& d = *haupt->findCommands()->window();
    EXPECT_EQ(d.windowTitle(), "Suchen");
    EXPECT_EQ(find(d, "ZAHLER"), QStringList({"40xx/4017 Dezimalzähler"}));
}

TEST_F(Find, TypingInTheListMovesToTheFirstTypeStartingWithIt) {
    open();
    type(liste(), "745");
    EXPECT_EQ(shown(), "74xx/74595 74595:  8-bit shift register [English]");
    // A key that continues no type starts over.
    type(liste(), "7");
    EXPECT_EQ(shown(), "74xx/7400 7400:  Quad NAND gate [English]");
}

TEST_F(Find, PrintEntriesWaitForASheetAndWriteItsPages) {
    dir.write("pinatlas.ini", "E\r\n 0 \r\n");
    dir.mkdir("empty");
    startHaupt();
    EXPECT_FALSE(action("Drucken")->isEnabled() || action("PDF_speichern")->isEnabled());

    dir.write("empty/74595.txt", librarySheet("Schieberegister", "8-bit shift register"));
    haupt->selectDirectory(0);
    ASSERT_TRUE(action("PDF_speichern")->isEnabled());
    platform.savePath = dir.path() + "sheet.pdf";
    action("PDF_speichern")->trigger();
    EXPECT_TRUE(platform.saveDialogs.value(0).endsWith(QDir::separator() + QString("74595.pdf")));
    EXPECT_TRUE(dir.read("sheet.pdf").startsWith("%PDF"));

    // The scripted dialog prints into a file.
    platform.printToFile = dir.path() + "printed.pdf";
    action("Drucken")->trigger();
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_TRUE(dir.read("printed.pdf").startsWith("%PDF"));
    EXPECT_TRUE(platform.boxes.empty());
}
