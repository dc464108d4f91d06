#include "display/ui/SheetPrinter.h"

#include "display/SheetLayout.h"
#include "display/SheetPages.h"
#include "display/WindowLayout.h"
#include "display/ui/DatasheetView.h"
#include "display/ui/TableGrid.h"
#include "library/FileAccess.h"
#include "platform/ui/Twips.h"

#include <QBuffer>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>

#include <cmath>

namespace pinatlas {

namespace {

QWidget* shownChild(QWidget* frame, const char* name) {
    auto* w = frame->findChild<QWidget*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    return w && w->isVisibleTo(frame) ? w : nullptr;
}

// Frame pixels where a page may end: before each element below the package,
// between comment lines, and between table rows after the first body row.
std::vector<int> breakPlaces(QWidget* frame, const Twips& tw) {
    std::vector<int> places;
    if (QWidget* doku = shownChild(frame, "Doku")) {
        places.push_back(doku->y());
        const int line = tw.toPxY(kCommentLineHeight);
        for (int y = doku->y() + line; y < doku->geometry().bottom(); y += line)
            places.push_back(y);
    }
    if (QWidget* label = shownChild(frame, "L_Input"))
        places.push_back(label->y());
    for (const char* name : {"Funktion", "Daten", "Zusatz"}) {
        auto* grid = qobject_cast<TableGrid*>(shownChild(frame, name));
        if (!grid)
            continue;
        // The function table keeps its captions: the break goes above them.
        if (std::string_view(name) != "Funktion" || !shownChild(frame, "L_Input"))
            places.push_back(grid->y());
        const int top = grid->y() + grid->viewport()->y();
        for (int r = grid->content().fixedRows + 1; r < grid->content().rows; ++r)
            places.push_back(top + grid->rowViewportPosition(r));
    }
    return places;
}

} // namespace

bool printSheet(QPagedPaintDevice& device, const PrintableSheet& s) {
    // The drawing area of a main window that is never put on a screen, sized
    // to show the whole sheet at scroll position 0.
    QWidget host;
    host.setAttribute(Qt::WA_DontShowOnScreen);
    DatasheetView view(&host);
    view.display(s.sheet, s.comment, s.title, s.language);
    const Twips tw = Twips::of(&host);
    QWidget* frame = view.frame();
    // Paper stays white: the window's grey is not printed.
    QPalette paper = frame->palette();
    paper.setColor(QPalette::Window, Qt::white);
    frame->setPalette(paper);
    // On paper the cells' white would cover the grids' right and bottom
    // frame lines, which lie on fractions of a device pixel there.
    for (TableGrid* grid : frame->findChildren<TableGrid*>())
        grid->viewport()->setAutoFillBackground(false);
    frame->resize(int(std::ceil(fullFrameWidth(view.content()) / tw.perPixelX())),
                  int(std::ceil(fullFrameHeight(view.content()) / tw.perPixelY())));
    host.resize(frame->geometry().bottomRight().x() + 1, frame->geometry().bottom() + 1);
    host.show();

    // Each page is a window onto the drawing: its edges clip every widget,
    // which a clip on the painter would not do for the grids.
    QWidget window(&host);
    frame->setParent(&window);
    frame->show();
    window.show();

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    // Widget sizes are in screen pixels; the device counts its own.
    const double scale = double(page.width()) / frame->width();
    const QLabel* info = host.findChild<QLabel*>(QStringLiteral("Info"));
    const int titleHeight = tw.toPxY(kInfoHeight);
    const int pageHeight = int(page.height() / scale) - titleHeight;
    const std::vector<int> starts = pageStarts(breakPlaces(frame, tw), frame->height(), pageHeight);
    for (size_t i = 0; i < starts.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        const int top = starts[i];
        const int bottom = i + 1 < starts.size() ? starts[i + 1] : frame->height();
        painter.save();
        painter.scale(scale, scale);
        window.resize(frame->width(), bottom - top);
        frame->move(0, -top);
        window.render(&painter, QPoint(0, titleHeight), QRegion(), QWidget::DrawChildren);
        // A grid cut by the page end still draws its whole outer frame, and a
        // clip on the painter would cut more than that: blank out the margins.
        const int far = 100 * frame->height();
        painter.fillRect(QRect(0, -far, frame->width(), far + titleHeight), Qt::white);
        painter.fillRect(QRect(0, titleHeight + bottom - top, frame->width(), far), Qt::white);
        painter.setFont(info->font());
        painter.drawText(QRect(tw.toPxX(kDrawingLeft), 0, frame->width(), titleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, s.title);
        painter.restore();
    }
    return painter.end();
}

bool writeSheetPdf(const QString& path, const PrintableSheet& sheet, QString* error) {
    // Drawn into memory first, so the file goes through the one careful save.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    bool ok = buffer.open(QIODevice::WriteOnly);
    if (ok) {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Pinatlas"));
        writer.setPageLayout(QPageLayout(
            QPageSize(usesLetterPaper(QLocale().territory()) ? QPageSize::Letter : QPageSize::A4),
            QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
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
