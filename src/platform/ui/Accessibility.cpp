#include "platform/ui/Accessibility.h"

#include <QAccessibleWidget>
#include <QMenu>
#include <QWidget>

namespace pinatlas {

namespace {

constexpr const char* kDecorative = "pinatlasDecorative";
constexpr const char* kRole = "pinatlasAccessibleRole";

class PlainWidgetAccessible : public QAccessibleWidget {
public:
    explicit PlainWidgetAccessible(QWidget* widget) : QAccessibleWidget(widget, roleOf(widget)) {}

    int childCount() const override { return int(spoken().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = spoken();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return int(spoken().indexOf(static_cast<QWidget*>(child->object())));
    }

private:
    static QAccessible::Role roleOf(QWidget* widget) {
        const QVariant role = widget->property(kRole);
        if (role.isValid())
            return QAccessible::Role(role.toInt());
        return widget->isWindow() ? QAccessible::Window : QAccessible::Client;
    }

    // The children the toolkit would report, without the decorative ones.
    QList<QWidget*> spoken() const {
        QList<QWidget*> children;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !qobject_cast<QMenu*>(w) &&
                !w->property(kDecorative).toBool())
                children << w;
        }
        return children;
    }
};

QAccessibleInterface* plainWidgetFactory(const QString& className, QObject* object) {
    // Only widgets that nothing more specific speaks for reach the base class.
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    return new PlainWidgetAccessible(static_cast<QWidget*>(object));
}

} // namespace

void markDecorative(QWidget* widget) {
    widget->setProperty(kDecorative, true);
}

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRole, int(role));
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(plainWidgetFactory);
        return true;
    }();
    (void)installed;
}

} // namespace pinatlas
