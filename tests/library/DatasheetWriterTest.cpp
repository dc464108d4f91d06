#include "library/DatasheetWriter.h"
#include "library/DatasheetReader.h"

#include <gtest/gtest.h>

using namespace pinatlas;

namespace {

CellTable table(int columns, const QStringList& rowMajor) {
    CellTable t;
    t.resize(columns, int(rowMajor.size()) / columns);
    for (int i = 0; i < rowMajor.size(); ++i)
        t.at(i % columns + 1, i / columns + 1) = rowMajor[i];
    return t;
}

// A small sheet with every section the wizard writes; tests change what they need.
// In field order: descriptions, pins, output type, names; comments; the function
// table; no data table; the extra table.
SheetContent inverter() {
    return SheetContent("Inverter", "Inverter", 2, QString(), QStringList({"A", "Y"}), true, "de",
                        "en", true, 1, table(2, QStringList({"A", "Y", "L", "H"})), std::nullopt,
                        true, table(1, QStringList({"x", "y"})));
}

const QByteArray kHead = "Inverter\r\nInverter\r\n2\r\n\r\nA\r\nY\r\n";

} // namespace

// Every section in its order is pinned by the wizard writing every shipped
// sheet back byte for byte; here what is left out.
TEST(DatasheetWriter, SectionsInOrderOnlyWhenChosenAndNotEmpty) {
    SheetContent c = inverter();
    // Comments not chosen are not written, whatever the boxes hold.
    c.withFunctionTable = c.withExtraTable = c.withComments = false;
    EXPECT_EQ(encodeDatasheet(c).bytes, kHead + "'Ende\r\n");
}

// No text can end its line or section early; cells are quoted where needed.
TEST(DatasheetWriter, AwkwardTextsAreReadBackAsWritten) {
    const QStringList awkward{"a,b",      " lead", "\tTab", "two\r\nlines", "one\nbreak",
                              "in\"side", "",      "plain", "'apostrophe",  "end,"};
    SheetContent c = inverter();
    c.extraCells = table(2, awkward);
    c.descriptionEn = "two\nlines";
    c.pinNames[0] = "1\r\nA";
    c.commentDe = "first\r\n'quoted\r\nlast";
    const QByteArray bytes = encodeDatasheet(c).bytes;
    EXPECT_TRUE(bytes.contains("\r\n\"a,b\",\" lead\"\r\n")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("\"one\nbreak\",in\"side\r\n,plain\r\n"));
    const DatasheetFile f = readDatasheet(bytes).file.value();
    EXPECT_EQ(std::tuple(f.sheet.descriptionEn, f.sheet.pinNames, f.commentDe, f.commentEn,
                         f.sheet.hasFunctionTable),
              std::tuple(QString("two lines"), QStringList({"1 A", "Y"}),
                         QStringList({"first", " 'quoted", "last"}), QStringList({"en"}), true));
    for (int i = 0; i < awkward.size(); ++i)
        EXPECT_EQ(f.sheet.extraCells.at(i % 2 + 1, i / 2 + 1), awkward[i]) << i;

    // Quotes cannot enclose a double quote, so a cell that needs them and holds one is refused.
    for (const char* refused : {"\"quoted\"", "\"", " \"", "say \"hi\", then"})
        EXPECT_FALSE(encodeCell(refused).has_value()) << refused;
    EXPECT_EQ(encodeCell("5\""), "5\"");
}

TEST(DatasheetWriter, FindsACharacterTheCodePageCannotHold) {
    SheetContent c = inverter();
    c.descriptionDe = QString::fromUtf8("Gehäuse € – µA");
    c.pinNames[1] = QString::fromUtf8("V→CC");
    const auto pin = foreignCharacter(c);
    EXPECT_EQ(std::tuple(pin->character, pin->field, pin->index),
              std::tuple(char32_t(0x2192), SheetField::PinName, 2));
    c.pinNames[1] = QString::fromUtf8("V\U0001F600"); // named whole, not by half its pair
    EXPECT_EQ(foreignCharacter(c)->character, char32_t(0x1F600));
    c.pinNames[1] = "Y";
    c.extraCells.at(1, 2) = QString::fromUtf8("Ω");
    const auto cell = foreignCharacter(c);
    EXPECT_EQ(std::tuple(cell->character, cell->field, cell->index, cell->column, cell->table),
              std::tuple(char32_t(0x03A9), SheetField::Cell, 2, 1, TableKind::Extra));
    c.withExtraTable = false; // a table that is not written does not count
    EXPECT_FALSE(foreignCharacter(c).has_value());
}

TEST(ChangedFiles, EachPathOnceInTheOrderFirstWrittenUpToTheCapacity) {
    QStringList files;
    qint16 count = 0;
    QList<bool> recorded;
    for (const char* path : {"/a", "/b", "/a", "/A", "/c", "/new", "/b"})
        recorded << recordChangedFile(files, count, path, 4);
    EXPECT_EQ(std::tuple(recorded, files, count),
              std::tuple(QList<bool>{true, true, true, true, true, false, true},
                         QStringList({"/a", "/b", "/A", "/c"}), qint16(4)));
}
