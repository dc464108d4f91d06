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
    if (c.dokuVisible)
        t += c.dokuHeight + kGapAfterElement;
    if (c.funktionVisible)
        t += c.labelHeight + c.funktionHeight + kGapAfterElement;
    if (c.datenVisible)
        t += c.datenHeight + kGapAfterElement;
    if (c.zusatzVisible)
        t += c.zusatzHeight + kGapAfterElement;
    return t;
}

int contentWidth(const DrawingContent& c) {
    // Hidden grids are 1 twip wide, so their visibility need not be asked.
    int m = kMinContentWidth;
    for (int width : {c.funktionWidth, c.datenWidth, c.zusatzWidth})
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
    if (c.dokuVisible) {
        p.doku = {x0, y};
        y += c.dokuHeight + kGapAfterElement;
    }
    if (c.funktionVisible) {
        p.funktion = {x0, y + c.labelHeight};
        p.inputLabel = {x0, y};
        p.outputLabel = {x0 + c.inputLabelWidth, y};
        y += c.labelHeight + c.funktionHeight + kGapAfterElement;
    }
    if (c.datenVisible) {
        p.daten = {x0, y};
        y += c.datenHeight + kGapAfterElement;
    }
    if (c.zusatzVisible)
        p.zusatz = {x0, y};
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
    c.dokuVisible = commentLines > 0;
    c.dokuHeight = clampExtent(qint64(commentLines) * kCommentLineHeight);
    if (sheet.hasFunctionTable) {
        d.function = ShowFunctionTable(sheet, textWidth);
        c.funktionVisible = true;
        c.funktionWidth = d.function.grid.width;
        c.funktionHeight = d.function.grid.height;
        c.inputLabelWidth = d.function.inputLabelWidth;
    }
    if (sheet.hasDataTable) {
        d.data = ShowDataTable(sheet, language, textWidth);
        c.datenVisible = true;
        c.datenWidth = d.data.width;
        c.datenHeight = d.data.height;
    }
    if (sheet.hasExtraTable) {
        d.extra = ShowExtraTable(sheet, textWidth);
        c.zusatzVisible = true;
        c.zusatzWidth = d.extra.width;
        c.zusatzHeight = d.extra.height;
    }
    return d;
}

} // namespace pinatlas
