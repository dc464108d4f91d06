#pragma once

#include <QPoint>
#include <QWidget>

namespace pinatlas {

// A one-pixel line with settable end points, in its parent's coordinates.
class LineElement : public QWidget {
    Q_OBJECT
public:
    explicit LineElement(QWidget* parent, const QString& name);
    void setEnds(QPoint from, QPoint to);
    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint m_from;
    QPoint m_to;
};

} // namespace pinatlas
