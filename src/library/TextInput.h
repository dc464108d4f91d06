#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace pinatlas {

// Sequential reader over the bytes of one Windows-1252 text file, with the two
// ways the files are read: whole lines, and list input (comma-separated fields
// that may continue across line ends).
class TextInput {
public:
    explicit TextInput(QByteArray bytes);

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // 1-based number of the line the next read starts in.
    int lineNumber() const { return m_line; }

    // A line ends at CR LF or at a lone CR. A lone LF also ends it: users on
    // this platform make such files with any editor. Empty when nothing is left.
    std::optional<QString> readLine();

    // One list-input field. Blanks before it are skipped; a field that begins
    // with a double quote runs to the next double quote (across commas and line
    // ends) and loses both quotes; any other field runs to the next comma or line
    // end, which is consumed. Empty when the input ends before the field begins
    // or inside a quoted field.
    std::optional<QString> readField();

    // A field read as a number; empty when it is missing or not a number.
    std::optional<double> readNumber();

private:
    // Consumes the line end at m_pos, if there is one; true when one was consumed.
    bool consumeLineEnd();

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    int m_line = 1;
};

// How a text holds a decimal number: an optional sign, digits with an optional
// decimal point and, where allowed, an exponent (E or D, an optional sign,
// digits). The program's readers of numbers differ only in these rules.
struct NumberRules {
    enum class Blanks {
        Around,   // white space before and after the number
        Before,   // blanks and tabs before the sign
        Anywhere, // blanks, tabs and line feeds wherever they stand
    };
    Blanks blanks = Blanks::Around;
    bool exponent = true;
    // The text must be the number and nothing else; otherwise reading stops at
    // the first character that does not continue it.
    bool wholeText = true;
    // A magnitude too large for a double reads as infinity and one too small as
    // 0; otherwise such a text is no number.
    bool saturate = false;
};

// Empty when the text holds no number by the rules.
std::optional<double> readDecimalNumber(QStringView text, NumberRules rules);

// The whole field must be a decimal number: blanks around it, an optional sign,
// digits with an optional decimal point, an optional exponent with E or D.
inline std::optional<double> parseListNumber(QStringView field) {
    return readDecimalNumber(field, NumberRules{});
}

} // namespace pinatlas
