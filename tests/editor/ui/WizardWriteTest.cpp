#include "WizardFixture.h"

#include "library/Hc00Example.h"

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class WizardWrite : public WizardFixture {
protected:
    // Types the cells, separated by '|', from the first on.
    static void typeCells(QTableWidget* g, const QString& cells) {
        g->setCurrentCell(0, 0);
        for (const QString& cell : cells.split('|')) {
            type(g, cell);
            enter(g);
        }
    }
    // Enters the worked example through the pages, ending on the last page.
    void enterHc00() {
        firstPage("74HC00", true, true, true);
        press(2, "Zurück");
        get(1, "N_DT")->setText("Vier NAND-Gatter mit je zwei Eingaengen");
        get(1, "N_ET")->setText("Quad 2-input NAND gates");
        get<QComboBox>(1, "N_out")->setCurrentIndex(0);
        forward(1);
        const QStringList pins = QString("1A 1B 1Y 2A 2B 2Y GND 3Y 3A 3B 4Y 4A 4B VCC").split(' ');
        for (int k = 1; k <= 7; ++k) {
            pinBox('L', k)->setText(pins[k - 1]);
            pinBox('R', k)->setText(pins[14 - k]);
        }
        forward(2);
        comment("N_Bes")->setPlainText("Alle vier Gatter sind unabhaengig.");
        comment("N_des")->setPlainText("All four gates are independent.");
        forward(3);
        get(4, "N_FTab_ICol")->setText("2");
        get(4, "N_FTab_Rows")->setText("5");
        typeCells(grid(4), "A|B|Y|L|L|H|L|H|H|H|L|H|H|H|L");
        forward(4);
        // Refused column counts beep and leave the grid as it was.
        for (const char* count : {"51", "0", "2", "x"})
            get(5, "N_ZTab_Col")->setText(count);
        get(5, "N_ZTab_Rows")->setText("1"); // the grid keeps 2 rows, and so does the file
        typeCells(grid(5), "Gate|Pins|1|1 2 3");
    }
    // Walks forward through every page of an edit; only the confirmation is shown.
    void finish() {
        const size_t before = platform.boxes.size();
        for (int guard = 0; guard < 6 && !shown().isEmpty(); ++guard)
            forward(shown().back().digitValue());
        ASSERT_EQ(platform.boxes.size(), before + 1);
        EXPECT_EQ(platform.boxes.back().icon, MsgIcon::None);
    }
};

} // namespace

TEST_F(WizardWrite, TheWorkedExampleThroughThePages) {
    start("D");
    enterHc00();
    EXPECT_EQ(platform.beeps, 3);
    forward(5);
    EXPECT_EQ(sheet("74HC00"), QByteArray(kHc00));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(
        std::tuple(platform.boxes[0].icon, platform.boxes[0].buttons, platform.boxes[0].title),
        std::tuple(MsgIcon::None, MsgButtons::Ok, QString("Pinatlas")));
    EXPECT_EQ(settings.changedFiles, QStringList({dir.path() + "74xx/74HC00.txt"}));
    EXPECT_EQ(mainWindow->currentType(), "74HC00"); // the list rebuilt, the new sheet chosen
}

TEST_F(WizardWrite, AFailedWriteIsReportedAndKeepsTheWizardWithItsEntries) {
    start("E");
    // A link is never written through, not even one leading nowhere.
    const QString path = dir.path() + "74xx/7400.txt";
    ASSERT_TRUE(QFile::link(dir.path() + "gone", path));
    firstPage("7400", false, true, false);
    forward(2);
    setCell(4, 1, 1, "L");
    forward(4);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith("The datasheet could not be saved:\r\n" + path +
                                                  "\r\nThe file is a symbolic link."));
    platform.boxes.clear();
    EXPECT_EQ(shown(), "4");
    EXPECT_FALSE(dir.exists("gone"));
    EXPECT_EQ(settings.changedCount, 0);
    EXPECT_EQ(grid(4)->item(1, 1)->text(), "L");

    // No directory chosen is a failure too, not a file in the program directory.
    QFile::remove(path);
    mainWindow->dirBox()->setCurrentIndex(-1);
    mainWindow->dirBox()->setEditText("");
    forward(4);
    expectRefused(MsgIcon::Exclamation, "The datasheet could not be saved:", "4");
    EXPECT_FALSE(dir.exists("7400.txt"));
}

TEST_F(WizardWrite, ACellOrCharacterTheFileCannotHoldIsNamedAndNothingIsWritten) {
    start("E");
    firstPage("7400", false, true, false);
    pinBox('R', 1)->setText(QString::fromUtf8("V\u202E\U0001D6C0CC"));
    forward(2);
    forward(4);
    expectRefused(MsgIcon::Exclamation, "\"<U+202E>\" (U+202E)", "2"); // where it stands
    EXPECT_EQ(page(2)->focusWidget(), pinBox('R', 1));
    pinBox('R', 1)->setText(QString::fromUtf8("V\U0001D6C0CC"));
    forward(2);
    forward(4);
    expectRefused(MsgIcon::Exclamation, "\"\U0001D6C0\" (U+1D6C0)", "2");
    pinBox('R', 1)->setText("VCC");
    forward(2);
    setCell(4, 1, 1, "\"quoted\"");
    setCell(4, 0, 0, "a,b");
    forward(4);
    expectRefused(MsgIcon::Exclamation, "row 2, column 2 of the function table", "4");
    EXPECT_EQ(QPoint(grid(4)->currentColumn(), grid(4)->currentRow()), QPoint(1, 1));
    EXPECT_EQ(page(4)->focusWidget(), grid(4)); // the keyboard on the cell
    setCell(4, 1, 1, QString::fromUtf8("\u201Cquoted\u201D"));
    forward(4);
    EXPECT_TRUE(
        sheet("7400").contains("'Funktionstabelle:\r\n 2 ,2,1\r\n\"a,b\",\r\n,\x93quoted\x94\r\n"));
}

TEST_F(WizardWrite, EditingWritesBackTheEditedSheetAndNothingElse) {
    // Its output type matches no entry of the list and must be kept, and so
    // must texts beyond the 32767 characters a line edit takes by default and
    // a comment's blank lines.
    const QByteArray plain = "Treiber" + QByteArray(40000, 'r') + "\r\nDriver\r\n2\r\nECL\r\n" +
                             QByteArray(40000, 'A') +
                             "\r\nY\r\n'Beschreibung-D:\r\neins\r\n\r\nzwei, drei\r\n\r\n'Ende\r\n";
    dir.write("74xx/ecl.txt", plain);
    start("E");
    // Pages left loaded by an aborted run must lend nothing to it.
    firstPage("junk", true, true, true);
    pinBox('L', 5)->setText("left over");
    forward(2);
    comment("N_Bes")->setPlainText("Kommentar");
    forward(3);
    setCell(4, 0, 0, "X");
    press(4, "Abbrechen");

    edit("ecl");
    EXPECT_EQ(get<QComboBox>(1, "N_out")->currentText(), "ECL");
    finish();
    EXPECT_EQ(sheet("ecl"), plain);
    EXPECT_FALSE(dir.exists("74xx/junk.txt"));

    // A section the reading passed over is not dropped without asking.
    const QByteArray typo =
        "T\r\nT\r\n2\r\n\r\nA\r\nY\r\n'Funktionstabele:\r\n1,1,1\r\nH\r\n'Ende\r\n";
    dir.write("74xx/typo.txt", typo);
    mainWindow->Liste_aufbauen();
    edit("typo");
    platform.answer(MsgAnswer::Cancel);
    forward(1);
    forward(2);
    EXPECT_EQ(platform.boxes.back().buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(platform.boxes.back().text.contains("from line 7 on"));
    EXPECT_EQ(sheet("typo"), typo);
    EXPECT_EQ(shown(), "2");
    platform.answer(MsgAnswer::Ok);
    forward(2);
    EXPECT_EQ(sheet("typo"), "T\r\nT\r\n2\r\n\r\nA\r\nY\r\n'Ende\r\n");
}

TEST_F(WizardWrite, EditingNeedsAReadableSelectedSheet) {
    start("E");
    menu("D_ändern");
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(
        platform.boxes[0].text + '|' + platform.boxes[1].text,
        "Bitte wählen Sie zuerst das zu ändernde Datenblatt aus!|Please choose first a datasheet!");
    // The list shows only readable sheets; select the type as the list would.
    dir.write("74xx/short.txt", "Kurz\r\nShort\r\n14\r\nTP (totem pole)\r\n1A\r\n");
    for (const char* type : {"short", "gone"}) {
        platform.boxes.clear();
        const QSignalBlocker quiet(mainWindow->icList()->selectionModel()); // no load: no box
        auto* list = static_cast<IcListModel*>(mainWindow->icList()->model());
        list->setRows({IcRow{QString::fromUtf8(type), {}, {}}});
        mainWindow->session().setCurrentType(QString::fromUtf8(type)); // what the list tells
        edit(type);
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_TRUE(platform.boxes[0].text.startsWith("The datasheet cannot be edited:"));
        EXPECT_TRUE(platform.boxes[0].text.contains(
            *type == 's' ? "\r\nThe file is defective (line" : "\r\nThe file cannot be read ("));
        EXPECT_EQ(shown(), "");
    }
}

TEST_F(WizardWrite, EveryShippedSheetEditedUnchangedComesBackByteIdentical) {
    start("E");
    int files = 0;
    for (const char* sub : {"/library/74xx", "/library/40xx"}) {
        const QDir shipped(QStringLiteral(PINATLAS_SOURCE_DIR) + sub);
        for (const QString& name : shipped.entryList({"*.txt"}, QDir::Files)) {
            SCOPED_TRACE(name.toStdString());
            const QString type = name.chopped(4);
            ASSERT_TRUE(QFile::copy(shipped.filePath(name), dir.path() + "74xx/" + name));
            const QByteArray original = sheet(type);
            mainWindow->Liste_aufbauen();
            edit(type);
            finish();
            EXPECT_EQ(sheet(type), original);
            QFile::remove(dir.path() + "74xx/" + name); // one at a time keeps the list short
            ++files;
        }
    }
    EXPECT_GT(files, 200);
}

// A file written elsewhere while the wizard is open is replaced only when the
// user says so; Cancel keeps it, and the wizard with the entries.
TEST_F(WizardWrite, AFileChangedOnDiskSinceTheWizardBeganIsReplacedOnlyWhenAsked) {
    const QByteArray theirs = "B\r\nB\r\n2\r\n\r\nP\r\nQ\r\n'Ende\r\n";
    start("D");
    for (const auto& [edited, answer] :
         {std::pair(true, MsgAnswer::Cancel), std::pair(true, MsgAnswer::Ok),
          std::pair(false, MsgAnswer::Cancel)}) {
        const QString type = edited ? "7400" : "7402";
        if (edited) {
            dir.write("74xx/7400.txt", QByteArray(theirs).replace('B', 'A'));
            mainWindow->Liste_aufbauen();
            edit(type);
        } else {
            firstPage(type, false, false, false);
        }
        dir.write("74xx/" + type + ".txt", theirs);
        platform.boxes.clear();
        platform.answer(answer);
        for (int n : {1, 2})
            if (page(n)->isVisible())
                forward(n);
        ASSERT_TRUE(platform.boxes.at(0).text.contains("seit der Assistent begann"));
        EXPECT_EQ(sheet(type).startsWith("B"), answer == MsgAnswer::Cancel);
        EXPECT_EQ(shown(), answer == MsgAnswer::Ok ? "" : "2");
        if (answer == MsgAnswer::Cancel)
            press(2, "Abbrechen");
    }
}
