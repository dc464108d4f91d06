#pragma once

#include "platform/TwipGeometry.h"

#include <QRect>
#include <QWidget>
#include <QtMath>

namespace pinatlas {

// Geometry is computed in twips (1/1440 inch) and converted here, at the
// widget: 15 twips to the pixel at 96 dpi.
class Twips {
public:
    explicit Twips(double dpiX = 96.0, double dpiY = 96.0)
        : m_tppX(1440.0 / dpiX), m_tppY(1440.0 / dpiY) {}
    static Twips of(const QWidget* w) { return Twips(w->logicalDpiX(), w->logicalDpiY()); }

    // One pixel in twips, as the layout rules use it.
    int pixelX() const { return qRound(m_tppX); }
    int pixelY() const { return qRound(m_tppY); }
    double perPixelX() const { return m_tppX; }
    double perPixelY() const { return m_tppY; }

    int toPxX(int twips) const { return qRound(twips / m_tppX); }
    int toPxY(int twips) const { return qRound(twips / m_tppY); }
    int toTwipsX(int px) const { return qRound(px * m_tppX); }
    int toTwipsY(int px) const { return qRound(px * m_tppY); }
    QRect rect(int left, int top, int width, int height) const {
        return QRect(toPxX(left), toPxY(top), toPxX(width), toPxY(height));
    }
    QRect rect(const TwipRect& r) const { return rect(r.left, r.top, r.width, r.height); }
    void place(QWidget* w, int left, int top, int width, int height) const {
        w->setGeometry(rect(left, top, width, height));
    }

private:
    double m_tppX;
    double m_tppY;
};

} // namespace pinatlas
