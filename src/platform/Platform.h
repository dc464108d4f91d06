#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace pinatlas {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, OkCancel, YesNoCancel, AbortRetryIgnore };
enum class MsgAnswer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

// Everything the windows ask of the desktop goes through here, so that tests
// can script the answers instead of blocking on modal boxes.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box with exactly these buttons; returns the one pressed.
    // A box closed without a button answers the escape button of its set
    // (Cancel, or Ok/Ignore where there is no Cancel). Enter presses
    // `defaultButton`, or the first button of the set without one.
    virtual MsgAnswer message(QWidget* parent, MsgIcon icon, const QString& title,
                              const QString& text, MsgButtons buttons,
                              std::optional<MsgAnswer> defaultButton = std::nullopt) = 0;
    // The desktop's open action for a web address or a mailto: link.
    virtual bool openUrl(const QString& address) = 0;
    virtual void beep() = 0;
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // Ends the program at once, without the exit sequence. A caller returns
    // right after it: a scripted platform records the call and comes back.
    virtual void endNow() = 0;
    // The toolkit's own texts (box buttons, edit menus) in German or English,
    // set as soon as the language is known, before any window or box.
    virtual void useToolkitLanguage(bool german) { (void)german; }

    // The desktop's print dialog for `printer`; false when the user cancelled.
    // A desktop that cannot print cancels.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) {
        (void)parent;
        (void)printer;
        return false;
    }
    // The desktop's save dialog, starting at `suggestedPath`; the chosen path,
    // or empty when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption,
                                 const QString& suggestedPath, const QString& filter) {
        (void)parent;
        (void)caption;
        (void)suggestedPath;
        (void)filter;
        return {};
    }
};

} // namespace pinatlas
