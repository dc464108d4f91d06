#pragma once

#include "library/FileAccess.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace pinatlas {

inline constexpr const char* kConfigFileName = "pinatlas.ini";

// What the configuration file said. A missing value is nullopt; a position
// that is present but no number is `positionNotANumber`.
struct ConfigValues {
    std::optional<QString> language;
    std::optional<int> position;
    bool positionNotANumber = false;
};

ConfigValues parseConfig(const QByteArray& bytes);
// The bytes of the file: the language code, then the position with a blank in
// place of a plus sign and one blank after it, each line ended by CR LF.
QByteArray formatConfig(const QString& language, int position);

// The directory entry the file selects among `count` entries, or -1 for none.
// A missing position selects the first entry.
int selectedPosition(const ConfigValues& values, int count);

// True when `path` exists as an ordinary, visible file.
bool configFileExists(const QString& path);
// Replaces the file atomically, never through a link.
SaveOutcome writeConfigFile(const QString& path, const QString& language, int position);
// The values of the file; none when it cannot be read.
ConfigValues readConfigFile(const QString& path);

// The library directories below the program directory: directories only,
// without dot entries, in name order so that a remembered position is stable.
QStringList scanLibraryDirectories(const QString& programDir);

} // namespace pinatlas
