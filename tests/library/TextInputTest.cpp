#include "library/TextInput.h"
#include "library/Cp1252.h"

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(Cp1252, EveryByteDecodesAndEncodesBack) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = decodeCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xFC], QChar(0x00FC));
    EXPECT_EQ(text[0x81], QChar(0x0081));
    EXPECT_EQ(encodeCp1252(text), all);
    EXPECT_EQ(encodeCp1252(u"Ω"), QByteArray("?"));
    EXPECT_FALSE(isCp1252(u"Ω"));
    EXPECT_TRUE(isCp1252(u"Gehäuse €"));
}

TEST(TextInput, WholeLinesEndAtCrLfLoneCrAndLoneLf) {
    TextInput in("a\r\nb\rc\nd");
    EXPECT_EQ(in.readLine(), QString("a"));
    EXPECT_EQ(in.readLine(), QString("b"));
    EXPECT_EQ(in.readLine(), QString("c"));
    EXPECT_EQ(in.lineNumber(), 4);
    EXPECT_EQ(in.readLine(), QString("d"));
    EXPECT_EQ(in.readLine(), std::nullopt);
}

TEST(TextInput, EmptyLinesAreLinesButTheEndIsNot) {
    TextInput in("\r\n\r\n");
    EXPECT_EQ(in.readLine(), QString(""));
    EXPECT_EQ(in.readLine(), QString(""));
    EXPECT_EQ(in.readLine(), std::nullopt);
}

TEST(TextInput, ListInputFieldsRunAcrossLineEnds) {
    TextInput in(" 3 ,5,2\r\nA,B,Y\r\n,,\r\nx\r\n");
    EXPECT_EQ(in.readNumber(), 3.0);
    EXPECT_EQ(in.readNumber(), 5.0);
    EXPECT_EQ(in.readNumber(), 2.0);
    for (const char* cell : {"A", "B", "Y", "", "", ""})
        EXPECT_EQ(in.readField(), QString(cell));
    EXPECT_EQ(in.readLine(), QString("x"));
}

TEST(TextInput, QuotedFieldsKeepCommasAndLineBreaksAndDropTrailingText) {
    TextInput in("\"a,b\"  ,  \"line1\r\nline2\"xx,last\r\n\"open");
    EXPECT_EQ(in.readField(), QString("a,b"));
    EXPECT_EQ(in.readField(), QString("line1\r\nline2"));
    EXPECT_EQ(in.readField(), QString("last"));
    EXPECT_EQ(in.lineNumber(), 3);
    EXPECT_EQ(in.readField(), std::nullopt); // unterminated quote runs past the end
}

TEST(TextInput, UnquotedTextKeepsTrailingBlanksNumbersDoNot) {
    TextInput in("  a b  ,  7  \r\n");
    EXPECT_EQ(in.readField(), QString("a b  "));
    EXPECT_EQ(in.readNumber(), 7.0);
    EXPECT_EQ(in.readField(), std::nullopt);
}

TEST(TextInput, NumbersAcceptSignsFractionsAndBothExponentLetters) {
    EXPECT_EQ(parseListNumber(u" -1 "), -1.0);
    EXPECT_EQ(parseListNumber(u"2.5"), 2.5);
    EXPECT_EQ(parseListNumber(u".5"), 0.5);
    EXPECT_EQ(parseListNumber(u"1E2"), 100.0);
    EXPECT_EQ(parseListNumber(u"1d-1"), 0.1);
    EXPECT_EQ(parseListNumber(u"abc"), std::nullopt);
    EXPECT_EQ(parseListNumber(u"3x"), std::nullopt);
    EXPECT_EQ(parseListNumber(u""), std::nullopt);
    EXPECT_EQ(parseListNumber(u"1e"), std::nullopt);
    EXPECT_EQ(parseListNumber(u"1e999"), std::nullopt);
}

TEST(TextInput, RoundingTakesHalvesToEvenAndSaturates) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.6), 3);
    EXPECT_EQ(roundHalfEven(1e30), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfEven(-1e30), std::numeric_limits<int>::min());
}
