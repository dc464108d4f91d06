#include "shared/Session.h"

#include "shared/Settings.h"

#include <QDir>

namespace pinatlas {

Session::Session(Settings& settings, Platform& platform, QWidget* window)
    : m_settings(settings), m_platform(platform), m_window(window) {}

Language Session::language() const {
    return m_settings.shown();
}

IcSort Session::sortOrder() const {
    return m_settings.sortMode;
}

QString Session::directoryPath() const {
    return m_settings.programDir + m_directory + QDir::separator();
}

bool Session::setLanguage(Language language) {
    if (m_settings.language == language)
        return false;
    m_settings.language = language;
    Q_EMIT languageChanged(language);
    return true;
}

bool Session::setSortOrder(IcSort order) {
    if (m_settings.sortMode == order)
        return false;
    m_settings.sortMode = order;
    Q_EMIT sortOrderChanged(order);
    return true;
}

bool Session::setDirectory(const QString& directory) {
    if (m_directory == directory)
        return false;
    m_directory = directory;
    Q_EMIT directoryChanged(directory);
    return true;
}

bool Session::setCurrentType(const QString& type) {
    if (m_currentType == type)
        return false;
    m_currentType = type;
    Q_EMIT currentTypeChanged(type);
    return true;
}

void Session::announceLibraryChange(const QString& directory) {
    Q_EMIT libraryChanged(directory);
}

} // namespace pinatlas
