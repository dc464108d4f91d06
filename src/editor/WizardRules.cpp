#include "editor/WizardRules.h"

#include "library/Extent.h"
#include "library/RoundHalfEven.h"

#include <QRegularExpression>

namespace pinatlas {

WizardPage nextPage(WizardPage from, WizardOptions o) {
    switch (from) {
    case WizardPage::D1:
        return WizardPage::D2;
    case WizardPage::D2:
        if (o.comments)
            return WizardPage::D3;
        [[fallthrough]];
    case WizardPage::D3:
        if (o.functionTable)
            return WizardPage::D4;
        [[fallthrough]];
    case WizardPage::D4:
        if (o.extraTable)
            return WizardPage::D5;
        [[fallthrough]];
    case WizardPage::D5:
        return WizardPage::Finish;
    default:
        return WizardPage::None;
    }
}

WizardPage previousPage(WizardPage from, WizardOptions o) {
    switch (from) {
    case WizardPage::D5:
        if (o.functionTable)
            return WizardPage::D4;
        [[fallthrough]];
    case WizardPage::D4:
        if (o.comments)
            return WizardPage::D3;
        [[fallthrough]];
    case WizardPage::D3:
        return WizardPage::D2;
    case WizardPage::D2:
        return WizardPage::D1;
    default:
        return WizardPage::None;
    }
}

double leadingNumberAfterBlanks(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i].isDigit() && text[i].unicode() < 0x80)
        ++i;
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 0x80)
            ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && text[digitsStart] == u'.'))
        return 0;
    return text.mid(start, i - start).toDouble();
}

bool looksLikeCount(const QString& text) {
    return !(QString::compare(text, QStringLiteral("9")) > 0 ||
             QString::compare(text, QStringLiteral("0")) < 0);
}

ColumnDecision columnDecision(const QString& changed, double total) {
    if (!looksLikeCount(changed))
        return {false, !changed.isEmpty(), 0};
    if (total < 1 || total > kMaxTableColumns)
        return {false, true, 0};
    return {true, false, roundHalfEven(total)};
}

RowDecision rowDecision(const QString& text) {
    const double x = leadingNumberAfterBlanks(text);
    if (x > kMaxTableRows)
        return {kMaxTableRows, true};
    if (x < kMinTableRows)
        return {kMinTableRows, false};
    return {roundHalfEven(x), false};
}

int columnWidthTwips(qint64 length) {
    return clampExtent(105 * qMax<qint64>(length, 4) + 90);
}

CellKey cellKey(QChar code) {
    switch (code.unicode()) {
    case 3:
        return CellKey::Copy;
    case 22:
        return CellKey::Paste;
    case 24:
        return CellKey::Cut;
    case 13:
        return CellKey::Enter;
    case 8:
        return CellKey::Backspace;
    default:
        return CellKey::Append;
    }
}

CellPos cellAfterEnter(CellPos at, int rows, int columns) {
    if (at.column + 1 < columns)
        return {at.row, at.column + 1};
    if (at.row + 1 < rows)
        return {at.row + 1, 0};
    return at;
}

QString leftPinNumbers(int pins) {
    QString out;
    for (int i = 1; i <= pins / 2; ++i)
        out += u' ' + QString::number(i) + QStringLiteral("\r\n");
    return out;
}

QString rightPinNumbers(int pins) {
    QString out;
    for (int i = pins; i >= pins / 2 + 1; --i)
        out += u' ' + QString::number(i) + QStringLiteral("\r\n");
    return out;
}

int firstKeyLikeLine(const QString& comment) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = comment.split(breaks);
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(u'\''))
            return i;
    return -1;
}

} // namespace pinatlas
