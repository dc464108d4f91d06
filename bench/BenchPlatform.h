#pragma once

#include "platform/Platform.h"

namespace pinatlas::bench {

// A desktop that never blocks: every box is answered with its escape button
// and counted, because a box during a measurement means the set-up is wrong.
class BenchPlatform final : public Platform {
public:
    MsgAnswer message(QWidget*, MsgIcon, const QString&, const QString&, MsgButtons buttons,
                      std::optional<MsgAnswer> = std::nullopt) override {
        ++boxes;
        switch (buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::OkCancel:
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Cancel;
        case MsgButtons::AbortRetryIgnore:
            return MsgAnswer::Ignore;
        }
        return MsgAnswer::Ok;
    }
    bool openUrl(const QString&) override { return false; }
    void beep() override {}
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
    void endNow() override { ++boxes; }

    int boxes = 0;
};

} // namespace pinatlas::bench
