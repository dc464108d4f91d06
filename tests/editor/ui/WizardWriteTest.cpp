#include "WizardFixture.h"

#include "library/DatasheetReader.h"
#include "library/Hc00Example.h"

#include <QDir>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

class WizardWrite : public WizardFixture {
protected:
    static void typeCells(QTableWidget* g, std::initializer_list<const char*> cells) {
        g->setCurrentCell(0, 0);
        for (const char* cell : cells) {
            type(g, cell);
            key(g, Qt::Key_Return, Qt::NoModifier, "\r");
        }
    }
    // Enters the worked example through the pages, ending on the last page.
    void enterHc00() {
        menu("D_hinzufügen");
        d1()->typeBox()->setText("74HC00");
        d1()->germanBox()->setText("Vier NAND-Gatter mit je zwei Eingaengen");
        d1()->englishBox()->setText("Quad 2-input NAND gates");
        d1()->outputBox()->setCurrentIndex(0);
        for (QCheckBox* option :
             {d1()->commentsBox(), d1()->functionTableBox(), d1()->extraTableBox()})
            option->setChecked(true);
        press(d1(), "Weiter");
        const char* pins[] = {"1A", "1B", "1Y", "2A", "2B", "2Y", "GND",
                              "3Y", "3A", "3B", "4Y", "4A", "4B", "VCC"};
        for (int k = 1; k <= 7; ++k) {
            d2()->leftBox(k)->setText(pins[k - 1]);
            d2()->rightBox(k)->setText(pins[14 - k]);
        }
        press(d2(), "Weiter");
        d3()->germanBox()->setPlainText("Alle vier Gatter sind unabhaengig.");
        d3()->englishBox()->setPlainText("All four gates are independent.");
        press(d3(), "Weiter");
        box(d4(), "N_FTab_ICol")->setText("2");
        box(d4(), "N_FTab_Rows")->setText("5");
        typeCells(d4()->grid(),
                  {"A", "B", "Y", "L", "L", "H", "L", "H", "H", "H", "L", "H", "H", "H", "L"});
        press(d4(), "Weiter");
        d5()->columnsBox()->setText("2");
        typeCells(d5()->grid(), {"Gate", "Pins", "1", "1 2 3"});
    }
    void edit(const QString& type) {
        selectInList(type);
        menu("D_ändern");
    }
    // Walks forward through every page of an edit.
    void finish() {
        const size_t shown = platform.boxes.size();
        for (int guard = 0; guard < 6 && !visiblePages().isEmpty(); ++guard)
            press(page(visiblePages().last().toUtf8().constData()), "Weiter");
        // Only the confirmation: the sheet was really edited and written.
        ASSERT_EQ(platform.boxes.size(), shown + 1);
        EXPECT_EQ(platform.boxes.back().icon, MsgIcon::None);
    }
};

} // namespace

TEST_F(WizardWrite, TheWorkedExampleThroughThePagesAndEditedUnchanged) {
    start("D");
    enterHc00();
    press(d5(), "Weiter");
    EXPECT_EQ(sheet("74HC00"), QByteArray(kHc00));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(platform.boxes[0].title, "Pinatlas");
    const QString path = dir.path() + "74xx" + QDir::separator();
    EXPECT_EQ(settings.changedFiles, QStringList({path + "74HC00.txt"}));
    ASSERT_NE(haupt->liste()->item(0, 0), nullptr);
    EXPECT_EQ(haupt->liste()->item(0, 0)->text(), "74HC00");

    for (int round = 0; round < 2; ++round) {
        edit("74HC00");
        EXPECT_EQ(visiblePages(), QStringList({"Neu_D1"}));
        finish();
        EXPECT_EQ(sheet("74HC00"), QByteArray(kHc00)) << round;
    }
    // Written again the path is still one entry; another type adds a second.
    menu("D_hinzufügen");
    d1()->typeBox()->setText("7400");
    press(d1(), "Weiter");
    press(d2(), "Weiter");
    EXPECT_EQ(settings.changedCount, 2);
    EXPECT_EQ(settings.changedFiles, QStringList({path + "74HC00.txt", path + "7400.txt"}));
}

TEST_F(WizardWrite, AFailedWriteIsReportedAndKeepsTheWizardWithItsEntries) {
    start("E");
    dir.mkdir("74xx/7400.txt"); // a directory where the file must go
    firstPage("7400", false, true, false);
    press(d2(), "Weiter");
    d4()->setCell(1, 1, "L");
    press(d4(), "Weiter");
    ASSERT_NO_FATAL_FAILURE(expectRefused("The datasheet could not be saved:", "Neu_D4"));
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(platform.boxes[0].text.contains("7400.txt"));
    EXPECT_EQ(settings.changedCount, 0);
    EXPECT_EQ(d1()->typeBox()->text(), "7400");
    EXPECT_EQ(d4()->cell(1, 1), "L");

    // No directory chosen is a failure too, not a file in the program directory.
    QDir(dir.path() + "74xx").rmdir("7400.txt");
    haupt->dirBox()->setCurrentIndex(-1);
    haupt->dirBox()->setEditText("");
    platform.boxes.clear();
    press(d4(), "Weiter");
    expectRefused("The datasheet could not be saved:", "Neu_D4");
    EXPECT_FALSE(dir.exists("7400.txt"));

    // A link is never written through, whether it leads to a file or nowhere.
    haupt->dirBox()->setCurrentIndex(0);
    dir.write("outside", "kept");
    for (const char* target : {"outside", "gone"}) {
        ASSERT_TRUE(QFile::link(dir.path() + target, dir.path() + "74xx/7400.txt"));
        platform.boxes.clear();
        press(d4(), "Weiter");
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_TRUE(platform.boxes[0].text.contains("7400.txt\r\nThe file is a symbolic link."));
        EXPECT_EQ(visiblePages(), QStringList({"Neu_D4"}));
        QFile::remove(dir.path() + "74xx/7400.txt");
    }
    EXPECT_EQ(dir.read("outside"), "kept");
    EXPECT_FALSE(dir.exists("gone"));

    // A directory the list would show takes the sheet, though no type could
    // have its name.
    dir.mkdir("CON.");
    haupt->dirBox()->setEditText("CON.");
    press(d4(), "Weiter");
    EXPECT_TRUE(dir.read("CON./7400.txt").endsWith(" 2 ,2,1\r\n,\r\n,L\r\n'Ende\r\n"));
    EXPECT_EQ(platform.boxes.back().text, "The new/edit datasheet is now ready for use!");
}

TEST_F(WizardWrite, ACellOrCharacterTheFileCannotHoldIsNamedAndNothingIsWritten) {
    start("E");
    firstPage("7400", false, true, false);
    d2()->rightBox(1)->setText(QString::fromUtf8("V→CC"));
    press(d2(), "Weiter");
    press(d4(), "Weiter");
    ASSERT_NO_FATAL_FAILURE(expectRefused("U+2192", "Neu_D4"));
    d2()->rightBox(1)->setText("VCC");
    d4()->setCell(1, 1, "\"quoted\"");
    d4()->setCell(0, 0, "a,b");
    platform.boxes.clear();
    press(d4(), "Weiter");
    expectRefused("row 2, column 2 of the function table", "Neu_D4");
    EXPECT_EQ(d4()->grid()->currentRow(), 1);
    EXPECT_EQ(d4()->grid()->currentColumn(), 1);
    d4()->setCell(1, 1, QString::fromUtf8("\u201Cquoted\u201D"));
    press(d4(), "Weiter");
    EXPECT_TRUE(
        sheet("7400").contains("'Funktionstabelle:\r\n 2 ,2,1\r\n\"a,b\",\r\n,\x93quoted\x94\r\n"));
}

TEST_F(WizardWrite, EditingNeedsASelectedSheet) {
    start("E");
    menu("D_ändern");
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[0].text, "Bitte wählen Sie zuerst das zu ändernde Datenblatt aus!");
    EXPECT_EQ(platform.boxes[1].text, "Please choose first a datasheet!");
    for (const FakePlatform::Box& b : platform.boxes) {
        EXPECT_EQ(b.icon, MsgIcon::Information);
        EXPECT_EQ(b.buttons, MsgButtons::Ok);
        EXPECT_EQ(b.title, "Pinatlas");
    }
    EXPECT_EQ(d1(), nullptr);
}

TEST_F(WizardWrite, AWizardWrittenSheetWithAwkwardTextsComesBackByteIdentical) {
    start("E");
    firstPage("7486", true, false, true);
    d2()->setPinCount(16);
    d2()->rightBox(8)->setText("R8");
    press(d2(), "Weiter");
    d3()->germanBox()->setPlainText("eins\n\nzwei, drei\n");
    press(d3(), "Weiter");
    d5()->columnsBox()->setText("3");
    d5()->rowsBox()->setText("3");
    d5()->setCell(0, 0, "a,b");
    d5()->setCell(1, 1, " lead");
    d5()->setCell(2, 2, "two\r\nlines");
    press(d5(), "Weiter");
    const QByteArray first = sheet("7486");
    EXPECT_TRUE(first.contains("'Beschreibung-D:\r\neins\r\n\r\nzwei, drei\r\n\r\n'Zusatz"));

    edit("7486");
    EXPECT_EQ(d2()->scrollBar()->value(), 16); // filled through the pages' own controls
    EXPECT_EQ(d5()->rowsBox()->text(), "3");
    finish();
    EXPECT_EQ(sheet("7486"), first);
}

TEST_F(WizardWrite, EditingWritesBackTheEditedSheetAndNothingElse) {
    // Its output type matches no entry of the list and must be kept, and so
    // must texts beyond the 32767 characters a line edit takes by default.
    const QByteArray plain = "Treiber" + QByteArray(40000, 'r') + "\r\nDriver\r\n2\r\nECL\r\n" +
                             QByteArray(40000, 'A') + "\r\nY\r\n'Ende\r\n";
    dir.write("74xx/ecl.txt", plain);
    start("E");
    // Pages left loaded by an aborted run must lend nothing to it.
    firstPage("junk", true, true, true);
    d2()->leftBox(5)->setText("left over");
    press(d2(), "Weiter");
    d3()->germanBox()->setPlainText("Kommentar");
    press(d3(), "Weiter");
    d4()->setCell(0, 0, "X");
    press(d4(), "Abbrechen");

    edit("ecl");
    EXPECT_EQ(d1()->outputType(), "ECL");
    finish();
    EXPECT_EQ(sheet("ecl"), plain);
    EXPECT_FALSE(dir.exists("74xx/junk.txt"));

    // A section the reading passed over is not dropped without asking.
    const QByteArray typo =
        "T\r\nT\r\n2\r\n\r\nA\r\nY\r\n'Funktionstabele:\r\n1,1,1\r\nH\r\n'Ende\r\n";
    dir.write("74xx/typo.txt", typo);
    haupt->Liste_aufbauen();
    edit("typo");
    platform.answer(MsgAnswer::Cancel);
    for (int guard = 0; guard < 2; ++guard)
        press(page(visiblePages().last().toUtf8().constData()), "Weiter");
    EXPECT_EQ(platform.boxes.back().buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(platform.boxes.back().text.contains("from line 7 on"));
    EXPECT_EQ(sheet("typo"), typo);
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D2"}));
    platform.answer(MsgAnswer::Ok);
    press(d2(), "Weiter");
    EXPECT_EQ(sheet("typo"), "T\r\nT\r\n2\r\n\r\nA\r\nY\r\n'Ende\r\n");
}

TEST_F(WizardWrite, AnUnreadableSheetGivesAMessageInsteadOfHalfFilledPages) {
    dir.write("74xx/short.txt", "Kurz\r\nShort\r\n14\r\nTP (totem pole)\r\n1A\r\n");
    dir.write("74xx/wide.txt", "W\r\nW\r\n2\r\n\r\nA\r\nY\r\n'Zusatztabelle:\r\n60,2\r\n" +
                                   QByteArray(59, ',') + "\r\n" + QByteArray(59, ',') +
                                   "\r\n'Ende\r\n");
    dir.write("74xx/odd.txt", "O\r\nO\r\n3\r\n\r\nA\r\nB\r\nC\r\n'Ende\r\n");
    start("E");
    // The list shows only readable sheets; select the type as the list would.
    for (const char* type : {"short", "wide", "gone", "odd"}) {
        SCOPED_TRACE(type);
        platform.boxes.clear();
        haupt->liste()->setRowCount(1);
        haupt->liste()->setItem(0, 0, new QTableWidgetItem(type));
        haupt->liste()->setCurrentCell(0, 0);
        menu("D_ändern");
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_TRUE(platform.boxes[0].text.startsWith("The datasheet cannot be edited:"));
        EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(d1(), nullptr);
        EXPECT_EQ(d2(), nullptr);
    }
}

TEST_F(WizardWrite, EveryShippedSheetEditedUnchangedKeepsAllItsValues) {
    start("E");
    int files = 0;
    int withDataTable = 0;
    for (const char* sub : {"/library/74xx", "/library/40xx"}) {
        const QDir shipped(QStringLiteral(PINATLAS_SOURCE_DIR) + sub);
        for (const QString& name : shipped.entryList({"*.txt"}, QDir::Files, QDir::Name)) {
            SCOPED_TRACE(name.toStdString());
            QFile f(shipped.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray original = f.readAll();
            dir.write("74xx/" + name, original);
            const QString type = name.chopped(4);
            haupt->Liste_aufbauen();
            edit(type);
            finish();
            const ReadResult before = readDatasheet(original, type);
            const ReadResult after = readDatasheet(sheet(type), type);
            ASSERT_TRUE(before.file);
            ASSERT_TRUE(after.file) << after.defect.toStdString();
            EXPECT_EQ(after.file->sheet, before.file->sheet);
            EXPECT_EQ(after.file->commentDe, before.file->commentDe);
            EXPECT_EQ(after.file->commentEn, before.file->commentEn);
            withDataTable += before.file->sheet.hasDataTable;
            ++files;
        }
    }
    EXPECT_GT(files, 40);
    EXPECT_GT(withDataTable, 0);
}
