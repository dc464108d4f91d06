#include "display/ui/LineElement.h"

#include <QPainter>

#include <algorithm>

namespace pinatlas {

LineElement::LineElement(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineElement::setEnds(QPoint from, QPoint to) {
    m_from = from;
    m_to = to;
    const int left = std::min(from.x(), to.x());
    const int top = std::min(from.y(), to.y());
    setGeometry(left, top, std::abs(to.x() - from.x()) + 1, std::abs(to.y() - from.y()) + 1);
    update();
}

void LineElement::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QPoint origin = pos();
    p.drawLine(m_from - origin, m_to - origin);
}

} // namespace pinatlas
