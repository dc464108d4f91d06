#include "families/Compatibility.h"

#include <cmath>
#include <limits>

namespace pinatlas {
namespace {

constexpr double kEpsilon = 1e-6;
// Fewer inputs than this per output is a limit worth naming: a standard TTL
// output drives 10, an LS output 20 of its own.
constexpr int kNamedFanOut = 20;
constexpr int kCountedFanOut = 1000;

CompatReason reason(CheckOutcome outcome, const QString& de, const QString& en) {
    return {outcome, de, en};
}

QString v(double volts, Language l) {
    return formatVolts(volts, l);
}
QString c(double mA, Language l) {
    return formatCurrent(mA, l);
}

struct Side {
    const Family* family;
    double supply;
};

CompatReason supplyCheck(const Side& s, bool isDriver) {
    const QString& name = s.family->name;
    const QString roleDe = isDriver ? QStringLiteral("Treiber") : QStringLiteral("Empfänger");
    const QString roleEn = isDriver ? QStringLiteral("Driver") : QStringLiteral("Receiver");
    const auto range = s.family->supplyRange();
    if (!range)
        return reason(
            CheckOutcome::Unknown,
            QStringLiteral("%1 %2: die Tabelle nennt keinen Versorgungsbereich.").arg(roleDe, name),
            QStringLiteral("%1 %2: the table gives no supply range.").arg(roleEn, name));
    const Language de = Language::German, en = Language::English;
    if (!s.family->runsAt(s.supply))
        return reason(
            CheckOutcome::Fail,
            QStringLiteral("%1 %2 läuft nicht bei %3: sein Versorgungsbereich ist %4 bis %5.")
                .arg(roleDe, name, v(s.supply, de), v(range->first, de), v(range->second, de)),
            QStringLiteral("%1 %2 does not run at %3: its supply range is %4 to %5.")
                .arg(roleEn, name, v(s.supply, en), v(range->first, en), v(range->second, en)));
    return reason(
        CheckOutcome::Pass,
        QStringLiteral("%1 %2 bei %3: im Versorgungsbereich %4 bis %5.")
            .arg(roleDe, name, v(s.supply, de), v(range->first, de), v(range->second, de)),
        QStringLiteral("%1 %2 at %3: within its supply range %4 to %5.")
            .arg(roleEn, name, v(s.supply, en), v(range->first, en), v(range->second, en)));
}

CompatReason unknownFigure(const QString& checkDe, const QString& checkEn, const char* figure,
                           const Side& s) {
    const QString f = QString::fromLatin1(figure);
    return reason(CheckOutcome::Unknown,
                  QStringLiteral("%1: nicht zu beurteilen, die Tabelle hat kein %2 für %3 bei %4.")
                      .arg(checkDe, f, s.family->name, v(s.supply, Language::German)),
                  QStringLiteral("%1: cannot judge, the table has no %2 for %3 at %4.")
                      .arg(checkEn, f, s.family->name, v(s.supply, Language::English)));
}

CompatReason overdriveCheck(const Side& d, const Side& r, bool openCollector) {
    const double high = openCollector ? r.supply : d.supply;
    const auto limit = r.family->at(FamilyKey::InputsMax, r.supply);
    const QString checkDe = QStringLiteral("Eingangsspannung"),
                  checkEn = QStringLiteral("Input voltage");
    if (!limit)
        return unknownFigure(checkDe, checkEn, "inputs-max", r);
    const Language de = Language::German, en = Language::English;
    const QString& name = r.family->name;
    if (high > *limit + kEpsilon)
        return reason(CheckOutcome::Fail,
                      QStringLiteral("Eingang übersteuert: der High-Pegel des Treibers kann "
                                     "%1 erreichen, die Eingänge von %2 vertragen bei %3 "
                                     "Versorgung höchstens %4.")
                          .arg(v(high, de), name, v(r.supply, de), v(*limit, de)),
                      QStringLiteral("Input overdriven: the driver's high level can reach %1, the "
                                     "%2 inputs take at most %4 at a supply of %3.")
                          .arg(v(high, en), name, v(r.supply, en), v(*limit, en)));
    return reason(CheckOutcome::Pass,
                  QStringLiteral("%1: der High-Pegel des Treibers kann %2 erreichen, die "
                                 "Eingänge von %3 vertragen bis %4.")
                      .arg(checkDe, v(high, de), name, v(*limit, de)),
                  QStringLiteral("%1: the driver's high level can reach %2, the %3 inputs take up "
                                 "to %4.")
                      .arg(checkEn, v(high, en), name, v(*limit, en)));
}

// VOH against VIH (high) or VIL against VOL (low); the margin is what the
// receiver has to spare.
CompatReason levelCheck(const Side& d, const Side& r, bool high) {
    const QString checkDe = high ? QStringLiteral("High-Pegel") : QStringLiteral("Low-Pegel");
    const QString checkEn = high ? QStringLiteral("High level") : QStringLiteral("Low level");
    const auto out = d.family->at(high ? FamilyKey::Voh : FamilyKey::Vol, d.supply);
    if (!out)
        return unknownFigure(checkDe, checkEn, high ? "VOH" : "VOL", d);
    const auto in = r.family->at(high ? FamilyKey::Vih : FamilyKey::Vil, r.supply);
    if (!in)
        return unknownFigure(checkDe, checkEn, high ? "VIH" : "VIL", r);
    const auto load = d.family->at(high ? FamilyKey::Ioh : FamilyKey::Iol, d.supply);
    const double margin = high ? *out - *in : *in - *out;
    const Language de = Language::German, en = Language::English;
    const QString outName = high ? QStringLiteral("VOH") : QStringLiteral("VOL");
    const QString inName = high ? QStringLiteral("VIH") : QStringLiteral("VIL");
    const QString atDe = load ? QStringLiteral(" (bei %1)").arg(c(*load, de)) : QString();
    const QString atEn = load ? QStringLiteral(" (at %1)").arg(c(*load, en)) : QString();
    const QString headDe = QStringLiteral("%1: %2 %3%4 gegen %5 %6")
                               .arg(checkDe, outName, v(*out, de), atDe, inName, v(*in, de));
    const QString headEn = QStringLiteral("%1: %2 %3%4 against %5 %6")
                               .arg(checkEn, outName, v(*out, en), atEn, inName, v(*in, en));
    if (margin < -kEpsilon)
        return reason(CheckOutcome::Fail,
                      headDe + QStringLiteral(": %1 daneben.").arg(v(-margin, de)),
                      headEn + QStringLiteral(": %1 short.").arg(v(-margin, en)));
    return reason(CheckOutcome::Pass, headDe + QStringLiteral(": Abstand %1.").arg(v(margin, de)),
                  headEn + QStringLiteral(": margin %1.").arg(v(margin, en)));
}

CompatReason pullUpCheck(const Side& r) {
    const Language de = Language::German, en = Language::English;
    return reason(CheckOutcome::Condition,
                  QStringLiteral("High-Pegel: der Open-Collector-Ausgang braucht einen "
                                 "Pull-up-Widerstand nach %1 (Versorgung von %2).")
                      .arg(v(r.supply, de), r.family->name),
                  QStringLiteral("High level: the open-collector output needs a pull-up "
                                 "resistor to %1 (the %2 supply).")
                      .arg(v(r.supply, en), r.family->name));
}

CompatReason fanOutCheck(const Side& d, const Side& r, bool openCollector, int* fanOut) {
    const QString checkDe = QStringLiteral("Fan-out"), checkEn = QStringLiteral("Fan-out");
    const auto iol = d.family->at(FamilyKey::Iol, d.supply);
    if (!iol)
        return unknownFigure(checkDe, checkEn, "IOL", d);
    const auto iil = r.family->at(FamilyKey::Iil, r.supply);
    if (!iil)
        return unknownFigure(checkDe, checkEn, "IIL", r);
    const auto ioh = d.family->at(FamilyKey::Ioh, d.supply);
    if (!ioh && !openCollector)
        return unknownFigure(checkDe, checkEn, "IOH", d);
    const auto iih = r.family->at(FamilyKey::Iih, r.supply);
    if (!iih && !openCollector)
        return unknownFigure(checkDe, checkEn, "IIH", r);

    auto count = [](double out, double in) {
        return in <= 0 ? std::numeric_limits<double>::infinity() : std::floor(out / in + kEpsilon);
    };
    const double low = count(*iol, *iil);
    // A pull-up feeds the inputs' high current, not the output.
    const double highCount =
        openCollector ? std::numeric_limits<double>::infinity() : count(*ioh, *iih);
    const bool lowLimits = low <= highCount;
    const double n = std::min(low, highCount);
    *fanOut = n > kCountedFanOut ? kCountedFanOut + 1 : int(n);

    const Language de = Language::German, en = Language::English;
    const QString why =
        lowLimits ? QStringLiteral("IOL %1 / IIL %2") : QStringLiteral("IOH %1 / IIH %2");
    const QString whyDe = why.arg(c(lowLimits ? *iol : *ioh, de), c(lowLimits ? *iil : *iih, de));
    const QString whyEn = why.arg(c(lowLimits ? *iol : *ioh, en), c(lowLimits ? *iil : *iih, en));
    const QString& name = r.family->name;
    if (n < 1)
        return reason(CheckOutcome::Fail,
                      QStringLiteral("Fan-out: der Ausgang treibt nicht einmal einen Eingang von "
                                     "%1 (%2).")
                          .arg(name, whyDe),
                      QStringLiteral("Fan-out: the output cannot drive a single %1 input (%2).")
                          .arg(name, whyEn));
    if (n > kCountedFanOut)
        return reason(CheckOutcome::Pass,
                      QStringLiteral("Fan-out: ein Ausgang treibt mehr als %1 Eingänge von %2 "
                                     "(%3).")
                          .arg(kCountedFanOut)
                          .arg(name, whyDe),
                      QStringLiteral("Fan-out: one output drives more than %1 %2 inputs (%3).")
                          .arg(kCountedFanOut)
                          .arg(name, whyEn));
    if (n < kNamedFanOut)
        return reason(CheckOutcome::Condition,
                      QStringLiteral("Fan-out-Grenze: höchstens %1 Eingänge von %2 an einem "
                                     "Ausgang (%3).")
                          .arg(int(n))
                          .arg(name, whyDe),
                      QStringLiteral("Fan-out limit: at most %1 %2 inputs on one output (%3).")
                          .arg(int(n))
                          .arg(name, whyEn));
    return reason(CheckOutcome::Pass,
                  QStringLiteral("Fan-out: ein Ausgang treibt bis zu %1 Eingänge von %2 (%3).")
                      .arg(int(n))
                      .arg(name, whyDe),
                  QStringLiteral("Fan-out: one output drives up to %1 %2 inputs (%3).")
                      .arg(int(n))
                      .arg(name, whyEn));
}

} // namespace

CompatResult judgeCompatibility(const CompatQuery& q) {
    CompatResult result;
    if (!q.driver || !q.receiver)
        return result;
    const Side d{q.driver, q.driverSupply};
    const Side r{q.receiver, q.receiverSupply};
    result.reasons.push_back(supplyCheck(d, true));
    result.reasons.push_back(supplyCheck(r, false));
    const bool suppliesMet = result.reasons[0].outcome == CheckOutcome::Pass &&
                             result.reasons[1].outcome == CheckOutcome::Pass;
    result.reasons.push_back(overdriveCheck(d, r, q.openCollector));
    // Outside their supply ranges the figures mean nothing.
    if (suppliesMet) {
        result.reasons.push_back(q.openCollector ? pullUpCheck(r) : levelCheck(d, r, true));
        result.reasons.push_back(levelCheck(d, r, false));
        result.reasons.push_back(fanOutCheck(d, r, q.openCollector, &result.fanOut));
    }
    auto any = [&](CheckOutcome o) {
        return std::any_of(result.reasons.begin(), result.reasons.end(),
                           [o](const CompatReason& x) { return x.outcome == o; });
    };
    result.verdict = any(CheckOutcome::Fail)        ? Verdict::DoesNotWork
                     : any(CheckOutcome::Unknown)   ? Verdict::CannotJudge
                     : any(CheckOutcome::Condition) ? Verdict::WorksWithCondition
                                                    : Verdict::Works;
    return result;
}

double defaultSupply(const Family& family) {
    if (family.runsAt(5))
        return 5;
    if (family.runsAt(3.3))
        return 3.3;
    const auto range = family.supplyRange();
    return range ? range->first : 5;
}

QString verdictText(Verdict verdict, Language language) {
    const bool de = language == Language::German;
    switch (verdict) {
    case Verdict::Works:
        return de ? QStringLiteral("funktioniert") : QStringLiteral("works");
    case Verdict::WorksWithCondition:
        return de ? QStringLiteral("funktioniert mit Bedingung")
                  : QStringLiteral("works with a condition");
    case Verdict::DoesNotWork:
        return de ? QStringLiteral("funktioniert nicht") : QStringLiteral("does not work");
    case Verdict::CannotJudge:
        break;
    }
    return de ? QStringLiteral("nicht zu beurteilen") : QStringLiteral("cannot judge");
}

QString formatNumber(double value, Language language) {
    // Two decimals at most, none that say nothing.
    QString s = QString::number(std::round(value * 100) / 100, 'f', 2);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    if (s == u"-0")
        s = QStringLiteral("0");
    if (language == Language::German)
        s.replace(u'.', u',');
    return s;
}

QString formatVolts(double volts, Language language) {
    return formatNumber(volts, language) + QStringLiteral(" V");
}

QString formatCurrent(double milliamperes, Language language) {
    if (std::abs(milliamperes) < 0.1)
        return formatNumber(milliamperes * 1000, language) + QStringLiteral(" µA");
    return formatNumber(milliamperes, language) + QStringLiteral(" mA");
}

} // namespace pinatlas
