#pragma once

#include <QByteArray>
#include <QString>

namespace pinatlas {

// Datasheets and the configuration file are single-byte Windows-1252 text.
QString decodeCp1252(QByteArrayView bytes);
// Characters outside the code page become '?', as the Windows conversion does.
QByteArray encodeCp1252(QStringView text);
// True when every character of the text has a byte of its own in the code page.
bool isCp1252(QStringView text);

} // namespace pinatlas
