#include "app/ConfigFile.h"

#include "library/Cp1252.h"
#include "library/FileAccess.h"
#include "library/RoundHalfEven.h"
#include "library/TextInput.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace pinatlas {

ConfigValues parseConfig(const QByteArray& bytes) {
    ConfigValues values;
    TextInput in(bytes);
    if (auto language = in.readField())
        values.language = *language;
    else
        return values;
    auto field = in.readField();
    if (!field || field->trimmed().isEmpty())
        return values;
    if (auto number = parseListNumber(*field))
        values.position = roundHalfEven(*number);
    else
        values.positionNotANumber = true;
    return values;
}

Language configLanguage(const QString& code) {
    return languageOfCode(code).value_or(Language::English);
}

namespace {

QString codeOf(std::optional<Language> language) {
    return language ? languageCode(*language) : QString();
}

} // namespace

ConfigValues configValues(std::optional<Language> language, int position) {
    return ConfigValues{codeOf(language), position, false};
}

QByteArray formatConfig(const QString& language, int position) {
    QByteArray bytes = encodeCp1252(language);
    bytes += "\r\n";
    if (position >= 0)
        bytes += ' ';
    bytes += QByteArray::number(position);
    bytes += " \r\n";
    return bytes;
}

int selectedPosition(const ConfigValues& values, int count) {
    if (values.positionNotANumber)
        return -1;
    const int position = values.position.value_or(0);
    return position >= 0 && position < count ? position : -1;
}

bool configFileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.isHidden();
}

SaveOutcome writeConfigFile(const QString& path, std::optional<Language> language, int position) {
    return saveFileWhole(path, formatConfig(codeOf(language), position));
}

ConfigValues readConfigFile(const QString& path) {
    // Only the first two lines count: a stray huge file must not stop the start.
    constexpr qint64 kEnough = 4096;
    const auto head = readRegularFileHead(path, kEnough);
    return head ? parseConfig(*head) : ConfigValues{};
}

} // namespace pinatlas
