#pragma once

#include "library/Datasheet.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtCore/qnamespace.h>

namespace pinatlas {

// The pages of the datasheet wizard in their order, and where the flow ends.
enum class WizardPage { General, Pinout, Comments, FunctionTable, ExtraTable, Finish, None };
inline constexpr int kWizardPages = 5;

// The three options of the first page, as they stand at the moment of a move.
struct WizardOptions {
    bool comments = false;      // N_EB
    bool functionTable = false; // N_FTab
    bool extraTable = false;    // N_ZTab
};

WizardPage nextPage(WizardPage from, WizardOptions options);
// None from the first page, whose back button is disabled.
WizardPage previousPage(WizardPage from, WizardOptions options);

// Why the pages cannot hold a sheet for editing: its pin count is not one the
// pin page offers, or a table is larger than a table page edits.
enum class EditObstacle { None, PinCount, TableSize };
EditObstacle editObstacle(const Datasheet& sheet);

// The leading decimal number of a text, 0 when there is none; blanks before it
// are skipped, as the count boxes of the table pages read their texts.
double leadingNumberAfterBlanks(const QString& text);

// The character test of the column boxes: a text that compares below "0" or
// above "9" by character codes is no count.
bool looksLikeCount(const QString& text);

// What a change of a column box does to a table page's grid.
struct ColumnDecision {
    bool apply = false; // set the grid to `columns`
    bool beep = false;
    int columns = 0;
    int inputColumns = 0; // of the function table: how many of `columns` are inputs
    bool operator==(const ColumnDecision&) const = default;
};
// `changed` is the text of the box just edited, one of `inputs` and `outputs`.
ColumnDecision functionColumnDecision(const QString& changed, const QString& inputs,
                                      const QString& outputs);
ColumnDecision extraColumnDecision(const QString& columns);

// The row-count rule: the grid's rows, and whether the box must read "50".
struct RowDecision {
    int rows = 2;
    bool tooMany = false; // beep and correct the box to "50"
    bool operator==(const RowDecision&) const = default;
};
RowDecision rowDecision(const QString& text);

inline constexpr int kMinTableRows = 2;
inline constexpr int kMaxTableRows = 50;
inline constexpr int kMaxTableColumns = 50;

// Width in twips of a table column whose longest text has `length` characters.
int columnWidthTwips(qint64 length);

// The width of a caption standing over the columns [first, end) of `widths`.
// Columns narrower than the caption `needs` would shrink its font: the last of
// them widens by the difference instead.
int widthUnderCaption(QList<int>& widths, int first, int end, int needs);

// The characters a key press types into a grid cell: Ctrl with a letter gives
// its control code, Enter 13, Backspace 8, Escape 27; keys that only move the
// current cell or the focus give none.
QString typedCharacters(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// What a typed character does to the current cell of a table page's grid.
enum class CellKey { Copy, Paste, Cut, Enter, Backspace, Append };
CellKey cellKey(QChar code);
// The cell's text after `key`; Copy and Enter leave it as it is.
QString cellTextAfter(CellKey key, QChar code, const QString& text, const QString& clipboard);

// The grid's next current cell on Enter; unchanged on the last cell.
struct CellPos {
    int row = 0;
    int column = 0;
    bool operator==(const CellPos&) const = default;
};
CellPos cellAfterEnter(CellPos at, int rows, int columns);

inline constexpr int kPinBoxesPerSide = kMaxPins / 2;

// The pin count a value of the pin page's scroll bar stands for: an odd value
// (a dragged thumb can stop there) goes up to the next even one, at most `maximum`.
int evenPinCount(int value, int maximum);

// A name box of the pin page: the left column holds pins 1 to n/2 from the
// top, the right one pins n down to n/2 + 1; rows count from 0.
enum class PinSide { Left, Right, None };
struct PinBox {
    PinSide side = PinSide::None;
    int row = 0;
    bool operator==(const PinBox&) const = default;
};
PinBox pinBox(int pin, int pins);
// Enter walks down the left column, then down the right one, then off the
// boxes (side None) to the back button.
PinBox pinBoxAfterEnter(PinBox at, int pins);

// The number columns beside the pin boxes, each line " k" and CR LF.
QString leftPinNumbers(int pins);
QString rightPinNumbers(int pins);

// A comment line that would end its section when read back; -1 when none.
int firstKeyLikeLine(const QString& comment);

} // namespace pinatlas
