#include "editor/WizardRules.h"

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(CountBoxes, TheCharacterTestAndTheLeadingNumber) {
    for (const char* pass : {"0", "1", "9", "10", "42", "8x", "0.5"})
        EXPECT_TRUE(looksLikeCount(pass)) << pass;
    for (const char* refuse : {"", "a", "90", "9.5", " 1", "-1", "+2"})
        EXPECT_FALSE(looksLikeCount(refuse)) << refuse;
    const std::pair<const char*, double> numbers[] = {{"8x", 8}, {"  12", 12}, {"2.5", 2.5},
                                                      {"", 0},   {"x3", 0},    {".", 0}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(leadingNumberAfterBlanks(text), number) << text;
}
