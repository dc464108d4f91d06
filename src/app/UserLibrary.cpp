#include "app/UserLibrary.h"

#include "app/ConfigFile.h"
#include "library/FileAccess.h"
#include "library/Names.h"
#include "platform/Platform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pinatlas {
namespace {

const QLatin1String kLineBreak("\r\n");

QString manifestPath(const QString& userDir) {
    return QDir(userDir).filePath(QString::fromLatin1(kShippedManifestName));
}

// Hex digest of a file, empty when it cannot be read.
QByteArray fileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result().toHex();
}

// What the user's library saw of the shipped one last time. Absent before the
// first copy; present but unreadable says nothing about what the user deleted.
enum class ManifestState { Absent, Read, Unreadable };

ManifestState readManifest(const QString& userDir, QMap<QString, QByteArray>& seen) {
    const QString path = manifestPath(userDir);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return ManifestState::Absent;
    constexpr qint64 kLimit = 64 * 1024 * 1024;
    const FileRead read = readRegularFile(path, kLimit);
    if (!read.bytes)
        return ManifestState::Unreadable;
    // An editor or a sync tool from Windows may have ended the lines with CR LF.
    for (QByteArray line : read.bytes->split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const int gap = line.indexOf("  ");
        if (gap == 64)
            seen.insert(QString::fromUtf8(line.mid(gap + 2)), line.left(gap));
    }
    return ManifestState::Read;
}

QByteArray formatManifest(const QMap<QString, QByteArray>& shipped) {
    QByteArray bytes;
    for (auto it = shipped.begin(); it != shipped.end(); ++it)
        bytes += it.value() + "  " + it.key().toUtf8() + '\n';
    return bytes;
}

SaveOutcome saveFile(const QString& path, const QByteArray& bytes) {
    // A directory that cannot be made shows in the write's own reason.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return saveFileWhole(path, bytes);
}

SaveOutcome copyFile(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return {.error = source.errorString()};
    return saveFile(to, source.readAll());
}

// The language of the user's last run; none before the first, and none for
// an empty code, which no run writes once a language is chosen.
std::optional<Language> storedLanguage(const QString& userDir) {
    QFile file(QDir(userDir).filePath(QString::fromLatin1(kConfigFileName)));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<QString> code = parseConfig(file.readAll()).language;
    if (!code || code->isEmpty())
        return std::nullopt;
    return configLanguage(*code);
}

QString pick(std::optional<Language> language, const QString& de, const QString& en) {
    if (!language) // not chosen yet: say it in both
        return en + kLineBreak + kLineBreak + de;
    return language == Language::German ? de : en;
}

void reportFailure(Platform& platform, std::optional<Language> language, const QString& path,
                   const QString& reason = {}) {
    const QString where = kLineBreak + shownText(QDir::toNativeSeparators(path)) +
                          (reason.isEmpty() ? QString() : kLineBreak + reason);
    platform.message(
        nullptr, MsgIcon::Critical, QStringLiteral("Pinatlas"),
        pick(language,
             QStringLiteral("Die Datenblätter konnten nicht in Ihre Bibliothek kopiert werden:") +
                 where,
             QStringLiteral("The datasheets could not be copied into your library:") + where),
        MsgButtons::Ok);
}

void reportUnreadableManifest(Platform& platform, std::optional<Language> language,
                              const QString& path) {
    const QString where = kLineBreak + QDir::toNativeSeparators(path) + kLineBreak;
    platform.message(nullptr, MsgIcon::Critical, QStringLiteral("Pinatlas"),
                     pick(language,
                          QStringLiteral("Die Liste der schon übernommenen Datenblätter kann "
                                         "nicht gelesen werden:") +
                              where + QStringLiteral("Es wurde nichts in Ihre Bibliothek kopiert."),
                          QStringLiteral("The record of the datasheets already taken cannot be "
                                         "read:") +
                              where + QStringLiteral("Nothing was copied into your library.")),
                     MsgButtons::Ok);
}

// "1 neues Datenblatt und 2 aktualisierte Datenblätter", leaving out a count of 0.
QString sheetCounts(const LibraryUpdate& update, Language language) {
    const bool german = language == Language::German;
    auto part = [german](qsizetype n, const char* de1, const char* deN, const char* en) {
        const QString sheet =
            german ? (n == 1 ? QStringLiteral("Datenblatt") : QStringLiteral("Datenblätter"))
                   : (n == 1 ? QStringLiteral("datasheet") : QStringLiteral("datasheets"));
        const QString adjective =
            german ? QString::fromUtf8(n == 1 ? de1 : deN) : QString::fromUtf8(en);
        return QStringLiteral("%1 %2 %3").arg(n).arg(adjective, sheet);
    };
    QStringList parts;
    if (!update.added.isEmpty())
        parts << part(update.added.size(), "neues", "neue", "new");
    if (!update.replaced.isEmpty())
        parts << part(update.replaced.size(), "aktualisiertes", "aktualisierte", "updated");
    return parts.join(german ? QStringLiteral(" und ") : QStringLiteral(" and "));
}

} // namespace

LibraryUpdate planLibraryUpdate(const QString& shippedDir, const QString& userDir) {
    LibraryUpdate update;
    QMap<QString, QByteArray> seen;
    const ManifestState manifest = readManifest(userDir, seen);
    if (manifest == ManifestState::Unreadable) {
        update.unreadableManifest = manifestPath(userDir);
        return update;
    }
    update.firstCopy = manifest == ManifestState::Absent;
    const QDir shipped(shippedDir);
    for (const QString& dir : scanLibraryDirectories(shippedDir)) {
        for (const QString& name : QDir(shipped.filePath(dir)).entryList(QDir::Files)) {
            const QString sheet = dir + u'/' + name;
            const QByteArray hash = fileHash(shipped.filePath(sheet));
            if (hash.isEmpty())
                continue;
            update.shipped.insert(sheet, hash);
            const auto before = seen.constFind(sheet);
            if (before != seen.constEnd() && before.value() == hash)
                continue; // nothing new since the last start
            const QString mine = QDir(userDir).filePath(sheet);
            if (!QFileInfo::exists(mine)) {
                // A sheet seen before and gone now was deleted by the user.
                if (before == seen.constEnd())
                    update.added << sheet;
                continue;
            }
            const QByteArray myHash = fileHash(mine);
            if (myHash == hash)
                continue;
            // Replaced only when untouched since it was shipped; a sheet the
            // user changed stays as it is.
            if (before != seen.constEnd() && before.value() == myHash)
                update.replaced << sheet;
        }
    }
    update.news = update.firstCopy || update.shipped != seen;
    return update;
}

std::optional<WriteFailure> applyLibraryUpdate(const LibraryUpdate& update,
                                               const QString& shippedDir, const QString& userDir,
                                               bool takeSheets) {
    const QDir shipped(shippedDir);
    const QDir mine(userDir);
    if (takeSheets) {
        for (const QStringList* sheets : {&update.added, &update.replaced})
            for (const QString& sheet : *sheets) {
                const SaveOutcome copied = copyFile(shipped.filePath(sheet), mine.filePath(sheet));
                if (!copied.ok)
                    return WriteFailure{mine.filePath(sheet), copied.error};
            }
    }
    // Only what was really taken may count as seen: a failure above leaves the
    // manifest as it was, so the next start offers the rest again.
    const QString manifest = manifestPath(userDir);
    const SaveOutcome saved = saveFile(manifest, formatManifest(update.shipped));
    if (!saved.ok)
        return WriteFailure{manifest, saved.error};
    return std::nullopt;
}

bool updateUserLibrary(const QString& shippedDir, const QString& userDir, Platform& platform) {
    const std::optional<Language> language = storedLanguage(userDir);
    if (!QDir().mkpath(userDir)) {
        reportFailure(platform, language, userDir);
        return false;
    }
    if (language)
        platform.useToolkitLanguage(*language == Language::German);
    const LibraryUpdate update = planLibraryUpdate(shippedDir, userDir);
    if (!update.unreadableManifest.isEmpty()) {
        reportUnreadableManifest(platform, language, update.unreadableManifest);
        return true;
    }
    if (!update.news)
        return true;
    bool take = update.firstCopy;
    if (!update.firstCopy && update.offersSheets()) {
        const QString where = kLineBreak + QDir::toNativeSeparators(userDir) + kLineBreak;
        const bool one = update.added.size() + update.replaced.size() == 1;
        const MsgAnswer answer = platform.message(
            nullptr, MsgIcon::Question, QStringLiteral("Pinatlas"),
            pick(language,
                 QStringLiteral("Eine neuere Bibliothek ist installiert: %1. %2 in Ihre "
                                "Bibliothek übernommen werden?")
                         .arg(sheetCounts(update, Language::German),
                              one ? QStringLiteral("Soll es") : QStringLiteral("Sollen sie")) +
                     where + kLineBreak +
                     QStringLiteral("Datenblätter, die Sie selbst geändert haben, bleiben, wie "
                                    "sie sind. Nein lässt %1 weg; Abbrechen fragt beim "
                                    "nächsten Start wieder.")
                         .arg(one ? QStringLiteral("es") : QStringLiteral("diese")),
                 QStringLiteral("A newer library is installed: %1. Do you want to take %2 "
                                "into your library?")
                         .arg(sheetCounts(update, Language::English),
                              one ? QStringLiteral("it") : QStringLiteral("them")) +
                     where + kLineBreak +
                     QStringLiteral("Datasheets you changed yourself stay as they are. No leaves "
                                    "%1 out; Cancel asks again at the next start.")
                         .arg(one ? QStringLiteral("it") : QStringLiteral("these"))),
            MsgButtons::YesNoCancel);
        if (answer == MsgAnswer::Cancel)
            return true;
        take = answer == MsgAnswer::Yes;
    }
    if (const auto failed = applyLibraryUpdate(update, shippedDir, userDir, take))
        reportFailure(platform, language, failed->path, failed->reason);
    return true;
}

} // namespace pinatlas
