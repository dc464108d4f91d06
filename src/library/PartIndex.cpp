#include "library/PartIndex.h"

#include "library/DatasheetReader.h"
#include "library/FileAccess.h"
#include "library/IcList.h"
#include "library/Names.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace pinatlas {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QString withoutBlanks(QString text) {
    text.removeIf([](QChar c) { return c.isSpace(); });
    return text;
}

QString digitsOf(QStringView text) {
    QString digits;
    for (QChar c : text)
        if (isDigit(c))
            digits += c;
    return digits;
}

// True when `word` starts a word somewhere in `text`.
bool startsAWord(const QString& text, const QString& word) {
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1))
        if (at == 0 || !text[at - 1].isLetterOrNumber())
            return true;
    return false;
}

// Looked at by the name on disk, which a QFileInfo cannot hold for every name.
qint64 modifiedMs(const QString& path) {
    const std::optional<FileStamp> stamp = fileStamp(path);
    return stamp ? stamp->modifiedNs / 1'000'000 : -1;
}

size_t combine(size_t seed, const QString& name, const std::optional<FileStamp>& stamp) {
    return qHashMulti(seed, name, stamp ? stamp->size : -1, stamp ? stamp->modifiedNs : -1);
}

QStringList datasheetFiles(const QString& path) {
    QStringList files = listedFileNames(path);
    // Only a ".txt" file can be loaded by its type.
    files.removeIf([](const QString& name) { return !name.endsWith(QLatin1String(".txt")); });
    return files;
}

} // namespace

QString foldForSearch(QStringView text) {
    // Most descriptions are plain ASCII: no decomposition needed.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
        return text.toString().toLower();
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == u'ß')
            folded += QStringLiteral("ss");
        else
            folded += c.toCaseFolded();
    }
    return folded;
}

QString functionNumber(QStringView text) {
    const QString t = withoutBlanks(text.toString()).toUpper();
    qsizetype i = 0;
    // The maker's prefix: SN, CD, HEF, MC ...
    while (i < t.size() && t[i].isLetter())
        ++i;
    // The series 74 or 54 stands before the family letters or the number.
    if (t.mid(i, 2) == QLatin1String("74") || t.mid(i, 2) == QLatin1String("54")) {
        if (i + 2 < t.size())
            i += 2;
    }
    while (i < t.size() && t[i].isLetter())
        ++i;
    QString number;
    while (i < t.size() && isDigit(t[i]))
        number += t[i++];
    return number;
}

PartRecord makePartRecord(const QString& directory, const QString& type,
                          const QString& descriptionDe, const QString& descriptionEn) {
    PartRecord r;
    r.directory = directory;
    r.type = type;
    r.descriptionDe = descriptionDe;
    r.descriptionEn = descriptionEn;
    // Searched as read, so that a legacy name is found by what the user types.
    const QString readable = readableName(type);
    r.foldedType = withoutBlanks(foldForSearch(readable));
    r.digits = digitsOf(readable);
    r.number = functionNumber(readable);
    r.foldedDe = foldForSearch(descriptionDe);
    r.foldedEn = foldForSearch(descriptionEn);
    r.typeKey = leadingNumberIgnoringBlanks(type);
    return r;
}

PartQuery makePartQuery(QStringView text) {
    PartQuery q;
    const QString folded = foldForSearch(text);
    q.words = folded.split(u' ', Qt::SkipEmptyParts);
    q.compact = q.words.join(QString());
    q.digits = digitsOf(q.compact);
    q.number = functionNumber(q.compact);
    return q;
}

std::optional<MatchKind> matchPart(const PartRecord& r, const PartQuery& q) {
    if (q.isEmpty())
        return std::nullopt;
    if (r.foldedType == q.compact || (!q.number.isEmpty() && r.number == q.number))
        return MatchKind::ExactType;
    if (r.foldedType.startsWith(q.compact) ||
        (!q.number.isEmpty() && r.number.startsWith(q.number)) ||
        (!q.digits.isEmpty() && r.digits.startsWith(q.digits)))
        return MatchKind::TypePrefix;
    // Digits inside a type count only when nothing but digits was typed:
    // "SN74HC595N" must not find every type holding a 5.
    if (r.foldedType.contains(q.compact) ||
        (q.digits == q.compact && !q.digits.isEmpty() && r.digits.contains(q.digits)))
        return MatchKind::TypeContains;
    bool allStart = true;
    for (const QString& w : q.words) {
        if (startsAWord(r.foldedDe, w) || startsAWord(r.foldedEn, w))
            continue;
        if (!r.foldedDe.contains(w) && !r.foldedEn.contains(w))
            return std::nullopt;
        allStart = false;
    }
    return allStart ? MatchKind::DescriptionWords : MatchKind::DescriptionText;
}

std::vector<PartMatch> findParts(const std::vector<PartRecord>& records, QStringView text) {
    const PartQuery query = makePartQuery(text);
    std::vector<PartMatch> matches;
    if (query.isEmpty())
        return matches;
    for (int i = 0; i < int(records.size()); ++i)
        if (const auto kind = matchPart(records[i], query))
            matches.push_back({i, *kind});
    // The records stand in directory order, so the index breaks ties by it.
    std::stable_sort(matches.begin(), matches.end(), [&](const PartMatch& a, const PartMatch& b) {
        if (a.kind != b.kind)
            return a.kind < b.kind;
        const PartRecord& ra = records[a.record];
        const PartRecord& rb = records[b.record];
        if (ra.directory != rb.directory)
            return a.record < b.record;
        if (ra.typeKey != rb.typeKey)
            return ra.typeKey < rb.typeKey;
        return ra.type < rb.type;
    });
    return matches;
}

PartIndex::PartIndex(QString programDir) : m_programDir(std::move(programDir)) {
    if (!m_programDir.endsWith(u'/') && !m_programDir.endsWith(QDir::separator()))
        m_programDir += QDir::separator();
}

void PartIndex::invalidate() {
    m_dirs.clear();
    m_records.clear();
}

size_t PartIndex::filesSignature(const QString& path) const {
    size_t seed = 0;
    for (const QString& name : datasheetFiles(path))
        seed = combine(seed, name, fileStamp(path + name));
    return seed;
}

void PartIndex::read(Directory& dir) {
    ++m_directoriesRead;
    const QString path = m_programDir + dir.name + QDir::separator();
    // Taken before the files are read: a change while reading shows next time.
    dir.modified = modifiedMs(path);
    dir.records.clear();
    // The files' times are costly to read: a deep look takes them the first time.
    dir.signature.reset();
    for (const QString& name : datasheetFiles(path)) {
        // A file the list would refuse is left out of the search, not reported.
        if (const auto head = readIcHead(path + name, name))
            dir.records.push_back(makePartRecord(dir.name, typeOfFileName(name),
                                                 head->descriptionDe, head->descriptionEn));
    }
}

bool PartIndex::refresh(bool deep) {
    const QStringList names = directoryEntries(m_programDir);

    bool changed = names.size() != qsizetype(m_dirs.size());
    std::vector<Directory> dirs;
    dirs.reserve(names.size());
    for (const QString& name : names) {
        auto old = std::find_if(m_dirs.begin(), m_dirs.end(),
                                [&](const Directory& d) { return d.name == name; });
        Directory dir;
        dir.name = name;
        if (old != m_dirs.end()) {
            const QString path = m_programDir + name + QDir::separator();
            bool same = modifiedMs(path) == old->modified;
            if (same && deep) {
                const size_t signature = filesSignature(path);
                same = !old->signature || signature == *old->signature;
                old->signature = signature;
            }
            if (same) {
                dirs.push_back(std::move(*old));
                continue;
            }
        }
        read(dir);
        changed = true;
        dirs.push_back(std::move(dir));
    }
    m_dirs = std::move(dirs);
    if (changed) {
        m_records.clear();
        for (const Directory& d : m_dirs)
            m_records.insert(m_records.end(), d.records.begin(), d.records.end());
    }
    return changed;
}

std::vector<PartMatch> PartIndex::find(QStringView text) {
    refresh();
    return findParts(m_records, text);
}

} // namespace pinatlas
