#include "editor/WizardRules.h"

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(TypeName, RefusesWhatAnyCommonSystemRefuses) {
    using P = TypeNameProblem;
    const std::pair<P, QStringList> cases[] = {
        {P::None,
         {"74HC00", "74 LS 00", "con-trol", "COM0", "LPT10", "a.b", QString::fromUtf8("Gatter-ä"),
          QString(251, 'x')}},
        {P::TooLong, {QString(252, 'x')}},
        {P::Empty, {""}},
        {P::Separator, {"a/b", "a\\b", "../x", "/etc/passwd"}},
        {P::ForbiddenCharacter, {"a:b", "a*", "a?", "a\"b", "<a", "a>", "a|b"}},
        {P::ControlCharacter, {QString("a") + QChar(9), QString("a") + QChar(0x7F)}},
        {P::DotName, {".", ".."}},
        {P::LeadingDot, {".hidden"}},
        {P::TrailingDotOrBlank, {"7400.", "7400 ", "   "}},
        {P::DeviceName, {"CON", "con", "Nul", "PRN", "AUX", "COM1", "lpt9", "CON.x", "NUL .a"}}};
    for (const auto& [problem, types] : cases)
        for (const QString& type : types)
            EXPECT_EQ(typeNameProblem(type), problem) << type.toStdString();
}

TEST(CountBoxes, TheCharacterTestAndTheLeadingNumber) {
    for (const char* pass : {"0", "1", "9", "10", "42", "8x", "0.5"})
        EXPECT_TRUE(looksLikeCount(pass)) << pass;
    for (const char* refuse : {"", "a", "90", "9.5", " 1", "-1", "+2"})
        EXPECT_FALSE(looksLikeCount(refuse)) << refuse;
    const std::pair<const char*, double> numbers[] = {{"8x", 8}, {"  12", 12}, {"2.5", 2.5},
                                                      {"", 0},   {"x3", 0},    {".", 0}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(leadingNumber(text), number) << text;
}
