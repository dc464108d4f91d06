#include "editor/ui/PinoutPage.h"

#include "platform/ui/Accessibility.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace pinatlas {

namespace {

constexpr int kPinRowTwips = 240;

// The style draws no focus on a scroll bar; this one takes the keyboard, so it
// shows it with a frame of the highlight colour, as the sheet view does.
class CountScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        paintKeyboardFocus(this);
    }
};

QTextEdit* numberColumn(QWidget* parent, const char* name, Qt::Alignment align) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setReadOnly(true);
    box->setFrameStyle(QFrame::NoFrame);
    box->setFocusPolicy(Qt::NoFocus);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setAlignment(align);
    box->document()->setDocumentMargin(0);
    box->viewport()->setAutoFillBackground(false);
    box->setAutoFillBackground(false);
    box->setStyleSheet(QStringLiteral("background: transparent"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9.75);
    box->setFont(font);
    return box;
}

// One number per pin row, each line as tall as the name boxes are apart.
void fillNumbers(QTextEdit* box, const QString& text, Qt::Alignment align, int lineHeightPx) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    box->clear();
    QTextCursor cursor(box->document());
    QTextBlockFormat format;
    format.setLineHeight(lineHeightPx, QTextBlockFormat::FixedHeight);
    format.setAlignment(align);
    for (int i = 0; i < lines.size(); ++i) {
        if (i == 0)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        cursor.insertText(lines[i]);
    }
}

} // namespace

PinoutPage::PinoutPage(QWidget* owner, bool english)
    : PageWindow(owner, kId, QStringLiteral("Neu_D2"), QStringLiteral("DIL Package / DIL Gehäuse"),
                 6270, 6720, 6120, english),
      m_english(english) {
    addLabel("Label2", QStringLiteral("Pins:"), 2640, 240, 495, 255);
    m_pins = new QLineEdit(QStringLiteral("14"), this);
    m_pins->setObjectName(QStringLiteral("N_Pins"));
    m_pins->setReadOnly(true);
    m_pins->setFrame(false);
    m_pins->setFocusPolicy(Qt::NoFocus);
    place(m_pins, 3000, 200, 375, 285);

    // A vertical bar grows downwards, so its down arrow raises the count.
    m_scroll = new CountScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("VScroll"));
    m_scroll->setRange(2, 2 * kPinBoxesPerSide);
    m_scroll->setSingleStep(2);
    m_scroll->setPageStep(2);
    m_scroll->setValue(14);
    m_scroll->setFocusPolicy(Qt::StrongFocus);
    place(m_scroll, 3360, 200, 255, 285);

    addLabel("Label1", QStringLiteral("Pin name / Pin Bezeichnung:"), 120, 480, 2175, 255);
    addLabel("Label4", QStringLiteral("Pin name / Pin Bezeichnung:"), 3960, 480, 2175, 255);

    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPointSize(9);
    // Left boxes first, then right: the tab order follows the pins down each side.
    const auto column = [&](QChar side, Qt::Alignment align, int left, QList<QLineEdit*>& boxes) {
        for (int k = 1; k <= kPinBoxesPerSide; ++k) {
            auto* box = new QLineEdit(this);
            box->setObjectName(QStringLiteral("N_Pin%1%2").arg(side).arg(k));
            box->setAlignment(align);
            box->setFont(nameFont);
            place(box, left, 720 + kPinRowTwips * (k - 1), 2175, 255);
            box->installEventFilter(this);
            boxes.append(box);
        }
    };
    column(u'L', Qt::AlignRight, 120, m_left);
    column(u'R', Qt::AlignLeft, 3960, m_right);
    m_numbersLeft = numberColumn(this, "PinL", Qt::AlignLeft);
    place(m_numbersLeft, 2760, 720, 375, 4935);
    m_numbersRight = numberColumn(this, "PinR", Qt::AlignRight);
    place(m_numbersRight, 3120, 720, 375, 4935);

    QList<QWidget*> order{m_scroll};
    for (QLineEdit* b : m_left)
        order << b;
    for (QLineEdit* b : m_right)
        order << b;
    order << backButton() << abortButton() << forwardButton();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_scroll, &QScrollBar::valueChanged, this, &PinoutPage::pinCountChanged);
    pinCountChanged(m_scroll->value());
    m_scroll->setFocus();
}

void PinoutPage::nameControls(bool english) {
    m_english = english;
    m_scroll->setAccessibleName(pick(english, "Anzahl der Pins", "Number of pins"));
    m_pins->setAccessibleName(pick(english, "Pins", "Pins"));
    m_numbersLeft->setAccessibleName(pick(english, "Pinnummern links", "Left pin numbers"));
    m_numbersRight->setAccessibleName(pick(english, "Pinnummern rechts", "Right pin numbers"));
    // A right box names another pin whenever the count changes.
    const int n = pinCount();
    for (int pin = 1; pin <= n; ++pin)
        box(pinBox(pin, n))
            ->setAccessibleName(
                (english ? QStringLiteral("Pin %1 name") : QStringLiteral("Pin %1 Name")).arg(pin));
}

int PinoutPage::pinCount() const {
    return m_pins->text().toInt();
}

void PinoutPage::setPinCount(int pins) {
    m_scroll->setValue(pins);
}

void PinoutPage::pinCountChanged(int value) {
    if (const int even = evenPinCount(value, m_scroll->maximum()); even != value) {
        m_scroll->setValue(even);
        return;
    }
    m_pins->setText(QString::number(value));
    for (int k = 1; k <= kPinBoxesPerSide; ++k) {
        m_left[k - 1]->setVisible(k <= value / 2);
        m_right[k - 1]->setVisible(k <= value / 2);
    }
    const int n = pinCount();
    const int line = twips().toPxY(kPinRowTwips);
    fillNumbers(m_numbersLeft, leftPinNumbers(n), Qt::AlignLeft, line);
    fillNumbers(m_numbersRight, rightPinNumbers(n), Qt::AlignRight, line);
    nameControls(m_english);
}

QLineEdit* PinoutPage::box(PinBox at) const {
    switch (at.side) {
    case PinSide::Left:
        return m_left[at.row];
    case PinSide::Right:
        return m_right[at.row];
    default:
        return nullptr;
    }
}

QStringList PinoutPage::pinNames() const {
    const int n = pinCount();
    QStringList names;
    for (int pin = 1; pin <= n; ++pin)
        names << box(pinBox(pin, n))->text();
    return names;
}

void PinoutPage::setPinNames(const QStringList& names) {
    const int n = pinCount();
    for (int pin = 1; pin <= n; ++pin)
        box(pinBox(pin, n))->setText(names.value(pin - 1));
}

bool PinoutPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            auto* edit = static_cast<QLineEdit*>(watched);
            const PinBox at = m_left.contains(edit)
                                  ? PinBox{PinSide::Left, int(m_left.indexOf(edit))}
                                  : PinBox{PinSide::Right, int(m_right.indexOf(edit))};
            const PinBox next = pinBoxAfterEnter(at, pinCount());
            if (QLineEdit* target = box(next))
                target->setFocus();
            else
                backButton()->setFocus();
            return true;
        }
    }
    return PageWindow::eventFilter(watched, event);
}

void PinoutPage::paintEvent(QPaintEvent* event) {
    PageWindow::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const Twips& tw = twips();
    auto line = [&](int x1, int y1, int x2, int y2) {
        painter.drawLine(tw.toPxX(x1), tw.toPxY(y1), tw.toPxX(x2), tw.toPxY(y2));
    };
    line(2640, 600, 3600, 600);
    line(3600, 600, 3600, 5760);
    line(3600, 5760, 2640, 5760);
    line(2640, 5760, 2640, 600);
    for (int j = 0; j < kPinBoxesPerSide; ++j) {
        const int y = 840 + kPinRowTwips * j;
        line(2400, y, 2640, y);
        line(3600, y, 3840, y);
    }
}

} // namespace pinatlas
