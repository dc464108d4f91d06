// A sheet written by the writer reads back equal, for every cell text the
// writer accepts. The input is cut into texts at NUL bytes.
#include "library/Cp1252.h"
#include "library/DatasheetReader.h"
#include "library/DatasheetWriter.h"

#include <cstddef>
#include <cstdint>

namespace {

class Texts {
public:
    Texts(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    int byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    QString next() {
        const size_t start = m_pos;
        while (m_pos < m_size && m_data[m_pos] != 0)
            ++m_pos;
        const QString text = pinatlas::decodeCp1252(QByteArrayView(
            reinterpret_cast<const char*>(m_data + start), qsizetype(m_pos - start)));
        if (m_pos < m_size)
            ++m_pos;
        return text;
    }
    // A whole-line field cannot hold a line end.
    QString line() {
        QString t = next();
        t.remove(u'\r');
        t.remove(u'\n');
        return t;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void fill(pinatlas::CellTable& table, int columns, int rows, Texts& in) {
    table.resize(columns, rows);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            table.at(c, r) = in.next();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Texts in(data, size);
    pinatlas::SheetContent content;
    content.pinCount = 2 * (in.byte() % 21);
    const int functionColumns = 1 + in.byte() % 6;
    const int functionRows = 2 + in.byte() % 5;
    const int extraColumns = 1 + in.byte() % 6;
    const int extraRows = 2 + in.byte() % 5;
    content.descriptionDe = in.line();
    content.descriptionEn = in.line();
    content.outputType = in.line();
    for (int i = 0; i < content.pinCount; ++i)
        content.pinNames << in.line();
    content.withFunctionTable = true;
    content.functionInputColumns = functionColumns / 2;
    fill(content.functionCells, functionColumns, functionRows, in);
    content.withExtraTable = true;
    fill(content.extraCells, extraColumns, extraRows, in);

    const pinatlas::EncodedSheet encoded = pinatlas::encodeDatasheet(content);
    if (encoded.unwritable)
        return 0;
    const pinatlas::ReadResult back = pinatlas::readDatasheet(encoded.bytes, QStringLiteral("X"));
    if (!back.file)
        __builtin_trap();
    const pinatlas::Datasheet& s = back.file->sheet;
    // Texts outside the code page are written as '?', so compare what the bytes can hold.
    auto same = [](const QString& read, const QString& written) {
        return read == pinatlas::decodeCp1252(pinatlas::encodeCp1252(written));
    };
    if (!same(s.descriptionDe, content.descriptionDe) ||
        !same(s.descriptionEn, content.descriptionEn) || s.pinCount != content.pinCount ||
        !same(s.outputType, content.outputType))
        __builtin_trap();
    for (int i = 0; i < content.pinCount; ++i)
        if (!same(s.pinNames[i], content.pinNames[i]))
            __builtin_trap();
    if (!s.hasFunctionTable || !s.hasExtraTable)
        __builtin_trap();
    for (int r = 1; r <= functionRows; ++r)
        for (int c = 1; c <= functionColumns; ++c)
            if (!same(s.functionCells.at(c, r), content.functionCells.at(c, r)))
                __builtin_trap();
    for (int r = 1; r <= extraRows; ++r)
        for (int c = 1; c <= extraColumns; ++c)
            if (!same(s.extraCells.at(c, r), content.extraCells.at(c, r)))
                __builtin_trap();
    return 0;
}
