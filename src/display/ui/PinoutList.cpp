#include "display/ui/PinoutList.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace pinatlas {

namespace {

class PinoutListAccessible;

// One pin of the list; it reads its text from the widget, so it never
// speaks a pin of an earlier sheet.
class PinAccessible : public QAccessibleInterface {
public:
    PinAccessible(PinoutList* list, int index) : m_list(list), m_index(index) {}

    bool isValid() const override { return m_list && m_index < m_list->entries().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return m_list ? QAccessible::queryAccessibleInterface(m_list) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? m_list->entries().at(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid() || m_list->entries().isEmpty())
            return {};
        // The list's height shared out in pin order.
        const QRect whole(m_list->mapToGlobal(QPoint(0, 0)), m_list->size());
        const int rows = int(m_list->entries().size());
        return {whole.left(), whole.top() + whole.height() * m_index / rows, whole.width(),
                std::max(1, whole.height() / rows)};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !isValid() || !m_list->isVisible();
        return s;
    }

private:
    QPointer<PinoutList> m_list;
    int m_index;
};

class PinoutListAccessible : public QAccessibleWidget {
public:
    explicit PinoutListAccessible(PinoutList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~PinoutListAccessible() override {
        for (QAccessible::Id id : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(list()->entries().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto found = m_items.constFind(index);
        if (found != m_items.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* item = new PinAccessible(list(), index);
        m_items.insert(index, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_items.constBegin(); it != m_items.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key() < childCount() ? it.key() : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

private:
    PinoutList* list() const { return static_cast<PinoutList*>(widget()); }

    mutable QHash<int, QAccessible::Id> m_items;
};

QAccessibleInterface* pinoutFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("pinatlas::PinoutList") && object)
        return new PinoutListAccessible(static_cast<PinoutList*>(object));
    return nullptr;
}

} // namespace

PinoutList::PinoutList(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(pinoutFactory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("Pinbelegung"));
    setFocusPolicy(Qt::NoFocus);
    // The drawing underneath takes the clicks.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PinoutList::setEntries(const QStringList& entries) {
    if (entries == m_entries)
        return;
    m_entries = entries;
    if (QAccessible::isActive()) {
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
}

} // namespace pinatlas
