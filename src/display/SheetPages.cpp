#include "display/SheetPages.h"

#include "display/PackageDrawing.h"
#include "display/SheetLayout.h"
#include "display/TableViews.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace pinatlas {

namespace {

constexpr int kGapBeside = 360;
constexpr int kGapBelow = kGapAfterElement;
constexpr int kInset = 45;             // between a text and the line next to it
constexpr int kCommentMinWidth = 4000; // narrower beside the package, the comment goes below
constexpr double kScaleStep = 0.025;

// One piece of the sheet that the pages are filled with: the package, the
// comment or a table. A page may end between any two of its rows after the
// head, which a continuation repeats.
struct Block {
    int width = 0;
    std::vector<int> rows; // heights, top down
    int headRows = 0;
    bool splitsBeside = false; // may start beside another block though it will not fit there
    // Draws the head and rows [first, end) with the top-left corner at (x, y);
    // a `first` beyond 0 repeats the head above them.
    std::function<void(PrintedPage&, int x, int y, int first, int end)> draw;

    int height(int first, int end) const {
        return std::accumulate(rows.begin() + first, rows.begin() + end, 0);
    }
};

int widest(const QStringList& texts, PrintFont font, const PrintTextWidth& width) {
    double w = 0;
    for (const QString& t : texts)
        w = std::max(w, width(font, t));
    return int(std::ceil(w));
}

void addText(PrintedPage& page, PrintBox box, const QString& text, PrintFont font,
             Qt::Alignment alignment) {
    if (!text.isEmpty())
        page.texts.push_back({box, text, font, alignment | Qt::AlignVCenter});
}

Block packageBlock(const Datasheet& sheet, const QList<PinRole>& roles, Language language,
                   const PrintTextWidth& width) {
    PinBoxes boxes = FillPinBoxes(sheet, roles);
    boxes.widthL = widest(boxes.namesL, PrintFont::Pin, width) + 2 * kInset;
    const int widthR = widest(boxes.namesR, PrintFont::Pin, width) + 2 * kInset;
    Block b;
    b.width = boxes.widthL + 2 * kStubLength + kBodyWidth + widthR;
    b.rows = {(boxes.rows() + 1) * kPinPitch};
    // The legend's line below the body: each mark, a gap, its meaning.
    std::vector<std::pair<MarkBox, PrintText>> legend;
    int legendX = 0;
    for (PinMark mark : boxes.legend) {
        MarkBox m = pinMarkSize(mark);
        m.x = legendX;
        m.y = (kLegendHeight - m.height) / 2;
        const QString name = pinMarkName(mark, language);
        const int w = int(std::ceil(width(PrintFont::Cell, name)));
        legend.push_back({m,
                          {{m.x + m.width + 60, 0, w, kLegendHeight},
                           name,
                           PrintFont::Cell,
                           Qt::AlignLeft | Qt::AlignVCenter}});
        legendX += m.width + 60 + w + 240;
    }
    if (!legend.empty()) {
        b.rows.front() += kLegendBelowBody + kLegendHeight;
        b.width = std::max(b.width, legendX);
    }
    b.draw = [boxes, widthR, legend](PrintedPage& page, int x, int y, int, int) {
        const PackagePlacement p = PlacePackage(boxes, x, y, 0);
        const auto addMarks = [&page](const QList<MarkBox>& marks, bool towardsRight) {
            for (const MarkBox& m : marks)
                page.marks.push_back({{m.x, m.y, m.width, m.height}, m.mark, towardsRight});
        };
        for (int i = 0; i < boxes.marksL.size(); ++i)
            addMarks(placePinMarks(boxes.marksL[i], p.outline[1].x1, y + (i + 1) * kPinPitch, true),
                     true);
        for (int i = 0; i < boxes.marksR.size(); ++i)
            addMarks(
                placePinMarks(boxes.marksR[i], p.outline[2].x1, y + (i + 1) * kPinPitch, false),
                false);
        const int legendTop = p.outline[3].y1 + kLegendBelowBody;
        for (auto [m, t] : legend) {
            addMarks({{m.mark, x + m.x, legendTop + m.y, m.width, m.height}}, true);
            t.box.x += x;
            t.box.y += legendTop;
            page.texts.push_back(t);
        }
        for (const TwipLine& l : p.outline)
            page.lines.push_back({l.x1, l.y1, l.x2, l.y2});
        for (const auto* side : {&p.left, &p.right})
            for (const Stub& s : *side)
                if (s.visible)
                    page.lines.push_back({s.line.x1, s.line.y1, s.line.x2, s.line.y2});
        const auto column = [&page](const QStringList& lines, TwipPoint at, int left, int w,
                                    Qt::Alignment alignment) {
            for (int i = 0; i < lines.size(); ++i)
                addText(page, {at.x + left, at.y + i * kPinPitch, w, kPinPitch}, lines[i],
                        PrintFont::Pin, alignment);
        };
        column(boxes.namesL, p.pinsL, 0, boxes.widthL - kInset, Qt::AlignRight);
        column(boxes.numbersL, p.pinsNrL, kInset, kPinNumberWidth, Qt::AlignLeft);
        column(boxes.numbersR, p.pinsNrR, 0, kPinNumberWidth - kInset, Qt::AlignRight);
        column(boxes.namesR, p.pinsR, kInset, widthR - kInset, Qt::AlignLeft);
    };
    return b;
}

// The comment's lines, long ones broken between words to fit `maxWidth`.
QStringList wrapComment(const QStringList& comment, int maxWidth, const PrintTextWidth& width) {
    QStringList lines;
    for (const QString& line : comment) {
        QString rest = line;
        while (width(PrintFont::Comment, rest) > maxWidth) {
            qsizetype cut = rest.size();
            do
                cut = rest.lastIndexOf(u' ', cut - 1);
            while (cut > 0 && width(PrintFont::Comment, rest.left(cut)) > maxWidth);
            if (cut <= 0)
                break; // one word wider than the room: it stays whole
            lines << rest.left(cut);
            rest = rest.mid(cut + 1);
        }
        lines << rest;
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

Block commentBlock(const QStringList& lines, const PrintTextWidth& width) {
    Block b;
    b.width = widest(lines, PrintFont::Comment, width);
    b.rows.assign(lines.size(), kCommentLineHeight);
    b.splitsBeside = true;
    b.draw = [lines, w = b.width](PrintedPage& page, int x, int y, int first, int end) {
        for (int i = first; i < end; ++i)
            addText(page, {x, y + (i - first) * kCommentLineHeight, w, kCommentLineHeight},
                    lines[i], PrintFont::Comment, Qt::AlignLeft);
    };
    return b;
}

// A table with `repeated` heading rows, under the function table's captions
// when it has them.
Block tableBlock(const GridContent& grid, int repeated, const FunctionTableView* captions) {
    const int captionRows = captions ? 1 : 0;
    Block b;
    b.width = std::accumulate(grid.columnWidths.begin(), grid.columnWidths.end(), 0);
    if (captions)
        b.rows.push_back(kTableLabelHeight);
    b.rows.insert(b.rows.end(), grid.rows, kGridRowHeight);
    b.headRows = captionRows + std::min(repeated, grid.rows);
    b.draw = [grid, captions = captions ? std::optional(*captions) : std::nullopt, captionRows,
              head = b.headRows,
              width = b.width](PrintedPage& page, int x, int y, int first, int end) {
        if (captions) {
            const auto caption = [&](bool shown, int offset, int w, const char* text) {
                if (shown)
                    addText(page, {x + offset, y, w, kTableLabelHeight}, QString::fromLatin1(text),
                            PrintFont::Caption, Qt::AlignHCenter);
            };
            caption(captions->inputLabelShown, 0, captions->inputLabelWidth, "Inp");
            caption(captions->outputLabelShown, captions->outputLabelOffset,
                    width - captions->outputLabelOffset, "Out");
            y += kTableLabelHeight;
        }
        std::vector<int> shown; // grid rows
        for (int r = captionRows; first > 0 && r < head; ++r)
            shown.push_back(r - captionRows);
        for (int r = std::max(first, captionRows); r < end; ++r)
            shown.push_back(r - captionRows);
        const int top = y;
        for (const int r : shown) {
            page.lines.push_back({x, y, x + width, y});
            int left = x;
            for (int c = 0; c < grid.columns; ++c) {
                const int w = grid.columnWidths[c];
                if (r < grid.fixedRows || c < grid.fixedColumns)
                    page.shades.push_back({left, y, w, kGridRowHeight});
                addText(page, {left + kInset, y, w - 2 * kInset, kGridRowHeight}, grid.cell(r, c),
                        PrintFont::Cell, grid.leftAligned(c) ? Qt::AlignLeft : Qt::AlignHCenter);
                left += w;
            }
            y += kGridRowHeight;
        }
        page.lines.push_back({x, y, x + width, y});
        int left = x;
        page.lines.push_back({left, top, left, y});
        for (const int w : grid.columnWidths)
            page.lines.push_back({left += w, top, left, y});
    };
    return b;
}

// Fills pages of `width` by `height` with the blocks in order: each beside the
// one before while it fits there whole, else below them.
class PageFlow {
public:
    PageFlow(int width, int height, const QString& title)
        : m_width(width), m_height(height), m_title(title) {
        newPage();
    }

    void place(const Block& b) {
        const int total = b.height(0, int(b.rows.size()));
        int x = 0;
        if (m_shelfRight > 0 && m_shelfRight + kGapBeside + b.width <= m_width &&
            (b.splitsBeside || m_shelfTop + total <= m_height)) {
            x = m_shelfRight + kGapBeside;
        } else {
            endShelf();
        }
        int y = m_shelfTop;
        const int count = int(b.rows.size());
        for (int next = 0; next < count;) {
            const int head = next > 0 ? b.height(0, b.headRows) : 0;
            int end = next;
            while (end < count && y + head + b.height(next, end + 1) <= m_height)
                ++end;
            const int body = end - std::max(next, b.headRows);
            const int wanted = std::min(2, count - std::max(next, b.headRows));
            if (end < count && body < wanted && y > kPrintTitleHeight) {
                // Too little room for a piece worth having: all of it on the next page.
                newPage();
                x = 0;
                y = m_shelfTop;
                continue;
            }
            end = std::max(end, std::min(count, next + std::max(1, b.headRows + 1 - next)));
            b.draw(pages.back(), x, y, next, end);
            m_shelfRight = std::max(m_shelfRight, x + b.width);
            m_shelfBottom = std::max(m_shelfBottom, y + head + b.height(next, end));
            next = end;
            if (next < count) {
                newPage();
                x = 0;
                y = m_shelfTop;
            }
        }
    }

    void endShelf() {
        if (m_shelfRight == 0)
            return;
        m_shelfTop = m_shelfBottom + kGapBelow;
        m_shelfRight = 0;
    }

    std::vector<PrintedPage> pages;

private:
    void newPage() {
        pages.emplace_back();
        addText(pages.back(), {0, 0, m_width, kPrintTitleHeight}, m_title, PrintFont::Title,
                Qt::AlignLeft);
        m_shelfTop = m_shelfBottom = kPrintTitleHeight;
        m_shelfRight = 0;
    }

    int m_width;
    int m_height;
    QString m_title;
    int m_shelfTop = 0;
    int m_shelfBottom = 0;
    int m_shelfRight = 0;
};

} // namespace

double printFontPoints(PrintFont font) {
    switch (font) {
    case PrintFont::Title:
    case PrintFont::Pin:
    case PrintFont::Caption:
        return 9.75;
    case PrintFont::Cell:
    case PrintFont::Comment:
        break;
    }
    return 8.25;
}

PrintedSheet composePrintedSheet(const Datasheet& sheet, const QStringList& comment,
                                 const QString& title, Language language, int pageWidth,
                                 int pageHeight, const PrintTextWidth& textWidth, bool pinMarks) {
    const TextWidth cellWidth = [&textWidth](const QString& text) {
        return int(std::ceil(textWidth(PrintFont::Cell, text))) + 2 * kInset;
    };
    const Block package = packageBlock(
        sheet, pinMarks ? pinRoles(sheet, comment) : QList<PinRole>(), language, textWidth);
    std::vector<Block> tables;
    if (sheet.hasFunctionTable) {
        const FunctionTableView function = ShowFunctionTable(sheet, cellWidth);
        tables.push_back(tableBlock(function.grid, function.grid.fixedRows, &function));
    }
    if (sheet.hasDataTable) {
        const GridContent data = ShowDataTable(sheet, language, cellWidth);
        tables.push_back(tableBlock(data, data.fixedRows, nullptr));
    }
    // The extra table has no heading of its own, but its first line names the
    // columns in practice: a continuation repeats it.
    if (sheet.hasExtraTable)
        tables.push_back(tableBlock(ShowExtraTable(sheet, cellWidth), 1, nullptr));

    const auto compose = [&](double scale) {
        const int width = int(pageWidth / scale);
        PageFlow flow(width, int(pageHeight / scale), title);
        flow.place(package);
        const int beside = width - package.width - kGapBeside;
        const QStringList lines =
            wrapComment(comment, beside >= kCommentMinWidth ? beside : width, textWidth);
        if (!lines.isEmpty())
            flow.place(commentBlock(lines, textWidth));
        flow.endShelf(); // the tables begin below the package and the comment
        for (const Block& table : tables)
            flow.place(table);
        return PrintedSheet{scale, std::move(flow.pages)};
    };
    // A table wider than the page even at the smallest scale is the one thing
    // shrunk further: small print beats columns cut off at the paper's edge.
    int widest = package.width;
    for (const Block& table : tables)
        widest = std::max(widest, table.width);
    const double widthFits = double(pageWidth) / std::max(widest, 1);
    const double least = std::min(kMinPrintScale, widthFits);
    PrintedSheet smallest = compose(least);
    for (double scale = std::min(1.0, widthFits); scale > least; scale -= kScaleStep) {
        PrintedSheet printed = compose(scale);
        if (printed.pages.size() <= smallest.pages.size())
            return printed;
    }
    return smallest;
}

bool usesLetterPaper(QLocale::Territory territory) {
    switch (territory) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::CostaRica:
    case QLocale::DominicanRepublic:
    case QLocale::ElSalvador:
    case QLocale::Guatemala:
    case QLocale::Nicaragua:
    case QLocale::Panama:
    case QLocale::Philippines:
    case QLocale::PuertoRico:
    case QLocale::Venezuela:
        return true;
    default:
        return false;
    }
}

} // namespace pinatlas
