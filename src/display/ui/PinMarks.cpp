#include "display/ui/PinMarks.h"

#include "display/PackageDrawing.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Twips.h"

#include <QPainter>
#include <QPainterPath>

namespace pinatlas {

namespace {

QFont legendFont() {
    return desktopFont(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace

void paintPinMark(QPainter& painter, PinMark mark, const QRectF& box, bool towardsRight,
                  const QColor& fill) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(fill);
    const QRectF r = box.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPointF c = r.center();
    switch (mark) {
    case PinMark::ActiveLow:
        painter.drawEllipse(r);
        break;
    case PinMark::Clock: {
        const double tip = towardsRight ? r.right() : r.left();
        const double base = towardsRight ? r.left() : r.right();
        painter.drawPolygon(QPolygonF({{base, r.top()}, {tip, c.y()}, {base, r.bottom()}}));
        break;
    }
    case PinMark::OpenCollector:
        painter.drawPolygon(QPolygonF(
            {{c.x(), r.top()}, {r.right(), c.y()}, {c.x(), r.bottom()}, {r.left(), c.y()}}));
        break;
    case PinMark::ThreeState:
        painter.drawPolygon(
            QPolygonF({{r.left(), r.top()}, {r.right(), r.top()}, {c.x(), r.bottom()}}));
        break;
    case PinMark::Schmitt: {
        // The hysteresis loop: two thresholds, rising on the right one and
        // falling on the left one.
        painter.fillRect(box, fill);
        const double a = r.left() + r.width() * 0.3;
        const double b = r.left() + r.width() * 0.7;
        QPainterPath path;
        path.moveTo(r.left(), r.bottom());
        path.lineTo(b, r.bottom());
        path.lineTo(b, r.top());
        path.moveTo(r.right(), r.top());
        path.lineTo(a, r.top());
        path.lineTo(a, r.bottom());
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        break;
    }
    }
    painter.restore();
}

PinMarkStrip::PinMarkStrip(QWidget* parent, const QString& name, bool bodyOnRight)
    : QWidget(parent), m_bodyOnRight(bodyOnRight) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
}

void PinMarkStrip::setMarks(const QList<QList<PinMark>>& marks) {
    m_marks = marks;
    update();
}

void PinMarkStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const Twips tw = Twips::of(this);
    const double sx = 1.0 / tw.perPixelX(), sy = 1.0 / tw.perPixelY();
    const QColor fill = palette().color(QPalette::Window);
    for (int i = 0; i < m_marks.size(); ++i)
        for (const MarkBox& b : placePinMarks(m_marks[i], m_bodyOnRight ? kMarkStripWidth : 0,
                                              i * kPinPitch + kPinPitch / 2, m_bodyOnRight))
            paintPinMark(p, b.mark, QRectF(b.x * sx, b.y * sy, b.width * sx, b.height * sy),
                         m_bodyOnRight, fill);
}

PinMarkLegend::PinMarkLegend(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PinMarkLegend"));
    setFont(legendFont());
    setFocusPolicy(Qt::NoFocus);
}

void PinMarkLegend::setEntries(const QList<PinMark>& marks, Language language) {
    m_marks = marks;
    m_language = language;
    // Drawn, not written: a screen reader gets the legend as its name.
    setAccessibleName(pinMarkLegend(marks, language));
    const Twips tw = Twips::of(this);
    const QFontMetrics metrics(font());
    int width = 0;
    for (PinMark m : marks)
        width += tw.toPxX(pinMarkSize(m).width + 60) +
                 metrics.horizontalAdvance(pinMarkName(m, language)) + tw.toPxX(240);
    resize(width, tw.toPxY(kLegendHeight));
    update();
}

void PinMarkLegend::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const Twips tw = Twips::of(this);
    const QFontMetrics metrics(font());
    double x = 0;
    for (PinMark m : m_marks) {
        const QSizeF size(pinMarkSize(m).width / tw.perPixelX(),
                          pinMarkSize(m).height / tw.perPixelY());
        paintPinMark(p, m, QRectF(QPointF(x, (height() - size.height()) / 2), size), true,
                     palette().color(QPalette::Window));
        x += size.width() + 60 / tw.perPixelX();
        const QString name = pinMarkName(m, m_language);
        p.drawText(QRectF(x, 0, metrics.horizontalAdvance(name) + 1, height()),
                   Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + 240 / tw.perPixelX();
    }
}

} // namespace pinatlas
