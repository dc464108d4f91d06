#include "WizardFixture.h"

#include "library/DatasheetReader.h"

#include <QDir>

using namespace pinatlas;
using namespace pinatlas::test;

namespace {

const char* const kHc00 = "Vier NAND-Gatter mit je zwei Eingaengen\r\n"
                          "Quad 2-input NAND gates\r\n"
                          "14\r\n"
                          "TP (totem pole)\r\n"
                          "1A\r\n1B\r\n1Y\r\n2A\r\n2B\r\n2Y\r\nGND\r\n"
                          "3Y\r\n3A\r\n3B\r\n4Y\r\n4A\r\n4B\r\nVCC\r\n"
                          "'Beschreibung-D:\r\n"
                          "Alle vier Gatter sind unabhaengig.\r\n"
                          "'Beschreibung-E:\r\n"
                          "All four gates are independent.\r\n"
                          "'Funktionstabelle:\r\n"
                          " 3 ,5,2\r\n"
                          "A,B,Y\r\nL,L,H\r\nL,H,H\r\nH,L,H\r\nH,H,L\r\n"
                          "'Zusatztabelle:\r\n"
                          "2,2\r\n"
                          "Gate,Pins\r\n"
                          "1,1 2 3\r\n"
                          "'Ende\r\n";

class WizardWrite : public WizardFixture {
protected:
    // Enters the worked example through the pages, ending on the last page.
    void enterHc00() {
        menu("D_hinzufügen");
        d1()->typeBox()->setText("74HC00");
        d1()->germanBox()->setText("Vier NAND-Gatter mit je zwei Eingaengen");
        d1()->englishBox()->setText("Quad 2-input NAND gates");
        d1()->outputBox()->setCurrentIndex(0);
        d1()->commentsBox()->setChecked(true);
        d1()->functionTableBox()->setChecked(true);
        d1()->extraTableBox()->setChecked(true);
        press(d1(), "Weiter");
        const char* left[] = {"1A", "1B", "1Y", "2A", "2B", "2Y", "GND"};
        const char* right[] = {"VCC", "4B", "4A", "4Y", "3B", "3A", "3Y"};
        for (int k = 1; k <= 7; ++k) {
            d2()->leftBox(k)->setText(left[k - 1]);
            d2()->rightBox(k)->setText(right[k - 1]);
        }
        press(d2(), "Weiter");
        d3()->germanBox()->setPlainText("Alle vier Gatter sind unabhaengig.");
        d3()->englishBox()->setPlainText("All four gates are independent.");
        press(d3(), "Weiter");
        box(d4(), "N_FTab_ICol")->setText("2");
        box(d4(), "N_FTab_Rows")->setText("5");
        QTableWidget* g = d4()->grid();
        g->setCurrentCell(0, 0);
        for (const char* row :
             {"A", "B", "Y", "L", "L", "H", "L", "H", "H", "H", "L", "H", "H", "H", "L"}) {
            type(g, row);
            key(g, Qt::Key_Return, Qt::NoModifier, "\r");
        }
        press(d4(), "Weiter");
        d5()->columnsBox()->setText("2");
        g = d5()->grid();
        g->setCurrentCell(0, 0);
        for (const char* cell : {"Gate", "Pins", "1", "1 2 3"}) {
            type(g, cell);
            key(g, Qt::Key_Return, Qt::NoModifier, "\r");
        }
    }
    // Edits the sheet of that type and walks forward through every page.
    void editAndFinish(const QString& type) {
        const size_t shown = platform.boxes.size();
        selectInList(type);
        menu("D_ändern");
        for (int guard = 0; guard < 6 && !visiblePages().isEmpty(); ++guard) {
            const QString name = visiblePages().last();
            press(page(name.toUtf8().constData()), "Weiter");
        }
        // Only the confirmation: the sheet was really edited and written.
        ASSERT_EQ(platform.boxes.size(), shown + 1);
        EXPECT_EQ(platform.boxes.back().icon, MsgIcon::None);
    }
};

} // namespace

TEST_F(WizardWrite, TheWorkedExampleThroughThePages) {
    start("D");
    enterHc00();
    press(d5(), "Weiter");
    EXPECT_EQ(sheet("74HC00"), QByteArray(kHc00));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(platform.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(platform.boxes[0].title, "Pinatlas");
    EXPECT_EQ(platform.boxes[0].text, "Das neue/geänderte Datenblatt ist nun im Verzeichnis!");
    const QString path = dir.path() + "74xx" + QDir::separator() + "74HC00.txt";
    EXPECT_EQ(settings.changedCount, 1);
    EXPECT_EQ(settings.changedFiles, QStringList({path}));
    EXPECT_EQ(visiblePages(), QStringList());
    EXPECT_EQ(d1(), nullptr);
    EXPECT_EQ(d4(), nullptr);
    ASSERT_NE(haupt->liste()->item(0, 0), nullptr);
    EXPECT_EQ(haupt->liste()->item(0, 0)->text(), "74HC00");

    // Written again: replaced, still one entry; another type adds a second.
    enterHc00();
    press(d5(), "Weiter");
    menu("D_hinzufügen");
    d1()->typeBox()->setText("7400");
    press(d1(), "Weiter");
    press(d2(), "Weiter");
    EXPECT_EQ(settings.changedCount, 2);
    EXPECT_EQ(settings.changedFiles.value(1), dir.path() + "74xx" + QDir::separator() + "7400.txt");
    EXPECT_EQ(platform.boxes.back().text, "Das neue/geänderte Datenblatt ist nun im Verzeichnis!");
}

TEST_F(WizardWrite, TheConfirmationInEnglishAndAnEmptyOutputType) {
    start("E");
    firstPage("7400", false, false, false);
    press(d2(), "Weiter");
    EXPECT_EQ(platform.boxes.back().text, "The new/edit datasheet is now ready for use!");
    EXPECT_TRUE(sheet("7400").startsWith("Keine deutsche Beschreibung vorhanden!\r\n"
                                         "No english description available!\r\n14\r\n\r\n"));
}

TEST_F(WizardWrite, AFailedWriteIsReportedAndKeepsTheWizardAndTheOldFile) {
    start("E");
    dir.mkdir("74xx/74HC00.txt"); // a directory where the file must go
    enterHc00();
    press(d5(), "Weiter");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(platform.boxes[0].title, "Pinatlas");
    EXPECT_TRUE(platform.boxes[0].text.startsWith("The datasheet could not be saved:"));
    EXPECT_TRUE(platform.boxes[0].text.contains("74HC00.txt"));
    EXPECT_EQ(settings.changedCount, 0);
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D5"}));
    EXPECT_EQ(d1()->typeBox()->text(), "74HC00");
    EXPECT_EQ(d4()->cell(4, 2), "L");
    EXPECT_EQ(QDir(dir.path() + "74xx").entryList(QDir::Files | QDir::Hidden).size(), 0);

    QDir(dir.path() + "74xx").rmdir("74HC00.txt");
    press(d5(), "Weiter");
    EXPECT_EQ(sheet("74HC00"), QByteArray(kHc00));
    EXPECT_EQ(platform.boxes.back().text, "The new/edit datasheet is now ready for use!");
}

TEST_F(WizardWrite, NoDirectoryChosenIsAFailureNotAFileInTheProgramDirectory) {
    start("D");
    haupt->dirBox()->setCurrentIndex(-1);
    haupt->dirBox()->setEditText("");
    firstPage("7400", false, false, false);
    press(d2(), "Weiter");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.startsWith("Das Datenblatt konnte nicht gespeichert"));
    EXPECT_FALSE(dir.exists("7400.txt"));
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D2"}));
}

TEST_F(WizardWrite, ACellTheFileCannotHoldIsShownAndNothingIsWritten) {
    start("E");
    firstPage("7400", false, true, false);
    press(d2(), "Weiter");
    d4()->setCell(1, 1, "\"quoted\"");
    d4()->setCell(0, 0, "a,b");
    press(d4(), "Weiter");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.contains("row 2, column 2 of the function table"));
    EXPECT_FALSE(dir.exists("74xx/7400.txt"));
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D4"}));
    EXPECT_EQ(d4()->grid()->currentRow(), 1);
    EXPECT_EQ(d4()->grid()->currentColumn(), 1);
    d4()->setCell(1, 1, QString::fromUtf8("\u201Cquoted\u201D"));
    press(d4(), "Weiter");
    EXPECT_TRUE(
        sheet("7400").contains("'Funktionstabelle:\r\n 2 ,2,1\r\n\"a,b\",\r\n,\x93quoted\x94\r\n"));
}

TEST_F(WizardWrite, ACharacterTheFileCannotHoldIsNamedBeforeAnythingIsWritten) {
    start("E");
    firstPage("7400", false, false, false);
    d2()->rightBox(1)->setText(QString::fromUtf8("V→CC"));
    press(d2(), "Weiter");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_TRUE(platform.boxes[0].text.contains("U+2192"));
    EXPECT_FALSE(dir.exists("74xx/7400.txt"));
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D2"}));
}

TEST_F(WizardWrite, EditingNeedsASelectedSheet) {
    for (const char* language : {"E", "D"}) {
        haupt.reset();
        platform.boxes.clear();
        start(language);
        menu("D_ändern");
        ASSERT_EQ(platform.boxes.size(), 2u);
        EXPECT_EQ(platform.boxes[0].text,
                  "Bitte wählen Sie zuerst das zu ändernde Datenblatt aus!");
        EXPECT_EQ(platform.boxes[1].text, "Please choose first a datasheet!");
        for (const FakePlatform::Box& b : platform.boxes) {
            EXPECT_EQ(b.icon, MsgIcon::Information);
            EXPECT_EQ(b.buttons, MsgButtons::Ok);
            EXPECT_EQ(b.title, "Pinatlas");
        }
        EXPECT_EQ(d1(), nullptr);
    }
}

TEST_F(WizardWrite, EditingFillsEveryPageAndFinishingUnchangedWritesTheSameBytes) {
    dir.write("74xx/74HC00.txt", kHc00);
    start("E");
    selectInList("74HC00");
    menu("D_ändern");
    EXPECT_EQ(visiblePages(), QStringList({"Neu_D1"}));
    EXPECT_EQ(d1()->typeBox()->text(), "74HC00");
    EXPECT_EQ(d1()->englishBox()->text(), "Quad 2-input NAND gates");
    EXPECT_EQ(d1()->outputType(), "TP (totem pole)");
    EXPECT_EQ(d1()->outputBox()->count(), 5);
    EXPECT_TRUE(d1()->commentsBox()->isChecked());
    EXPECT_TRUE(d1()->functionTableBox()->isChecked());
    EXPECT_TRUE(d1()->extraTableBox()->isChecked());
    ASSERT_NE(d2(), nullptr);
    EXPECT_EQ(d2()->scrollBar()->value(), 14);
    EXPECT_EQ(d2()->leftBox(7)->text(), "GND");
    EXPECT_EQ(d2()->rightBox(1)->text(), "VCC");
    EXPECT_EQ(d2()->rightBox(7)->text(), "3Y");
    EXPECT_EQ(d3()->germanText(), "Alle vier Gatter sind unabhaengig.");
    EXPECT_EQ(box(d4(), "N_FTab_ICol")->text(), "2");
    EXPECT_EQ(box(d4(), "N_FTab_OCol")->text(), "1");
    EXPECT_EQ(d4()->grid()->rowCount(), 5);
    EXPECT_EQ(d4()->cell(4, 2), "L");
    EXPECT_EQ(d5()->grid()->columnCount(), 2);
    EXPECT_EQ(d5()->cell(1, 1), "1 2 3");

    for (int round = 0; round < 2; ++round) {
        editAndFinish("74HC00");
        EXPECT_EQ(sheet("74HC00"), QByteArray(kHc00)) << round;
    }
    EXPECT_EQ(platform.boxes.back().text, "The new/edit datasheet is now ready for use!");
}

TEST_F(WizardWrite, PagesLeftFromAnAbortedRunLendNothingToTheEditedSheet) {
    const QByteArray plain = "Inverter\r\nInverter\r\n2\r\nOther\r\nA\r\nY\r\n'Ende\r\n";
    dir.write("74xx/inv.txt", plain);
    start("E");
    firstPage("junk", true, true, true);
    d2()->leftBox(5)->setText("left over");
    press(d2(), "Weiter");
    d3()->germanBox()->setPlainText("Kommentar");
    press(d3(), "Weiter");
    d4()->setCell(0, 0, "X");
    press(d4(), "Abbrechen");

    editAndFinish("inv");
    EXPECT_EQ(sheet("inv"), plain);
    EXPECT_FALSE(dir.exists("74xx/junk.txt"));
}

TEST_F(WizardWrite, AnUnknownOutputTypeIsKept) {
    const QByteArray odd = "Treiber\r\nDriver\r\n2\r\nECL\r\nA\r\nY\r\n'Ende\r\n";
    dir.write("74xx/ecl.txt", odd);
    start("E");
    selectInList("ecl");
    menu("D_ändern");
    EXPECT_EQ(d1()->outputType(), "ECL");
    press(d1(), "Weiter");
    press(d2(), "Weiter");
    EXPECT_EQ(sheet("ecl"), odd);
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

TEST_F(WizardWrite, AWizardWrittenSheetEditedUnchangedIsByteIdentical) {
    start("E");
    firstPage("7486", true, false, true);
    d2()->setPinCount(16);
    for (int k = 1; k <= 8; ++k) {
        d2()->leftBox(k)->setText(QString("L%1").arg(k));
        d2()->rightBox(k)->setText(QString("R%1").arg(k));
    }
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
    editAndFinish("7486");
    EXPECT_EQ(sheet("7486"), first);
}

TEST_F(WizardWrite, EveryShippedSheetEditedUnchangedKeepsAllItsValues) {
    start("E");
    QStringList files;
    for (const char* sub : {"/library/74xx", "/library/40xx"}) {
        const QDir shipped(QStringLiteral(PINATLAS_SOURCE_DIR) + sub);
        for (const QString& name : shipped.entryList({"*.txt"}, QDir::Files, QDir::Name))
            files << shipped.filePath(name);
    }
    ASSERT_GT(files.size(), 40);
    int withDataTable = 0;
    for (const QString& file : files) {
        const QString name = QFileInfo(file).fileName();
        SCOPED_TRACE(name.toStdString());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray original = f.readAll();
        dir.write("74xx/" + name, original);
        const QString type = name.chopped(4);
        haupt->Liste_aufbauen();
        editAndFinish(type);
        const ReadResult before = readDatasheet(original, type);
        const ReadResult after = readDatasheet(sheet(type), type);
        ASSERT_TRUE(before.file);
        ASSERT_TRUE(after.file) << after.defect.toStdString();
        EXPECT_EQ(after.file->sheet, before.file->sheet);
        EXPECT_EQ(after.file->commentDe, before.file->commentDe);
        EXPECT_EQ(after.file->commentEn, before.file->commentEn);
        withDataTable += before.file->sheet.hasDataTable;
    }
    EXPECT_GT(withDataTable, 0);
}
