#include "families/Substitutes.h"

#include "families/Compatibility.h"

#include <QRegularExpression>

#include <algorithm>

namespace pinatlas {
namespace {

struct Words {
    Language language;
    QString pick(const char* de, const char* en) const {
        return QString::fromUtf8(language == Language::German ? de : en);
    }
};

QString rangeText(const Family& f, const Words& w) {
    const auto r = f.supplyRange();
    if (!r)
        return QStringLiteral("?");
    return w.pick("%1 bis %2", "%1 to %2")
        .arg(formatVolts(r->first, w.language), formatVolts(r->second, w.language));
}

QString figure(const Family& f, FamilyKey key, double supply, const Words& w) {
    const auto value = f.at(key, supply);
    if (!value)
        return QStringLiteral("?");
    switch (key) {
    case FamilyKey::Ioh:
    case FamilyKey::Iol:
    case FamilyKey::Iih:
    case FamilyKey::Iil:
        return formatCurrent(*value, w.language);
    case FamilyKey::TpdTyp:
    case FamilyKey::TpdMax:
        return formatNumber(*value, w.language) + QStringLiteral(" ns");
    default:
        return formatVolts(*value, w.language);
    }
}

// "VIH 2 V -> 3.5 V": the figure of the old family, then the new one's.
QString change(const char* label, const Family& from, const Family& to, FamilyKey key,
               double supply, const Words& w) {
    return QStringLiteral("%1 %2 → %3")
        .arg(QString::fromLatin1(label), figure(from, key, supply, w), figure(to, key, supply, w));
}

QString verdictLine(const QString& lead, const CompatResult& r, const Words& w) {
    QString line = lead + QStringLiteral(": ") + verdictText(r.verdict, w.language);
    for (const CompatReason& reason : r.reasons)
        if (reason.outcome != CheckOutcome::Pass)
            line += QStringLiteral(" — ") + reason.text(w.language);
    return line;
}

void compare(const Family& from, const Family& to, QStringList& lines, const Words& w) {
    const double supply = from.runsAt(5) && to.runsAt(5) ? 5 : defaultSupply(from);
    const QString at = formatVolts(supply, w.language);
    lines << w.pick("%1 statt %2 in derselben Fassung, bei %3:",
                    "%1 instead of %2 in the same socket, at %3:")
                 .arg(to.name, from.name, at);
    lines << QStringLiteral("  ") + w.pick("Versorgung", "Supply") + QStringLiteral(": ") +
                 rangeText(from, w) + QStringLiteral(" → ") + rangeText(to, w);
    lines << QStringLiteral("  ") + w.pick("Eingänge", "Inputs") + QStringLiteral(": ") +
                 change("VIH", from, to, FamilyKey::Vih, supply, w) + QStringLiteral(", ") +
                 change("VIL", from, to, FamilyKey::Vil, supply, w) + QStringLiteral(", ") +
                 change("IIL", from, to, FamilyKey::Iil, supply, w);
    lines << QStringLiteral("  ") + w.pick("Ausgänge", "Outputs") + QStringLiteral(": ") +
                 change("VOH", from, to, FamilyKey::Voh, supply, w) + QStringLiteral(", ") +
                 change("VOL", from, to, FamilyKey::Vol, supply, w) + QStringLiteral(", ") +
                 change("IOH", from, to, FamilyKey::Ioh, supply, w) + QStringLiteral(", ") +
                 change("IOL", from, to, FamilyKey::Iol, supply, w);
    lines << QStringLiteral("  ") + w.pick("Gatterlaufzeit", "Gate delay") + QStringLiteral(": ") +
                 change("typ.", from, to, FamilyKey::TpdTyp, supply, w) + QStringLiteral(", ") +
                 change("max.", from, to, FamilyKey::TpdMax, supply, w);
    const CompatResult in = judgeCompatibility({&from, supply, &to, supply, false});
    const CompatResult out = judgeCompatibility({&to, supply, &from, supply, false});
    lines << QStringLiteral("  ") + verdictLine(w.pick("%1-Ausgänge treiben die neuen %2-Eingänge",
                                                       "%1 outputs driving the new %2 inputs")
                                                    .arg(from.name, to.name),
                                                in, w);
    lines << QStringLiteral("  ") + verdictLine(w.pick("Die neuen %2-Ausgänge treiben %1-Eingänge",
                                                       "The new %2 outputs driving %1 inputs")
                                                    .arg(from.name, to.name),
                                                out, w);
}

} // namespace

QStringList familyColumnsOf(const Datasheet& sheet) {
    QStringList names;
    if (!sheet.hasDataTable || sheet.dataRows < 1)
        return names;
    // The last column holds the units.
    for (int c = 1; c < sheet.dataCells.columns(); ++c) {
        const QString header = sheet.dataCells.at(c, 1).trimmed();
        if (!header.isEmpty() && header != u"Einheit" && header != u"Unit")
            names << header;
    }
    return names;
}

const Family* familyOfColumn(const FamilyTable& table, QStringView header) {
    if (const Family* f = table.find(header))
        return f;
    // The CMOS sheets give one column per supply: "4000B 5 V", "4000B 15 V".
    static const QRegularExpression atSupply(QStringLiteral("^(.*\\S)\\s+\\d+(?:[.,]\\d+)?\\s*V$"));
    const QRegularExpressionMatch m = atSupply.match(header);
    return m.hasMatch() ? table.find(m.capturedView(1)) : nullptr;
}

QStringList substituteReport(const FamilyTable& table, const QString& type, const Datasheet& sheet,
                             Language language) {
    const Words w{language};
    QStringList lines;
    const QStringList columns = familyColumnsOf(sheet);
    std::vector<const Family*> families;
    QStringList unknown;
    for (const QString& c : columns) {
        const Family* f = familyOfColumn(table, c);
        if (!f)
            unknown << c;
        // A family with a column per supply is still one family to compare.
        else if (std::find(families.begin(), families.end(), f) == families.end())
            families.push_back(f);
    }
    lines << w.pick("%1 gibt es in: %2", "%1 is made in: %2")
                 .arg(type, columns.isEmpty() ? w.pick("(keine Datenspalte)", "(no data column)")
                                              : columns.join(QStringLiteral(", ")));
    if (!unknown.isEmpty())
        lines << w.pick("Nicht in der Familientabelle: %1", "Not in the family table: %1")
                     .arg(unknown.join(QStringLiteral(", ")));
    if (!sheet.outputType.isEmpty()) {
        QString output = w.pick("Ausgang laut Datenblatt: %1", "Output as the sheet gives it: %1")
                             .arg(sheet.outputType);
        if (sheet.outputType.startsWith(QStringLiteral("OC")))
            output +=
                w.pick(" — Open Collector in jeder Familie: der High-Pegel kommt vom "
                       "Pull-up-Widerstand, dessen Spannung der neue Empfänger vertragen muss.",
                       " — open collector in every family: the high level comes from the "
                       "pull-up resistor, whose voltage the inputs it drives must take.");
        lines << output;
    }
    for (size_t i = 1; i < families.size(); ++i)
        compare(*families.front(), *families[i], lines, w);
    if (families.size() == 1)
        lines << w.pick("Das Datenblatt nennt keine zweite Familie zum Vergleich.",
                        "The sheet names no second family to compare with.");
    const PartFamily own = familyOfPart(table, type).value_or(PartFamily{});
    const QString number = own.type.isEmpty() ? type : own.type;
    for (const FamilyTwin& twin : table.twinsOf(number)) {
        const Family* twinFamily = table.find(twin.family);
        const Family* cmos = table.find(u"CD4000B");
        QString line = w.pick("Gleiche Anschlüsse, andere Nummer: %1 (%2, %3",
                              "Same pinout, another number: %1 (%2, %3")
                           .arg(twin.part, twin.family,
                                twinFamily ? rangeText(*twinFamily, w) : QStringLiteral("?"));
        if (twin.inputsMax)
            line += w.pick(", Eingänge bis %1", ", inputs up to %1")
                        .arg(formatVolts(*twin.inputsMax, language));
        line += QStringLiteral(")");
        if (cmos)
            line += w.pick(" statt %1 in CD4000B (%2)", " for the %1 in CD4000B (%2)")
                        .arg(number, rangeText(*cmos, w));
        line +=
            QStringLiteral("; ") + w.pick("Quelle: ", "source: ") + table.citation(twin.document);
        lines << line;
    }
    return lines;
}

} // namespace pinatlas
