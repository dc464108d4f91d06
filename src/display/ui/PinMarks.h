#pragma once

#include "display/PinRoles.h"

#include <QList>
#include <QWidget>

class QPainter;

namespace pinatlas {

// Draws one mark centred in `box`; `towardsRight`: the body lies to the
// right, so a clock's triangle points that way. Outlined in the pen's colour
// and filled with `fill`, so that a stub running through it stays hidden.
void paintPinMark(QPainter& painter, PinMark mark, const QRectF& box, bool towardsRight,
                  const QColor& fill);

// The marks of one side's pins, drawn over the stub gap between the names and
// the body, line k level with stub k. Transparent elsewhere, so the stubs
// still show.
class PinMarkStrip : public QWidget {
    Q_OBJECT
public:
    // `bodyOnRight`: the strip of the left side, whose body edge is its right.
    PinMarkStrip(QWidget* parent, const QString& name, bool bodyOnRight);
    void setMarks(const QList<QList<PinMark>>& marks);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<QList<PinMark>> m_marks;
    bool m_bodyOnRight;
};

// One line below the package: each mark that occurs with its meaning.
class PinMarkLegend : public QWidget {
    Q_OBJECT
public:
    explicit PinMarkLegend(QWidget* parent);
    // Sizes the legend to its entries; hidden by the caller when empty.
    void setEntries(const QList<PinMark>& marks, Language language);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<PinMark> m_marks;
    Language m_language = Language::German;
};

} // namespace pinatlas
