#pragma once

#include "BenchPlatform.h"

#include "app/ui/MainWindow.h"
#include "shared/Settings.h"

#include <QTemporaryDir>

#include <memory>

namespace pinatlas::bench {

// A main window over a temporary program directory holding one library
// directory, started as the program starts it: configuration file present,
// that directory selected, its first datasheet shown.
class BenchWindow {
public:
    // `fill` lays the datasheets into the directory path it is given.
    template <typename Fill> BenchWindow(const QString& directoryName, Fill fill) {
        fill(programDir() + directoryName);
        writeConfig();
        start();
    }

    // Windows live from their first use to closeAll(), which main() calls
    // while the application still exists.
    template <typename Fill> static BenchWindow& shared(const QString& directoryName, Fill fill) {
        return keep(std::make_unique<BenchWindow>(directoryName, fill));
    }
    static void closeAll();

    QString programDir() const { return m_dir.path() + QLatin1Char('/'); }
    MainWindow& mainWindow() { return *m_mainWindow; }
    int boxes() const { return m_platform.boxes; }

private:
    static BenchWindow& keep(std::unique_ptr<BenchWindow> window);
    void writeConfig();
    void start();

    QTemporaryDir m_dir;
    Settings m_settings;
    BenchPlatform m_platform;
    std::unique_ptr<MainWindow> m_mainWindow;
};

} // namespace pinatlas::bench
