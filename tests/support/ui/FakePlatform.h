#pragma once

#include "platform/Platform.h"

// Core tests script the desktop too, without the printing module.
#ifdef QT_PRINTSUPPORT_LIB
#include <QPrinter>
#endif
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace pinatlas::test {

// A scripted desktop: records every box shown and answers from a queue.
class FakePlatform final : public Platform {
public:
    struct Box {
        MsgIcon icon;
        QString title;
        QString text;
        MsgButtons buttons;
        std::optional<MsgAnswer> defaultButton;
        bool toolkitGerman; // the toolkit's own texts were German when it came
    };

    // Answers given to the next boxes, in order; when the queue is empty a box
    // is answered with its first button (Ok, Ok, Yes, Abort).
    void answer(MsgAnswer a) { answers.push_back(a); }

    MsgAnswer message(QWidget*, MsgIcon icon, const QString& title, const QString& text,
                      MsgButtons buttons,
                      std::optional<MsgAnswer> defaultButton = std::nullopt) override {
        boxes.push_back({icon, title, text, buttons, defaultButton, toolkitGerman});
        if (!answers.empty()) {
            const MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        if (buttons == MsgButtons::YesNoCancel)
            return MsgAnswer::Yes;
        return buttons == MsgButtons::AbortRetryIgnore ? MsgAnswer::Abort : MsgAnswer::Ok;
    }
    bool openUrl(const QString& address) override {
        opened << address;
        return true;
    }
    void beep() override { ++beeps; }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    void endNow() override { ++endNowCalls; }
    void useToolkitLanguage(bool german) override { toolkitGerman = german; }
#ifdef QT_PRINTSUPPORT_LIB
    // The print dialog prints into `printToFile` as a PDF; cancelled when empty.
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        printSuggestions << printer.docName() + u'|' + printer.outputFileName();
        if (printToFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToFile);
        return true;
    }
#endif
    QString saveFileName(QWidget*, const QString& caption, const QString& suggestedPath,
                         const QString&) override {
        saveDialogs << caption + u'|' + suggestedPath;
        return savePath;
    }

    std::vector<Box> boxes;
    std::deque<MsgAnswer> answers;
    QStringList opened;
    QString clipboard;
    int beeps = 0;
    int endNowCalls = 0;
    bool toolkitGerman = false;
    QString printToFile;
    int printDialogs = 0;
    QStringList printSuggestions; // the job's name and the file it would go to
    QStringList saveDialogs;
    QString savePath;
};

} // namespace pinatlas::test
