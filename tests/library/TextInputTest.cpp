#include "library/TextInput.h"
#include "library/Cp1252.h"

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(Cp1252, EveryByteDecodesAndEncodesBack) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = decodeCp1252(all);
    EXPECT_EQ(text.mid(0x7F, 3) + text[0x9F] + text[0xFC], QString::fromUtf8("\x7F€\u0081Ÿü"));
    EXPECT_EQ(std::tuple(text.size(), encodeCp1252(text), encodeCp1252(u"Ω")),
              std::tuple(256, all, QByteArray("?")));
    EXPECT_EQ(std::pair(isCp1252(u"Ω"), isCp1252(u"Gehäuse €")), std::pair(false, true));
}

TEST(TextInput, ListInputFieldsRunAcrossLineEnds) {
    TextInput in(" 3 ,5,2\r\nA,B,Y\r\n,,\r\nx\r\n\"a,b\"  ,  \"line1\r\nline2\"xx,  last  \r\n"
                 "  7  \r\n\"open");
    for (double number : {3.0, 5.0, 2.0})
        EXPECT_EQ(in.readNumber(), number);
    // Quoted fields keep commas and line breaks and drop the text after the
    // closing quote; unquoted ones keep their trailing blanks.
    for (const char* cell : {"A", "B", "Y", "", "", ""})
        EXPECT_EQ(in.readField(), QString(cell));
    EXPECT_EQ(in.readLine(), QString("x"));
    for (const char* cell : {"a,b", "line1\r\nline2", "last  "})
        EXPECT_EQ(in.readField(), QString(cell));
    EXPECT_EQ(in.readNumber(), 7.0);
    EXPECT_EQ(in.lineNumber(), 8);
    EXPECT_EQ(in.readField(), std::nullopt); // an unclosed quote runs past the end
}

TEST(TextInput, NumbersAcceptSignsFractionsAndBothExponentLetters) {
    // Beyond a double's range either way is no number.
    const std::pair<const char16_t*, std::optional<double>> numbers[] = {
        {u" -1 ", -1.0}, {u"2.5", 2.5}, {u".5", 0.5}, {u"1E2", 100.0}, {u"1d-1", 0.1}, {u"abc", {}},
        {u"3x", {}},     {u"", {}},     {u"1e", {}},  {u"1e999", {}},  {u"1d-999", {}}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(parseListNumber(text), value) << QString::fromUtf16(text).toStdString();
}
