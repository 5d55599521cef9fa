#include "ParseHelpers.hpp"

#include "language/raw/RawCon.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace TavLanguage;

namespace {

const char* const kVars = "intvar x, y, z, q[4] :: d; boolvar b; setvar s, t :: sd; intvar w :: d;\n";
const char* const kDomains = "domains { intdom d = [0, 9]; setdom sd = {1, 2, 3}; }\n";

ParseResult Constraints(const std::string& constraints, const std::string& after = "") {
    return ParseText(Problem(kVars, constraints, kDomains, after));
}

// The printed form of the only constraint of a statement.
std::string One(const std::string& statement) {
    ParseResult r = Constraints(statement);
    EXPECT_TRUE(r.Ok()) << statement << ": " << r.Message();
    if (!r.Ok()) return "<error>";
    EXPECT_EQ(r.problem->GetConstraints().size(), 1u) << statement;
    return r.problem->GetConstraints().empty() ? "<none>" : r.problem->GetConstraints()[0]->ToString();
}

} // namespace

TEST(Expressions, ConstantFolding) {
    struct Row {
        std::string expression;
        std::string folded;
    };
    const std::vector<Row> rows = {
        {"7 / 2", "3"},
        {"-7 / 2", "-3"},
        {"-7 % 2", "-1"},
        {"7 % -2", "1"},
        {"2 + 3 * 4", "14"},
        {"(2 + 3) * 4", "20"},
        {"- 3 - 4", "-7"},
        {"2147483647 + 1", "-2147483648"},
        {"(-2147483647 - 1) / -1", "-2147483648"},
        {"(-2147483647 - 1) % -1", "0"},
        {"65536 * 65536", "0"},
        {"#{1, 2, 2, 5}", "3"},
        {"sum([1, 2, 3])", "6"},
        {"maximum([4, 9, 2])", "9"},
        {"minimum([4, 9, 2])", "2"},
        {"count([1, 2, 1], [1])", "2"},
        {"scalprod([1, 2], [3, 4])", "11"},
        {"abs(-5)", "5"},
        {"power(2, 10)", "1024"},
        {"true + true", "2"},
        {"(3 < 5) + (2 = 1)", "1"},
        {"(3 < 5)", "1"},
        {"x - x", "0"},
        {"x + x", "(2 * x)"},
        {"x / x", "(x / x)"},
        {"x % x", "(x % x)"},
        {"x / 0", "(x / 0)"},
        {"-x", "-x"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(One("w = " + row.expression + ";"), "w = " + row.folded) << row.expression;
    }
}

TEST(Expressions, DivisionByZeroOfConstants) {
    for (const std::string e : {"3 / 0", "3 % 0"}) {
        ParseResult r = Constraints("w = " + e + ";");
        EXPECT_EQ(r.err.GetCode(), 64) << e;
        EXPECT_EQ(r.Message(), std::string("In ") + (e[2] == '/' ? "/" : "%") + " : Cannot divide by zero\n");
    }
}

TEST(Expressions, ComparisonsOfConstantsFoldToTruthValues) {
    ParseResult r = Constraints("3 < 5;\n3 >= 5;\nx < 5 + 1;\n");
    ASSERT_TRUE(r.Ok()) << r.Message();
    // The true comparison is dropped, the false one kept as a constraint that never holds.
    EXPECT_EQ(r.Constraints(), "0 = 1\nx < 6\n");
}

TEST(Expressions, TypeErrorsNameTheOperatorAndTheLine) {
    struct Row {
        std::string statement;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"x + s = 1;", "In + : Expected integer (line 9)\n"},
        {"#x = 1;", "In # : Expected set (line 9)\n"},
        {"x = s;", "In = : Incompatible types (line 9)\n"},
        {"\"a\" = \"b\";", "In = : Some variable arguments required (line 9)\n"},
        {"s < t;", "In < : Expected integer (line 9)\n"},
        {"alldifferent(x);", "In AllDifferent : Expect list (line 9)\n"},
        {"alldifferent([s, t]);", "In AllDifferent : Expected list of finite variables (line 9)\n"},
        {"sum([s]) = 1;", "In Sum : Expected list of integer values and/or variables (line 9)\n"},
        {"count(q, [x]) = 1;", "In Count : Expected list of integer values (line 9)\n"},
        {"scalprod(q, [1, 2]) = 1;",
         "In ScalProd : The two list arguments aren't the same length (line 9)\n"},
        {"element(x, q, y);", "In Element : Expected list of integer values (line 9)\n"},
        {"member(x, q);", "In Member : Expected set (line 9)\n"},
        {"x and y;", "In And : Expected constraint (line 9)\n"},
        {"x;", "Expected constraint (line 9)\n"},
        {"power(x, y) = 1;", "In Power : Expected integer value (line 9)\n"},
        {"q[s] = 1;", "Expected integer (line 9)\n"},
        {"q[9] = 1;", "Index 9 is out of range for array q\nBad identifier possibly 9 or q\n"},
        {"nope = 1;", "Variable or Index nope not found (line 9)\n"},
        {"nope[1] = 1;", "Array nope not found (line 9)\n"},
        {"x[1] = 1;", "Attempt to access element in expression which is not an array\n"},
        {"[x, s] = [1];", "Elements of list are not of the same type (line 9)\n"},
        {"forall (i in [1..3], x > 1) { x > i; }", "Expected boolean value (line 9)\n"},
        {"if (i in [1..3]) { x > 1; }", "No range declarations allowed in If statements (line 9)\n"},
        {"soft(x > 1, y);", "Expected integer value (line 9)\n"},
        {"1 < 2 + \"a\";", "In + : Expected integer (line 9)\n"},
    };
    for (const auto& row : rows) {
        ParseResult r = Constraints("\n\n" + row.statement + "\n");
        EXPECT_EQ(r.Message(), row.message) << row.statement;
    }
}

TEST(Expressions, BuiltInsProduceTheRawShapesTheBridgesRead) {
    struct Row {
        std::string statement;
        RawType type;
        std::string text;
    };
    const std::vector<Row> rows = {
        {"alldifferent(q);", RawType::AllDifferent, "AllDifferent([q[0], q[1], q[2], q[3]])"},
        {"alldifferent([x, y, 3]);", RawType::AllDifferent, "AllDifferent([x, y, 3])"},
        {"sequence(q, [1, 2]);", RawType::Sequence, "Sequence([q[0], q[1], q[2], q[3]], [1, 2])"},
        {"circuit(q);", RawType::Circuit, "Circuit([q[0], q[1], q[2], q[3]])"},
        {"element(x, [3, 5, 7], y);", RawType::Element, "Element(x, [3, 5, 7], y)"},
        {"member(x, s);", RawType::Member, "Member(x, s)"},
        {"notmember(x, {1, 2});", RawType::NotMember, "NotMember(x, {1, 2})"},
        {"alldisjoint([s, t]);", RawType::AllDisjoint, "AllDisjoint([s, t])"},
        {"s subsetof t;", RawType::Subset, "s SubsetOf t"},
        {"s strictsubsetof {1, 2};", RawType::StrictSubset, "s StrictSubsetOf {1, 2}"},
        {"minimum(q) = x;", RawType::Equal, "Minimum([q[0], q[1], q[2], q[3]]) = x"},
        {"maximum([x, y]) > 2;", RawType::Greater, "Maximum([x, y]) > 2"},
        {"sum(q) <= 4;", RawType::LessEqual, "Sum([q[0], q[1], q[2], q[3]]) <= 4"},
        {"count(q, [1, 2]) >= 1;", RawType::GreaterEqual, "Count([q[0], q[1], q[2], q[3]], [1, 2]) >= 1"},
        {"scalprod([x, y], [2, 3]) <> 1;", RawType::NotEqual, "ScalProd([x, y], [2, 3]) <> 1"},
        {"abs(x - y) < 2;", RawType::Less, "Abs(x - y) < 2"},
        {"power(x, 2) = y;", RawType::Equal, "Power(x, 2) = y"},
        {"#union([s, t]) = 3;", RawType::Equal, "#Union([s, t]) = 3"},
        {"#intersection([s, {1}]) = 0;", RawType::Equal, "#Intersection([s, {1}]) = 0"},
        {"l := [1, 5, 9]; l[x] = y;", RawType::Equal, "Index(x, [1, 5, 9]) = y"},
        {"b;", RawType::Equal, "b = 1"},
        {"not b;", RawType::Not, "Not (b = 1)"},
        {"x = 1 and y = 2;", RawType::And, "(x = 1) And (y = 2)"},
        {"x = 1 or y = 2 xor z = 3;", RawType::Xor, "((x = 1) Or (y = 2)) Xor (z = 3)"},
        {"x = 1 implies y = 2 iff z = 3;", RawType::Iff, "((x = 1) Implies (y = 2)) Iff (z = 3)"},
        {"x = 1 or true;", RawType::Equal, "0 = 1"}, // placeholder replaced below
    };
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        const Row& row = rows[i];
        ParseResult r = Constraints(row.statement);
        ASSERT_TRUE(r.Ok()) << row.statement << ": " << r.Message();
        ASSERT_EQ(r.problem->GetConstraints().size(), 1u) << row.statement;
        const auto& c = r.problem->GetConstraints()[0];
        EXPECT_EQ(c->GetType(), row.type) << row.statement;
        EXPECT_EQ(c->ToString(), row.text) << row.statement;
    }
    // A list argument is one RawArr argument; value lists are RawArr of RawInt.
    ParseResult r = Constraints("count(q, [1, 2]) >= 1;");
    RPtr<RawExpr> count = r.problem->GetConstraints()[0]->GetArg(0);
    EXPECT_EQ(count->GetType(), RawType::Count);
    EXPECT_EQ(count->GetArg(0)->GetType(), RawType::Array);
    EXPECT_EQ(count->GetArg(1)->GetElement(1)->GetType(), RawType::IntVal);
    // Constant logic folds away: "or true" holds always, "and false" never.
    EXPECT_EQ(Constraints("x = 1 or true;").problem->GetConstraints().size(), 0u);
    EXPECT_EQ(Constraints("x = 1 and false;").Constraints(), "0 = 1\n");
    EXPECT_EQ(Constraints("false implies x = 1;").problem->GetConstraints().size(), 0u);
}

TEST(Expressions, PrecedenceFromTheWorkbenchTexts) {
    EXPECT_EQ(One("#s > 0 Implies #t = 0;"), "(#s > 0) Implies (#t = 0)");
    EXPECT_EQ(One("x + y * z - 1 = 2;"), "((x + (y * z)) - 1) = 2");
    EXPECT_EQ(One("not x = 1 and y = 2;"), "(Not (x = 1)) And (y = 2)");
    EXPECT_EQ(One("count(q ++ [x], [1]) = 1;"), "Count([q[0], q[1], q[2], q[3], x], [1]) = 1");
    EXPECT_EQ(One("- x * 2 = y;"), "(-x * 2) = y");
    // Folded truth values inside expressions are the integers 0 and 1, never boolean constants.
    EXPECT_EQ(One("sum([x > 1, 2 < 3, alldifferent([1, 1])]) >= 1;"), "Sum([x > 1, 1, 0]) >= 1");
}

TEST(Expressions, ForallOverOneTwoAndThreeRangesWithConditions) {
    ParseResult one = Constraints("forall (i in [0..3], i % 2 = 0) { q[i] > i; }");
    ASSERT_TRUE(one.Ok()) << one.Message();
    EXPECT_EQ(one.Constraints(), "q[0] > 0\nq[2] > 2\n");

    ParseResult two = Constraints("forall (i in [1..2], j in [1..3]) { x <> i * 10 + j; }");
    ASSERT_TRUE(two.Ok()) << two.Message();
    EXPECT_EQ(two.Constraints(), "x <> 11\nx <> 12\nx <> 13\nx <> 21\nx <> 22\nx <> 23\n");

    ParseResult three =
        Constraints("n := 3;\nforall (i = [0..n], j = [i + 1 .. n], k in [j .. n], i + j + k = 4) "
                    "{ x <> 100 * i + 10 * j + k; }");
    ASSERT_TRUE(three.Ok()) << three.Message();
    EXPECT_EQ(three.Constraints(), "x <> 13\nx <> 22\n");

    ParseResult lists = Constraints("forall (v in [5, 7], e in {2, 1}) { x <> v * e; }");
    ASSERT_TRUE(lists.Ok()) << lists.Message();
    EXPECT_EQ(lists.Constraints(), "x <> 5\nx <> 10\nx <> 7\nx <> 14\n");

    ParseResult empty = Constraints("forall (i in [3..1]) { x > i; }");
    ASSERT_TRUE(empty.Ok());
    EXPECT_EQ(empty.Constraints(), "");

    // An index hides a variable of the same name inside the body only.
    ParseResult shadow = Constraints("forall (x in [1..2]) { y <> x; }\ny <> x;");
    ASSERT_TRUE(shadow.Ok()) << shadow.Message();
    EXPECT_EQ(shadow.Constraints(), "y <> 1\ny <> 2\ny <> x\n");

    ParseResult nested = Constraints("forall (i in [1..2]) { forall (j in [i..2]) { x <> 10 * i + j; } }");
    EXPECT_EQ(nested.Constraints(), "x <> 11\nx <> 12\nx <> 22\n");

    EXPECT_EQ(Constraints("forall (1 < 2) { x > 1; }").err.GetCode(), 58);
}

TEST(Expressions, SubRangesAndIntensionalLists) {
    EXPECT_EQ(Constraints("forall (sublists l of [1, 2, 3]) { sum(l) <> x; }").Constraints(),
              "1 <> x\n3 <> x\n6 <> x\n2 <> x\n5 <> x\n3 <> x\n");
    EXPECT_EQ(Constraints("forall (subseqs l of [1, 2, 4]) { sum(l) <> x; }").Constraints(),
              "1 <> x\n2 <> x\n3 <> x\n4 <> x\n5 <> x\n6 <> x\n7 <> x\n");
    EXPECT_EQ(Constraints("forall (subsets l of [2, 1]) { #l <> x; }").Constraints(),
              "1 <> x\n1 <> x\n2 <> x\n");
    EXPECT_EQ(One("alldifferent([q[i] | i in [0..3], i <> 1]);"), "AllDifferent([q[0], q[2], q[3]])");
    EXPECT_EQ(One("member(x, {i * i | i in [1..3]});"), "Member(x, {1, 4, 9})");
}

TEST(Expressions, IfElseIfElse) {
    const std::string body = "forall (i in [0..3]) { if (i = 0) { q[i] = 0; } else if (i < 2) { q[i] = 1; } "
                             "else { q[i] > 1; } }";
    ParseResult r = Constraints(body);
    ASSERT_TRUE(r.Ok()) << r.Message();
    EXPECT_EQ(r.Constraints(), "q[0] = 0\nq[1] = 1\nq[2] > 1\nq[3] > 1\n");
    EXPECT_EQ(Constraints("if (1 > 2) { x = 1; }").Constraints(), "");
    // A condition over variables makes the branches conditional.
    EXPECT_EQ(Constraints("if (b) { x = 1; } else { x = 2; y = 3; }").Constraints(),
              "(b = 1) Implies (x = 1)\n(Not (b = 1)) Implies ((x = 2) And (y = 3))\n");
}

TEST(Expressions, UserDefinedConstraintsAndFunctions) {
    const std::string defs = "constraint between(v, lo, hi) { v >= lo; v <= hi; }\n"
                             "function twice(v) { return 2 * v; }\n"
                             "constraint pairs(l) { forall (i in [0..2]) { l[i] < l[i + 1]; } }\n";
    ParseResult r =
        Constraints(defs + "between(x, 1, 3);\ntwice(y) = z;\nnot between(w, 2, 2 + 1);\npairs(q);\n");
    ASSERT_TRUE(r.Ok()) << r.Message();
    EXPECT_EQ(r.Constraints(), "x >= 1\nx <= 3\n(2 * y) = z\nNot ((w >= 2) And (w <= 3))\n"
                               "q[0] < q[1]\nq[1] < q[2]\nq[2] < q[3]\n");
    // Used as one constraint, a body of many constraints is a balanced And tree.
    ParseResult balanced = Constraints(defs + "b implies pairs(q);");
    ASSERT_TRUE(balanced.Ok()) << balanced.Message();
    EXPECT_EQ(balanced.Constraints(),
              "(b = 1) Implies (((q[0] < q[1]) And (q[1] < q[2])) And (q[2] < q[3]))\n");

    EXPECT_EQ(Constraints(defs + "\nbetween(x, 1);").Message(),
              "Wrong number of parameters to user defined constraint (line11)\n");
    EXPECT_EQ(Constraints("\nnowhere(x);").Message(),
              "Identifier nowhere not found\nBad identifier possibly nowhere\n");
    EXPECT_EQ(Constraints("\nx(1);").err.GetCode(), 24);
    // A definition that calls itself is refused, not followed until the stack runs out.
    EXPECT_EQ(Constraints("constraint loop(v) { loop(v); }\nloop(x);").err.GetCode(), 2);
    // A function's own constraints are posted with the statement using it; its result may use its data.
    ParseResult scaled =
        Constraints("function scaled(v) { k := 3; v >= 1; return v * k; }\nscaled(y) <= 6;\n");
    ASSERT_TRUE(scaled.Ok()) << scaled.Message();
    EXPECT_EQ(scaled.Constraints(), "y >= 1\n(y * 3) <= 6\n");
    // A body's data declarations and definitions end with it.
    ParseResult local = Constraints("forall (i in [1..2]) { k := i * 3; x <> k; }\nk := 7;\nx <> k;");
    ASSERT_TRUE(local.Ok()) << local.Message();
    EXPECT_EQ(local.Constraints(), "x <> 3\nx <> 6\nx <> 7\n");
}

TEST(Expressions, SoftConstraintsGoToTheSoftList) {
    ParseResult r =
        Constraints("soft(x = 1, 3);\nsoft(x <> y and b, 2 + 2);\nsoft(1 > 2, 5);\nsoft(1 < 2, 5);\n");
    ASSERT_TRUE(r.Ok()) << r.Message();
    EXPECT_TRUE(r.problem->GetConstraints().empty());
    ASSERT_EQ(r.problem->GetSoftConstraints().size(), 3u);
    EXPECT_EQ(r.problem->GetSoftConstraints()[0]->ToString(), "Soft(x = 1, 3)");
    EXPECT_EQ(r.problem->GetSoftConstraints()[1]->GetWeight(), 4);
    EXPECT_EQ(r.problem->GetSoftConstraints()[1]->GetConstraint()->GetType(), RawType::And);
    EXPECT_EQ(r.problem->GetSoftConstraints()[2]->ToString(), "Soft(0 = 1, 5)");
    EXPECT_EQ(Constraints("constraint c(v) { soft(v = 1, 2); }\nb or c(x);").err.GetCode(), 22);
}

TEST(Expressions, OptimisationTargets) {
    ParseResult min = Constraints("", "optimisation { minimise(x + y); }\n");
    ASSERT_TRUE(min.Ok()) << min.Message();
    ASSERT_TRUE(min.problem->GetObjective());
    EXPECT_EQ(min.problem->GetObjective()->GetType(), RawType::Minimise);
    EXPECT_EQ(min.problem->GetObjective()->GetExpression()->ToString(), "x + y");
    ParseResult max = Constraints("", "optimisation { Maximise(sum(q)); }\n");
    ASSERT_TRUE(max.Ok()) << max.Message();
    EXPECT_EQ(max.problem->GetObjective()->GetType(), RawType::Maximise);
    EXPECT_FALSE(max.problem->GetRealObjective());
    EXPECT_EQ(Constraints("", "optimisation { minimise(s); }\n").err.GetCode(), 7);
}

TEST(Expressions, RealProblemsFillTheRealListsAndMustBeLinear) {
    const std::string vars = "realvar r, u; intvar k :: d;\n";
    const std::string doms = "domains { intdom d = [0, 5]; }\n";
    ParseResult lp = ParseText(Problem(vars, "2 * r + 3 * u <= 12;\nr + 5 >= u - 1;\n3 * (r - u) = 6.5;\n",
                                       doms, "optimisation { maximise(r + 2 * u); }\n"));
    ASSERT_TRUE(lp.Ok()) << lp.Message();
    EXPECT_EQ(lp.problem->GetRealVariables().size(), 2u);
    EXPECT_EQ(lp.problem->GetVariables().size(), 1u);
    EXPECT_TRUE(lp.problem->GetConstraints().empty());
    ASSERT_EQ(lp.problem->GetRealConstraints().size(), 3u);
    EXPECT_EQ(lp.problem->GetRealConstraints()[0]->ToString(), "((2 * r) + (3 * u)) <= 12");
    ASSERT_TRUE(lp.problem->GetRealObjective());
    EXPECT_FALSE(lp.problem->GetObjective());
    EXPECT_EQ(lp.problem->GetRealObjective()->GetType(), RawType::Maximise);

    struct Row {
        std::string text;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"\nr < 3;",
         "In < : Linear constraint expected: only <=, >=, = allowed, and if constraint contains one "
         "real variable, all variables must be real (line 8)\n"},
        {"\nr * u <= 3;", "In <= : Linear expression expected (line 8)\n"},
        {"\nr + k <= 3;",
         "In <= : Linear constraint expected: only <=, >=, = allowed, and if constraint contains "
         "one real variable, all variables must be real (line 8)\n"},
        {"\nr / 2 >= 1;", "In >= : Linear expression expected (line 8)\n"},
        {"\ntrue;", "Linear constraint expected: only <=, >=, = allowed, and if constraint contains one real "
                    "variable, all variables must be real (line 8)\n"},
        {"\nr >= 1 and u >= 1;",
         "In And : Linear constraint expected: only <=, >=, = allowed, and if constraint "
         "contains one real variable, all variables must be real (line 8)\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseText(Problem(vars, row.text, doms)).Message(), row.message);
    EXPECT_EQ(ParseText(Problem(vars, "", doms, "optimisation { minimise(r * u); }\n")).err.GetCode(), 30);
}

TEST(Expressions, DeepExpressionsDoNotOverflowTheStack) {
    std::ostringstream sum, conj;
    sum << "w = x";
    for (int i = 0; i < 50000; ++i)
        sum << " + y";
    sum << ";\n";
    ParseResult r = Constraints(sum.str());
    ASSERT_TRUE(r.Ok()) << r.Message();
    EXPECT_EQ(r.problem->GetConstraints()[0]->GetArg(1)->GetType(), RawType::Plus);

    conj << "constraint big(v) { forall (i in [1..5000]) { v <> i; } }\nb implies big(x);\nx = 1";
    for (int i = 0; i < 20000; ++i)
        conj << " and y = 1";
    conj << ";\n";
    ParseResult c = Constraints(conj.str());
    ASSERT_TRUE(c.Ok()) << c.Message();
    EXPECT_EQ(c.problem->GetConstraints().size(), 2u);

    // Nesting deeper than the bound is refused with a syntax error at its line.
    std::string nested = "\nw = ";
    for (int i = 0; i < 5000; ++i)
        nested += "abs(";
    nested += "x" + std::string(5000, ')') + ";";
    EXPECT_EQ(Constraints(nested).Message(), "Syntax error (line 8)\n");
}

TEST(Expressions, QueensGivesEightyFourConstraintsInOrder) {
    ParseResult r =
        ParseText("Problem:test\r\n{\r\nData\r\n{\r\nQueens := 8;\r\n}\r\nDomains\r\n{\r\nIntDom "
                  "Column=[0,Queens-1];\r\n\r\n}"
                  "\r\nVariables\r\n{\r\nIntVar Row[Queens]::Column;\r\n}\r\nConstraints\r\n{\r\nForall (i "
                  "in [0 .. Queens - 1], "
                  "j in [0 .. Queens - 1] , i < j)\r\n{\r\nRow[i] <> Row[j];\r\nRow[i] - Row[j] <> i - "
                  "j;\r\nRow[i] - Row[j] <> "
                  "j - i;\r\n}\r\n\r\n}\r\n\r\n}");
    ASSERT_TRUE(r.Ok()) << r.Message();
    const auto& cons = r.problem->GetConstraints();
    ASSERT_EQ(cons.size(), 84u);
    std::size_t k = 0;
    for (int i = 0; i < 8; ++i) {
        for (int j = i + 1; j < 8; ++j) {
            const std::string a = "row[" + std::to_string(i) + "]", b = "row[" + std::to_string(j) + "]";
            EXPECT_EQ(cons[k++]->ToString(), a + " <> " + b);
            EXPECT_EQ(cons[k++]->ToString(), "(" + a + " - " + b + ") <> " + std::to_string(i - j));
            EXPECT_EQ(cons[k++]->ToString(), "(" + a + " - " + b + ") <> " + std::to_string(j - i));
        }
    }
}

namespace {

// Random constant expressions and their value computed independently of the parser:
// 32-bit wrap-around, division truncating toward zero, remainder with the dividend's sign.
struct RandomExpression {
    std::uint32_t seed;
    bool divisionByZero = false;

    std::uint32_t Next() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    }
    static std::int32_t Wrap(std::int64_t v) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }

    // Builds the text of an expression of the given depth and returns its value.
    std::int32_t Build(int depth, std::string& text) {
        if (depth == 0 || Next() % 4 == 0) {
            const std::int32_t v = static_cast<std::int32_t>(Next() % 2000) - 1000;
            text += v < 0 ? "(" + std::to_string(v) + ")" : std::to_string(v);
            return v;
        }
        if (Next() % 6 == 0) {
            text += "-(";
            const std::int32_t v = Build(depth - 1, text);
            text += ")";
            return Wrap(-static_cast<std::int64_t>(v));
        }
        static const char* const ops[] = {"+", "-", "*", "/", "%"};
        const int op = static_cast<int>(Next() % 5);
        text += "(";
        const std::int64_t a = Build(depth - 1, text);
        text += std::string(" ") + ops[op] + " ";
        const std::int64_t b = Build(depth - 1, text);
        text += ")";
        switch (op) {
        case 0:
            return Wrap(a + b);
        case 1:
            return Wrap(a - b);
        case 2:
            return Wrap(a * b);
        default:
            if (b == 0) {
                divisionByZero = true;
                return 0;
            }
            return op == 3 ? Wrap(a / b) : Wrap(a % b);
        }
    }
};

} // namespace

TEST(Expressions, FoldingAgreesWithAnIndependentEvaluation) {
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        RandomExpression gen{seed};
        std::string text;
        const std::int32_t expected = gen.Build(5, text);
        ParseResult r = Constraints("w = " + text + ";");
        if (gen.divisionByZero) {
            EXPECT_EQ(r.err.GetCode(), 64) << "seed " << seed << ": " << text;
            continue;
        }
        ASSERT_TRUE(r.Ok()) << "seed " << seed << ": " << text << " " << r.Message();
        ASSERT_EQ(r.problem->GetConstraints().size(), 1u);
        RPtr<RawExpr> folded = r.problem->GetConstraints()[0]->GetArg(1);
        ASSERT_EQ(folded->GetType(), RawType::IntVal) << text;
        EXPECT_EQ(folded->GetInt(), expected) << "seed " << seed << ": " << text;
    }
}
