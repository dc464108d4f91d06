#include "editor/WizardRules.h"

#include <gtest/gtest.h>

using namespace pinatlas;

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

TEST(CommentPage, FindsALineThatWouldEndTheSection) {
    EXPECT_EQ(firstKeyLikeLine("a\r\nb"), -1);
    EXPECT_EQ(firstKeyLikeLine("a\r\n'b"), 1);
    EXPECT_EQ(firstKeyLikeLine("'Ende"), 0);
    EXPECT_EQ(firstKeyLikeLine("a 'b'"), -1);
}
