#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

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

// One datasheet of the library as the search knows it, with its keys folded
// once when the directory is read.
struct PartRecord {
    QString directory; // the directory name, as the directory box lists it
    QString type;
    QString descriptionDe;
    QString descriptionEn;

    QString foldedType; // folded, blanks removed
    QString digits;     // every digit of the type, in order
    QString number;     // functionNumber(type)
    QString foldedDe;
    QString foldedEn;
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
    bool operator==(const PartMatch&) const = default;
};

// What the user typed, folded once for a whole search.
struct PartQuery {
    QString compact; // folded, blanks removed
    QString digits;
    QString number;
    QStringList words;
    bool isEmpty() const { return words.isEmpty(); }
};

PartQuery makePartQuery(QStringView text);

// The kind of match, or none.
std::optional<MatchKind> matchPart(const PartRecord& record, const PartQuery& query);

// The matches of `records` in order: by kind, then in the order of the
// records' directories, then by type number. `records` must be grouped by
// directory in directory order, as PartIndex keeps them.
std::vector<PartMatch> findParts(const std::vector<PartRecord>& records, QStringView text);

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
    std::vector<PartMatch> find(QStringView text);

    // Directories read since construction: what the cache saved shows here.
    int directoriesRead() const { return m_directoriesRead; }

private:
    struct Directory {
        QString name;
        qint64 modified = 0;
        std::optional<size_t> signature; // the files' sizes and times, once taken
        std::vector<PartRecord> records;
    };
    void read(Directory& dir);
    size_t filesSignature(const QString& path) const;

    QString m_programDir;
    std::vector<Directory> m_dirs;
    std::vector<PartRecord> m_records;
    int m_directoriesRead = 0;
};

} // namespace pinatlas
