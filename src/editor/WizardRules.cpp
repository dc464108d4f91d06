#include "editor/WizardRules.h"

#include "library/Extent.h"
#include "library/RoundHalfEven.h"
#include "library/TextInput.h"

#include <QRegularExpression>

namespace pinatlas {

WizardPage nextPage(WizardPage from, WizardOptions o) {
    switch (from) {
    case WizardPage::General:
        return WizardPage::Pinout;
    case WizardPage::Pinout:
        if (o.comments)
            return WizardPage::Comments;
        [[fallthrough]];
    case WizardPage::Comments:
        if (o.functionTable)
            return WizardPage::FunctionTable;
        [[fallthrough]];
    case WizardPage::FunctionTable:
        if (o.extraTable)
            return WizardPage::ExtraTable;
        [[fallthrough]];
    case WizardPage::ExtraTable:
        return WizardPage::Finish;
    default:
        return WizardPage::None;
    }
}

WizardPage previousPage(WizardPage from, WizardOptions o) {
    switch (from) {
    case WizardPage::ExtraTable:
        if (o.functionTable)
            return WizardPage::FunctionTable;
        [[fallthrough]];
    case WizardPage::FunctionTable:
        if (o.comments)
            return WizardPage::Comments;
        [[fallthrough]];
    case WizardPage::Comments:
        return WizardPage::Pinout;
    case WizardPage::Pinout:
        return WizardPage::General;
    default:
        return WizardPage::None;
    }
}

EditObstacle editObstacle(const Datasheet& s) {
    if (s.pinCount < 2 || s.pinCount > 2 * kPinBoxesPerSide || s.pinCount % 2 != 0)
        return EditObstacle::PinCount;
    const auto tooBig = [](bool present, int columns, int rows) {
        return present && (columns > kMaxTableColumns || rows > kMaxTableRows);
    };
    if (tooBig(s.hasFunctionTable, s.functionColumns, s.functionRows) ||
        tooBig(s.hasExtraTable, s.extraColumns, s.extraRows))
        return EditObstacle::TableSize;
    return EditObstacle::None;
}

double leadingNumberAfterBlanks(const QString& text) {
    return readDecimalNumber(text, {.blanks = NumberRules::Blanks::Before,
                                    .exponent = false,
                                    .wholeText = false,
                                    .saturate = true})
        .value_or(0.0);
}

bool looksLikeCount(const QString& text) {
    return !(QString::compare(text, QStringLiteral("9")) > 0 ||
             QString::compare(text, QStringLiteral("0")) < 0);
}

namespace {

ColumnDecision columnDecision(const QString& changed, double total) {
    if (!looksLikeCount(changed))
        return {false, !changed.isEmpty(), 0};
    if (total < 1 || total > kMaxTableColumns)
        return {false, true, 0};
    return {true, false, roundHalfEven(total)};
}

} // namespace

ColumnDecision functionColumnDecision(const QString& changed, const QString& inputs,
                                      const QString& outputs) {
    const double in = leadingNumberAfterBlanks(inputs);
    ColumnDecision decision = columnDecision(changed, in + leadingNumberAfterBlanks(outputs));
    if (decision.apply)
        decision.inputColumns = qBound(0, roundHalfEven(in), decision.columns);
    return decision;
}

ColumnDecision extraColumnDecision(const QString& columns) {
    return columnDecision(columns, leadingNumberAfterBlanks(columns));
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

int widthUnderCaption(QList<int>& widths, int first, int end, int needs) {
    int width = 0;
    for (int column = first; column < end; ++column)
        width += widths[column];
    if (end > first && width < needs) {
        widths[end - 1] += needs - width;
        width = needs;
    }
    return width;
}

QString typedCharacters(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return QString(QChar(char16_t(key - Qt::Key_A + 1)));
        return {};
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(char16_t(13)));
    case Qt::Key_Backspace:
        return QString(QChar(char16_t(8)));
    case Qt::Key_Escape:
        return QString(QChar(char16_t(27)));
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    if (text.isEmpty() || text.front().unicode() == 0x7F)
        return {};
    return text;
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

QString cellTextAfter(CellKey key, QChar code, const QString& text, const QString& clipboard) {
    switch (key) {
    case CellKey::Paste:
        return clipboard;
    case CellKey::Cut:
        return {};
    case CellKey::Backspace:
        return text.isEmpty() ? text : text.chopped(1);
    case CellKey::Append:
        return text + code;
    default:
        return text;
    }
}

CellPos cellAfterEnter(CellPos at, int rows, int columns) {
    if (at.column + 1 < columns)
        return {at.row, at.column + 1};
    if (at.row + 1 < rows)
        return {at.row + 1, 0};
    return at;
}

int evenPinCount(int value, int maximum) {
    return value % 2 == 0 ? value : qMin(value + 1, maximum);
}

PinBox pinBox(int pin, int pins) {
    if (pin < 1 || pin > pins)
        return {};
    if (pin <= pins / 2)
        return {PinSide::Left, pin - 1};
    return {PinSide::Right, pins - pin};
}

PinBox pinBoxAfterEnter(PinBox at, int pins) {
    if (at.side == PinSide::None)
        return at;
    if (at.row + 1 < pins / 2)
        return {at.side, at.row + 1};
    if (at.side == PinSide::Left)
        return {PinSide::Right, 0};
    return {};
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
