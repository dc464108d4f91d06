#pragma once

#include "families/FamilyTable.h"
#include "shared/Language.h"

#include <QString>

#include <vector>

namespace pinatlas {

enum class Verdict { Works, WorksWithCondition, DoesNotWork, CannotJudge };

enum class CheckOutcome { Pass, Condition, Fail, Unknown };

struct CompatReason {
    CheckOutcome outcome = CheckOutcome::Pass;
    QString de;
    QString en;
    const QString& text(Language language) const { return language == Language::German ? de : en; }
};

struct CompatQuery {
    const Family* driver = nullptr;
    double driverSupply = 5;
    const Family* receiver = nullptr;
    double receiverSupply = 5;
    // The driver's outputs only pull low; the high level comes from a
    // pull-up resistor to the receiver's supply.
    bool openCollector = false;
};

struct CompatResult {
    Verdict verdict = Verdict::CannotJudge;
    std::vector<CompatReason> reasons; // every check, in a fixed order
    int fanOut = -1;                   // -1 when it cannot be judged
};

// Decides from the table whether an output of the driver family can drive
// inputs of the receiver family: both supplies in range, the receiver's
// inputs not overdriven, VOH >= VIH and VOL <= VIL with the margins named,
// and how many inputs one output carries. A check short of a figure cannot
// judge; the verdict is the worst outcome: a failed check, then one that
// cannot judge, then a condition.
CompatResult judgeCompatibility(const CompatQuery& query);

// The supply a family is judged at when none is given: 5 V where it runs
// there, else 3.3 V, else the bottom of its range.
double defaultSupply(const Family& family);

QString verdictText(Verdict verdict, Language language);

// Volts, milliamperes (microamperes below 0.1 mA) and plain numbers as the
// language writes them: "2.7 V" / "2,7 V".
QString formatVolts(double volts, Language language);
QString formatCurrent(double milliamperes, Language language);
QString formatNumber(double value, Language language);

} // namespace pinatlas
