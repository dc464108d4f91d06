#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace pinatlas {

enum class Language { German, English };

// The one-letter code that names a language in the configuration file and on
// the tool's command line. These two functions are the only place the
// letters are spelt out.
inline QString languageCode(Language language) {
    return language == Language::German ? QStringLiteral("D") : QStringLiteral("E");
}

// The language of exactly one of the codes, case and all; none for anything
// else, which each reader settles in its own way.
inline std::optional<Language> languageOfCode(QStringView code) {
    if (code == u"D")
        return Language::German;
    if (code == u"E")
        return Language::English;
    return std::nullopt;
}

} // namespace pinatlas
