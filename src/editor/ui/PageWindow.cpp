#include "editor/ui/PageWindow.h"

#include "platform/ui/Fonts.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace pinatlas {

namespace {
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 375;
} // namespace

PageWindow::PageWindow(QWidget* owner, WizardPage id, const QString& name, const QString& title,
                       int clientWidth, int clientHeight, int buttonTop, bool english)
    : QWidget(owner, Qt::Window), m_id(id), m_tw(Twips::of(owner ? owner : this)) {
    setObjectName(name);
    // The desktop shows the program's name for an empty title; a blank keeps
    // the title bar as empty as the page's title is.
    setWindowTitle(title.isEmpty() ? QStringLiteral(" ") : title);
    setFixedSize(m_tw.toPxX(clientWidth), m_tw.toPxY(clientHeight));

    m_back = new QPushButton(english ? QStringLiteral("Back") : QStringLiteral("Zurück"), this);
    m_back->setObjectName(QStringLiteral("Zurück"));
    m_abort =
        new QPushButton(english ? QStringLiteral("Abort") : QStringLiteral("Abbrechen"), this);
    m_abort->setObjectName(QStringLiteral("Abbrechen"));
    m_forward =
        new QPushButton(english ? QStringLiteral("Forward") : QStringLiteral("Weiter"), this);
    m_forward->setObjectName(QStringLiteral("Weiter"));
    // Enter presses the button that has the focus; no button is the page's
    // default, so Enter in a field does not move through the wizard.
    for (QPushButton* b : {m_back, m_abort, m_forward})
        b->setAutoDefault(true);
    place(m_back, 360, buttonTop, kButtonWidth, kButtonHeight);
    place(m_abort, 1800, buttonTop, kButtonWidth, kButtonHeight);
    place(m_forward, 3240, buttonTop, kButtonWidth, kButtonHeight);
    connect(m_back, &QPushButton::clicked, this, &PageWindow::backPressed);
    connect(m_abort, &QPushButton::clicked, this, &PageWindow::abortPressed);
    connect(m_forward, &QPushButton::clicked, this, &PageWindow::forwardPressed);
}

QLabel* PageWindow::addLabel(const char* name, const QString& text, int left, int top, int width,
                             int height) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromUtf8(name));
    place(label, left, top, width, height);
    return label;
}

void PageWindow::showPage() {
    if (!m_shownBefore) {
        m_shownBefore = true;
        fitCaptionsToWidth(this);
        const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

void PageWindow::keyPressEvent(QKeyEvent* event) {
    // As in every other window of the program; a table takes Escape first,
    // as a character of its cell.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_abort->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PageWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT closedByUser();
}

void PageWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

} // namespace pinatlas
