#include "display/PinRoles.h"

#include <algorithm>

namespace pinatlas {

namespace {

// The names are compared by hand-written scans: every sheet shown works out
// the roles of all its pins, and compiling patterns would cost the first
// sheet more than the comparing.
bool isUpper(QChar c) {
    return c >= u'A' && c <= u'Z';
}

bool isAsciiLetter(QChar c) {
    return isUpper(c) || (c >= u'a' && c <= u'z');
}

bool isUpperOrDigit(QChar c) {
    return isUpper(c) || (c >= u'0' && c <= u'9');
}

// Where the run of digits that ends the text starts (the text's size when it
// does not end in a digit).
qsizetype trailingDigits(QStringView text) {
    qsizetype at = text.size();
    while (at > 0 && text[at - 1].isDigit())
        --at;
    return at;
}

// The text after an optional leading "/" and what follows `mark` there, when
// an ASCII letter (or, with `upperOnly`, a capital) comes next: "/1CLR" with
// digits -> "/CLR", "/nG" with "n" -> "/G". Anything else stays as it is.
QString withoutMarkBeforeLetter(const QString& text, bool digits, bool upperOnly) {
    const qsizetype from = text.startsWith(u'/') ? 1 : 0;
    qsizetype to = from;
    if (digits)
        while (to < text.size() && text[to].isDigit())
            ++to;
    else if (to < text.size() && text[to] == u'n')
        ++to;
    if (to == from || to >= text.size())
        return text;
    if (!(upperOnly ? isUpper(text[to]) : isAsciiLetter(text[to])))
        return text;
    return text.left(from) + text.mid(to);
}

// "/1CLR" -> "/CLR", "2A3" -> "A3": the unit number that tells the gates of
// one package apart.
QString withoutUnit(const QString& name) {
    return withoutMarkBeforeLetter(name, true, false);
}

// The shorter names a heading may use for the pin: "A1" -> "A" (an index),
// "/OEa" -> "/OE" (a section letter).
QStringList familiesOf(const QString& stripped) {
    QStringList out{stripped};
    const qsizetype digits = trailingDigits(stripped);
    if (digits < stripped.size() && digits > 0 && isAsciiLetter(stripped[digits - 1]))
        out << stripped.left(digits);
    const qsizetype n = stripped.size();
    if (n >= 2 && stripped[n - 1] >= u'a' && stripped[n - 1] <= u'd' &&
        isUpperOrDigit(stripped[n - 2]))
        out << stripped.left(n - 1);
    return out;
}

// A pin name and the shorter forms a heading may use for it, worked out once
// for all the headings it is compared with.
struct PinForm {
    QString name;
    QString stripped; // without the unit number
    QStringList families;
};

PinForm pinForm(const QString& pinName) {
    PinForm pin{pinName, withoutUnit(pinName), {}};
    pin.families = familiesOf(pin.stripped);
    return pin;
}

// One token of a heading or cell with what it says whatever the pin: tables
// compare every heading with every pin.
struct TokenForm {
    QString token;
    // "QA-QH", "A..H", "Q1-Q7", "QD-QA", "Y-Z": the ends' common start and
    // what differs.
    bool range = false;
    QString prefix, ra, rb;
    bool okA = false, okB = false;
    int na = 0, nb = 0;
    // "DCBA": at least three consecutive capitals, one step apart each.
    bool consecutive = false;
    // "/nG" -> "/G": the token with an any-unit placeholder taken out.
    QString anyUnit;
    // "Dn", "Qx", "I0x": what comes before an index or section placeholder.
    bool hasIndexStem = false;
    QString indexStem;
};

TokenForm tokenForm(const QString& token) {
    TokenForm t;
    t.token = token;
    // The first "-" or ".." with something on both sides.
    qsizetype dash = 1, dashSize = 0;
    for (; dash < token.size(); ++dash) {
        if (token[dash] == u'-' && dash + 1 < token.size())
            dashSize = 1;
        else if (token[dash] == u'.' && dash + 2 < token.size() && token[dash + 1] == u'.')
            dashSize = 2;
        if (dashSize)
            break;
    }
    if (dashSize) {
        const QString a = token.left(dash);
        const QString b = token.mid(dash + dashSize);
        int common = 0;
        while (common < a.size() && common < b.size() && a[common] == b[common])
            ++common;
        t.range = true;
        t.prefix = a.left(common);
        t.ra = a.mid(common);
        t.rb = b.mid(common);
        t.na = t.ra.toInt(&t.okA);
        t.nb = t.rb.toInt(&t.okB);
    }
    if (token.size() >= 3) {
        bool consecutive = true;
        for (int i = 1; i < token.size(); ++i)
            consecutive = consecutive && isUpper(token[i]) && isUpper(token[i - 1]) &&
                          std::abs(token[i].unicode() - token[i - 1].unicode()) == 1 &&
                          (i < 2 || (token[i].unicode() - token[i - 1].unicode()) ==
                                        (token[i - 1].unicode() - token[i - 2].unicode()));
        t.consecutive = consecutive;
    }
    t.anyUnit = withoutMarkBeforeLetter(token, false, true);
    const qsizetype n = t.anyUnit.size();
    if (n >= 2 && (t.anyUnit[n - 1] == u'n' || t.anyUnit[n - 1] == u'x') &&
        isUpperOrDigit(t.anyUnit[n - 2])) {
        t.hasIndexStem = true;
        t.indexStem = t.anyUnit.left(n - 1);
    }
    return t;
}

// Whether the range token covers the unit-less name.
bool rangeNames(const TokenForm& t, const QString& name) {
    if (!t.range || !name.startsWith(t.prefix) || t.ra.isEmpty() || t.rb.isEmpty())
        return false;
    const QString rest = name.mid(t.prefix.size());
    if (t.ra.size() == 1 && t.rb.size() == 1 && rest.size() == 1 && t.ra[0].isLetter() &&
        t.rb[0].isLetter())
        return rest[0] >= std::min(t.ra[0], t.rb[0]) && rest[0] <= std::max(t.ra[0], t.rb[0]);
    bool okN = false;
    const int n = rest.toInt(&okN);
    return t.okA && t.okB && okN && !rest.startsWith(u'+') && n >= std::min(t.na, t.nb) &&
           n <= std::max(t.na, t.nb);
}

bool tokenNames(const TokenForm& t, const PinForm& pin, bool placeholders) {
    const QString& token = t.token;
    if (token == pin.name || pin.families.contains(token) || rangeNames(t, pin.stripped) ||
        rangeNames(t, pin.name))
        return true;
    // "DCBA": inputs named by consecutive letters run together.
    if (t.consecutive && pin.stripped.size() == 1 && token.contains(pin.stripped[0]))
        return true;
    if (!placeholders)
        return false;
    // "/nG", "nY": any unit; "Dn", "Qx", "I0x": any index or section.
    if (t.anyUnit != token && pin.families.contains(t.anyUnit))
        return true;
    if (!t.hasIndexStem || !pin.stripped.startsWith(t.indexStem))
        return false;
    // An index or a section letter.
    const QStringView rest = QStringView(pin.stripped).mid(t.indexStem.size());
    if (rest.size() == 1 &&
        ((rest[0] >= u'A' && rest[0] <= u'D') || (rest[0] >= u'a' && rest[0] <= u'd')))
        return true;
    return !rest.isEmpty() && trailingDigits(rest) == 0;
}

// A cell or heading cut into the tokens its names are compared by.
struct CellForm {
    QString whole;
    QList<TokenForm> tokens;
};

CellForm cellForm(const QString& cell) {
    CellForm c{cell.trimmed(), {}};
    const auto separates = [](QChar ch) {
        return ch.isSpace() || ch == u',' || ch == u':' || ch == u'\u00B7' || ch == u'(' ||
               ch == u')';
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i <= c.whole.size(); ++i) {
        if (i < c.whole.size() && !separates(c.whole[i]))
            continue;
        if (i > start)
            c.tokens << tokenForm(c.whole.mid(start, i - start));
        start = i + 1;
    }
    return c;
}

bool namesPin(const CellForm& cell, const PinForm& pin, bool placeholders) {
    if (pin.name.trimmed().isEmpty() || cell.whole.isEmpty())
        return false;
    if (cell.whole == pin.name)
        return true;
    return std::any_of(cell.tokens.begin(), cell.tokens.end(),
                       [&](const TokenForm& t) { return tokenNames(t, pin, placeholders); });
}

OutputStage stageOf(const QString& outputType) {
    const QString t = outputType.trimmed();
    if (t.startsWith(QStringLiteral("OC")))
        return OutputStage::OpenCollector;
    if (t.startsWith(QStringLiteral("OD")))
        return OutputStage::OpenDrain;
    if (t.startsWith(QStringLiteral("Tri"), Qt::CaseInsensitive))
        return OutputStage::ThreeState;
    if (t.startsWith(QStringLiteral("Other"), Qt::CaseInsensitive))
        return OutputStage::Other;
    return OutputStage::PushPull;
}

bool columnHolds(const Datasheet& s, int column, const QStringList& entries) {
    for (int r = 2; r <= s.functionRows && r <= s.functionCells.rows(); ++r)
        for (const QString& e : entries)
            if (s.functionCells.at(column, r).contains(e))
                return true;
    return false;
}

bool english(Language language) {
    return language == Language::English;
}

} // namespace

bool cellNamesPin(const QString& cell, const QString& pinName) {
    return namesPin(cellForm(cell), pinForm(pinName), true);
}

QList<PinRole> pinRoles(const Datasheet& sheet, const QStringList& comment) {
    const int n = std::clamp(int(sheet.pinCount), 0, kMaxPins);
    QList<PinRole> roles(n);
    const bool table =
        sheet.hasFunctionTable && sheet.functionRows >= 1 && sheet.functionCells.rows() >= 1;
    const int columns = table ? std::min(sheet.functionColumns, sheet.functionCells.columns()) : 0;
    const int inputs = std::clamp(int(sheet.functionInputColumns), 0, columns);
    const OutputStage stage = stageOf(sheet.outputType);
    // A tri-state sheet whose table shows Z in some output column: the
    // outputs never shown as Z (a cascade output, say) are ordinary ones.
    bool zShown = false;
    for (int c = inputs + 1; c <= columns; ++c)
        zShown = zShown || columnHolds(sheet, c, {QStringLiteral("Z")});
    const QString described =
        (QStringList{sheet.descriptionDe, sheet.descriptionEn} + comment).join(u'\n');
    const bool schmitt = described.contains(QStringLiteral("schmitt"), Qt::CaseInsensitive) ||
                         described.contains(QStringLiteral("hysteres"), Qt::CaseInsensitive);

    // The headings and what they allow are the same for every pin.
    QList<CellForm> headings;
    QList<bool> placeholders;
    for (int c = 1; c <= columns; ++c) {
        const QString heading = sheet.functionCells.at(c, 1);
        headings << cellForm(heading);
        // "Cn" beside "Cn+1" numbers carry pins in and out alike: which
        // pin is which, the heading does not say.
        const QString carried = heading.trimmed() + u'+';
        bool allowed = true;
        for (int o = 1; o <= columns; ++o)
            allowed = allowed && !sheet.functionCells.at(o, 1).startsWith(carried);
        placeholders << allowed;
    }

    for (int pin = 1; pin <= n; ++pin) {
        PinRole& role = roles[pin - 1];
        const QString name = sheet.pinName(pin).trimmed();
        role.activeLow = name.startsWith(u'/');
        static const QStringList supplies{"VCC", "VDD", "GND", "VSS", "VEE"};
        if (supplies.contains(name, Qt::CaseInsensitive)) {
            role.kind = PinKind::Supply;
            continue;
        }
        if (name.compare(QStringLiteral("NC"), Qt::CaseInsensitive) == 0) {
            role.kind = PinKind::NotConnected;
            continue;
        }
        bool input = false, output = false, clock = false, zColumn = false;
        const PinForm pinName = pinForm(name);
        for (int c = 1; c <= columns; ++c) {
            if (!namesPin(headings[c - 1], pinName, placeholders[c - 1]))
                continue;
            role.columns << c;
            if (c <= inputs) {
                input = true;
                clock =
                    clock || columnHolds(sheet, c, {QStringLiteral("L>H"), QStringLiteral("H>L")});
            } else {
                output = true;
                zColumn = zColumn || columnHolds(sheet, c, {QStringLiteral("Z")});
            }
        }
        role.kind = input && output ? PinKind::InputOutput
                    : input         ? PinKind::Input
                    : output        ? PinKind::Output
                                    : PinKind::Unknown;
        role.clock = clock;
        role.schmitt = input && schmitt;
        if (output)
            role.stage = stage == OutputStage::ThreeState && zShown && !zColumn
                             ? OutputStage::PushPull
                             : stage;
    }
    return roles;
}

QList<PinMark> pinMarks(const PinRole& role) {
    QList<PinMark> marks;
    if (role.schmitt)
        marks << PinMark::Schmitt;
    if (role.isOutput() &&
        (role.stage == OutputStage::OpenCollector || role.stage == OutputStage::OpenDrain))
        marks << PinMark::OpenCollector;
    if (role.isOutput() && role.stage == OutputStage::ThreeState)
        marks << PinMark::ThreeState;
    if (role.clock)
        marks << PinMark::Clock;
    if (role.activeLow)
        marks << PinMark::ActiveLow;
    return marks;
}

QString pinMarkSymbol(PinMark mark, bool ascii, bool pointsLeft) {
    switch (mark) {
    case PinMark::Schmitt:
        return ascii ? QStringLiteral("S") : QStringLiteral("⎎");
    case PinMark::OpenCollector:
        return ascii ? QStringLiteral("<>") : QStringLiteral("◇");
    case PinMark::ThreeState:
        return ascii ? QStringLiteral("V") : QStringLiteral("▽");
    case PinMark::Clock:
        if (pointsLeft)
            return ascii ? QStringLiteral("<") : QStringLiteral("◁");
        return ascii ? QStringLiteral(">") : QStringLiteral("▷");
    case PinMark::ActiveLow:
        return ascii ? QStringLiteral("o") : QStringLiteral("○");
    }
    return {};
}

QString pinMarkName(PinMark mark, Language language) {
    const bool en = english(language);
    switch (mark) {
    case PinMark::Schmitt:
        return en ? QStringLiteral("Schmitt-trigger input")
                  : QStringLiteral("Schmitt-Trigger-Eingang");
    case PinMark::OpenCollector:
        return en ? QStringLiteral("open collector/drain")
                  : QStringLiteral("offener Kollektor/Drain");
    case PinMark::ThreeState:
        return en ? QStringLiteral("3-state output") : QStringLiteral("Tri-state-Ausgang");
    case PinMark::Clock:
        return en ? QStringLiteral("clock") : QStringLiteral("Takt");
    case PinMark::ActiveLow:
        return en ? QStringLiteral("active low") : QStringLiteral("low-aktiv");
    }
    return {};
}

QString pinMarkLegend(const QList<PinMark>& marks, Language language, bool ascii) {
    QStringList parts;
    for (PinMark mark : marks)
        parts << pinMarkSymbol(mark, ascii) + u' ' + pinMarkName(mark, language);
    return parts.join(QStringLiteral("   "));
}

QString pinRoleText(const PinRole& role, Language language) {
    const bool en = english(language);
    QStringList parts;
    switch (role.kind) {
    case PinKind::Unknown:
        return en ? QStringLiteral("role unknown") : QStringLiteral("Rolle unbekannt");
    case PinKind::Supply:
        return en ? QStringLiteral("supply") : QStringLiteral("Versorgung");
    case PinKind::NotConnected:
        return en ? QStringLiteral("not connected") : QStringLiteral("nicht angeschlossen");
    case PinKind::Input:
        parts << (en ? QStringLiteral("input") : QStringLiteral("Eingang"));
        break;
    case PinKind::Output:
        parts << (en ? QStringLiteral("output") : QStringLiteral("Ausgang"));
        break;
    case PinKind::InputOutput:
        parts << (en ? QStringLiteral("input/output") : QStringLiteral("Ein-/Ausgang"));
        break;
    }
    if (role.isOutput()) {
        switch (role.stage) {
        case OutputStage::PushPull:
            break;
        case OutputStage::OpenCollector:
            parts << (en ? QStringLiteral("open collector") : QStringLiteral("offener Kollektor"));
            break;
        case OutputStage::OpenDrain:
            parts << (en ? QStringLiteral("open drain") : QStringLiteral("offener Drain"));
            break;
        case OutputStage::ThreeState:
            parts << (en ? QStringLiteral("3-state") : QStringLiteral("Tri-state"));
            break;
        case OutputStage::Other:
            parts << (en ? QStringLiteral("other output type")
                         : QStringLiteral("anderer Ausgangstyp"));
            break;
        }
    }
    if (role.activeLow)
        parts << pinMarkName(PinMark::ActiveLow, language);
    if (role.clock)
        parts << pinMarkName(PinMark::Clock, language);
    if (role.schmitt)
        parts << (en ? QStringLiteral("Schmitt trigger") : QStringLiteral("Schmitt-Trigger"));
    return parts.join(QStringLiteral(", "));
}

QString pinColumnText(const Datasheet& sheet, const PinRole& role) {
    QStringList headings;
    for (int c : role.columns)
        headings << sheet.functionCells.at(c, 1).trimmed();
    return headings.join(QStringLiteral(", "));
}

QString pinDescription(const Datasheet& sheet, const QList<PinRole>& roles, int pin,
                       Language language) {
    if (pin < 1 || pin > roles.size())
        return {};
    const PinRole& role = roles[pin - 1];
    QString text = pinRoleText(role, language);
    const QString headings = pinColumnText(sheet, role);
    if (!headings.isEmpty())
        text += (english(language) ? QStringLiteral("; function table column %1")
                                   : QStringLiteral("; Spalte %1 der Funktionstabelle"))
                    .arg(headings);
    return text;
}

QList<int> extraRowsNamingPin(const Datasheet& sheet, int pin) {
    QList<int> rows;
    if (!sheet.hasExtraTable)
        return rows;
    const PinForm name = pinForm(sheet.pinName(pin).trimmed());
    const int columns = std::min(sheet.extraColumns, sheet.extraCells.columns());
    const int count = std::min(int(sheet.extraRows), sheet.extraCells.rows());
    for (int r = 1; r <= count; ++r)
        for (int c = 1; c <= columns; ++c)
            if (namesPin(cellForm(sheet.extraCells.at(c, r)), name, false)) {
                rows << r;
                break;
            }
    return rows;
}

} // namespace pinatlas
