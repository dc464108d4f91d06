#include "editor/WizardRules.h"

#include <gtest/gtest.h>

using namespace pinatlas;

TEST(WizardRules, MovesFollowTheOptionsAndEditingTakesOnlySheetsThePagesHold) {
    using P = WizardPage;
    // Options as "cfe": comments, function table, extra table; "-" for one not chosen.
    const std::tuple<P, const char*, P, P> moves[] = {
        {P::General, "cfe", P::Pinout, P::None},
        {P::Pinout, "c--", P::Comments, P::General},
        {P::Pinout, "-fe", P::FunctionTable, P::General},
        {P::Comments, "c-e", P::ExtraTable, P::Pinout},
        {P::FunctionTable, "-fe", P::ExtraTable, P::Pinout},
        {P::ExtraTable, "cfe", P::Finish, P::FunctionTable}};
    for (const auto& [from, flags, next, previous] : moves) {
        const WizardOptions o{flags[0] == 'c', flags[1] == 'f', flags[2] == 'e'};
        EXPECT_EQ(nextPage(from, o), next) << int(from) << flags;
        EXPECT_EQ(previousPage(from, o), previous) << int(from) << flags;
    }
    using enum EditObstacle;
    // Pins, then the function table (f) or the extra table (x) with columns and rows.
    const std::tuple<int, char, int, int, EditObstacle> sheets[] = {
        {2, 'f', 50, 50, None},     {40, 'x', 50, 50, None},    {0, 'f', 1, 2, PinCount},
        {15, 'f', 1, 2, PinCount},  {42, 'x', 1, 2, PinCount},  {4, 'f', 51, 2, TableSize},
        {4, 'f', 2, 51, TableSize}, {4, 'x', 51, 2, TableSize}, {4, 'x', 2, 51, TableSize}};
    for (const auto& [pins, table, columns, rows, want] : sheets) {
        Datasheet s;
        s.pinCount = qint16(pins);
        (table == 'f' ? s.hasFunctionTable : s.hasExtraTable) = true;
        (table == 'f' ? s.functionColumns : s.extraColumns) = columns;
        (table == 'f' ? s.functionRows : s.extraRows) = qint16(rows);
        EXPECT_EQ(editObstacle(s), want) << pins << table << columns << " " << rows;
        s.hasFunctionTable = s.hasExtraTable = false; // absent tables never count
        EXPECT_EQ(editObstacle(s) == None, want != PinCount) << pins;
    }
}

TEST(WizardRules, CountBoxes) {
    for (const char* pass : {"0", "1", "9", "10", "42", "8x", "0.5"})
        EXPECT_TRUE(looksLikeCount(pass)) << pass;
    for (const char* refuse : {"", "a", "90", "9.5", " 1", "-1", "+2"})
        EXPECT_FALSE(looksLikeCount(refuse)) << refuse;
    const std::pair<const char*, double> numbers[] = {{"8x", 8}, {"  12", 12}, {"2.5", 2.5},
                                                      {"", 0},   {"x3", 0},    {".", 0}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(leadingNumberAfterBlanks(text), number) << text;
    using D = ColumnDecision;
    // The changed box's text, the inputs and the outputs box.
    const std::tuple<const char*, const char*, const char*, D> function[] = {
        {"2", "2", "3", {true, false, 5, 2}},    {"", "", "3", {false, false, 0, 0}},
        {"a", "a", "1", {false, true, 0, 0}},    {"0", "0", "1", {true, false, 1, 0}},
        {"0", "0", "0", {false, true, 0, 0}},    {"25", "25", "25", {true, false, 50, 25}},
        {"26", "25", "26", {false, true, 0, 0}}, {"3", "3", "-2", {true, false, 1, 1}},
        {"1", "2.5", "1", {true, false, 4, 2}},  {" 1", "3", " 1", {false, true, 0, 0}}};
    for (const auto& [changed, inputs, outputs, want] : function)
        EXPECT_EQ(functionColumnDecision(changed, inputs, outputs), want) << changed << inputs;
    const std::pair<const char*, D> extra[] = {
        {"1", {true, false, 1, 0}}, {"50", {true, false, 50, 0}}, {"51", {false, true, 0, 0}},
        {"0", {false, true, 0, 0}}, {"", {false, false, 0, 0}},   {"2.5", {true, false, 2, 0}}};
    for (const auto& [text, want] : extra)
        EXPECT_EQ(extraColumnDecision(text), want) << text;
    const std::pair<const char*, RowDecision> rows[] = {
        {"2", {2, false}},  {"1", {2, false}},    {"", {2, false}},    {"50", {50, false}},
        {"51", {50, true}}, {"50.5", {50, true}}, {"2.5", {2, false}}, {" 3.5x", {4, false}}};
    for (const auto& [text, want] : rows)
        EXPECT_EQ(rowDecision(text), want) << text;
}

TEST(WizardRules, TableGrids) {
    for (const auto& [length, twips] : {std::pair{0, 510}, {4, 510}, {5, 615}})
        EXPECT_EQ(columnWidthTwips(length), twips) << length;
    // Columns 100, 200 and 300 wide under a caption over [first, end): its width, then theirs.
    const int captions[][7] = {{0, 2, 250, 300, 100, 200, 300},
                               {0, 2, 400, 400, 100, 300, 300},
                               {1, 3, 600, 600, 100, 200, 400},
                               {1, 1, 999, 0, 100, 200, 300}};
    for (const auto& [first, end, needs, width, a, b, c] : captions) {
        QList<int> columns{100, 200, 300};
        EXPECT_EQ(widthUnderCaption(columns, first, end, needs), width) << needs;
        EXPECT_EQ(columns, QList<int>({a, b, c})) << needs;
    }
    using namespace Qt;
    const KeyboardModifiers no, ctrl = ControlModifier, altGr = ctrl | AltModifier;
    const std::tuple<int, KeyboardModifiers, const char*, const char*> keys[] = {
        {Key_A, ctrl, "", "\x01"},     {Key_Z, ctrl, "", "\x1a"},    {Key_1, ctrl, "1", ""},
        {Key_V, altGr, "v", "v"},      {Key_Return, no, "", "\r"},   {Key_Enter, no, "", "\r"},
        {Key_Backspace, no, "", "\b"}, {Key_Escape, no, "", "\x1b"}, {Key_Tab, no, "\t", ""},
        {Key_unknown, no, "\x7f", ""}, {Key_Left, no, "", ""},       {Key_A, no, "a", "a"}};
    for (const auto& [key, modifiers, text, typed] : keys)
        EXPECT_EQ(typedCharacters(key, modifiers, text), QString(typed)) << key;
    const std::tuple<char16_t, CellKey, const char*> edits[] = {
        {3, CellKey::Copy, "ab"},   {22, CellKey::Paste, "clip"}, {24, CellKey::Cut, ""},
        {13, CellKey::Enter, "ab"}, {8, CellKey::Backspace, "a"}, {u'c', CellKey::Append, "abc"}};
    for (const auto& [code, key, after] : edits) {
        EXPECT_EQ(cellKey(code), key) << int(code);
        EXPECT_EQ(cellTextAfter(key, code, "ab", "clip"), QString(after)) << int(code);
    }
    EXPECT_EQ(cellTextAfter(CellKey::Backspace, u'\b', "", "clip"), "");
    // Enter in a grid of 3 rows and 2 columns, and in one of 2 rows and 1 column.
    const std::tuple<CellPos, int, int, CellPos> moves[] = {
        {{0, 0}, 3, 2, {0, 1}}, {{0, 1}, 3, 2, {1, 0}}, {{2, 0}, 3, 2, {2, 1}},
        {{2, 1}, 3, 2, {2, 1}}, {{0, 0}, 2, 1, {1, 0}}, {{1, 0}, 2, 1, {1, 0}}};
    for (const auto& [at, rows, columns, next] : moves)
        EXPECT_EQ(cellAfterEnter(at, rows, columns), next) << at.row << at.column << rows;
}

TEST(WizardRules, PinBoxesAndCommentLines) {
    for (const auto& [value, maximum, count] :
         {std::tuple{4, 40, 4}, {5, 40, 6}, {39, 40, 40}, {3, 3, 3}})
        EXPECT_EQ(evenPinCount(value, maximum), count) << value;
    const PinBox none, l0{PinSide::Left, 0}, l1{PinSide::Left, 1}, l3{PinSide::Left, 3};
    const PinBox r0{PinSide::Right, 0}, r2{PinSide::Right, 2}, r3{PinSide::Right, 3};
    for (const auto& [pin, box] :
         {std::pair{0, none}, {1, l0}, {4, l3}, {5, r3}, {8, r0}, {9, none}})
        EXPECT_EQ(pinBox(pin, 8), box) << pin;
    const std::tuple<PinBox, int, PinBox> walk[] = {{l0, 8, l1},   {l3, 8, r0}, {r2, 8, r3},
                                                    {r3, 8, none}, {l0, 2, r0}, {r0, 2, none}};
    for (const auto& [at, pins, next] : walk)
        EXPECT_EQ(pinBoxAfterEnter(at, pins), next) << int(at.side) << at.row << pins;
    for (const auto& [pins, left, right] :
         {std::tuple{2, " 1\r\n", " 2\r\n"}, {6, " 1\r\n 2\r\n 3\r\n", " 6\r\n 5\r\n 4\r\n"}}) {
        EXPECT_EQ(leftPinNumbers(pins), QString(left)) << pins;
        EXPECT_EQ(rightPinNumbers(pins), QString(right)) << pins;
    }
    const std::pair<const char*, int> comments[] = {{"", -1},          {"'x", 0},    {"a 'b", -1},
                                                    {"a\r\n'b", 1},    {"a\n'b", 1}, {"a\r'b", 1},
                                                    {"a\r\n\r\n'c", 2}};
    for (const auto& [comment, line] : comments)
        EXPECT_EQ(firstKeyLikeLine(comment), line) << comment;
}
