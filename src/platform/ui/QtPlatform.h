#pragma once

#include "platform/Platform.h"

#include <memory>

class QMessageBox;

namespace pinatlas {

class QtPlatform final : public Platform {
public:
    MsgAnswer message(QWidget* parent, MsgIcon icon, const QString& title, const QString& text,
                      MsgButtons buttons,
                      std::optional<MsgAnswer> defaultButton = std::nullopt) override;
    bool openUrl(const QString& address) override;
    void beep() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void endNow() override;
    void useToolkitLanguage(bool german) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                         const QString& filter) override;

    // The box `message` shows, not yet shown: its buttons speak the toolkit's
    // current language.
    static std::unique_ptr<QMessageBox> messageBox(QWidget* parent, MsgIcon icon,
                                                   const QString& title, const QString& text,
                                                   MsgButtons buttons,
                                                   std::optional<MsgAnswer> defaultButton = {});
};

} // namespace pinatlas
