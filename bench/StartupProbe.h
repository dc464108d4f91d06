#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace pinatlas::bench {

// Ends the process right after the first paint of the widget named `name`
// has been put on the screen, printing the monotonic clock at that moment in
// nanoseconds, so that the caller measures from its own start of the process
// to the first picture, without the tear-down.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(const QString& name) : m_name(name) {
        QCoreApplication::instance()->installEventFilter(this);
        // A window that never shows is a failure, not a hang.
        QTimer::singleShot(20000, [] { _exit(3); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->objectName() == m_name) {
            m_seen = true;
            // The rest of this paint pass (the children) runs before the timer.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("shown_ns %lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                _exit(0);
            });
        }
        return false;
    }

private:
    QString m_name;
    bool m_seen = false;
};

} // namespace pinatlas::bench
