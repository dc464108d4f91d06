#pragma once

#include "shared/IcSort.h"
#include "shared/Language.h"

#include <QObject>
#include <QString>

class QWidget;

namespace pinatlas {

class Platform;
struct Settings;

// The running program as every window sees it: the settings record, the
// platform, and the choices the user makes while it runs. A setter signals
// only a real change, and the windows follow the signals: none of them calls
// into another to change what that one shows.
class Session : public QObject {
    Q_OBJECT
public:
    // `window` is the main window: the owner of the subsystems' windows and boxes.
    Session(Settings& settings, Platform& platform, QWidget* window);

    Settings& settings() const { return m_settings; }
    Platform& platform() const { return m_platform; }
    QWidget* window() const { return m_window; }

    // The language texts appear in: English until one is chosen.
    Language language() const;
    IcSort sortOrder() const;
    // The text of DirBox, as names on disk: the directory every operation
    // works in, also when it was typed rather than chosen.
    const QString& directory() const { return m_directory; }
    // The directory as a full path with a trailing separator.
    QString directoryPath() const;
    // The type in column 0 of the list's current row; empty when there is none.
    const QString& currentType() const { return m_currentType; }

    // Each true when the value changed and was signalled.
    bool setLanguage(Language language);
    bool setSortOrder(IcSort order);
    bool setDirectory(const QString& directory);
    bool setCurrentType(const QString& type);
    // Files of the library directory `directory` were added, changed or
    // removed; an empty name: directories themselves were added or removed.
    void announceLibraryChange(const QString& directory);

Q_SIGNALS:
    void languageChanged(Language language);
    void sortOrderChanged(IcSort order);
    void directoryChanged(const QString& directory);
    void currentTypeChanged(const QString& type);
    void libraryChanged(const QString& directory);

private:
    Settings& m_settings;
    Platform& m_platform;
    QWidget* m_window;
    QString m_directory;
    QString m_currentType;
};

} // namespace pinatlas
