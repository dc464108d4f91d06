#include "editor/WizardRules.h"

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(WizardFlow, ForwardAndBackFollowTheOptions) {
    using P = WizardPage;
    const WizardOptions none{}, all{true, true, true}, extraOnly{false, false, true},
        commentsAndExtra{true, false, true};
    EXPECT_EQ(nextPage(P::D1, none), P::D2);
    EXPECT_EQ(nextPage(P::D2, none), P::Finish);
    EXPECT_EQ(nextPage(P::D2, all), P::D3);
    EXPECT_EQ(nextPage(P::D3, all), P::D4);
    EXPECT_EQ(nextPage(P::D4, all), P::D5);
    EXPECT_EQ(nextPage(P::D5, all), P::Finish);
    EXPECT_EQ(nextPage(P::D2, extraOnly), P::D5);
    EXPECT_EQ(nextPage(P::D3, commentsAndExtra), P::D5);
    EXPECT_EQ(nextPage(P::D4, commentsAndExtra), P::D5);
    EXPECT_EQ(nextPage(P::D3, none), P::Finish);

    EXPECT_EQ(previousPage(P::D1, all), P::None);
    EXPECT_EQ(previousPage(P::D2, all), P::D1);
    EXPECT_EQ(previousPage(P::D5, extraOnly), P::D2);
    EXPECT_EQ(previousPage(P::D5, commentsAndExtra), P::D3);
    EXPECT_EQ(previousPage(P::D5, all), P::D4);
    EXPECT_EQ(previousPage(P::D4, all), P::D3);
    EXPECT_EQ(previousPage(P::D4, extraOnly), P::D2);
    EXPECT_EQ(previousPage(P::D3, all), P::D2);
}

TEST(TypeName, RefusesWhatAnyCommonSystemRefuses) {
    EXPECT_EQ(typeNameProblem(""), TypeNameProblem::Empty);
    for (const char* ok :
         {"74HC00", "CD4011B", "4000", "74 LS 00", "con-trol", "COM0", "NULL", "a.b", "LPT10"})
        EXPECT_EQ(typeNameProblem(QString::fromUtf8(ok)), TypeNameProblem::None) << ok;
    EXPECT_EQ(typeNameProblem(QString::fromUtf8("Gatter-ä")), TypeNameProblem::None);
    for (const char* bad : {"a/b", "a\\b", "../x", "/etc/passwd"})
        EXPECT_EQ(typeNameProblem(QString::fromUtf8(bad)), TypeNameProblem::Separator) << bad;
    for (const char* bad : {"a:b", "a*", "a?", "a\"b", "<a", "a>", "a|b"})
        EXPECT_EQ(typeNameProblem(QString::fromUtf8(bad)), TypeNameProblem::ForbiddenCharacter)
            << bad;
    EXPECT_EQ(typeNameProblem(QString("a") + QChar(9)), TypeNameProblem::ControlCharacter);
    EXPECT_EQ(typeNameProblem(QString("a") + QChar(0x7F)), TypeNameProblem::ControlCharacter);
    EXPECT_EQ(typeNameProblem("."), TypeNameProblem::DotName);
    EXPECT_EQ(typeNameProblem(".."), TypeNameProblem::DotName);
    EXPECT_EQ(typeNameProblem(".hidden"), TypeNameProblem::LeadingDot);
    EXPECT_EQ(typeNameProblem("7400."), TypeNameProblem::TrailingDotOrBlank);
    EXPECT_EQ(typeNameProblem("7400 "), TypeNameProblem::TrailingDotOrBlank);
    EXPECT_EQ(typeNameProblem("   "), TypeNameProblem::TrailingDotOrBlank);
    for (const char* bad : {"CON", "con", "Nul", "PRN", "AUX", "COM1", "lpt9", "CON.x", "NUL .a"})
        EXPECT_EQ(typeNameProblem(QString::fromUtf8(bad)), TypeNameProblem::DeviceName) << bad;
    EXPECT_EQ(typeNameProblem(QString(251, 'x')), TypeNameProblem::None);
    EXPECT_EQ(typeNameProblem(QString(252, 'x')), TypeNameProblem::TooLong);
}

TEST(CountBoxes, TheCharacterTestAndTheLeadingNumber) {
    for (const char* pass : {"0", "1", "9", "10", "42", "8x", "0.5"})
        EXPECT_TRUE(looksLikeCount(pass)) << pass;
    for (const char* refuse : {"", "a", "90", "9.5", " 1", "-1", "+2"})
        EXPECT_FALSE(looksLikeCount(refuse)) << refuse;
    EXPECT_EQ(leadingNumber("8x"), 8);
    EXPECT_EQ(leadingNumber("  12"), 12);
    EXPECT_EQ(leadingNumber("2.5"), 2.5);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("x3"), 0);
    EXPECT_EQ(leadingNumber("."), 0);
}

TEST(CountBoxes, ColumnRule) {
    EXPECT_EQ(columnDecision("", 3).beep, false);
    EXPECT_EQ(columnDecision("", 3).apply, false);
    EXPECT_TRUE(columnDecision("a", 3).beep);
    EXPECT_TRUE(columnDecision("45", 51).beep);
    EXPECT_FALSE(columnDecision("45", 51).apply);
    EXPECT_TRUE(columnDecision("0", 0).beep);
    const ColumnDecision ok = columnDecision("3", 4);
    EXPECT_TRUE(ok.apply);
    EXPECT_FALSE(ok.beep);
    EXPECT_EQ(ok.columns, 4);
    EXPECT_EQ(columnDecision("2.5", 2.5).columns, 2); // halves to the even number
    EXPECT_EQ(columnDecision("3.5", 3.5).columns, 4);
}

TEST(CountBoxes, RowRule) {
    EXPECT_EQ(rowDecision("1").rows, 2);
    EXPECT_FALSE(rowDecision("1").tooMany);
    EXPECT_EQ(rowDecision("").rows, 2);
    EXPECT_EQ(rowDecision("abc").rows, 2);
    EXPECT_EQ(rowDecision("7").rows, 7);
    EXPECT_EQ(rowDecision("50").rows, 50);
    EXPECT_FALSE(rowDecision("50").tooMany);
    EXPECT_TRUE(rowDecision("75").tooMany);
    EXPECT_EQ(rowDecision("75").rows, 50);
}

TEST(TableEditing, WidthsKeysAndEnter) {
    EXPECT_EQ(columnWidthTwips(0), 510);
    EXPECT_EQ(columnWidthTwips(4), 510);
    EXPECT_EQ(columnWidthTwips(6), 720);
    EXPECT_EQ(cellKey(QChar(3)), CellKey::Copy);
    EXPECT_EQ(cellKey(QChar(22)), CellKey::Paste);
    EXPECT_EQ(cellKey(QChar(24)), CellKey::Cut);
    EXPECT_EQ(cellKey(QChar(13)), CellKey::Enter);
    EXPECT_EQ(cellKey(QChar(8)), CellKey::Backspace);
    EXPECT_EQ(cellKey(QChar(27)), CellKey::Append);
    EXPECT_EQ(cellAfterEnter({0, 0}, 2, 3), (CellPos{0, 1}));
    EXPECT_EQ(cellAfterEnter({0, 2}, 2, 3), (CellPos{1, 0}));
    EXPECT_EQ(cellAfterEnter({1, 2}, 2, 3), (CellPos{1, 2}));
}

TEST(PinPage, NumberColumns) {
    EXPECT_EQ(leftPinNumbers(14), " 1\r\n 2\r\n 3\r\n 4\r\n 5\r\n 6\r\n 7\r\n");
    EXPECT_EQ(rightPinNumbers(14), " 14\r\n 13\r\n 12\r\n 11\r\n 10\r\n 9\r\n 8\r\n");
    EXPECT_EQ(leftPinNumbers(2), " 1\r\n");
    EXPECT_EQ(rightPinNumbers(2), " 2\r\n");
    EXPECT_TRUE(rightPinNumbers(40).startsWith(" 40\r\n"));
    EXPECT_TRUE(rightPinNumbers(40).endsWith(" 21\r\n"));
}

TEST(CommentPage, FindsALineThatWouldEndTheSection) {
    EXPECT_EQ(firstKeyLikeLine("a\r\nb"), -1);
    EXPECT_EQ(firstKeyLikeLine("a\r\n'b"), 1);
    EXPECT_EQ(firstKeyLikeLine("'Ende"), 0);
    EXPECT_EQ(firstKeyLikeLine("a 'b'"), -1);
}
