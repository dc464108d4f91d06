#pragma once

#include "display/PinRoles.h"
#include "display/WindowLayout.h"
#include "library/Datasheet.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>

namespace pinatlas {

// The DIL package as it is drawn at the top of the drawing area, in twips.
inline constexpr int kPinPitch = 240;       // between stubs, and the pin boxes' line pitch
inline constexpr int kBodyWidth = 840;      // of the package body
inline constexpr int kStubLength = 240;     // gap between the name boxes and the body
inline constexpr int kPinBoxOffset = 120;   // pin boxes' top below the body top
inline constexpr int kPinCharWidth = 110;   // width of PinsL per character of a name
inline constexpr int kStubsPerSide = 20;    // 40 pins at most
inline constexpr int kPinsRWidth = 2895;    // fixed: right names are cut, never wrapped
inline constexpr int kPinNumberWidth = 375; // PinsNrL and PinsNrR

// The contents and sizes of the four pin text boxes. The left side lists its
// pins from the top down, the right side counts on from the bottom up, so each
// list is in screen order.
struct PinBoxes {
    QStringList namesL;   // PinsL
    QStringList namesR;   // PinsR
    QStringList numbersL; // PinsNrL: " 1", " 2", ...
    QStringList numbersR; // PinsNrR
    int height = 0;       // of all four boxes
    int widthL = kPinCharWidth;
    // The role marks of each line, in the stub gap beside the names; empty
    // lists when the sheet was filled without roles. `legend`: the marks that
    // occur, in the legend's order.
    QList<QList<PinMark>> marksL, marksR;
    QList<PinMark> legend;

    // Lines in the taller column; the body reaches one pitch below the last.
    int rows() const { return int(std::max(namesL.size(), namesR.size())); }
};

// A box's text: every line ends with CR LF, the last one included.
QString pinBoxText(const QStringList& lines);

// Splits the pins between the two sides: pins 1 to h down the left, n down to
// h + 1 on the right. An odd count puts the extra pin on the left, so that
// every pin keeps its name, its number and its stub. The count is limited to
// what the package can show (0 to 40). With `roles` (pinRoles()) each line
// also gets its marks; nothing else changes with them.
PinBoxes FillPinBoxes(const Datasheet& sheet, const QList<PinRole>& roles = {});

struct Stub {
    bool visible = false;
    TwipLine line; // only meaningful when visible
};

// Where everything of the package drawing goes for one drawing origin.
struct PackagePlacement {
    std::array<TwipLine, 4> outline;       // Package1 (top), 2 (left), 3 (right), 4 (bottom)
    std::array<Stub, kStubsPerSide> left;  // LineL(1..20)
    std::array<Stub, kStubsPerSide> right; // LineR(1..20)
    TwipPoint pinsL, pinsR, pinsNrL, pinsNrR;
    // The mark strips fill the stub gaps, as high as the pin boxes; the
    // legend's line sits between the body and what follows below it.
    TwipPoint marksL, marksR, legend;
};

// A role mark's box, in twips.
struct MarkBox {
    PinMark mark;
    int x = 0, y = 0, width = 0, height = 0;
};

// The size a mark is drawn at: three fit into one stub gap, and the tallest
// still clears the next pin's line.
MarkBox pinMarkSize(PinMark mark);

// The boxes of one pin's marks, the last one touching the body edge at
// `bodyX` and the others outwards from it, centred on the stub at `stubY`;
// marks that would overrun the stub gap shrink together.
QList<MarkBox> placePinMarks(const QList<PinMark>& marks, int bodyX, int stubY, bool bodyOnRight);

// The strips' width and the legend's height, in twips.
inline constexpr int kMarkStripWidth = kStubLength;
inline constexpr int kLegendHeight = 240;
inline constexpr int kLegendBelowBody = 60;

// `x0`, `y0`: the drawing origin; `pixel`: one screen pixel in twips. The
// body's place depends on the width of PinsL, so `boxes` must be those of the
// sheet on display.
PackagePlacement PlacePackage(const PinBoxes& boxes, int x0, int y0, int pixel);

} // namespace pinatlas
