#pragma once

#include "library/Datasheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace pinatlas {

// What the wizard pages hold at the moment the user finishes, as plain values.
struct SheetContent {
    QString descriptionDe;
    QString descriptionEn;
    int pinCount = 0;
    QString outputType;
    QStringList pinNames; // pin 1 first; exactly pinCount entries are written

    bool withComments = false;
    QString commentDe; // lines joined by CR LF
    QString commentEn;

    bool withFunctionTable = false;
    int functionInputColumns = 0;
    CellTable functionCells; // its size is the size written

    // A data table the wizard cannot edit, carried over from the edited file.
    std::optional<CellTable> dataTable;

    bool withExtraTable = false;
    CellTable extraCells;
};

enum class TableKind { Function, Data, Extra };

// A cell the file format cannot hold: it needs quoting (a comma, a line break,
// a leading blank or double quote) and also holds a double quote.
struct UnwritableCell {
    TableKind table;
    int column; // from 1, as CellTable counts
    int row;
};

struct EncodedSheet {
    QByteArray bytes;
    std::optional<UnwritableCell> unwritable; // bytes are empty when set
};

// The bytes of the datasheet file, CR LF after every line.
EncodedSheet encodeDatasheet(const SheetContent& content);

// Where a text of the sheet stands, for the wizard to show it.
enum class SheetField {
    DescriptionDe,
    DescriptionEn,
    OutputType,
    PinName, // `index` is the pin
    CommentDe,
    CommentEn,
    Cell, // in `table`, at `index` (row) and `column`, both from 1
};

struct ForeignCharacter {
    char32_t character;
    SheetField field;
    int index = 0;
    int column = 0;
    TableKind table = TableKind::Function;
};

// The first character of what would be written that the code page of the files
// has no byte for (it would reach the file as '?'), and where it stands.
std::optional<ForeignCharacter> foreignCharacter(const SheetContent& content);

// A cell as it stands in a table row; empty when it cannot be written.
std::optional<QString> encodeCell(const QString& cell);

// Enters a written file into the list of changed files: each path once, in the
// order first written. A full list records nothing more; true when the path is
// in the list afterwards.
bool recordChangedFile(QStringList& files, qint16& count, const QString& path, int capacity);

} // namespace pinatlas
