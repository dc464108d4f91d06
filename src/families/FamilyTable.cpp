#include "families/FamilyTable.h"

#include "library/FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>
#include <cmath>

namespace pinatlas {
namespace {

constexpr double kEpsilon = 1e-9;

struct KeyName {
    const char* text;
    FamilyKey key;
};
constexpr std::array<KeyName, 12> kKeys{{
    {"supply", FamilyKey::Supply},
    {"vih", FamilyKey::Vih},
    {"vil", FamilyKey::Vil},
    {"voh", FamilyKey::Voh},
    {"vol", FamilyKey::Vol},
    {"ioh", FamilyKey::Ioh},
    {"iol", FamilyKey::Iol},
    {"iih", FamilyKey::Iih},
    {"iil", FamilyKey::Iil},
    {"tpd-typ", FamilyKey::TpdTyp},
    {"tpd-max", FamilyKey::TpdMax},
    {"inputs-max", FamilyKey::InputsMax},
}};

std::optional<double> number(QStringView text) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// "4.5" or "2.7-3.6".
std::optional<std::pair<double, double>> range(QStringView text) {
    const qsizetype dash = text.indexOf(u'-', 1);
    if (dash < 0) {
        const auto v = number(text);
        return v ? std::optional(std::pair(*v, *v)) : std::nullopt;
    }
    const auto low = number(text.left(dash));
    const auto high = number(text.mid(dash + 1));
    if (!low || !high || *low > *high)
        return std::nullopt;
    return std::pair(*low, *high);
}

// The unit's factor to V, mA or ns; none for a unit the key does not take.
std::optional<double> unitFactor(FamilyKey key, QStringView unit, bool* perSupply) {
    *perSupply = false;
    switch (key) {
    case FamilyKey::Ioh:
    case FamilyKey::Iol:
    case FamilyKey::Iih:
    case FamilyKey::Iil:
        if (unit == u"mA")
            return 1.0;
        if (unit == u"uA")
            return 0.001;
        return std::nullopt;
    case FamilyKey::TpdTyp:
    case FamilyKey::TpdMax:
        return unit == u"ns" ? std::optional(1.0) : std::nullopt;
    case FamilyKey::Supply:
        return unit == u"V" ? std::optional(1.0) : std::nullopt;
    default:
        if (unit == u"VCC")
            *perSupply = true;
        return unit == u"V" || unit == u"VCC" ? std::optional(1.0) : std::nullopt;
    }
}

double valueAt(const FamilyFigure& f, double supply) {
    return f.perSupply ? f.value * supply : f.value;
}

QString folded(QStringView name) {
    QString s = name.toString().toUpper();
    s.remove(u' ');
    return s;
}

} // namespace

std::optional<std::pair<double, double>> Family::supplyRange() const {
    for (const FamilyFigure& f : figures)
        if (f.key == FamilyKey::Supply)
            return std::pair(f.value, f.valueHigh);
    return std::nullopt;
}

bool Family::runsAt(double supply) const {
    const auto r = supplyRange();
    return r && supply >= r->first - kEpsilon && supply <= r->second + kEpsilon;
}

std::optional<double> Family::at(FamilyKey key, double supply) const {
    const FamilyFigure* below = nullptr;
    const FamilyFigure* above = nullptr;
    for (const FamilyFigure& f : figures) {
        if (f.key != key)
            continue;
        if (f.everySupply || (supply >= f.atLow - kEpsilon && supply <= f.atHigh + kEpsilon))
            return valueAt(f, supply);
        if (f.atHigh < supply && (!below || f.atHigh > below->atHigh))
            below = &f;
        if (f.atLow > supply && (!above || f.atLow < above->atLow))
            above = &f;
    }
    if (!below || !above)
        return std::nullopt;
    const double v0 = valueAt(*below, below->atHigh);
    const double v1 = valueAt(*above, above->atLow);
    return v0 + (v1 - v0) * (supply - below->atHigh) / (above->atLow - below->atHigh);
}

QString Family::documentOf(FamilyKey key, double supply) const {
    const FamilyFigure* below = nullptr;
    for (const FamilyFigure& f : figures) {
        if (f.key != key)
            continue;
        if (f.everySupply || (supply >= f.atLow - kEpsilon && supply <= f.atHigh + kEpsilon))
            return f.document;
        if (f.atHigh < supply && (!below || f.atHigh > below->atHigh))
            below = &f;
    }
    return below && at(key, supply) ? below->document : QString();
}

FamilyTable FamilyTable::parse(const QString& text, QString* error) {
    FamilyTable t;
    const QStringList lines = text.split(u'\n');
    auto fail = [&](int line, const QString& why) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(line).arg(why);
        return t;
    };
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList w = line.split(QRegularExpression(QStringLiteral("\\s+")));
        const QString& word = w[0];
        if (word == u"family" && w.size() == 2) {
            if (t.find(w[1]))
                return fail(lineNo, QStringLiteral("the family %1 comes twice").arg(w[1]));
            t.m_families.push_back({w[1], {}, {}});
        } else if (word == u"alias" && w.size() >= 2 && !t.m_families.empty()) {
            t.m_families.back().aliases += w.mid(1);
        } else if (word == u"doc" && w.size() >= 3) {
            const QStringList parts =
                line.section(QRegularExpression(QStringLiteral("\\s+")), 2).split(u'|');
            FamilyDocument d{w[1], parts.value(0).trimmed(), parts.value(1).trimmed(),
                             parts.value(2).trimmed()};
            if (!t.document(d.id))
                t.m_documents.push_back(d);
        } else if (word == u"twin" && w.size() == 5) {
            t.m_twins.push_back({w[1], w[2], w[3], w[4], std::nullopt});
        } else if (word == u"twin-inputs-max" && w.size() == 5 && w[3] == u"V") {
            const auto v = number(w[2]);
            auto twin = std::find_if(t.m_twins.begin(), t.m_twins.end(),
                                     [&](const FamilyTwin& x) { return x.part == w[1]; });
            if (!v || twin == t.m_twins.end())
                return fail(lineNo, QStringLiteral("no twin %1 before this line").arg(w[1]));
            twin->inputsMax = v;
        } else {
            auto key = std::find_if(kKeys.begin(), kKeys.end(), [&](const KeyName& k) {
                return word == QLatin1String(k.text);
            });
            if (key == kKeys.end() || w.size() != 5)
                return fail(lineNo, QStringLiteral("not a line of the family table: %1").arg(line));
            if (t.m_families.empty())
                return fail(lineNo, QStringLiteral("a figure before the first family"));
            FamilyFigure f;
            f.key = key->key;
            f.document = w[4];
            if (!t.document(f.document))
                return fail(lineNo, QStringLiteral("the document %1 is not named above").arg(w[4]));
            if (w[1] == u"*") {
                f.everySupply = true;
            } else if (const auto at = range(w[1])) {
                std::tie(f.atLow, f.atHigh) = *at;
            } else {
                return fail(lineNo, QStringLiteral("not a supply: %1").arg(w[1]));
            }
            const auto factor = unitFactor(f.key, w[3], &f.perSupply);
            // A supply is a range of two ends; every other figure one number.
            double low = 0, high = 0;
            bool ok = false;
            if (f.key == FamilyKey::Supply) {
                if (const auto r = range(w[2]); r && r->first < r->second) {
                    low = r->first;
                    high = r->second;
                    ok = true;
                }
            } else if (const auto n = number(w[2])) {
                low = high = *n;
                ok = true;
            }
            if (!factor || !ok)
                return fail(lineNo, QStringLiteral("not a figure: %1 %2").arg(w[2], w[3]));
            f.value = low * *factor;
            f.valueHigh = high * *factor;
            t.m_families.back().figures.push_back(f);
        }
    }
    // An empty or cut-off file would judge nothing and say why nowhere.
    if (t.m_families.empty())
        return fail(int(lines.size()), QStringLiteral("the table names no family"));
    if (error)
        error->clear();
    return t;
}

const Family* FamilyTable::find(QStringView name) const {
    const QString wanted = folded(name);
    if (wanted.isEmpty())
        return nullptr;
    for (const Family& f : m_families) {
        if (folded(f.name) == wanted)
            return &f;
        for (const QString& a : f.aliases)
            if (folded(a) == wanted)
                return &f;
    }
    return nullptr;
}

const FamilyDocument* FamilyTable::document(const QString& id) const {
    for (const FamilyDocument& d : m_documents)
        if (d.id == id)
            return &d;
    return nullptr;
}

std::vector<FamilyTwin> FamilyTable::twinsOf(QStringView number) const {
    std::vector<FamilyTwin> found;
    for (const FamilyTwin& t : m_twins)
        if (t.number == number)
            found.push_back(t);
    return found;
}

QString FamilyTable::citation(const QString& documentId) const {
    const FamilyDocument* d = document(documentId);
    if (!d)
        return documentId;
    QString s = d->maker + u' ' + d->number;
    if (!d->revision.isEmpty() && d->revision != u"-")
        s += QStringLiteral(" (%1)").arg(d->revision);
    return s;
}

std::optional<PartFamily> familyOfPart(const FamilyTable& table, QStringView text) {
    const QString part = folded(text);
    if (const Family* f = table.find(part))
        return PartFamily{f, {}};
    // A maker's prefix, 74 or 54, the family letters, the number, a suffix.
    // One-, two- and three-gate parts (74LVC1G04) are of the family too; their
    // function number tells the output type (1G07 is open-drain like the 07).
    static const QRegularExpression ttl(
        QStringLiteral("^[A-Z]*?(?:74|54)([A-Z]*?)(?:[123]G)?(\\d+)[A-Z]*$"));
    static const QRegularExpression cmos(QStringLiteral("^(?:CD|HEF|MC1)?(4\\d{3,4})[A-Z]*$"));
    if (const auto m = cmos.match(part); m.hasMatch()) {
        if (const Family* f = table.find(u"CD4000B"))
            return PartFamily{f, m.captured(1)};
        return std::nullopt;
    }
    const auto m = ttl.match(part);
    if (!m.hasMatch())
        return std::nullopt;
    const Family* f = table.find(QStringLiteral("74") + m.captured(1));
    if (!f)
        return std::nullopt;
    const QString digits = m.captured(2);
    // 74HC4049 is the twin of the 4049; 74HC00 is the 7400.
    const bool fourThousand = digits.size() >= 4 && digits.startsWith(u'4');
    return PartFamily{f, fourThousand ? digits : QStringLiteral("74") + digits};
}

QStringList familyTableCandidates(const QString& programDir, const QString& executableDir) {
    const QString name = QString::fromLatin1(kFamilyTableName);
    QStringList paths;
    if (!programDir.isEmpty())
        paths << QDir(programDir).filePath(name);
    paths << QDir(executableDir).filePath(name);
#ifdef PINATLAS_SHIPPED_LIBRARY
    // Installed, it lies beside the shipped library.
    paths << QDir::cleanPath(
        QDir(executableDir).filePath(QStringLiteral(PINATLAS_SHIPPED_LIBRARY "/../") + name));
#endif
    paths.removeDuplicates();
    return paths;
}

FamilyTableLoad loadFamilyTable(const QStringList& candidates) {
    FamilyTableLoad load;
    load.path = candidates.value(0);
    for (const QString& path : candidates) {
        if (!QFileInfo(path).isFile()) {
            // A directory or a device by that name is there, not missing.
            if (QFileInfo::exists(path) && load.error.isEmpty()) {
                load.path = path;
                load.error = QStringLiteral("not an ordinary file");
            }
            continue;
        }
        load.path = path;
        load.error.clear();
        const auto bytes = readRegularFileHead(path, 1024 * 1024);
        if (!bytes) {
            load.error = QStringLiteral("cannot be read");
            return load;
        }
        FamilyTable table = FamilyTable::parse(QString::fromUtf8(*bytes), &load.error);
        if (load.error.isEmpty())
            load.table = std::move(table);
        return load;
    }
    return load;
}

} // namespace pinatlas
