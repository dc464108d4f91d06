#pragma once

#include <QString>
#include <QStringList>

namespace pinatlas {

// The state of the running program: one record for the whole run, owned by
// main() and handed to every window by reference.
struct Settings {
    // Holds at most this many changed files; later ones are not recorded.
    static constexpr int kMaxChangedFiles = 1001;

    QString programDir;  // ends with the native separator
    QString language;    // "D" or "E" once start-up has run
    qint16 sortMode = 0; // 0 by type, 1 by description
    QString lineBreak = QStringLiteral("\r\n");
    qint16 changedCount = 0;
    QStringList changedFiles; // the first changedCount entries are meaningful
    QString mailSubject;
    QString mailBody;

    bool german() const { return language == QLatin1String("D"); }
    // The text of the current language; any code but "D" reads English.
    QString pick(const QString& de, const QString& en) const { return german() ? de : en; }
};

} // namespace pinatlas
