#include "library/TextInput.h"

#include "library/Cp1252.h"

#include <charconv>
#include <limits>
#include <string>

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

std::optional<double> readDecimalNumber(QStringView text, NumberRules rules) {
    using Blanks = NumberRules::Blanks;
    if (rules.blanks == Blanks::Around)
        text = text.trimmed();
    qsizetype from = 0;
    if (rules.blanks == Blanks::Before)
        while (from < text.size() && (text[from] == u' ' || text[from] == u'\t'))
            ++from;
    // As ASCII for from_chars; any other character ends the number.
    std::string s;
    s.reserve(text.size() - from);
    for (QChar c : text.sliced(from))
        if (rules.blanks != Blanks::Anywhere || (c != u' ' && c != u'\t' && c != u'\n'))
            s += c.unicode() < 0x80 ? char(c.unicode()) : '\x7f';

    size_t i = 0;
    const size_t n = s.size();
    auto isDigit = [&](size_t k) { return k < n && s[k] >= '0' && s[k] <= '9'; };
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    // The mantissa's digits without the point, and where the point stood.
    std::string digits;
    long long pointShift = 0;
    while (isDigit(i))
        digits += s[i++];
    if (i < n && s[i] == '.') {
        ++i;
        while (isDigit(i)) {
            digits += s[i++];
            --pointShift;
        }
    }
    if (digits.empty())
        return std::nullopt;
    long long exponent = 0;
    if (rules.exponent && i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        const bool expNegative = j < n && s[j] == '-';
        if (j < n && (s[j] == '+' || s[j] == '-'))
            ++j;
        // Without digits the letter is not part of the number.
        if (isDigit(j)) {
            // Saturate: an exponent this large says infinity or zero either way.
            constexpr long long kHuge = 1'000'000'000;
            while (isDigit(j))
                exponent = std::min(kHuge, exponent * 10 + (s[j++] - '0'));
            if (expNegative)
                exponent = -exponent;
            i = j;
        }
    }
    if (rules.wholeText && i != n)
        return std::nullopt;

    const size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return negative ? -0.0 : 0.0;
    digits.erase(0, firstNonZero);
    const long long scale = exponent + pointShift;
    double value = 0.0;
    const std::string literal = digits + 'e' + std::to_string(scale);
    if (std::from_chars(literal.data(), literal.data() + literal.size(), value).ec ==
        std::errc::result_out_of_range) {
        // Too large or too small for a double.
        if (!rules.saturate)
            return std::nullopt;
        const long long magnitude = scale + static_cast<long long>(digits.size());
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace pinatlas
