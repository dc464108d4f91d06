#include "display/ui/PinTextBox.h"

#include "display/PackageDrawing.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Twips.h"

#include <QPainter>

#include <algorithm>

namespace pinatlas {

namespace {

// The gap between a box's text and the stubs or body edge it faces, in
// pixels. The far side has none: the widths leave a name no room to spare.
constexpr int kTextMargin = 1;

} // namespace

PinTextBox::PinTextBox(QWidget* parent, const QString& name, Qt::Alignment alignment)
    : QWidget(parent), m_alignment(alignment) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setFont(desktopFont(QStringLiteral("Arial"), 9.75, true));
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void PinTextBox::setLines(const QStringList& lines) {
    m_lines = lines;
    update();
}

void PinTextBox::setHighlightedLines(const QList<int>& lines) {
    if (lines == m_highlighted)
        return;
    m_highlighted = lines;
    update();
}

QString PinTextBox::text() const {
    return pinBoxText(m_lines);
}

void PinTextBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const double pitch = kPinPitch / Twips::of(this).perPixelY();
    const QFontMetrics metrics(font());
    for (int i = 0; i < m_lines.size(); ++i) {
        const int top = qRound(i * pitch);
        const int bottom = qRound((i + 1) * pitch);
        QRect line(0, top, width(), bottom - top);
        const bool lit = m_highlighted.contains(i);
        if (lit) {
            // Only behind the text, so that a lit name does not run into
            // the next element as a long bar.
            const int room = std::min(width(), metrics.horizontalAdvance(m_lines[i]) + 4);
            QRect behind = line;
            if (m_alignment & Qt::AlignRight)
                behind.setLeft(width() - room);
            else
                behind.setRight(room - 1);
            p.fillRect(behind, palette().color(QPalette::Highlight));
        }
        p.setPen(palette().color(lit ? QPalette::HighlightedText : QPalette::WindowText));
        if (m_alignment & Qt::AlignRight)
            line.setRight(line.right() - kTextMargin);
        else
            line.setLeft(kTextMargin);
        const int flags = int(m_alignment | Qt::AlignVCenter | Qt::TextSingleLine);
        const int advance = metrics.horizontalAdvance(m_lines[i]);
        if (advance <= line.width()) {
            p.drawText(line, flags, m_lines[i]);
            continue;
        }
        // A name wider than its box is narrowed to fit rather than cut, so
        // that it stays whole and keeps its place next to the stub.
        p.save();
        p.translate(line.left(), 0);
        p.scale(double(line.width()) / advance, 1.0);
        p.drawText(QRectF(0, line.top(), advance, line.height()), flags, m_lines[i]);
        p.restore();
    }
}

} // namespace pinatlas
