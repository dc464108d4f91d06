#pragma once

namespace pinatlas::test {

// The 74HC00 sheet exactly as the wizard writes it.
inline const char* const kHc00 =
    "Vier NAND-Gatter mit je zwei Eingaengen\r\nQuad 2-input NAND gates\r\n"
    "14\r\nTP (totem pole)\r\n1A\r\n1B\r\n1Y\r\n2A\r\n2B\r\n2Y\r\nGND\r\n"
    "3Y\r\n3A\r\n3B\r\n4Y\r\n4A\r\n4B\r\nVCC\r\n"
    "'Beschreibung-D:\r\nAlle vier Gatter sind unabhaengig.\r\n"
    "'Beschreibung-E:\r\nAll four gates are independent.\r\n"
    "'Funktionstabelle:\r\n 3 ,5,2\r\nA,B,Y\r\nL,L,H\r\nL,H,H\r\nH,L,H\r\nH,H,L\r\n"
    "'Zusatztabelle:\r\n2,2\r\nGate,Pins\r\n1,1 2 3\r\n'Ende\r\n";

} // namespace pinatlas::test
