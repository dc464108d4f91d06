#include "library/PartIndex.h"

#include "library/Cp1252.h"
#include "library/DatasheetReader.h"
#include "library/FileAccess.h"
#include "library/IcList.h"
#include "library/Names.h"
#include "library/TextInput.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace pinatlas {

using namespace Qt::StringLiterals;

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
    digits.reserve(text.size());
    for (QChar c : text)
        if (isDigit(c))
            digits += c;
    return digits;
}

// Looked at by the name on disk, which a QFileInfo cannot hold for every name.
qint64 modifiedMs(const QString& path) {
    const std::optional<FileStamp> stamp = fileStamp(path);
    return stamp ? stamp->modifiedNs / 1'000'000 : -1;
}

size_t combine(size_t seed, const QString& name, const std::optional<FileStamp>& stamp) {
    return qHashMulti(seed, name, stamp ? stamp->size : -1, stamp ? stamp->modifiedNs : -1);
}

// The files the list shows, with the stamps the listing took.
std::vector<StampedName> datasheetFiles(const QString& path) {
    std::vector<StampedName> files = stampedFileEntries(path);
    // Only a ".txt" file can be loaded by its type.
    std::erase_if(files, [](const StampedName& f) {
        return !isListedFileName(f.name) || !f.name.endsWith(QLatin1String(".txt"));
    });
    return files;
}

// The head of a sheet as the index keeps it: the two description lines cut
// to kMaxIndexedDescription characters as they stream past, so that a line
// of many megabytes is never held whole. The rest is read as the list reads
// it, and a head this cannot settle is left to the list's own reader.
// Whether the two lines of `bytes` end in it, neither longer than
// kMaxIndexedDescription characters.
bool headLinesFit(const QByteArray& bytes) {
    int lineEnds = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size() && lineEnds < 2; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        if (i - start > kMaxIndexedDescription)
            return false;
        // The LF of a CR LF ends no second line.
        if (!(c == '\n' && i > 0 && bytes[i - 1] == '\r'))
            ++lineEnds;
        start = i + 1;
    }
    return lineEnds == 2;
}

std::optional<IcEntry> readIndexHead(const QString& path, const QString& name, bool seenRegular) {
    RegularFileReader f;
    if (!f.open(path, seenRegular))
        return std::nullopt;
    constexpr qint64 kChunk = 16 * 1024;
    QByteArray head;
    int lineEnds = 0;
    qsizetype kept = 0;
    char previous = 0;
    QByteArray chunk = f.read(kChunk);
    if (f.failed() || chunk.isEmpty())
        return std::nullopt;
    qsizetype at = 0;
    // Nearly always both lines end in the first chunk, neither longer than
    // the index keeps: then the chunk is the head as it is.
    if (headLinesFit(chunk)) {
        head = chunk;
        lineEnds = 2;
        at = chunk.size();
    }
    while (lineEnds < 2) {
        if (at == chunk.size()) {
            chunk = f.read(kChunk);
            at = 0;
            if (f.failed())
                return std::nullopt;
            if (chunk.isEmpty())
                return std::nullopt; // fewer than three lines
        }
        // The run up to the next line end, of which only the start is kept.
        const char* from = chunk.constData() + at;
        const char* to = chunk.constData() + chunk.size();
        const char* end = std::find_if(from, to, [](char c) { return c == '\r' || c == '\n'; });
        const qsizetype take = std::min<qsizetype>(end - from, kMaxIndexedDescription - kept);
        head.append(from, take);
        kept += take;
        at += end - from;
        if (end != from)
            previous = 0;
        if (end == to)
            continue;
        const char c = *end;
        ++at;
        head += c;
        // The LF of a CR LF ends no second line.
        if (!(c == '\n' && previous == '\r'))
            ++lineEnds;
        kept = 0;
        previous = c;
    }
    head += chunk.mid(at);
    // The field after the two lines nearly always ends within what was read;
    // only one that runs to its end needs the file read on.
    for (const bool readOn : {false, true}) {
        if (readOn) {
            head += f.read(kChunk);
            if (f.failed())
                return std::nullopt;
        }
        TextInput in(head);
        const auto line1 = in.readLine();
        const auto line2 = in.readLine();
        const auto field = line1 && line2 ? in.readField() : std::nullopt;
        if (field && (!in.atEnd() || (readOn && f.atEnd())))
            return IcEntry{name, *line1, *line2, *field};
    }
    return f.atEnd() ? std::nullopt : readIcHead(path, name);
}

} // namespace

namespace {

QString foldByDecomposing(QStringView text) {
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

// The Latin letters and the code page's punctuation, which every sheet's
// text is made of. Their decompositions hold only base characters and
// non-spacing marks, so each folds alone as it does within a text: the
// marks, which are all that decomposing a whole text could reorder, are
// dropped anyway.
constexpr char16_t kLatinEnd = 0x250;
bool foldsAlone(char16_t c) {
    return c < kLatinEnd || c == 0x2C6 || c == 0x2DC || (c >= 0x2013 && c <= 0x203A) ||
           c == 0x20AC || c == 0x2122;
}

const QString& foldedAlone(char16_t c) {
    static const auto table = [] {
        QHash<char16_t, QString> t;
        for (char16_t k = 0x80; k < 0x3000; ++k)
            if (foldsAlone(k))
                t.insert(k, foldByDecomposing(QStringView(&k, 1)));
        return t;
    }();
    return *table.constFind(c);
}

} // namespace

namespace {

char16_t lowered(char16_t u) {
    return u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u;
}

// The Latin letters each folded alone to one character, looked up by index
// for the umlauts of every German description; 0 where one folds to more.
const std::array<char16_t, kLatinEnd>& latinFolds() {
    static const auto table = [] {
        std::array<char16_t, kLatinEnd> t{};
        for (char16_t k = 0; k < kLatinEnd; ++k) {
            const QString& alone = k < 128 ? QString() : foldedAlone(k);
            t[k] = k < 128 ? lowered(k) : alone.size() == 1 ? alone.front().unicode() : 0;
        }
        return t;
    }();
    return table;
}

} // namespace

QString foldForSearch(QStringView text) {
    if (!std::all_of(text.begin(), text.end(), [](QChar c) { return foldsAlone(c.unicode()); }))
        return foldByDecomposing(text);
    const std::array<char16_t, kLatinEnd>& latin = latinFolds();
    QString folded(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(folded.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        // Most descriptions are plain ASCII, which only needs its capitals lowered.
        const char16_t one = u < 128 ? lowered(u) : u < kLatinEnd ? latin[u] : 0;
        if (one || u < 128) {
            out[i] = one;
            continue;
        }
        const QString* alone = &foldedAlone(u);
        if (alone->size() == 1) {
            out[i] = alone->front().unicode();
            continue;
        }
        // "ß" and the like fold to more than one character.
        folded.truncate(i);
        for (; i < text.size(); ++i) {
            const char16_t r = text[i].unicode();
            if (r < 128)
                folded += QChar(lowered(r));
            else
                folded += foldedAlone(r);
        }
        break;
    }
    return folded;
}

QString functionNumber(QStringView text) {
    QString upper = withoutBlanks(text.toString());
    // Types are nearly always ASCII, whose capitals need no case tables.
    if (std::all_of(upper.cbegin(), upper.cend(), [](QChar c) { return c.unicode() < 128; })) {
        for (QChar& c : upper)
            c = QChar(c >= u'a' && c <= u'z' ? c.unicode() - 32 : c.unicode());
    } else {
        upper = upper.toUpper();
    }
    const QStringView t(upper);
    qsizetype i = 0;
    // The maker's prefix: SN, CD, HEF, MC ...
    while (i < t.size() && t[i].isLetter())
        ++i;
    const bool motorola = t.left(i) == QLatin1String("MC");
    // The series 74 or 54 stands before the family letters or the number.
    if (t.mid(i, 2) == QLatin1String("74") || t.mid(i, 2) == QLatin1String("54")) {
        if (i + 2 < t.size())
            i += 2;
    }
    while (i < t.size() && t[i].isLetter())
        ++i;
    const qsizetype from = i;
    while (i < t.size() && isDigit(t[i]))
        ++i;
    QString number = t.sliced(from, i - from).toString();
    // MC14017B is the 4017: that maker numbers its 4000 series from 14000.
    if (motorola && number.size() >= 5 && number.startsWith(QLatin1String("14")))
        number.remove(0, 1);
    return number;
}

namespace {

// The family letters that may stand between the series and the number.
bool isFamilyCode(QStringView letters) {
    static const QStringList codes = {
        QStringLiteral("l"),    QStringLiteral("h"),    QStringLiteral("s"),
        QStringLiteral("ls"),   QStringLiteral("as"),   QStringLiteral("als"),
        QStringLiteral("f"),    QStringLiteral("c"),    QStringLiteral("hc"),
        QStringLiteral("hct"),  QStringLiteral("hcu"),  QStringLiteral("ac"),
        QStringLiteral("act"),  QStringLiteral("ahc"),  QStringLiteral("ahct"),
        QStringLiteral("vhc"),  QStringLiteral("vhct"), QStringLiteral("lv"),
        QStringLiteral("lvc"),  QStringLiteral("lvt"),  QStringLiteral("lvx"),
        QStringLiteral("alvc"), QStringLiteral("abt"),  QStringLiteral("bct"),
        QStringLiteral("fct"),  QStringLiteral("aup"),  QStringLiteral("auc")};
    return codes.contains(letters.toString());
}

bool isMakerOrFamily(const QString& letters) {
    static const QStringList makers = {
        QStringLiteral("sn"), QStringLiteral("cd"), QStringLiteral("hef"), QStringLiteral("mc"),
        QStringLiteral("mm"), QStringLiteral("dm"), QStringLiteral("hd"),  QStringLiteral("tc"),
        QStringLiteral("m"),  QStringLiteral("n")};
    return makers.contains(letters) || isFamilyCode(letters);
}

// Words that join others in a phrase; a query need not find them.
bool isJoiningWord(const QString& word) {
    static const QStringList joining = {
        QStringLiteral("to"),  QStringLiteral("of"),  QStringLiteral("with"),
        QStringLiteral("mit"), QStringLiteral("the"), QStringLiteral("a"),
        QStringLiteral("an"),  QStringLiteral("for"), QStringLiteral("fur")};
    return joining.contains(word);
}

bool isNumber(const QString& word) {
    return !word.isEmpty() && isDigit(word[0]);
}

// One word in its common form: plural endings off, German and English
// spellings of a term made one.
QString commonForm(QString w) {
    if (w.isEmpty() || isDigit(w[0]))
        return w;
    // Each ending and beginning looked for is tried only after its first
    // letter: this runs for every word of every sheet.
    const QChar first = w.front();
    if ((first == u'd' && w.startsWith("dekod"_L1)) || (first == u'e' && w.startsWith("enkod"_L1)))
        w[2] = u'c';
    if (first == u'k' && w.startsWith("kodier"_L1))
        w[0] = u'c';
    if (w.back() == u's') {
        if (w.size() > 4 &&
            (w.endsWith("ches"_L1) || w.endsWith("shes"_L1) || w.endsWith("xes"_L1)))
            w.chop(2);
        else if (w.size() > 3 && !w.endsWith("ss"_L1) && !w.endsWith("us"_L1) &&
                 !w.endsWith("is"_L1))
            w.chop(1);
    }
    static const QHash<QString, QString> same = {
        {QStringLiteral("decodierer"), QStringLiteral("decoder")},
        {QStringLiteral("decodiert"), QStringLiteral("decoded")},
        {QStringLiteral("decodierten"), QStringLiteral("decoded")},
        {QStringLiteral("encodierer"), QStringLiteral("encoder")},
        {QStringLiteral("codierer"), QStringLiteral("encoder")},
        {QStringLiteral("demux"), QStringLiteral("demultiplexer")},
        {QStringLiteral("mux"), QStringLiteral("multiplexer")},
        {QStringLiteral("ff"), QStringLiteral("flipflop")},
        {QStringLiteral("exor"), QStringLiteral("xor")},
        {QStringLiteral("zu"), QStringLiteral("to")},
        {QStringLiteral("aus"), QStringLiteral("of")}};
    return same.value(w, w);
}

} // namespace

namespace {

// What a word is to the phrases searchWords() joins: a bit for each part it
// can play, so that joining tests bits instead of comparing texts.
enum WordRole : unsigned {
    kDropped = 1 << 0, // "4-line to 16-line" is "4 to 16"; "mit je 2" is "mit 2"
    kState = 1 << 1,
    kTri = 1 << 2, // tri-state, 3-state
    kFlip = 1 << 3,
    kFlop = 1 << 4,
    kExclusive = 1 << 5,
    kOr = 1 << 6,
    kNor = 1 << 7,
    kTo = 1 << 8,
    kNumber = 1 << 9,
};

unsigned rolesOf(const QString& common) {
    static const QHash<QString, unsigned> roles = {{QStringLiteral("line"), kDropped},
                                                   {QStringLiteral("je"), kDropped},
                                                   {QStringLiteral("state"), kState},
                                                   {QStringLiteral("tri"), kTri},
                                                   {QStringLiteral("3"), kTri | kNumber},
                                                   {QStringLiteral("three"), kTri},
                                                   {QStringLiteral("drei"), kTri},
                                                   {QStringLiteral("flip"), kFlip},
                                                   {QStringLiteral("flop"), kFlop},
                                                   {QStringLiteral("exclusive"), kExclusive},
                                                   {QStringLiteral("exklusiv"), kExclusive},
                                                   {QStringLiteral("or"), kOr},
                                                   {QStringLiteral("oder"), kOr},
                                                   {QStringLiteral("nor"), kNor},
                                                   {QStringLiteral("to"), kTo}};
    return roles.value(common, isNumber(common) ? unsigned(kNumber) : 0u);
}

struct Word {
    QString common;
    unsigned roles = 0;
};

Word wordOf(const QString& raw) {
    Word w{commonForm(raw), 0};
    w.roles = rolesOf(w.common);
    return w;
}

// The common forms of the words read so far. Descriptions repeat their few
// words from sheet to sheet: a word seen before costs a look-up instead of a
// copy of its own, and the records share its text.
class WordForms {
public:
    const Word& operator()(QStringView word) {
        const std::u16string_view key(word.utf16(), size_t(word.size()));
        auto known = m_forms.find(key);
        if (known == m_forms.end()) {
            QString raw = word.toString();
            Word common = wordOf(raw);
            // The key points into the text the entry itself keeps.
            const std::u16string_view own(reinterpret_cast<const char16_t*>(raw.utf16()),
                                          size_t(raw.size()));
            known = m_forms.emplace(own, std::pair(std::move(raw), std::move(common))).first;
        }
        return known->second.second;
    }

    size_t size() const { return m_forms.size(); }

private:
    // Nodes stay where they are: searchWords() keeps pointers to the words.
    std::unordered_map<std::u16string_view, std::pair<QString, Word>> m_forms;
};

// The text folded for search, with the e after an a, o or u dropped:
// "Zaehler" is how "Zähler" is written without umlauts.
void foldWithoutUmlautE(QStringView text, QVarLengthArray<char16_t, 256>& out) {
    bool afterVowel = false;
    const auto dropped = [&afterVowel](char16_t c) {
        if (afterVowel && c == u'e') {
            afterVowel = false;
            return true;
        }
        afterVowel = c == u'a' || c == u'o' || c == u'u';
        return false;
    };
    // Nearly every description is Latin letters that fold one to one.
    const std::array<char16_t, kLatinEnd>& latin = latinFolds();
    out.resize(text.size());
    char16_t* kept = out.data();
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        const char16_t c = u < 128 ? lowered(u) : u < kLatinEnd ? latin[u] : 0;
        if (c == 0 && u != 0) {
            out.clear();
            afterVowel = false;
            for (QChar f : foldForSearch(text))
                if (!dropped(f.unicode()))
                    out.append(f.unicode());
            return;
        }
        if (!dropped(c))
            *kept++ = c;
    }
    out.resize(kept - out.data());
}

// What a character is to a word: 0 between words, 1 a letter, 2 a digit.
int characterClass(char16_t c) {
    static constexpr auto ascii = [] {
        std::array<unsigned char, 128> t{};
        for (int c = 0; c < 128; ++c)
            t[c] = c >= '0' && c <= '9' ? 2 : (c | 0x20) >= 'a' && (c | 0x20) <= 'z' ? 1 : 0;
        return t;
    }();
    return c < 128 ? ascii[c] : QChar(c).isLetter() ? 1 : 0;
}

QStringList searchWords(QStringView text, WordForms& forms) {
    QVarLengthArray<char16_t, 256> folded;
    foldWithoutUmlautE(text, folded);
    QVarLengthArray<const Word*, 32> raw;
    // A word is a run of letters or of digits.
    const char16_t* p = folded.constData();
    const char16_t* const end = p + folded.size();
    for (;;) {
        while (p != end && characterClass(*p) == 0)
            ++p;
        if (p == end)
            break;
        const char16_t* const from = p;
        const int kind = characterClass(*p);
        while (p != end && characterClass(*p) == kind)
            ++p;
        const Word& w = forms(QStringView(from, p - from));
        if (!(w.roles & kDropped))
            raw.append(&w);
    }

    QStringList words;
    words.reserve(raw.size());
    const auto roles = [&raw](qsizetype i) { return i < raw.size() ? raw[i]->roles : 0u; };
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const unsigned w = raw[i]->roles;
        const unsigned next = roles(i + 1);
        if ((next & kState) && (w & kTri)) {
            words << QStringLiteral("tristate");
            ++i;
        } else if ((w & kFlip) && (next & kFlop)) {
            words << QStringLiteral("flipflop");
            ++i;
        } else if ((w & kExclusive) && (next & kOr)) {
            words << QStringLiteral("xor");
            ++i;
        } else if ((w & kExclusive) && (next & kNor)) {
            words << QStringLiteral("xnor");
            ++i;
        } else if ((w & kNumber) && (next & kTo) && (roles(i + 2) & kNumber) &&
                   raw[i]->common.size() <= 2 && raw[i]->common.toInt() < 31 &&
                   raw[i + 2]->common.toInt() == 1 << raw[i]->common.toInt()) {
            // A 3-to-8 decoder is a 1-of-8 decoder.
            words << QStringLiteral("1") << QStringLiteral("of") << raw[i + 2]->common;
            i += 2;
        } else {
            words << raw[i]->common;
        }
    }
    return words;
}

} // namespace

// The words of the descriptions read so far as well: a directory for one
// family repeats the descriptions of another (the 74LS00 and the 74HC00 are
// both four NAND gates), and a directory read again repeats its own.
class PartIndexWords : public WordForms {
public:
    QStringList descriptionWords(const QString& description) {
        auto known = m_descriptions.constFind(description);
        if (known == m_descriptions.cend())
            known = m_descriptions.insert(description, searchWords(description, *this));
        return *known;
    }
    size_t size() const { return WordForms::size() + size_t(m_descriptions.size()); }

private:
    QHash<QString, QStringList> m_descriptions;
};

QStringList searchWords(QStringView text) {
    WordForms forms;
    return searchWords(text, forms);
}

namespace {

bool isAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Nearly every type is ASCII letters and digits ("74LS00", "MC14017BCP"):
// its search forms come from one pass, as the general folding, the digit
// filter and functionNumber() would give them. Reading a whole directory for
// the first search spends most of its time on these otherwise.
bool plainTypeForms(QStringView type, PartRecord& r) {
    const qsizetype n = type.size();
    if (n == 0 || n > 64)
        return false;
    char16_t folded[64];
    char16_t digits[64];
    qsizetype digitCount = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = type[i].unicode();
        if (c >= u'0' && c <= u'9')
            digits[digitCount++] = c;
        else if (!isAsciiLetter(c))
            return false;
        folded[i] = c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    }
    r.foldedType = QString(reinterpret_cast<const QChar*>(folded), n);
    r.digits = QString(reinterpret_cast<const QChar*>(digits), digitCount);
    // The maker's prefix, the series 74 or 54, the family letters, the number.
    qsizetype i = 0;
    while (i < n && isAsciiLetter(type[i].unicode()))
        ++i;
    const bool motorola = i == 2 && folded[0] == u'm' && folded[1] == u'c';
    if (i + 2 < n &&
        ((type[i] == u'7' && type[i + 1] == u'4') || (type[i] == u'5' && type[i + 1] == u'4')))
        i += 2;
    while (i < n && isAsciiLetter(type[i].unicode()))
        ++i;
    qsizetype from = i;
    while (i < n && !isAsciiLetter(type[i].unicode()))
        ++i;
    // MC14017B is the 4017: that maker numbers its 4000 series from 14000.
    if (motorola && i - from >= 5 && type[from] == u'1' && type[from + 1] == u'4')
        ++from;
    r.number = type.sliced(from, i - from).toString();
    // The list's sort key: the leading number. An E or D after it would make
    // an exponent, which the general reader knows.
    qsizetype lead = 0;
    qint64 value = 0;
    while (lead < n && lead < 15 && type[lead] >= u'0' && type[lead] <= u'9')
        value = value * 10 + (type[lead++].unicode() - u'0');
    const char16_t after = lead < n ? char16_t(folded[lead]) : u' ';
    if (after == u'e' || after == u'd' || (after >= u'0' && after <= u'9'))
        r.typeKey = leadingNumberIgnoringBlanks(type);
    else
        r.typeKey = double(value);
    return true;
}

PartRecord makePartRecord(const QString& directory, const QString& type,
                          const QString& descriptionDe, const QString& descriptionEn,
                          PartIndexWords& words) {
    PartRecord r;
    r.directory = directory;
    r.type = type;
    r.descriptionDe = descriptionDe.left(kMaxIndexedDescription);
    r.descriptionEn = descriptionEn.left(kMaxIndexedDescription);
    if (!plainTypeForms(type, r)) {
        // Searched as read, so that a legacy name is found by what the user types.
        const QString readable = readableName(type);
        r.foldedType = withoutBlanks(foldForSearch(readable));
        r.digits = digitsOf(readable);
        r.number = functionNumber(readable);
        r.typeKey = leadingNumberIgnoringBlanks(type);
    }
    r.wordsDe = words.descriptionWords(r.descriptionDe);
    r.wordsEn = words.descriptionWords(r.descriptionEn);
    return r;
}

} // namespace

PartRecord makePartRecord(const QString& directory, const QString& type,
                          const QString& descriptionDe, const QString& descriptionEn) {
    PartIndexWords words;
    return makePartRecord(directory, type, descriptionDe, descriptionEn, words);
}

PartQuery makePartQuery(QStringView text) {
    PartQuery q;
    const QStringList tokens = foldForSearch(text).split(u' ', Qt::SkipEmptyParts);
    q.compact = tokens.join(QString());
    q.text = q.compact.toUpper();
    q.words = searchWords(text);
    q.digits = digitsOf(q.compact);
    q.number = functionNumber(q.compact);
    // Several pieces make a type only when each holds a digit or is a maker's
    // prefix or family code ("SN 74 HC 595"); "quad 2" is words.
    for (const QString& t : tokens)
        if (digitsOf(t).isEmpty() && !(tokens.size() > 1 && isMakerOrFamily(t)))
            return q;
    static const QRegularExpression gates(
        QStringLiteral("^[a-z]{0,4}(?:74|54)?([a-z]{0,5})([123])g\\d{1,3}[a-z]{0,4}$"));
    if (gates.match(q.compact).hasMatch()) {
        q.isType = q.singleGate = true;
        return q;
    }
    static const QRegularExpression part(
        QStringLiteral("^([a-z]{0,4})(\\d+)([a-z]{0,5})(\\d*)([a-z]{0,3})$"));
    const QRegularExpressionMatch m = part.match(q.compact);
    if (!m.hasMatch())
        return q;
    if (!m.captured(1).isEmpty() && !isMakerOrFamily(m.captured(1)))
        return q;
    const QString middle = m.captured(3);
    const bool numberAfter = !m.captured(4).isEmpty();
    // Letters between two numbers are family letters ("74HC595"); after the
    // last digit they are a package suffix ("N", "BE"), a CMOS series mark
    // with its package ("UBE", "BCP" after a 4000-series number) or family
    // letters still being typed ("74HCT"), while "4bit" or "7seg" are words.
    static const QRegularExpression cmosSuffix(QStringLiteral("^u?b[a-z]{0,2}$"));
    const bool shaped =
        numberAfter ? isFamilyCode(middle)
                    : m.captured(5).isEmpty() &&
                          (middle.size() <= 2 || isFamilyCode(middle) ||
                           (m.captured(2).size() >= 4 && cmosSuffix.match(middle).hasMatch()));
    if (!shaped)
        return q;
    q.isType = true;
    const QString series = m.captured(2);
    if (numberAfter && (series == u"74" || series == u"54") && !middle.isEmpty())
        q.family = QStringLiteral("74") + middle.toUpper();
    return q;
}

namespace {

struct WordFound {
    int credit = 0; // 4 the same word, 3 the start of one, 2 inside one
    int position = -1;
};

WordFound findWord(const QStringList& words, const QString& q, int wanted) {
    WordFound best;
    // A number is a word of its own: "1" must not find "10".
    const bool number = isNumber(q);
    for (int i = 0; i < int(words.size()); ++i) {
        const QString& w = words[i];
        int credit = 0;
        if (w == q)
            credit = 4;
        else if (!number && q.size() >= 2 && w.startsWith(q))
            credit = 3;
        else if (!number && q.size() >= 3 && w.contains(q))
            credit = 2;
        if (credit > best.credit || (credit > 0 && credit == best.credit && i == wanted))
            best = {credit, i};
    }
    return best;
}

// How closely the words of one description match: the words' credits, how
// many stand next to each other as in the query, and how much of the
// description they cover. -1 when a word is missing.
int descriptionScore(const QStringList& words, const QStringList& query, bool& allStart) {
    int credits = 0;
    int found = 0;
    int pairs = 0;
    int previous = -2;
    std::vector<bool> covered(words.size());
    allStart = true;
    for (const QString& q : query) {
        const WordFound f = findWord(words, q, previous + 1);
        if (f.credit == 0) {
            if (!isJoiningWord(q))
                return -1;
            previous = -2;
            continue;
        }
        credits += f.credit;
        ++found;
        if (f.position == previous + 1)
            ++pairs;
        previous = f.position;
        covered[f.position] = true;
        allStart = allStart && f.credit >= 3;
    }
    if (found == 0)
        return -1;
    // How much of the description the words cover tells a description that
    // says just this from one that says more; one word alone says too little
    // for that, and the base part should come first ("nand" is the 7400).
    const int coverage = found < 2 ? 0 : int(std::count(covered.begin(), covered.end(), true));
    return 1000 * credits / (4 * found) + 300 * pairs / std::max(1, found - 1) +
           200 * coverage / int(words.size());
}

} // namespace

std::optional<PartMatch> matchPart(const PartRecord& r, const PartQuery& q, Language preferred) {
    if (q.isEmpty() || q.singleGate)
        return std::nullopt;
    if (q.isType) {
        if (r.foldedType == q.compact || (!q.number.isEmpty() && r.number == q.number))
            return PartMatch{0, MatchKind::ExactType};
        if (r.foldedType.startsWith(q.compact) ||
            (!q.number.isEmpty() && r.number.startsWith(q.number)) ||
            (!q.digits.isEmpty() && r.digits.startsWith(q.digits)))
            return PartMatch{0, MatchKind::TypePrefix};
        // Digits inside a type count only when nothing but digits was typed:
        // "SN74HC595N" must not find every type holding a 5.
        if (r.foldedType.contains(q.compact) ||
            (q.digits == q.compact && r.digits.contains(q.digits)))
            return PartMatch{0, MatchKind::TypeContains};
        return std::nullopt;
    }
    bool startDe = true;
    bool startEn = true;
    const int de = descriptionScore(r.wordsDe, q.words, startDe);
    const int en = descriptionScore(r.wordsEn, q.words, startEn);
    if (de < 0 && en < 0)
        return std::nullopt;
    const bool german = preferred == Language::German;
    const int shown = german ? de : en;
    const int other = german ? en : de;
    // The language on screen counts a little more; both matching, a little more still.
    const int score = std::max(shown * 20, other * 19) / 20 + std::max(0, std::min(de, en)) / 20;
    const bool allStart = (de >= en) ? startDe : startEn;
    return PartMatch{0, allStart ? MatchKind::DescriptionWords : MatchKind::DescriptionText, score};
}

std::vector<PartMatch> findParts(const std::vector<PartRecord>& records, QStringView text,
                                 Language preferred) {
    const PartQuery query = makePartQuery(text);
    std::vector<PartMatch> matches;
    if (query.isEmpty())
        return matches;
    for (int i = 0; i < int(records.size()); ++i)
        if (auto match = matchPart(records[i], query, preferred)) {
            match->record = i;
            matches.push_back(*match);
        }
    const auto bucket = [](MatchKind k) {
        return std::min(int(k), int(MatchKind::DescriptionWords));
    };
    // The base part: 7400 before 74LS00 for "74HCT00", 7400 before 4011 for
    // "quad 2-input nand".
    const auto base = [&](const PartRecord& r) {
        return std::pair(r.foldedType != r.digits, r.number.isEmpty() ? 1e9 : r.number.toDouble());
    };
    // The records stand in directory order, so the index breaks ties by it.
    std::stable_sort(matches.begin(), matches.end(), [&](const PartMatch& a, const PartMatch& b) {
        if (bucket(a.kind) != bucket(b.kind))
            return bucket(a.kind) < bucket(b.kind);
        if (a.score != b.score)
            return a.score > b.score;
        if (a.kind != b.kind)
            return a.kind < b.kind;
        const PartRecord& ra = records[a.record];
        const PartRecord& rb = records[b.record];
        if (a.kind == MatchKind::ExactType) {
            const bool sameA = ra.foldedType == query.compact;
            const bool sameB = rb.foldedType == query.compact;
            if (sameA != sameB)
                return sameA;
            if (base(ra).first != base(rb).first)
                return base(rb).first;
        } else if (a.kind >= MatchKind::DescriptionWords && base(ra) != base(rb)) {
            return base(ra) < base(rb);
        }
        if (ra.directory != rb.directory)
            return a.record < b.record;
        if (ra.typeKey != rb.typeKey)
            return ra.typeKey < rb.typeKey;
        return ra.type < rb.type;
    });
    return matches;
}

QStringList dataTableFamilies(const QString& path) {
    QFile f;
    if (!openRegularFile(f, path))
        return {};
    // A sheet is a few kilobytes; a table beyond this is not looked for.
    constexpr qint64 kLookAt = 4 * 1024 * 1024;
    while (!f.atEnd() && f.pos() < kLookAt) {
        if (f.readLine(4096).trimmed() != "'Datentabelle:")
            continue;
        // The table's columns and rows, then its first row: a column for each
        // family and the unit column last.
        const int columns = f.readLine(4096).split(',').value(0).trimmed().toInt();
        QStringList cells = decodeCp1252(f.readLine(4096)).split(u',');
        if (columns < 2 || cells.size() < columns)
            return {};
        cells.resize(columns - 1);
        for (QString& cell : cells)
            cell = cell.trimmed();
        cells.removeAll(QString());
        return cells;
    }
    return {};
}

QString searchNote(const PartQuery& q, const PartRecord* best, const QStringList& families,
                   Language language) {
    const bool german = language == Language::German;
    if (q.singleGate) {
        static const QRegularExpression gates(QStringLiteral("([123])G\\d"));
        const int count = gates.match(q.text).captured(1).toInt();
        const QString de[] = {QStringLiteral("ein Einzelgatter-Baustein"),
                              QStringLiteral("ein Zweifachgatter-Baustein"),
                              QStringLiteral("ein Dreifachgatter-Baustein")};
        const QString en[] = {QStringLiteral("a single-gate part"),
                              QStringLiteral("a dual-gate part"),
                              QStringLiteral("a triple-gate part")};
        return german
                   ? QStringLiteral("%1 ist %2 mit eigener Anschlussbelegung und nicht in "
                                    "der Bibliothek.")
                         .arg(q.text, de[count - 1])
                   : QStringLiteral("%1 is %2 with a pinout of its own and is not in the library.")
                         .arg(q.text, en[count - 1]);
    }
    if (q.family.isEmpty() || !best || best->number != q.number)
        return {};
    if (families.isEmpty())
        return german ? QStringLiteral("%1 hat keine Datentabelle.").arg(best->type)
                      : QStringLiteral("%1 has no data table.").arg(best->type);
    QStringList shown = families;
    const bool has = shown.contains(q.family, Qt::CaseInsensitive);
    for (QString& f : shown)
        if (f.compare(q.family, Qt::CaseInsensitive) == 0)
            f = QStringLiteral("[%1]").arg(f);
    return german
               ? QStringLiteral("%1 zeigt die Daten von %2.%3")
                     .arg(best->type, shown.join(QStringLiteral(", ")),
                          has ? QString() : QStringLiteral(" %1 ist nicht dabei.").arg(q.family))
               : QStringLiteral("%1 shows the data of %2.%3")
                     .arg(best->type, shown.join(QStringLiteral(", ")),
                          has ? QString() : QStringLiteral(" %1 is not among them.").arg(q.family));
}

PartIndex::PartIndex(QString programDir) : m_programDir(std::move(programDir)) {
    if (!m_programDir.endsWith(u'/') && !m_programDir.endsWith(QDir::separator()))
        m_programDir += QDir::separator();
}

void PartIndex::invalidate() {
    m_words.reset();
    m_dirs.clear();
    m_records.clear();
}

size_t PartIndex::filesSignature(const QString& path) const {
    size_t seed = 0;
    for (const StampedName& file : datasheetFiles(path))
        seed = combine(seed, file.name, file.stamp);
    return seed;
}

void PartIndex::read(Directory& dir, int room) {
    ++m_directoriesRead;
    const QString path = m_programDir + dir.name + QDir::separator();
    // Taken before the files are read: a change while reading shows next time.
    dir.modified = modifiedMs(path);
    dir.records.clear();
    dir.truncated = false;
    // The signature a later deep look compares with is the one of the files
    // read now, taken as they were listed, so that an edit in place after
    // this read is seen.
    size_t signature = 0;
    // Directories share most of their words, and a directory read again
    // finds its own.
    constexpr size_t kMaxRememberedWords = 200'000;
    if (!m_words || m_words->size() > kMaxRememberedWords)
        m_words = std::make_shared<PartIndexWords>();
    PartIndexWords& words = *m_words;
    const std::vector<StampedName> files = datasheetFiles(path);
    dir.records.reserve(std::min(files.size(), size_t(std::max(0, room))));
    for (const StampedName& file : files) {
        signature = combine(signature, file.name, file.stamp);
        if (int(dir.records.size()) >= room) {
            dir.truncated = true;
            continue;
        }
        // A file the list would refuse is left out of the search, not reported.
        if (const auto head = readIndexHead(path + file.name, file.name, file.regular))
            dir.records.push_back(makePartRecord(dir.name, typeOfFileName(file.name),
                                                 head->descriptionDe, head->descriptionEn, words));
    }
    dir.signature = signature;
}

bool PartIndex::refresh(bool deep) {
    const QStringList names = scanLibraryDirectories(m_programDir);

    bool changed = names.size() != qsizetype(m_dirs.size());
    std::vector<Directory> dirs;
    dirs.reserve(names.size());
    int indexed = 0;
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
                same = old->signature && signature == *old->signature;
                old->signature = signature;
            }
            if (same) {
                indexed += int(old->records.size());
                dirs.push_back(std::move(*old));
                continue;
            }
        }
        read(dir, std::max(0, kMaxIndexedSheets - indexed));
        indexed += int(dir.records.size());
        changed = true;
        dirs.push_back(std::move(dir));
    }
    m_dirs = std::move(dirs);
    m_complete =
        std::none_of(m_dirs.begin(), m_dirs.end(), [](const Directory& d) { return d.truncated; });
    if (changed) {
        m_records.clear();
        for (const Directory& d : m_dirs)
            m_records.insert(m_records.end(), d.records.begin(), d.records.end());
    }
    return changed;
}

std::vector<PartMatch> PartIndex::find(QStringView text, Language preferred) {
    refresh();
    return findParts(m_records, text, preferred);
}

QString PartIndex::pathOf(const PartRecord& record) const {
    return m_programDir + record.directory + QDir::separator() + record.type +
           QStringLiteral(".txt");
}

} // namespace pinatlas
