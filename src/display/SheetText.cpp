#include "display/SheetText.h"

#include "display/PackageDrawing.h"
#include "display/PinRoles.h"
#include "display/TableViews.h"

#include <algorithm>

namespace pinatlas {

namespace {

struct Pen {
    QString h, v, topLeft, topRight, bottomLeft, bottomRight, pinLeft, pinRight, notch;
};

Pen pen(bool ascii) {
    if (ascii)
        return {"-", "|", "+", "+", "+", "+", "-|", "|-", "U"};
    return {"─", "│", "┌", "┐", "└", "┘", "─┤", "├─", "U"};
}

QString package(const PinBoxes& pins, const Pen& p) {
    int nameWidth = 0;
    for (const QString& n : pins.namesL)
        nameWidth = std::max(nameWidth, int(n.size()));
    int numberWidth = 1;
    for (const QStringList* list : {&pins.numbersL, &pins.numbersR})
        for (const QString& n : *list)
            numberWidth = std::max(numberWidth, int(n.trimmed().size()));
    // " 1    16 " inside the body: the numbers with room between them.
    const int inner = 2 * numberWidth + 6;
    const QString indent(nameWidth + 2, u' ');
    const int half = (inner - 1) / 2;
    QString text = indent + p.topLeft + p.h.repeated(half) + p.notch +
                   p.h.repeated(inner - half - 1) + p.topRight + u'\n';
    for (int row = 0; row < pins.rows(); ++row) {
        const QString nameL = row < pins.namesL.size() ? pins.namesL[row] : QString();
        const QString nameR = row < pins.namesR.size() ? pins.namesR[row] : QString();
        const QString nrL = row < pins.numbersL.size() ? pins.numbersL[row].trimmed() : QString();
        const QString nrR = row < pins.numbersR.size() ? pins.numbersR[row].trimmed() : QString();
        QString line = nameL.rightJustified(nameWidth) + u' ';
        line += nrL.isEmpty() ? u' ' + p.v : p.pinLeft;
        line += u' ' + nrL.leftJustified(numberWidth) + QString(inner - 2 * numberWidth - 2, u' ') +
                nrR.rightJustified(numberWidth) + u' ';
        line += nrR.isEmpty() ? p.v : p.pinRight + u' ' + nameR;
        text += line.trimmed().isEmpty() ? QString() : line;
        // Trailing blanks would only make copies of the output messy.
        while (text.endsWith(u' '))
            text.chop(1);
        text += u'\n';
    }
    text += indent + p.bottomLeft + p.h.repeated(inner) + p.bottomRight + u'\n';
    return text;
}

QString table(const QString& heading, const GridContent& grid, const Pen& p) {
    QList<int> widths(grid.columns, 0);
    for (int r = 0; r < grid.rows; ++r)
        for (int c = 0; c < grid.columns; ++c)
            widths[c] = std::max(widths[c], int(grid.cell(r, c).size()));
    QString text = u'\n' + heading + u'\n';
    int total = 0;
    for (int w : widths)
        total += w + 2;
    for (int r = 0; r < grid.rows; ++r) {
        QString line;
        for (int c = 0; c < grid.columns; ++c) {
            const QString& cell = grid.cell(r, c);
            line += (grid.leftAligned(c) ? cell.leftJustified(widths[c])
                                         : cell.rightJustified((widths[c] + cell.size()) / 2)
                                               .leftJustified(widths[c])) +
                    QStringLiteral("  ");
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
        if (r + 1 == grid.fixedRows)
            text += p.h.repeated(std::max(total - 2, 1)) + u'\n';
    }
    return text;
}

} // namespace

QString toAscii(const QString& text) {
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.unicode() < 128)
            out += c;
        else if (c.category() == QChar::Mark_NonSpacing)
            continue;
        else if (c == u'ß')
            out += QStringLiteral("ss");
        else if (c == u'μ' || c == u'µ')
            out += u'u';
        else if (c == u'°')
            out += QStringLiteral("deg");
        else
            out += u'?';
    }
    return out;
}

QString sheetAsText(const Datasheet& sheet, const QStringList& comment, const QString& title,
                    Language language, bool ascii) {
    const Pen p = pen(ascii);
    const bool german = language == Language::German;
    QString text = title + u'\n' + p.h.repeated(int(title.size())) + QStringLiteral("\n\n");
    // The role marks stand between a name and its pin, the legend below.
    PinBoxes pins = FillPinBoxes(sheet, pinRoles(sheet, comment));
    const auto marks = [ascii](const QList<PinMark>& list, bool right) {
        QString m;
        for (PinMark mark : list)
            m = right ? pinMarkSymbol(mark, ascii, true) + m : m + pinMarkSymbol(mark, ascii);
        return m;
    };
    for (int i = 0; i < pins.marksL.size(); ++i)
        if (!pins.marksL[i].isEmpty())
            pins.namesL[i] += u' ' + marks(pins.marksL[i], false);
    for (int i = 0; i < pins.marksR.size(); ++i)
        if (!pins.marksR[i].isEmpty())
            pins.namesR[i] = marks(pins.marksR[i], true) + u' ' + pins.namesR[i];
    text += package(pins, p);
    if (!pins.legend.isEmpty())
        text += pinMarkLegend(pins.legend, language, ascii) + u'\n';
    if (!comment.isEmpty())
        text += u'\n' + comment.join(u'\n') + u'\n';
    if (sheet.hasFunctionTable) {
        const QString inputs = QStringLiteral("1-%1").arg(sheet.functionInputColumns);
        text += table(german ? QStringLiteral("Funktionstabelle (Eingänge %1)").arg(inputs)
                             : QStringLiteral("Function table (inputs %1)").arg(inputs),
                      ShowFunctionTable(sheet).grid, p);
    }
    if (sheet.hasDataTable)
        text += table(german ? QStringLiteral("Datentabelle") : QStringLiteral("Data table"),
                      ShowDataTable(sheet, language), p);
    if (sheet.hasExtraTable)
        text += table(german ? QStringLiteral("Zusatztabelle") : QStringLiteral("Extra table"),
                      ShowExtraTable(sheet), p);
    return ascii ? toAscii(text) : text;
}

} // namespace pinatlas
