#include "platform/ui/DesktopStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <memory>

namespace pinatlas {

namespace {

// A style's icon fetched when it is first drawn. The menu bar asks for its
// overflow arrow when it is made, and decoding that image costs the start as
// much as a table; most sessions never show the arrow.
class IconOnFirstUse : public QIconEngine {
public:
    IconOnFirstUse(const QStyle* style, QStyle::StandardPixmap which)
        : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new IconOnFirstUse(*this); }

private:
    const QIcon& icon() {
        if (!m_fetched) {
            m_icon = m_style->standardIcon(m_which);
            m_fetched = true;
        }
        return m_icon;
    }

    const QStyle* m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_fetched = false;
};

// Gradient scroll bars cost the first picture more than all its text: the
// raster engine hands every tall gradient to its thread pool in slices and
// waits for them, a hundred round trips for the scroll bars of one window.
// The classic style draws them with plain fills on the spot. Drawing, layout
// and hit testing all come from that one style so that they agree.
class ClassicScrollBars : public QProxyStyle {
public:
    ClassicScrollBars() : m_classic(QStyleFactory::create(QStringLiteral("Windows"))) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override {
        if (const QStyle* classic = classicFor(control, option))
            classic->drawComplexControl(control, option, painter, widget);
        else
            QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget = nullptr) const override {
        if (const QStyle* classic = classicFor(control, option))
            return classic->subControlRect(control, option, part, widget);
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& position,
                                     const QWidget* widget = nullptr) const override {
        if (const QStyle* classic = classicFor(control, option))
            return classic->hitTestComplexControl(control, option, position, widget);
        return QProxyStyle::hitTestComplexControl(control, option, position, widget);
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override {
        if (which == SP_ToolBarHorizontalExtensionButton && !option)
            return QIcon(new IconOnFirstUse(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }

private:
    // A bar hardly longer than wide (the wizard's pin-count spinner) has room
    // for the desktop style's small arrows only; its fills are short anyway.
    const QStyle* classicFor(ComplexControl control, const QStyleOptionComplex* option) const {
        if (control != CC_ScrollBar || !m_classic || !option)
            return nullptr;
        const QSize size = option->rect.size();
        const bool bar =
            std::max(size.width(), size.height()) >= 3 * std::min(size.width(), size.height());
        return bar ? m_classic.get() : nullptr;
    }

    std::unique_ptr<QStyle> m_classic;
};

} // namespace

void installDesktopStyle() {
    QApplication::setStyle(new ClassicScrollBars);
}

} // namespace pinatlas
