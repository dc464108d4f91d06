#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace pinatlas {

// The pages of the datasheet wizard, and where the flow ends.
enum class WizardPage { D1, D2, D3, D4, D5, Finish, None };

// The three options of the first page, as they stand at the moment of a move.
struct WizardOptions {
    bool comments = false;      // N_EB
    bool functionTable = false; // N_FTab
    bool extraTable = false;    // N_ZTab
};

WizardPage nextPage(WizardPage from, WizardOptions options);
// None from the first page, whose back button is disabled.
WizardPage previousPage(WizardPage from, WizardOptions options);

// The leading decimal number of a text, 0 when there is none; blanks before it
// are skipped, as the count boxes of the table pages read their texts.
double leadingNumberAfterBlanks(const QString& text);

// The character test of the column boxes: a text that compares below "0" or
// above "9" by character codes is no count.
bool looksLikeCount(const QString& text);

// The column-count rule of the table pages for the texts of the count boxes.
struct ColumnDecision {
    bool apply = false; // set the grid to `columns`
    bool beep = false;
    int columns = 0;
};
ColumnDecision columnDecision(const QString& changed, double total);

// The row-count rule: the grid's rows, and whether the box must read "50".
struct RowDecision {
    int rows = 2;
    bool tooMany = false; // beep and correct the box to "50"
};
RowDecision rowDecision(const QString& text);

inline constexpr int kMinTableRows = 2;
inline constexpr int kMaxTableRows = 50;
inline constexpr int kMaxTableColumns = 50;

// Width in twips of a table column whose longest text has `length` characters.
int columnWidthTwips(qint64 length);

// What a key press does to the current cell of a table page's grid.
enum class CellKey { Copy, Paste, Cut, Enter, Backspace, Append };
CellKey cellKey(QChar code);

// The grid's next current cell on Enter; unchanged on the last cell.
struct CellPos {
    int row = 0;
    int column = 0;
    bool operator==(const CellPos&) const = default;
};
CellPos cellAfterEnter(CellPos at, int rows, int columns);

// The number columns beside the pin boxes: pins 1 to n/2 on the left from the
// top, n down to n/2 + 1 on the right, each line " k" and CR LF.
QString leftPinNumbers(int pins);
QString rightPinNumbers(int pins);

// A comment line that would end its section when read back; -1 when none.
int firstKeyLikeLine(const QString& comment);

} // namespace pinatlas
