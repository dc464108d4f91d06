#pragma once

#include "app/ui/MainWindow.h"
#include "shared/Session.h"
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
class MainWindowFixture : public ::testing::Test {
protected:
    void TearDown() override {
        mainWindow.reset();
        QApplication::processEvents();
    }

    // Creates the window and runs its load event.
    MainWindow& startMainWindow() {
        mainWindow = std::make_unique<MainWindow>(settings, platform, dir.path());
        mainWindow->start();
        QApplication::processEvents();
        return *mainWindow;
    }

    // A new run in a language on the library directory "74xx", the first
    // listed; what an earlier run showed or opened is forgotten.
    void start(const char* language = "E") {
        mainWindow.reset();
        platform.boxes.clear();
        platform.opened.clear();
        dir.mkdir("74xx");
        dir.write("pinatlas.ini", QByteArray(language) + "\r\n 0 \r\n");
        startMainWindow();
    }

    QAction* action(const QString& name) const { return mainWindow->findChild<QAction*>(name); }
    void menu(const char* name) {
        action(QString::fromUtf8(name))->trigger();
        settle();
    }

    TempDir dir;
    Settings settings;
    FakePlatform platform;
    std::unique_ptr<MainWindow> mainWindow;
};

} // namespace pinatlas::test
