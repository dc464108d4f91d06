#pragma once

#include "library/IcList.h"
#include "shared/Language.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>

#include <vector>

namespace pinatlas {

// A text as the search compares it: case folded, accents dropped ("Zähler"
// becomes "zahler", "ß" becomes "ss").
QString foldForSearch(QStringView text);

// The number that names a logic function, whatever maker's prefix, family
// letters and package suffix surround it: "SN74HC595N", "74HC595", "HC595"
// and "74595" all give "595"; "CD4017B" and "4017" give "4017". Empty when
// the text holds no digit.
QString functionNumber(QStringView text);

// The words of a description as the search compares them: folded, "ae"
// taken as "ä", split at every sign and between letters and digits, plural
// endings and spelling variants unified ("Dekodierer" and "decoders" give
// "decoder", "3-state" and "tri-state" give "tristate", "3 to 8" and
// "1 aus 8" give "1 of 8"), and filler words such as "line" dropped.
QStringList searchWords(QStringView text);

// The index keeps no more of a description, so that a hostile sheet cannot
// make every search slow or the index big.
inline constexpr qsizetype kMaxIndexedDescription = kMaxShownDescription;
// The index stops taking sheets beyond this many, whatever the directories
// hold, which bounds its memory for the library as a whole.
inline constexpr int kMaxIndexedSheets = 100000;

// One datasheet of the library as the search knows it, with its keys folded
// once when the directory is read.
struct PartRecord {
    QString directory; // the directory name, as the directory box lists it
    QString type;
    QString descriptionDe; // at most kMaxIndexedDescription characters
    QString descriptionEn;

    QString foldedType; // folded, blanks removed
    QString digits;     // every digit of the type, in order
    QString number;     // functionNumber(type)
    QStringList wordsDe;
    QStringList wordsEn;
    double typeKey = 0;
};

PartRecord makePartRecord(const QString& directory, const QString& type,
                          const QString& descriptionDe, const QString& descriptionEn);

// How well a record matches; the better kinds come first.
enum class MatchKind {
    ExactType,        // the same type, or the same function number
    TypePrefix,       // the type or its number starts with what was typed
    TypeContains,     // the digits typed appear inside the type
    DescriptionWords, // every word begins a word of a description
    DescriptionText,  // every word appears inside a description
};

struct PartMatch {
    int record; // index into the records searched
    MatchKind kind;
    int score = 0; // within a description kind: higher is closer
    bool operator==(const PartMatch&) const = default;
};

// What the user typed, folded once for a whole search. A text shaped like a
// part number ("595", "SN74HC595N", "MC14017B") is a type query; anything
// holding other words is a description query, its numbers being words too.
struct PartQuery {
    QString compact; // folded, blanks removed
    QString digits;
    QString number;
    QStringList words; // searchWords() of the text
    QString text;      // as typed, blanks removed, in capitals: for messages
    bool isType = false;
    QString family;          // the family a type query names: "74HCT", "4000B"; else empty
    bool singleGate = false; // "74LVC1G04": a one-, two- or three-gate part
    bool isEmpty() const { return words.isEmpty() && compact.isEmpty(); }
};

PartQuery makePartQuery(QStringView text);

// The kind of match and its score, or none. The score weighs the words in
// `preferred` (the language shown) a little above the other language's.
std::optional<PartMatch> matchPart(const PartRecord& record, const PartQuery& query,
                                   Language preferred = Language::English);

// The matches of `records` in order: by kind, then by score, then the base
// part (the lowest function number, the type without family letters), then
// in the order of the records' directories and by type number. `records`
// must be grouped by directory in directory order, as PartIndex keeps them.
std::vector<PartMatch> findParts(const std::vector<PartRecord>& records, QStringView text,
                                 Language preferred = Language::English);

// The families a sheet's data table gives figures for (its column headers
// but the unit column), read from the file without reading the whole of a
// huge one; empty when it has no data table or cannot be read.
QStringList dataTableFamilies(const QString& path);

// A line for the user about a search beyond its matches, empty when there is
// nothing to say: a one-gate part that the library cannot stand for, or the
// families the best match's data table shows when the query named one.
QString searchNote(const PartQuery& query, const PartRecord* best, const QStringList& families,
                   Language language);

// The words the index has seen, each kept once for all its records.
class PartIndexWords;

// The datasheets of every library directory below a program directory, read
// once and kept until a directory changes. A search first asks the file
// system cheaply whether a directory was added, removed or changed (its
// modification time); refresh(true) also compares the size and time of every
// file, for changes made on disk in place.
class PartIndex {
public:
    explicit PartIndex(QString programDir);

    // Brings the records up to date; true when any directory was read anew.
    bool refresh(bool deep = false);
    // Forgets everything, so that the next search reads every directory.
    void invalidate();

    const std::vector<PartRecord>& records() const { return m_records; }
    // refresh() followed by findParts().
    std::vector<PartMatch> find(QStringView text, Language preferred = Language::English);
    // The file of a record.
    QString pathOf(const PartRecord& record) const;
    // False when the index had to leave sheets out (kMaxIndexedSheets).
    bool complete() const { return m_complete; }

    // Directories read since construction: what the cache saved shows here.
    int directoriesRead() const { return m_directoriesRead; }

private:
    struct Directory {
        QString name;
        qint64 modified = 0;
        std::optional<size_t> signature; // the files' sizes and times, once taken
        std::vector<PartRecord> records;
        bool truncated = false; // sheets left out for kMaxIndexedSheets
    };
    void read(Directory& dir, int room);
    size_t filesSignature(const QString& path) const;

    QString m_programDir;
    std::shared_ptr<PartIndexWords> m_words;
    std::vector<Directory> m_dirs;
    std::vector<PartRecord> m_records;
    int m_directoriesRead = 0;
    bool m_complete = true;
};

} // namespace pinatlas
