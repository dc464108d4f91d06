#pragma once

#include "display/PackageDrawing.h"
#include "display/TableViews.h"

namespace pinatlas {

// Layout of the drawing area, in twips.
inline constexpr int kDrawingLeft = 120;  // origin X0 at scroll position 0
inline constexpr int kDrawingTop = 240;   // origin Y0 at scroll position 0
inline constexpr int kGapBelowPins = 480; // from the pin boxes to what follows
inline constexpr int kGapAfterElement = 240;
inline constexpr int kMinContentWidth = 7110;
inline constexpr int kCommentLineHeight = 220;
inline constexpr int kCommentWidth = 7095;
inline constexpr int kHiddenGridWidth = 1; // keeps a hidden grid out of the scroll range

// The comment as the comment box shows it. The box grows no taller than the
// drawing's extent allows and shows a line only as far as its width reaches;
// lines beyond either are cut, and a last line says where, rather than the
// comment stopping without a word.
inline constexpr qsizetype kMaxCommentLineChars = 1000;
QStringList commentAsShown(const QStringList& comment, Language language);

// Sizes and visibility of everything inside Frame, as the display operations
// left them. A hidden grid is 1 twip wide and its height does not count.
struct DrawingContent {
    PinBoxes pins;
    bool commentVisible = false;
    int commentHeight = 0;
    bool functionVisible = false;
    int functionWidth = kHiddenGridWidth;
    int functionHeight = 0;
    int labelHeight = kTableLabelHeight;
    int inputLabelWidth = 0;
    bool dataVisible = false;
    int dataWidth = kHiddenGridWidth;
    int dataHeight = 0;
    bool extraVisible = false;
    int extraWidth = kHiddenGridWidth;
    int extraHeight = 0;
};

// The height T and width M of what the scroll bars have to reach. The width
// never falls below 7110 and also covers the package, whose left names have no
// length limit.
int contentHeight(const DrawingContent& content);
int contentWidth(const DrawingContent& content);

// The size Frame needs to show everything at scroll position 0.
inline int fullFrameWidth(const DrawingContent& c) {
    return contentWidth(c) + 240;
}
inline int fullFrameHeight(const DrawingContent& c) {
    return contentHeight(c) + 960;
}

struct ScrollRanges {
    int vMaximum = 1;
    int vSmallChange = 0;
    int vLargeChange = 0;
    int hMaximum = 1;
    int hSmallChange = 0;
    int hLargeChange = 0;
};

// Every maximum is at least 1, so both bars always have a range.
ScrollRanges SetScrollRanges(const DrawingContent& content, int frameWidth, int frameHeight,
                             int pixelX, int pixelY);

// Where the elements inside Frame go for the scroll positions. Positions of
// hidden elements are left at zero.
struct DatasheetPlacement {
    PackagePlacement package;
    TwipPoint comment;
    TwipPoint inputLabel;
    TwipPoint outputLabel;
    TwipPoint function;
    TwipPoint data;
    TwipPoint extra;
};

DatasheetPlacement PlaceDatasheet(const DrawingContent& content, int hPosition, int vPosition,
                                  int pixelX);

// Everything the loader's display steps compute for one sheet: the pin boxes,
// the tables it has (the others hidden and 1 twip wide) and the comment box
// for `commentLines` lines of the current language.
struct SheetDisplay {
    DrawingContent content;
    FunctionTableView function; // only meaningful when content.functionVisible
    GridContent data;           // ... content.dataVisible
    GridContent extra;          // ... content.extraVisible
};

// `textWidth` measures cell texts as the grids draw them (TableViews.h).
SheetDisplay prepareSheetDisplay(const Datasheet& sheet, int commentLines, Language language,
                                 const TextWidth& textWidth = {});

} // namespace pinatlas
