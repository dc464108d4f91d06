#pragma once

#include "app/ui/Haupt.h"
#include "shared/Settings.h"
#include "support/TempDir.h"
#include "support/ui/FakePlatform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <memory>

namespace pinatlas::test {

// Lets queued work run and windows closed by deleteLater really go, as they
// would before the next user action.
inline void settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A main window over a temporary program directory and a scripted desktop.
class HauptFixture : public ::testing::Test {
protected:
    void TearDown() override {
        haupt.reset();
        QApplication::processEvents();
    }

    // Creates the window and runs its load event.
    Haupt& startHaupt() {
        haupt = std::make_unique<Haupt>(settings, platform, dir.path());
        haupt->start();
        QApplication::processEvents();
        return *haupt;
    }

    // A new run in a language on the library directory "74xx", the first
    // listed; what an earlier run showed or opened is forgotten.
    void start(const char* language = "E") {
        haupt.reset();
        platform.boxes.clear();
        platform.opened.clear();
        dir.mkdir("74xx");
        dir.write("pinatlas.ini", QByteArray(language) + "\r\n 0 \r\n");
        startHaupt();
    }

    QAction* action(const QString& name) const { return haupt->findChild<QAction*>(name); }
    void menu(const char* name) {
        action(QString::fromUtf8(name))->trigger();
        settle();
    }

    TempDir dir;
    Settings settings;
    FakePlatform platform;
    std::unique_ptr<Haupt> haupt;
};

} // namespace pinatlas::test
