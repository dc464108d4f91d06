#include "display/SheetLayout.h"

#include "library/Extent.h"
#include "library/RoundHalfEven.h"

#include <algorithm>

namespace pinatlas {

namespace {

// From the drawing origin to the right edge of PinsR.
int packageWidth(const PinBoxes& pins) {
    return pins.widthL + kStubLength + kBodyWidth + kStubLength + kPinsRWidth;
}

} // namespace

int contentHeight(const DrawingContent& c) {
    int t = c.pins.height;
    if (c.commentVisible)
        t += c.commentHeight + kGapAfterElement;
    if (c.functionVisible)
        t += c.labelHeight + c.functionHeight + kGapAfterElement;
    if (c.dataVisible)
        t += c.dataHeight + kGapAfterElement;
    if (c.extraVisible)
        t += c.extraHeight + kGapAfterElement;
    return t;
}

int contentWidth(const DrawingContent& c) {
    // Hidden grids are 1 twip wide, so their visibility need not be asked.
    int m = kMinContentWidth;
    for (int width : {c.functionWidth, c.dataWidth, c.extraWidth})
        m = std::max(m, width);
    return std::max(m, packageWidth(c.pins));
}

ScrollRanges SetScrollRanges(const DrawingContent& content, int frameWidth, int frameHeight,
                             int pixelX, int pixelY) {
    ScrollRanges r;
    const int excessV = contentHeight(content) + 960 - frameHeight;
    r.vMaximum = excessV < 1 ? 1 : excessV;
    const int excessH = contentWidth(content) + 240 - frameWidth;
    r.hMaximum = excessH < 1 ? 1 : excessH;
    r.vSmallChange = 10 * pixelY;
    r.vLargeChange = roundHalfEven(frameHeight - frameHeight / 10.0);
    r.hSmallChange = 10 * pixelX;
    r.hLargeChange = roundHalfEven(frameWidth - frameWidth / 10.0);
    return r;
}

DatasheetPlacement PlaceDatasheet(const DrawingContent& c, int hPosition, int vPosition,
                                  int pixelX) {
    DatasheetPlacement p;
    const int x0 = kDrawingLeft - hPosition;
    const int y0 = kDrawingTop - vPosition;
    p.package = PlacePackage(c.pins, x0, y0, pixelX);

    int y = p.package.pinsL.y + c.pins.height + kGapBelowPins;
    if (c.commentVisible) {
        p.comment = {x0, y};
        y += c.commentHeight + kGapAfterElement;
    }
    if (c.functionVisible) {
        p.function = {x0, y + c.labelHeight};
        p.inputLabel = {x0, y};
        p.outputLabel = {x0 + c.inputLabelWidth, y};
        y += c.labelHeight + c.functionHeight + kGapAfterElement;
    }
    if (c.dataVisible) {
        p.data = {x0, y};
        y += c.dataHeight + kGapAfterElement;
    }
    if (c.extraVisible)
        p.extra = {x0, y};
    return p;
}

QStringList commentAsShown(const QStringList& comment, Language language) {
    const qsizetype room = kMaxExtent / kCommentLineHeight;
    const qsizetype looked = std::min(comment.size(), room);
    const auto isLong = [](const QString& line) { return line.size() > kMaxCommentLineChars; };
    if (comment.size() <= room && std::none_of(comment.begin(), comment.end(), isLong))
        return comment;
    // One line is kept for the note.
    const qsizetype kept = std::min(looked, room - 1);
    QStringList shown;
    shown.reserve(kept + 1);
    qsizetype firstLong = -1;
    qsizetype longLines = 0;
    for (qsizetype i = 0; i < kept; ++i) {
        if (!isLong(comment[i])) {
            shown << comment[i];
            continue;
        }
        shown << comment[i].left(kMaxCommentLineChars) + u'…';
        firstLong = firstLong < 0 ? i : firstLong;
        ++longLines;
    }
    const bool german = language == Language::German;
    QStringList notes;
    if (longLines > 0)
        notes << (german ? QStringLiteral("%1 Zeile(n) ab Zeile %2 nach %3 Zeichen gekürzt.")
                         : QStringLiteral("%1 line(s) from line %2 on cut after %3 characters."))
                     .arg(longLines)
                     .arg(firstLong + 1)
                     .arg(kMaxCommentLineChars);
    if (kept < comment.size())
        notes << (german ? QStringLiteral("Der Kommentar ist hier gekürzt: Zeilen %1 bis %2 "
                                          "passen nicht in die Anzeige.")
                         : QStringLiteral("The comment is cut here: lines %1 to %2 do not fit "
                                          "the display."))
                     .arg(kept + 1)
                     .arg(comment.size());
    shown << QStringLiteral("[%1]").arg(notes.join(u' '));
    return shown;
}

SheetDisplay prepareSheetDisplay(const Datasheet& sheet, int commentLines, Language language,
                                 const TextWidth& textWidth) {
    SheetDisplay d;
    DrawingContent& c = d.content;
    c.pins = FillPinBoxes(sheet);
    c.commentVisible = commentLines > 0;
    c.commentHeight = clampExtent(qint64(commentLines) * kCommentLineHeight);
    if (sheet.hasFunctionTable) {
        d.function = ShowFunctionTable(sheet, textWidth);
        c.functionVisible = true;
        c.functionWidth = d.function.grid.width;
        c.functionHeight = d.function.grid.height;
        c.inputLabelWidth = d.function.inputLabelWidth;
    }
    if (sheet.hasDataTable) {
        d.data = ShowDataTable(sheet, language, textWidth);
        c.dataVisible = true;
        c.dataWidth = d.data.width;
        c.dataHeight = d.data.height;
    }
    if (sheet.hasExtraTable) {
        d.extra = ShowExtraTable(sheet, textWidth);
        c.extraVisible = true;
        c.extraWidth = d.extra.width;
        c.extraHeight = d.extra.height;
    }
    return d;
}

} // namespace pinatlas
