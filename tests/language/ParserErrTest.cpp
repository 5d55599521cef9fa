#include "language/ParserErr.hpp"
#include "language/Bug.hpp"
#include "language/ParseLine.hpp"
#include "language/TokenCodes.hpp"

#include <gtest/gtest.h>

using namespace TavLanguage;

namespace {
std::string Text(const ParserErr& e) {
    return e.Message();
}
} // namespace

TEST(ParserErr, MessageTableQuirks) {
    int line = 9;
    ParseLineScope scope(&line);
    struct Row {
        ParserErr err;
        std::string text;
    };
    ParserErr inAllDiff(27);
    inAllDiff.SetOperator(Token::ALL_DIFFERENT);
    ParserErr twoNames;
    twoNames.Set(63, -1, "i", "Row");
    const std::vector<Row> rows = {
        {ParserErr(), "Parsed CSP file successfully\n"},
        {ParserErr(1), "Can't open CSP File\n"},
        {ParserErr(2), "Syntax error (line 9)\n"},
        {ParserErr(3), " identifier already used\n"},
        {ParserErr(3, "x"), "Identifier x already used\nBad identifier possibly x\n"},
        {ParserErr(29), "Wrong number of parameters to user defined constraint (line9)\n"},
        {ParserErr(59, "foo"), "Identifier foo not found\nBad identifier possibly foo\n"},
        {ParserErr(53, "x"), "Variable x not found (line 9)\n"},
        {ParserErr(52), ""},
        {ParserErr(68), ""},
        {ParserErr(68, "z"), "Bad identifier possibly z\n"},
        {ParserErr(67, "10 bodies or elements generated"),
         "Expansion too large: forall loops and list comprehensions exceed 10 bodies or elements generated "
         "(line "
         "9)\n"},
        {ParserErr(58), "No ranges in Forall construct\n"},
        {ParserErr(64), "Cannot divide by zero\n"},
        {inAllDiff, "In AllDifferent : Incompatible types (line 9)\n"},
        {twoNames, "Index i is out of range for array Row\nBad identifier possibly i or Row\n"},
        {ParserErr(31),
         "Linear constraint expected: only <=, >=, = allowed, and if constraint contains one real "
         "variable, all variables must be real (line 9)\n"},
        {ParserErr(47, "d"), "Integer Domain type d unknown (line 9)\n"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(Text(r.err), r.text) << "code " << r.err.GetCode();
}

TEST(ParserErr, FirstRecordedErrorIsKeptAndResetKeepsTexts) {
    int line = 4;
    ParseLineScope scope(&line);
    ParserErr e;
    e.Set(7);
    line = 5;
    e.Set(9, "late");
    EXPECT_EQ(e.GetCode(), 7);
    EXPECT_EQ(e.GetLine(), 4);
    EXPECT_TRUE(e.GetText1().empty());
    e.Set(7, -1, "a", nullptr);
    e.Reset();
    EXPECT_TRUE(e.IsOk());
    EXPECT_EQ(e.GetOperator(), -1);
    e.SetLineIfUnset(12);
    e.SetLineIfUnset(13);
    EXPECT_EQ(e.GetLine(), 12);
}

TEST(Bug, LineComesFromTheParseOrElseFromTheSource) {
    EXPECT_EQ(Bug("RawVar.cpp", 40).GetLine(), 40);
    int line = 3;
    ParseLineScope scope(&line);
    Bug bug("RawVar.cpp", 40);
    EXPECT_EQ(bug.GetLine(), 3);
    EXPECT_EQ(bug.Message(), "Bug in file RawVar.cpp (at line 3)\nBad identifier possibly RawVar.cpp\n");
}

TEST(TokenCodes, NamesOfOperatorTokens) {
    const std::vector<std::pair<int, std::string>> rows = {
        {280, "Implies"},
        {281, "Iff"},
        {282, "And"},
        {283, "Or"},
        {284, "Xor"},
        {286, "="},
        {287, "<>"},
        {288, "<"},
        {289, ">"},
        {290, "<="},
        {291, ">="},
        {292, "-"},
        {293, "+"},
        {294, "*"},
        {295, "/"},
        {296, "%"},
        {297, "Abs"},
        {298, "Power"},
        {299, "ScalProd"},
        {300, "Sum"},
        {301, "AllDifferent"},
        {302, "Sequence"},
        {303, "Count"},
        {307, "Minimum"},
        {308, "Maximum"},
        {309, "Element"},
        {310, "Member"},
        {311, "NotMember"},
        {312, "Subset"},
        {313, "StrictSubset"},
        {314, "Union"},
        {315, "Intersection"},
        {316, "AllDisjoint"},
        {317, "#"},
        {285, "285"},
        {262, "262"},
    };
    for (const auto& [token, name] : rows)
        EXPECT_EQ(TokenName(token), name);
}

TEST(ParserErr, IsAnErrorOfTheOneRootWhoseTextFollowsItsFields) {
    int line = 3;
    ParseLineScope scope(&line);
    ParserErr e;
    EXPECT_EQ(e.Text(), "Parsed CSP file successfully\n");
    e.Set(53, "x");
    EXPECT_EQ(e.GetCode(), 53);
    EXPECT_STREQ(e.what(), "Variable x not found (line 3)\n");
    e.SetOperator(Token::ALL_DIFFERENT);
    EXPECT_EQ(e.Text(), e.Message());
    e.Reset();
    EXPECT_EQ(e.GetCode(), 0);
    EXPECT_EQ(e.Text(), e.Message());
    try {
        throw Bug("RawExpr.cpp", 98);
    } catch (const Platform::Error& caught) {
        EXPECT_EQ(caught.GetCode(), 66);
        EXPECT_EQ(caught.Text(),
                  "Bug in file RawExpr.cpp (at line 3)\nBad identifier possibly RawExpr.cpp\n");
    }
}
