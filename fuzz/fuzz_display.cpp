// Any sheet the reader accepts, with texts blown up to the sizes a file of
// the size limit can hold, gets a sound geometry on the display and sound
// column widths on the wizard's table pages: nothing wraps below zero.
#include "display/SheetLayout.h"
#include "editor/WizardRules.h"
#include "library/DatasheetReader.h"

#include <cstddef>
#include <cstdint>

namespace {

// The text repeated until it is about `chars` long.
void grow(QString& text, qsizetype chars) {
    if (!text.isEmpty() && chars > text.size())
        text = text.repeated(chars / text.size());
}

void check(bool sound) {
    if (!sound)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace pinatlas;
    if (size < 3)
        return 0;
    // Up to 32 Mi characters for one pin name, one cell of each table and,
    // without making them, up to 2^31 - 1 comment lines.
    const qsizetype chars = qsizetype(1) << (data[0] % 26);
    const int commentLines = data[1] >= 128 ? int((1u << (data[1] % 32)) - 1) : data[1];
    const Language language = data[2] % 2 ? Language::English : Language::German;
    ReadResult read = readDatasheet(
        QByteArray(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3)), "X");
    if (!read.file)
        return 0;
    Datasheet& s = read.file->sheet;
    if (!s.pinNames.isEmpty())
        grow(s.pinNames.last(), chars);
    for (CellTable* table : {&s.functionCells, &s.dataCells, &s.extraCells})
        if (table->rows() > 0 && table->columns() > 0)
            grow(table->at(table->columns(), table->rows()), chars);

    const SheetDisplay display = prepareSheetDisplay(s, commentLines, language);
    const DrawingContent& c = display.content;
    check(contentWidth(c) > 0 && contentHeight(c) >= 0);
    check(fullFrameWidth(c) > 0 && fullFrameHeight(c) > 0);
    const ScrollRanges r = SetScrollRanges(c, 9000, 6000, 15, 15);
    check(r.hMaximum >= 1 && r.vMaximum >= 1);
    const DatasheetPlacement p = PlaceDatasheet(c, r.hMaximum, r.vMaximum, 15);
    check(p.package.pinsR.x > p.package.pinsL.x);

    // The widths the wizard's table pages give the columns of an edited sheet.
    for (const CellTable* table : {&s.functionCells, &s.extraCells})
        for (int row = 1; row <= table->rows(); ++row)
            for (int column = 1; column <= table->columns(); ++column)
                check(columnWidthTwips(table->at(column, row).size()) > 0);
    return 0;
}
