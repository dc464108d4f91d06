#include "library/IcList.h"

#include "library/DatasheetReader.h"
#include "library/FileAccess.h"
#include "library/Names.h"
#include "library/RoundHalfEven.h"
#include "library/TextInput.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <numeric>

namespace pinatlas {

double leadingNumberIgnoringBlanks(QStringView text) {
    return readDecimalNumber(
               text,
               {.blanks = NumberRules::Blanks::Anywhere, .wholeText = false, .saturate = true})
        .value_or(0.0);
}

double typeKey(const QString& fileName) {
    return leadingNumberIgnoringBlanks(typeOfFileName(fileName));
}

QString descriptionKey(const QString& description) {
    return description.size() > 4 ? description.left(description.size() - 4) : QString();
}

QString descriptionSentinel() {
    return QString(10, QChar(0x00FC));
}

std::vector<IcRow> sortIcList(const std::vector<IcEntry>& entries, IcSort sort, Language language) {
    const bool german = language == Language::German;
    std::vector<size_t> order(entries.size());
    std::iota(order.begin(), order.end(), size_t(0));

    if (sort == IcSort::ByType) {
        std::vector<double> keys;
        keys.reserve(entries.size());
        for (const IcEntry& e : entries)
            keys.push_back(typeKey(e.fileName));
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return keys[a] < keys[b]; });
        order.erase(std::remove_if(order.begin(), order.end(),
                                   [&](size_t k) { return !(keys[k] < kTypeSentinel); }),
                    order.end());
    } else {
        std::vector<QString> keys;
        keys.reserve(entries.size());
        for (const IcEntry& e : entries)
            keys.push_back(descriptionKey(german ? e.descriptionDe : e.descriptionEn));
        // QString's operator< compares UTF-16 code units: the character code
        // order, since every character comes from the single-byte code page.
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return keys[a] < keys[b]; });
        const QString sentinel = descriptionSentinel();
        order.erase(std::remove_if(order.begin(), order.end(),
                                   [&](size_t k) { return !(keys[k] < sentinel); }),
                    order.end());
    }

    std::vector<IcRow> rows;
    rows.reserve(order.size());
    for (size_t k : order) {
        const IcEntry& e = entries[k];
        rows.push_back(
            {typeOfFileName(e.fileName), german ? e.descriptionDe : e.descriptionEn, e.pinField});
    }
    return rows;
}

QStringList listedFileNames(const QString& directory) {
    QStringList names = fileEntries(directory);
    names.removeIf([](const QString& name) { return !isListedFileName(name); });
    return names;
}

std::optional<IcEntry> readIcHead(const QString& path, const QString& fileName) {
    QFile f;
    if (!openRegularFile(f, path))
        return std::nullopt;
    // Read only as much as the three lines need, growing the amount so that a
    // file made of one huge line costs no more than twice its head.
    QByteArray bytes;
    qint64 chunk = 16 * 1024;
    for (;;) {
        const QByteArray more = f.read(chunk);
        if (f.error() != QFileDevice::NoError)
            return std::nullopt;
        bytes += more;
        const bool atEnd = more.size() < chunk;
        TextInput in(bytes);
        const auto line1 = in.readLine();
        const auto line2 = in.readLine();
        const auto field = line1 && line2 ? in.readField() : std::nullopt;
        // A field that stops at the end of what was read may go on in the file.
        if (field && (!in.atEnd() || atEnd))
            return IcEntry{fileName, line1->left(kMaxShownDescription),
                           line2->left(kMaxShownDescription), *field};
        if (atEnd || bytes.size() >= kMaxDatasheetBytes)
            return std::nullopt;
        chunk = std::min(qint64(bytes.size()), kMaxDatasheetBytes - bytes.size());
    }
}

DirectoryScan scanIcDirectory(const QString& directory) {
    DirectoryScan scan;
    for (const QString& name : listedFileNames(directory)) {
        auto entry = readIcHead(directory + name, name);
        if (!entry) {
            scan.failedFile = name;
            return scan;
        }
        scan.entries.push_back(std::move(*entry));
    }
    return scan;
}

QStringList icListHeaders(Language language) {
    if (language == Language::English)
        return {QStringLiteral("Type"), QStringLiteral("Description"), QStringLiteral("DIL")};
    return {QStringLiteral("Typ"), QStringLiteral("Beschreibung"), QStringLiteral("DIL")};
}

IcColumnWidths icColumnWidths(double twipsPerPixelX, bool firstAndLastRowVisible) {
    return {roundHalfEven(63 * twipsPerPixelX),
            roundHalfEven((firstAndLastRowVisible ? 170 : 153) * twipsPerPixelX),
            roundHalfEven(27 * twipsPerPixelX)};
}

FileErrorMessage defectiveFileMessage(Language language, const QString& path,
                                      const QString& lineBreak) {
    if (language == Language::German)
        return {QStringLiteral("Fehler im Programmverzeichnis"),
                QStringLiteral("Unbekannte oder fehlerhafte Datei gefunden:") + lineBreak + path +
                    lineBreak +
                    QStringLiteral("Bitte entfernen Sie alle programmfremden Dateien!")};
    return {QStringLiteral("Error"),
            QStringLiteral("Unknown or defect file in program directory:") + lineBreak + path +
                lineBreak + QStringLiteral("Please remove all foreign files!")};
}

} // namespace pinatlas
