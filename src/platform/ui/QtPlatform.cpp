#include "platform/ui/QtPlatform.h"

#include "platform/DesktopLink.h"
#include "platform/ui/ToolkitLanguage.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>

#include <cstdio>
#include <cstdlib>

namespace pinatlas {
namespace {

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

namespace {

QMessageBox::StandardButton qtButton(MsgAnswer answer) {
    switch (answer) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    case MsgAnswer::Abort:
        return QMessageBox::Abort;
    case MsgAnswer::Retry:
        return QMessageBox::Retry;
    case MsgAnswer::Ignore:
        return QMessageBox::Ignore;
    }
    return QMessageBox::NoButton;
}

// Gives the keyboard back, when a modal dialog closes, to the window that had
// it: the toolkit leaves that to a window manager, and without one (or with one
// that does not) the keys typed next would go nowhere.
class FocusReturn {
public:
    FocusReturn() : m_had(QApplication::activeWindow()) {}
    ~FocusReturn() {
        if (m_had && m_had->isVisible() && !QApplication::activeModalWidget()) {
            m_had->raise();
            m_had->activateWindow();
        }
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> m_had;
};

} // namespace

std::unique_ptr<QMessageBox> QtPlatform::messageBox(QWidget* parent, MsgIcon icon,
                                                    const QString& title, const QString& text,
                                                    MsgButtons buttons,
                                                    std::optional<MsgAnswer> defaultButton) {
    auto box =
        std::make_unique<QMessageBox>(qtIcon(icon), title, text, QMessageBox::NoButton, parent);
    // Every message is lines of plain text; a name in it that looks like
    // markup ("<h1>7400") must show as written.
    box->setTextFormat(Qt::PlainText);
    switch (buttons) {
    case MsgButtons::Ok:
        box->setStandardButtons(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNoCancel:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::AbortRetryIgnore:
        box->setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        box->setEscapeButton(QMessageBox::Ignore);
        break;
    }
    if (defaultButton)
        box->setDefaultButton(qtButton(*defaultButton));
    return box;
}

MsgAnswer QtPlatform::message(QWidget* parent, MsgIcon icon, const QString& title,
                              const QString& text, MsgButtons buttons,
                              std::optional<MsgAnswer> defaultButton) {
    const FocusReturn focusReturn;
    switch (messageBox(parent, icon, title, text, buttons, defaultButton)->exec()) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Abort:
        return MsgAnswer::Abort;
    case QMessageBox::Retry:
        return MsgAnswer::Retry;
    case QMessageBox::Ignore:
        return MsgAnswer::Ignore;
    default:
        return MsgAnswer::Cancel;
    }
}

bool QtPlatform::openUrl(const QString& address) {
    return QDesktopServices::openUrl(desktopUrl(address));
}

void QtPlatform::beep() {
    QApplication::beep();
}

QString QtPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtPlatform::endNow() {
    std::fflush(nullptr);
    std::_Exit(0);
}

void QtPlatform::useToolkitLanguage(bool german) {
    setToolkitLanguage(german);
}

bool QtPlatform::choosePrinter(QWidget* parent, QPrinter& printer) {
    const FocusReturn focusReturn;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString QtPlatform::saveFileName(QWidget* parent, const QString& caption,
                                 const QString& suggestedPath, const QString& filter) {
    const FocusReturn focusReturn;
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

} // namespace pinatlas
