#pragma once

#include "library/Cp1252.h"

#include <QByteArray>
#include <QString>

namespace pinatlas::test {

// The 74HC00 sheet exactly as the wizard writes it.
inline const char* const kHc00 = "Vier NAND-Gatter mit je zwei Eingaengen\r\n"
                                 "Quad 2-input NAND gates\r\n"
                                 "14\r\n"
                                 "TP (totem pole)\r\n"
                                 "1A\r\n1B\r\n1Y\r\n2A\r\n2B\r\n2Y\r\nGND\r\n"
                                 "3Y\r\n3A\r\n3B\r\n4Y\r\n4A\r\n4B\r\nVCC\r\n"
                                 "'Beschreibung-D:\r\n"
                                 "Alle vier Gatter sind unabhaengig.\r\n"
                                 "'Beschreibung-E:\r\n"
                                 "All four gates are independent.\r\n"
                                 "'Funktionstabelle:\r\n"
                                 " 3 ,5,2\r\n"
                                 "A,B,Y\r\nL,L,H\r\nL,H,H\r\nH,L,H\r\nH,H,L\r\n"
                                 "'Zusatztabelle:\r\n"
                                 "2,2\r\n"
                                 "Gate,Pins\r\n"
                                 "1,1 2 3\r\n"
                                 "'Ende\r\n";

// "a|b" as the file lines a and b, each ended with CR LF, in the files' code page.
inline QByteArray crlf(const QString& lines) {
    return encodeCp1252(QString(lines).replace(u'|', QStringLiteral("\r\n")) +
                        QStringLiteral("\r\n"));
}

} // namespace pinatlas::test
