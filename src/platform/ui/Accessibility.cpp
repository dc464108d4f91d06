#include "platform/ui/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFocusFrame>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPen>
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
            if (w && !w->isWindow() && !qobject_cast<QMenu*>(w) && !qobject_cast<QFocusFrame*>(w) &&
                w->objectName() != QLatin1String("qt_rubberband") &&
                !w->property(kDecorative).toBool())
                children << w;
        }
        return children;
    }
};

// A combo box named by its caption, its current text as its value. The
// toolkit's own one on this desktop reports the current text as the name, so
// a screen reader could not tell which list it is.
class NamedComboAccessible : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box()->currentText();
        if (t == QAccessible::Name && box()->accessibleName().isEmpty())
            return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view() && box()->view()->isVisible();
        s.editable = box()->isEditable();
        return s;
    }
    int childCount() const override { return int(parts().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QObject*> all = parts();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index])
                                                : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(parts().indexOf(child->object())) : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    // The text field of an editable box, then the list that drops down.
    QList<QObject*> parts() const {
        QList<QObject*> all;
        if (box()->lineEdit())
            all << box()->lineEdit();
        if (box()->view())
            all << box()->view();
        return all;
    }
};

QAccessibleInterface* plainWidgetFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QComboBox"))
        return new NamedComboAccessible(static_cast<QComboBox*>(object));
    // Only widgets that nothing more specific speaks for reach the base class.
    if (className != QLatin1String("QWidget"))
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

void paintKeyboardFocus(QWidget* widget) {
    if (!widget->hasFocus())
        return;
    QPainter p(widget);
    p.setPen(QPen(widget->palette().color(QPalette::Highlight), 2));
    p.drawRect(widget->rect().adjusted(1, 1, -1, -1));
}

} // namespace pinatlas
