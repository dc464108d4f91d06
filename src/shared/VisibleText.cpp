#include "shared/VisibleText.h"

namespace pinatlas {
namespace {

// The letter C and the shells use for a C0 character, or 0 for none.
char letterOf(char16_t c) {
    switch (c) {
    case u'\a':
        return 'a';
    case u'\b':
        return 'b';
    case u'\t':
        return 't';
    case u'\n':
        return 'n';
    case u'\v':
        return 'v';
    case u'\f':
        return 'f';
    case u'\r':
        return 'r';
    case 0x1B:
        return 'e';
    default:
        return 0;
    }
}

} // namespace

bool isControlCharacter(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

QString visibleText(QStringView text, QStringView keep) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (!isControlCharacter(c) || keep.contains(ch))
            out += ch;
        else if (const char letter = letterOf(c))
            out += QStringLiteral("\\") + QLatin1Char(letter);
        else if (c <= 0xFF)
            out += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("<U+%1>").arg(QString::number(uint(c), 16).toUpper());
    }
    return out;
}

} // namespace pinatlas
