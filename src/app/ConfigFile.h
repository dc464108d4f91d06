#pragma once

#include "library/FileAccess.h"
#include "shared/Language.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace pinatlas {

inline constexpr const char* kConfigFileName = "pinatlas.ini";

// What the configuration file said. A missing value is nullopt; a position
// that is present but no number is `positionNotANumber`. The language stays
// the code as written, since its readers differ over an empty one.
struct ConfigValues {
    std::optional<QString> language;
    std::optional<int> position;
    bool positionNotANumber = false;
};

ConfigValues parseConfig(const QByteArray& bytes);
// The language a code in the file stands for: German for "D", English for any
// other code, an empty one included.
Language configLanguage(const QString& code);
// The values as read back from a file written with them.
ConfigValues configValues(std::optional<Language> language, int position);
// The bytes of the file: the language code, then the position with a blank in
// place of a plus sign and one blank after it, each line ended by CR LF.
QByteArray formatConfig(const QString& language, int position);

// The directory entry the file selects among `count` entries, or -1 for none.
// A missing position selects the first entry.
int selectedPosition(const ConfigValues& values, int count);

// True when `path` exists as an ordinary, visible file.
bool configFileExists(const QString& path);
// Replaces the file atomically, never through a link. Before a language is
// chosen the code is left empty.
SaveOutcome writeConfigFile(const QString& path, std::optional<Language> language, int position);
// The values of the file; none when it cannot be read.
ConfigValues readConfigFile(const QString& path);

} // namespace pinatlas
