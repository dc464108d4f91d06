#pragma once

#include "shared/IcSort.h"
#include "shared/Language.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace pinatlas {

// The state of the running program: one record for the whole run, owned by
// main() and shared with every window through the Session.
struct Settings {
    // Holds at most this many changed files; later ones are not recorded.
    static constexpr int kMaxChangedFiles = 1001;

    QString programDir; // ends with the native separator
    // None until start-up or the first-start dialog has chosen one; the
    // configuration file written before that holds no language.
    std::optional<Language> language;
    IcSort sortMode = IcSort::ByType;
    QString lineBreak = QStringLiteral("\r\n");
    qint16 changedCount = 0;
    QStringList changedFiles; // the first changedCount entries are meaningful
    QString mailSubject;
    QString mailBody;

    // The language texts appear in: English until one is chosen.
    Language shown() const { return language.value_or(Language::English); }
    bool german() const { return shown() == Language::German; }
    QString pick(const QString& de, const QString& en) const { return german() ? de : en; }
};

} // namespace pinatlas
