#pragma once

#include <QString>
#include <QStringView>

namespace pinatlas {

// True for a character that steers a terminal or the direction of the text
// around it instead of showing itself: C0, DEL, C1 and the bidirectional
// controls (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069).
bool isControlCharacter(char16_t c);

// `text` with every control character spelt out in plain ASCII, so that a
// sheet or a file name can neither drive the terminal nor break a line:
// \a \b \t \n \v \f \r \e for the C0 characters that have a letter, \xNN for
// the other C0 characters, DEL and C1, <U+NNNN> for the bidirectional
// controls. The characters in `keep` pass unchanged.
QString visibleText(QStringView text, QStringView keep = {});

} // namespace pinatlas
