#include "display/ui/DatasheetView.h"
#include "library/Cp1252.h"
#include "library/ui/FindCommands.h"
#include "support/ui/HauptFixture.h"

#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTreeView>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

QByteArray sheet(const char* de, const char* en) {
    return encodeCp1252(QString::fromUtf8(de) + "\r\n" + QString::fromUtf8(en) +
                        "\r\n4\r\nTP\r\nA\r\nB\r\nGND\r\nVCC\r\n'Ende\r\n");
}

void press(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

void type(QWidget* w, const QString& text) {
    for (QChar c : text)
        press(w, c.toUpper().unicode(), c);
}

class Find : public HauptFixture {
protected:
    // 74xx is chosen at start; the part to find is in 40xx.
    FindWindow& open(const char* language = "E") {
        dir.write("40xx/4011.txt", sheet("Vier NAND-Gatter", "Quad NAND gate"));
        dir.write("40xx/4017.txt", sheet("Dezimalzähler", "Decade counter"));
        dir.write("74xx/7400.txt", sheet("Vier NAND-Gatter", "Quad NAND gate"));
        dir.write("74xx/74138.txt", sheet("3-zu-8-Dekoder", "3-to-8 line decoder"));
        dir.write("74xx/74595.txt", sheet("Schieberegister", "8-bit shift register"));
        dir.write("pinatlas.ini", QByteArray(language) + "\r\n 1 \r\n");
        startHaupt();
        action("Suchen")->trigger();
        return *haupt->findCommands()->window();
    }
    QStringList results(FindWindow& w) const {
        QStringList out;
        for (int r = 0; r < w.model()->rowCount(); ++r)
            out << w.model()->index(r, 0).data().toString() + u'/' +
                       w.model()->index(r, 1).data().toString() + u' ' +
                       w.model()->index(r, 2).data().toString();
        return out;
    }
    std::string shown() const {
        return (haupt->currentDirectory() + u'/' +
                haupt->liste()->item(haupt->liste()->currentRow(), 0)->text() + u' ' +
                haupt->findChild<QLabel*>("Info")->text())
            .toStdString();
    }
};

} // namespace

TEST_F(Find, TypingListsTheBestMatchesOfEveryDirectoryAndEnterShowsOne) {
    FindWindow& w = open();
    EXPECT_EQ(action("Suchen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(w.windowTitle(), "Find");
    EXPECT_TRUE(w.isVisible());

    type(w.textBox(), "SN74HC595N");
    EXPECT_EQ(results(w), QStringList({"74xx/74595 8-bit shift register"}));
    w.textBox()->clear();
    type(w.textBox(), "40");
    EXPECT_EQ(results(w), QStringList({"40xx/4011 Quad NAND gate", "40xx/4017 Decade counter",
                                       "74xx/7400 Quad NAND gate"}));

    // Down moves through the results; Enter shows the sheet in its directory.
    press(w.textBox(), Qt::Key_Down);
    press(w.textBox(), Qt::Key_Return);
    EXPECT_EQ(shown(), "40xx/4017 4017:  Decade counter");

    // A double click on another directory's sheet switches back.
    w.textBox()->clear();
    type(w.textBox(), "decoder");
    QTreeView* list = w.results();
    const QPoint at = list->visualRect(w.model()->index(0, 1)).center();
    for (QEvent::Type t :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
        QMouseEvent click(t, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                          t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &click);
    }
    EXPECT_EQ(shown(), "74xx/74138 74138:  3-to-8 line decoder");
    EXPECT_EQ(haupt->dirBox()->currentIndex(), 1);

    press(w.textBox(), Qt::Key_Escape);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(haupt->findCommands()->window(), nullptr);
}

TEST_F(Find, SpeaksTheCurrentLanguageAndIgnoresAccents) {
    FindWindow& w = open("D");
    EXPECT_EQ(w.windowTitle(), "Suchen");
    EXPECT_EQ(w.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole), "Verzeichnis");
    type(w.textBox(), "ZAHLER");
    EXPECT_EQ(results(w), QStringList({"40xx/4017 Dezimalzähler"}));
}

TEST_F(Find, TypingInTheListMovesToTheFirstTypeStartingWithIt) {
    open();
    QTableWidget* liste = haupt->liste();
    type(liste, "745");
    EXPECT_EQ(shown(), "74xx/74595 74595:  8-bit shift register");
    // A key that continues no type starts over.
    type(liste, "7");
    EXPECT_EQ(shown(), "74xx/7400 7400:  Quad NAND gate");
}

TEST_F(Find, PrintEntriesWaitForASheetAndWriteItsPages) {
    dir.write("pinatlas.ini", "E\r\n 0 \r\n");
    dir.mkdir("empty");
    startHaupt();
    EXPECT_FALSE(action("Drucken")->isEnabled());
    EXPECT_FALSE(action("PDF_speichern")->isEnabled());
    EXPECT_EQ(action("Drucken")->shortcut(), QKeySequence(QKeySequence::Print));

    dir.write("empty/74595.txt", sheet("Schieberegister", "8-bit shift register"));
    haupt->selectDirectory(0);
    ASSERT_TRUE(action("PDF_speichern")->isEnabled());
    platform.savePath = dir.path() + "sheet.pdf";
    action("PDF_speichern")->trigger();
    ASSERT_EQ(platform.saveDialogs.size(), 1);
    EXPECT_TRUE(platform.saveDialogs[0].startsWith("Save as PDF|"));
    EXPECT_TRUE(platform.saveDialogs[0].endsWith(QDir::separator() + QString("74595.pdf")));
    EXPECT_TRUE(dir.read("sheet.pdf").startsWith("%PDF"));

    // Cancelled, then printed (the scripted dialog prints into a file).
    action("Drucken")->trigger();
    platform.printToFile = dir.path() + "printed.pdf";
    action("Drucken")->trigger();
    EXPECT_EQ(platform.printDialogs, 2);
    EXPECT_TRUE(dir.read("printed.pdf").startsWith("%PDF"));
    EXPECT_TRUE(platform.boxes.empty());
}
