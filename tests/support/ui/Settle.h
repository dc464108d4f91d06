#pragma once

#include <QApplication>

namespace pinatlas::test {

// Lets queued work run and windows closed by deleteLater really go, as they
// would before the next user action.
inline void settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace pinatlas::test
