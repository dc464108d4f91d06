#include "library/TextInput.h"

#include "library/Cp1252.h"

#include <cmath>

namespace pinatlas {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

TextInput::TextInput(QByteArray bytes) : m_bytes(std::move(bytes)) {}

bool TextInput::consumeLineEnd() {
    if (m_pos >= m_bytes.size())
        return false;
    const char c = m_bytes[m_pos];
    if (c == '\r') {
        ++m_pos;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
            ++m_pos;
    } else if (c == '\n') {
        ++m_pos;
    } else {
        return false;
    }
    ++m_line;
    return true;
}

std::optional<QString> TextInput::readLine() {
    if (atEnd())
        return std::nullopt;
    const qsizetype start = m_pos;
    const qsizetype size = m_bytes.size();
    while (m_pos < size && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n')
        ++m_pos;
    QString line = decodeCp1252(QByteArrayView(m_bytes).sliced(start, m_pos - start));
    consumeLineEnd();
    return line;
}

std::optional<QString> TextInput::readField() {
    const qsizetype size = m_bytes.size();
    while (m_pos < size && isBlank(m_bytes[m_pos]))
        ++m_pos;
    if (m_pos >= size)
        return std::nullopt;

    if (m_bytes[m_pos] == '"') {
        const qsizetype start = ++m_pos;
        while (m_pos < size && m_bytes[m_pos] != '"') {
            if (m_bytes[m_pos] == '\r' || m_bytes[m_pos] == '\n') {
                // Count the line without losing the break from the field.
                const bool crlf =
                    m_bytes[m_pos] == '\r' && m_pos + 1 < size && m_bytes[m_pos + 1] == '\n';
                m_pos += crlf ? 2 : 1;
                ++m_line;
            } else {
                ++m_pos;
            }
        }
        if (m_pos >= size)
            return std::nullopt;
        QString field = decodeCp1252(QByteArrayView(m_bytes).sliced(start, m_pos - start));
        ++m_pos; // closing quote
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (m_pos < size && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r' &&
               m_bytes[m_pos] != '\n')
            ++m_pos;
        if (m_pos < size && m_bytes[m_pos] == ',')
            ++m_pos;
        else
            consumeLineEnd();
        return field;
    }

    const qsizetype start = m_pos;
    while (m_pos < size && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\r' &&
           m_bytes[m_pos] != '\n')
        ++m_pos;
    QString field = decodeCp1252(QByteArrayView(m_bytes).sliced(start, m_pos - start));
    if (m_pos < size && m_bytes[m_pos] == ',')
        ++m_pos;
    else
        consumeLineEnd();
    return field;
}

std::optional<double> TextInput::readNumber() {
    const auto field = readField();
    if (!field)
        return std::nullopt;
    return parseListNumber(*field);
}

std::optional<double> parseListNumber(QStringView field) {
    const QStringView s = field.trimmed();
    qsizetype i = 0;
    const qsizetype n = s.size();
    auto digitAt = [&](qsizetype k) { return k < n && s[k] >= u'0' && s[k] <= u'9'; };
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (digitAt(i)) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == u'.') {
        ++i;
        while (digitAt(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    QString text = s.left(i).toString();
    if (i < n && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        if (!digitAt(j))
            return std::nullopt;
        while (digitAt(j))
            ++j;
        text += u'e';
        text += s.sliced(i + 1, j - i - 1);
        i = j;
    }
    if (i != n)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace pinatlas
