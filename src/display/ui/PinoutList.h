#pragma once

#include <QStringList>
#include <QWidget>

namespace pinatlas {

// The package drawing as assistive technology reads it: a list without
// pixels of its own, laid over the drawn package, whose items are the pins
// in pin order ("Pin 1, 1A"). The drawing itself stays silent.
class PinoutList : public QWidget {
    Q_OBJECT
public:
    explicit PinoutList(QWidget* parent);

    void setEntries(const QStringList& entries);
    const QStringList& entries() const { return m_entries; }

private:
    QStringList m_entries;
};

} // namespace pinatlas
