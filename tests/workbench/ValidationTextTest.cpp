// The checks of typed list, set and number texts: the bracket and comma rules with the caret
// at the fault, the whole-text number readers, the unsigned minimum and the indented lines.

#include "RecordingMessages.hpp"

#include "workbench/Validation.hpp"

#include <gtest/gtest.h>

using namespace TavWorkbench;

namespace {

TEST(CheckListSyntaxTest, BracketAndCommaRules) {
    struct Case {
        std::string text;
        bool braces;
        std::string message;
        int caret;
    };
    const std::vector<Case> cases{
        {"[1,2],[3]", false, "", -1},
        {"[1,2][3]", false, "Comma required after Close Bracket before adding new element", 5},
        {"[1,2]]", false, "Close bracket before Open Bracket", 5},
        {"[[1]", false, "Excess number of open brackets", -1},
        {"1,2,", false, "Don't finish with a comma", 3},
        {",1", false, "Don't start with a comma", 0},
        {"]", false, "Close bracket before Open Bracket", 0},
        {"[,1]", false, "Comma found after Open Bracket", 1},
        {"{1,2,}", true, "Remove Comma before Close Bracket", 5},
        {"{1},{2}", true, "", -1},
        {"[1],[2]", true, "", -1},
        {"", true, "", -1},
    };
    for (const Case& c : cases) {
        RecordingMessages messages;
        int caret = -1;
        EXPECT_EQ(CheckListSyntax(c.text, c.braces, &caret, messages), c.message.empty()) << c.text;
        EXPECT_EQ(messages.Shown(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message})
            << c.text;
        EXPECT_EQ(caret, c.caret) << c.text;
    }
}

TEST(ParseIntegerTest, WholeTextOnly) {
    struct Case {
        std::string text;
        bool accepted;
        int value;
    };
    const std::vector<Case> cases{
        {" 42 \t", true, 42},
        {"42x", false, 42},
        {"2147483647", false, 2147483647},
        {"", true, 0},
        {"-99999999999", true, INT_MIN},
        {"-7", true, -7},
        {"1 2", false, 1},
        {"99999999999", false, 2147483647},
    };
    for (const Case& c : cases) {
        int value = 12345;
        EXPECT_EQ(ParseInteger(c.text, value), c.accepted) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(SimpleFloatParseTest, ZeroNeedsAZero) {
    double value = 1;
    EXPECT_TRUE(SimpleFloatParse("0", value));
    EXPECT_TRUE(SimpleFloatParse(" 0.0 ", value));
    EXPECT_TRUE(SimpleFloatParse("2.5e1", value));
    EXPECT_EQ(value, 25.0);
    EXPECT_FALSE(SimpleFloatParse("abc", value));
    EXPECT_FALSE(SimpleFloatParse("1.5x", value));
}

TEST(DDVMinUIntTest, TwoBlanksBeforeTheMinimum) {
    RecordingMessages messages;
    EXPECT_TRUE(DDV_MinUInt(1, 1, messages));
    EXPECT_FALSE(DDV_MinUInt(0, 1, messages));
    EXPECT_EQ(messages.Shown(), std::vector<std::string>{"Please enter an integer not less than  1"});
}

TEST(SplitIntoIndentedLinesTest, EveryLineStartsWithTwoTabs) {
    std::vector<std::string> lines;
    SplitIntoIndentedLines("a\r\nb\n", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"\t\ta", "\t\tb", "\t\t"}));
    lines.clear();
    SplitIntoIndentedLines("", lines);
    EXPECT_EQ(lines, std::vector<std::string>{"\t\t"});
}

TEST(StringListValueTest, EntriesWithCommasReadBackWhole) {
    const std::vector<std::string> entries{"red", "dark, deep", "blue"};
    const std::string value = CConstant::JoinStringList(entries);
    EXPECT_EQ(value, "red,\"dark, deep\",blue");
    EXPECT_EQ(CConstant::SplitStringList(value), entries);
    EXPECT_EQ(CConstant("C", value, CConstant::Type::StringList).GetModelText(),
              "C := [\"red\",\"dark, deep\",\"blue\"];");
    EXPECT_EQ(CConstant::SplitStringList(",a,,b,"), (std::vector<std::string>{"a", "b"}));
}

} // namespace
