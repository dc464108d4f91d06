#pragma once

#include "editor/ui/PageWindow.h"

#include <QList>

class QLineEdit;
class QScrollBar;
class QTextEdit;

namespace pinatlas {

// The pin page: the pin count of the DIL package and a name box per pin.
class PinoutPage : public PageWindow {
    Q_OBJECT
public:
    static constexpr WizardPage kId = WizardPage::Pinout;

    PinoutPage(QWidget* owner, bool english);

    void nameControls(bool english) override;

    int pinCount() const;
    void setPinCount(int pins);
    // The names of pins 1 to n in order.
    QStringList pinNames() const;
    void setPinNames(const QStringList& names);
    // The box of pin `pin` at the present count; null for a pin not shown.
    QLineEdit* pinNameBox(int pin) const { return box(pinBox(pin, pinCount())); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void pinCountChanged(int value);
    QLineEdit* box(PinBox at) const;

    QLineEdit* m_pins = nullptr;
    QScrollBar* m_scroll = nullptr;
    QList<QLineEdit*> m_left;
    QList<QLineEdit*> m_right;
    QTextEdit* m_numbersLeft = nullptr;
    QTextEdit* m_numbersRight = nullptr;
    bool m_english = false;
};

} // namespace pinatlas
