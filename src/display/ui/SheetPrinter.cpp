#include "display/ui/SheetPrinter.h"

#include "display/SheetPages.h"
#include "display/ui/PinMarks.h"
#include "library/FileAccess.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>

#include <map>

namespace pinatlas {

namespace {

constexpr int kPrintMarginMm = 15;
constexpr int kLineWidth = 12; // twips: 0.6 pt at full size
const QColor kHeadingShade(232, 232, 232);

// Pixel sizes count in the painter's units, which are twips here, so a font
// scales with the drawing and measures the same on every device.
QFont printFont(PrintFont role) {
    QFont font(role == PrintFont::Cell      ? QStringLiteral("MS Sans Serif")
               : role == PrintFont::Comment ? QStringLiteral("Courier New")
                                            : QStringLiteral("Arial"));
    font.setPixelSize(qRound(printFontPoints(role) * 20));
    font.setBold(role == PrintFont::Title || role == PrintFont::Pin || role == PrintFont::Caption);
    return font;
}

} // namespace

QPageLayout sheetPageLayout(QPageSize::PageSizeId paper) {
    if (paper == QPageSize::PageSizeId(-1))
        paper = usesLetterPaper(QLocale().territory()) ? QPageSize::Letter : QPageSize::A4;
    const QMarginsF margins(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm);
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

bool printSheet(QPagedPaintDevice& device, const PrintableSheet& s) {
    std::map<PrintFont, QFontMetricsF> metrics;
    QHash<QPair<int, QString>, double> measured;
    const auto textWidth = [&](PrintFont role, const QString& text) {
        const auto key = qMakePair(int(role), text);
        auto known = measured.constFind(key);
        if (known == measured.cend()) {
            auto m = metrics.find(role);
            if (m == metrics.end())
                m = metrics.emplace(role, QFontMetricsF(printFont(role))).first;
            known = measured.insert(key, m->second.horizontalAdvance(text));
        }
        return *known;
    };
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Point);
    const PrintedSheet printed =
        composePrintedSheet(s.sheet, s.comment, s.title, s.language, int(area.width() * 20),
                            int(area.height() * 20), textWidth, s.pinMarks);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the printable area's corner; its units become
    // twips of the drawing.
    const double x = device.logicalDpiX() / 1440.0 * printed.scale;
    const double y = device.logicalDpiY() / 1440.0 * printed.scale;
    for (size_t i = 0; i < printed.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        const PrintedPage& page = printed.pages[i];
        painter.resetTransform();
        painter.scale(x, y);
        for (const PrintBox& b : page.shades)
            painter.fillRect(QRect(b.x, b.y, b.width, b.height), kHeadingShade);
        painter.setPen(QPen(Qt::black, kLineWidth, Qt::SolidLine, Qt::SquareCap));
        for (const PrintLine& l : page.lines)
            painter.drawLine(l.x1, l.y1, l.x2, l.y2);
        for (const PrintMark& m : page.marks)
            paintPinMark(painter, m.mark, QRectF(m.box.x, m.box.y, m.box.width, m.box.height),
                         m.towardsRight, Qt::white);
        for (const PrintText& t : page.texts) {
            painter.setFont(printFont(t.font));
            painter.drawText(QRect(t.box.x, t.box.y, t.box.width, t.box.height),
                             int(t.alignment) | Qt::TextSingleLine | Qt::TextDontClip, t.text);
        }
    }
    return painter.end();
}

bool writeSheetPdf(const QString& path, const PrintableSheet& sheet, QString* error,
                   const QPageLayout& layout) {
    // Drawn into memory first, so the file goes through the one careful save.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    bool ok = buffer.open(QIODevice::WriteOnly);
    if (ok) {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Pinatlas"));
        writer.setPageLayout(layout);
        ok = printSheet(writer, sheet);
    }
    // The writer has flushed its last page once it is gone.
    if (!ok) {
        if (error)
            *error = QStringLiteral("the sheet could not be drawn");
        return false;
    }
    const SaveOutcome saved = saveFileWhole(path, pdf);
    if (!saved.ok && error)
        *error = saved.error;
    return saved.ok;
}

} // namespace pinatlas
