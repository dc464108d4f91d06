#pragma once

#include "display/PinRoles.h"
#include "library/Datasheet.h"
#include "shared/Language.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace pinatlas {

// The printed sheet has a layout of its own, made for a page rather than a
// scrolled window: the package with the comment beside it at the top, the
// tables below, side by side where they fit, everything shrunk as far as
// needed to save a page but never below 7 pt. A table goes on to the next page
// only between rows and then repeats its heading; each piece has its own
// closed frame. All measures are in twips of the full-size drawing; the page
// shows them `scale` times as large.

// What the texts are set in, each with its full size (`printFontPoints`).
enum class PrintFont { Title, Pin, Caption, Cell, Comment };
double printFontPoints(PrintFont font);

// The smallest text is 8.25 pt at full size, so the drawing shrinks at most
// this far.
inline constexpr double kMinPrintScale = 7.0 / 8.25;
inline constexpr int kPrintTitleHeight = 400;

struct PrintBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct PrintLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct PrintText {
    PrintBox box;
    QString text;
    PrintFont font = PrintFont::Cell;
    Qt::Alignment alignment; // always with Qt::AlignVCenter
};

// A pin's role mark; `towardsRight`: the body lies to its right.
struct PrintMark {
    PrintBox box;
    PinMark mark = PinMark::ActiveLow;
    bool towardsRight = true;
};

struct PrintedPage {
    std::vector<PrintBox> shades; // table headings, drawn first
    std::vector<PrintLine> lines;
    std::vector<PrintText> texts;
    std::vector<PrintMark> marks;
};

struct PrintedSheet {
    double scale = 1.0; // page twips per drawing twip
    std::vector<PrintedPage> pages;
};

// The width in twips of `text` set in `font` at full size.
using PrintTextWidth = std::function<double(PrintFont font, const QString& text)>;

// Lays the sheet out on pages whose printable area is `pageWidth` by
// `pageHeight` twips, on as few pages as the smallest scale allows and as
// large as that page count allows. Only a table wider than the page at the
// smallest scale shrinks further, to the page width. Every page begins with
// the title. With `pinMarks` the package carries the pins' role marks and
// their legend below it.
PrintedSheet composePrintedSheet(const Datasheet& sheet, const QStringList& comment,
                                 const QString& title, Language language, int pageWidth,
                                 int pageHeight, const PrintTextWidth& textWidth,
                                 bool pinMarks = true);

// True where Letter paper is the usual size, A4 everywhere else.
bool usesLetterPaper(QLocale::Territory territory);

} // namespace pinatlas
