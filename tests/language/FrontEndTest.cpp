#include "ParseHelpers.hpp"

#include "language/ParseContext.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawRange.hpp"
#include "language/raw/RawStr.hpp"
#include "language/tree/GenType.hpp"
#include "platform/Cancelled.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

using namespace TavLanguage;

namespace {

const char* const kDeclarations = R"(PROBLEM:Decl {
  DATA { N := 3; L := [4, 5, 6]; Q := {3, 1, 2}; }
  DOMAINS {
    INTDOM Range = [1, N + 2];
    INTDOM Listed = {2, 4, 8};
    ENUMDOM Colour = {"Red", "green"};
    SETDOM Pool = {1, 2, 3};
  }
  VARIABLES {
    INTVAR a, Grid[2][N] :: Range;
    ENUMVAR c :: Colour;
    SETVAR s[2] :: Pool;
    BOOLVAR b, flags[2];
    INTVAR e :: Listed;
  }
  CONSTRAINTS { }
})";

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '\n') out += '\r';
        out += ch;
    }
    return out;
}

} // namespace

TEST(FrontEnd, EveryDeclarationFormReachesTheRawProblemInAnyCaseAndLineEnd) {
    for (const std::string& text : {std::string(kDeclarations), WithCrLf(kDeclarations)}) {
        ParseResult r = ParseText(text);
        ASSERT_TRUE(r.Ok()) << r.Message();
        const auto& domains = r.problem->GetDomains();
        ASSERT_EQ(domains.size(), 4u);
        EXPECT_EQ(domains[0]->GetType(), RawType::IntDom);
        EXPECT_EQ(domains[0]->GetName(), "range");
        ASSERT_EQ(domains[0]->GetValues()->GetType(), RawType::Range);
        EXPECT_EQ(RPtr<RawRange>(domains[0]->GetValues())->GetHigh(), 5);
        EXPECT_EQ(domains[1]->GetValues()->ToString(), "[2, 4, 8]");
        EXPECT_EQ(domains[2]->GetType(), RawType::StrDom);
        EXPECT_EQ(domains[2]->GetValues()->ToString(), "[\"red\", \"green\"]");
        EXPECT_EQ(domains[3]->GetType(), RawType::SetDom);

        std::vector<std::string> names;
        std::vector<RawType> kinds;
        for (const auto& v : r.problem->GetVariables()) {
            names.push_back(v->GetName());
            kinds.push_back(v->GetType());
        }
        const std::vector<std::string> expected = {
            "a", "grid[0][0]", "grid[0][1]", "grid[0][2]", "grid[1][0]", "grid[1][1]", "grid[1][2]",
            "c", "s[0]",       "s[1]",       "b",          "flags[0]",   "flags[1]",   "e"};
        EXPECT_EQ(names, expected);
        EXPECT_EQ(kinds[0], RawType::IntVar);
        EXPECT_EQ(kinds[7], RawType::StrVar);
        EXPECT_EQ(kinds[8], RawType::SetVar);
        EXPECT_EQ(kinds[10], RawType::BoolVar);
        for (std::size_t i = 0; i < r.problem->GetVariables().size(); ++i) {
            EXPECT_EQ(r.problem->GetVariables()[i]->GetId(), static_cast<int>(i));
        }
        EXPECT_EQ(r.problem->GetVariables()[4]->GetDomainName(), "range");
        EXPECT_EQ(r.problem->GetVariables()[13]->GetDomainName(), "listed");
        EXPECT_EQ(r.problem->GetVariables()[10]->GetDomainName(), "");
    }
}

TEST(FrontEnd, SmallestProblemAndOptionalBlocks) {
    EXPECT_TRUE(ParseText("problem:p { variables { } constraints { } }").Ok());
    EXPECT_TRUE(ParseText("problem : p { variables { } constraints { } }").Ok());
    EXPECT_TRUE(ParseText("problem:p { variables { intvar x :: d; } constraints { } }").err.GetCode() == 47);
}

TEST(FrontEnd, ErrorsCarryTheirTextAndLine) {
    struct Row {
        std::string text;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"problem:p {\nvariables { }\n$ constraints { } }", "Syntax error (line 3)\n"},
        {"problem:p {\n\nconstraints { } }", "Syntax error (line 3)\n"}, // missing variables block
        {"problem:p {\nvariables {\nintvar x :: nowhere;\n}\nconstraints { } }",
         "Integer Domain type nowhere unknown (line 3)\n"},
        {"problem:p {\nvariables {\nsetvar x :: d;\n}\nconstraints { } }",
         "Set Domain type d unknown (line 3)\n"},
        {"problem:p {\nvariables {\nenumvar x :: d;\n}\nconstraints { } }",
         "String Domain type d unknown (line 3)\n"},
        {"problem:p {\ndomains { intdom d = [1, 2]; }\nvariables {\nintvar x, x :: d;\n}\nconstraints { } }",
         "Identifier x already used\nBad identifier possibly x\n"},
        {"problem:p {\ndomains {\nintdom d = [1, \"a\"]; }\nvariables { }\nconstraints { } }",
         "Expected integer value (line 3)\n"},
        {"problem:p {\nvariables { }\nconstraints {\nx = 2147483648; } }", "Syntax error (line 4)\n"},
        {"problem:p {\nvariables { } constraints { }\noptimisation { minimise(1); maximise(2); } }",
         "Syntax error (line 3)\n"},
        {"problem:p {\n/* a\ncomment */ variables { } // note\n\n constraints { } } extra",
         "Syntax error (line 5)\n"},
        {"problem:p {\ndata { n := 1 / 0; }\nvariables { } constraints { } }",
         "In / : Cannot divide by zero\n"},
        {"problem:p {\ndata { n := m; }\nvariables { } constraints { } }",
         "Variable or Index m not found (line 2)\n"},
    };
    for (const auto& row : rows) {
        ParseResult r = ParseText(row.text);
        EXPECT_EQ(r.Message(), row.message) << row.text;
    }
}

TEST(FrontEnd, FilesThatCannotBeReadAndFilesWithCarriageReturns) {
    RawCSP problem;
    ParserInfo info;
    const ParserErr missing = ParseCSPFile("/nonexistent/none.csp", &info, &problem);
    EXPECT_EQ(missing.GetCode(), 1);
    EXPECT_EQ(missing.Message(), "Can't open CSP File\n");
    EXPECT_TRUE(problem.GetVariables().empty());
    EXPECT_EQ(ParseCSPFile("/tmp", nullptr, nullptr).GetCode(), 1);

    const std::string path = ::testing::TempDir() + "crlf.csp";
    {
        std::ofstream out(path, std::ios::binary);
        out << WithCrLf(kDeclarations);
    }
    EXPECT_TRUE(ParseCSPFile(path, nullptr, nullptr).IsOk());
    EXPECT_TRUE(ParseCSPFile(path, nullptr, &problem).IsOk());
    EXPECT_EQ(problem.GetVariables().size(), 14u);
    std::remove(path.c_str());
}

TEST(FrontEnd, CaseInsensitiveCopyLowersAsciiOnlyAndDropsByte255) {
    const std::string in = std::string("AbC\xC4\xFFZ_9", 8);
    EXPECT_EQ(CreateCaseInsensitiveCopy(in), std::string("abc\xC4z_9", 7));
}

TEST(FrontEnd, TwoParsesOnTwoThreadsAtOnceAreBothRight) {
    auto queens = [](int n) {
        return "problem:q { data { n := " + std::to_string(n) +
               "; } domains { intdom c = [0, n - 1]; } variables { intvar r[n] :: c; } constraints {\n"
               "forall (i in [0 .. n - 1], j in [0 .. n - 1], i < j) { r[i] <> r[j]; r[i] - r[j] <> i - j; "
               "r[i] - r[j] <> j - i; } } }";
    };
    const std::string a = queens(9), b = queens(14);
    const std::string expectA = ParseText(a).Constraints(), expectB = ParseText(b).Constraints();
    std::string gotA, gotB;
    std::size_t varsA = 0, varsB = 0;
    std::thread t1([&] {
        for (int k = 0; k < 20; ++k) {
            ParseResult r = ParseText(a);
            if (!r.Ok() || r.Constraints() != expectA) gotA = "mismatch";
            varsA = r.problem->GetVariables().back()->GetId();
        }
    });
    std::thread t2([&] {
        for (int k = 0; k < 20; ++k) {
            ParseResult r = ParseText(b);
            if (!r.Ok() || r.Constraints() != expectB) gotB = "mismatch";
            varsB = r.problem->GetVariables().back()->GetId();
        }
    });
    t1.join();
    t2.join();
    EXPECT_EQ(gotA, "");
    EXPECT_EQ(gotB, "");
    EXPECT_EQ(varsA, 8u);
    EXPECT_EQ(varsB, 13u);
}

TEST(FrontEnd, ProblemsWithAHundredThousandStatementsParse) {
    std::ostringstream vars, cons;
    const int n = 100000;
    for (int i = 0; i < n; ++i)
        vars << "intvar v" << i << " :: d;\n";
    for (int i = 0; i + 1 < n; ++i)
        cons << "v" << i << " <> v" << i + 1 << ";\n";
    ParseResult r = ParseText(Problem(vars.str(), cons.str(), "domains { intdom d = [0, 1]; }\n"));
    ASSERT_TRUE(r.Ok()) << r.Message();
    EXPECT_EQ(r.problem->GetVariables().size(), static_cast<std::size_t>(n));
    EXPECT_EQ(r.problem->GetConstraints().size(), static_cast<std::size_t>(n - 1));
}

TEST(FrontEnd, SideInformationListsTheIdentifiersOfEachConstraint) {
    ParseResult r =
        ParseText(Problem("intvar x[3] :: d; intvar y :: d;\n",
                          "k := 2;\nx[0] = y;\nforall (i in [1..k]) { x[i] > y; }\nalldifferent(x);\n",
                          "domains { intdom d = [0, 5]; }\n"));
    ASSERT_TRUE(r.Ok()) << r.Message();
    ASSERT_EQ(r.info.GetNames().size(), 3u);
    EXPECT_EQ(r.info.GetNames()[0], "=");
    EXPECT_EQ(r.info.GetNames()[2], "AllDifferent");
    EXPECT_EQ(r.info.GetLists()[0], (std::vector<std::string>{"x[0]", "y"}));
    EXPECT_EQ(r.info.GetLists()[1], (std::vector<std::string>{"k", "i", "x[i]", "y"}));
    EXPECT_EQ(r.info.GetLists()[2], (std::vector<std::string>{"x"}));
    std::ostringstream out;
    out << r.info;
    EXPECT_EQ(out.str().substr(0, 14), "=: {x[0],y}\n33");
}

TEST(FrontEnd, LiteralIndicesPickTheirElementsInAnyNumberOfDimensions) {
    const std::string vars = "intvar x[3] :: d; intvar z[2][2][2][2] :: d;\n";
    const std::string doms = "domains { intdom d = [0, 5]; }\n";
    ParseResult r = ParseText(
        Problem(vars, "x[2] = z[1][0][1][1];\nforall (i in [0..1]) { x[i] < x[1] + z[i][0][1][0]; }\n", doms,
                "optimisation { minimise(x[0] + z[1][1][1][1]); }\n"));
    ASSERT_TRUE(r.Ok()) << r.Message();
    EXPECT_EQ(r.Constraints(),
              "x[2] = z[1][0][1][1]\nx[0] < (x[1] + z[0][0][1][0])\nx[1] < (x[1] + z[1][0][1][0])\n");
    // The target's identifiers are in no list: it is not a constraint statement.
    ASSERT_EQ(r.info.GetNames().size(), 2u);
    EXPECT_EQ(r.info.GetLists()[0], (std::vector<std::string>{"x[2]", "z[1][0][1][1]"}));
    EXPECT_EQ(r.info.GetLists()[1], (std::vector<std::string>{"i", "x[i]", "x[1]", "i", "z[i][0][1][0]"}));
    EXPECT_EQ(r.problem->GetObjective()->ToString(), "Minimise(x[0] + z[1][1][1][1])");

    EXPECT_EQ(ParseText(Problem(vars, "\nx[3] = 1;\n", doms)).Message(),
              ParseText(Problem(vars, "\nforall (i in [3..3]) { x[i] = 1; }\n", doms)).Message());
    EXPECT_EQ(ParseText(Problem(vars, "z[1][0][2][0] = 1;\n", doms)).err.GetCode(), 63);
    EXPECT_EQ(ParseText(Problem(vars, "x[1][0] = 1;\n", doms)).err.GetCode(), 60);
    EXPECT_EQ(ParseText(Problem(vars, "y[1] = 1;\n", doms)).err.GetCode(), 54);
}

TEST(FrontEnd, AFileParsesAsItsTextDoes) {
    // Upper case, bytes 255 and a last line without an end: read whole and lowered as a text.
    const std::string text = "PROBLEM:p {\nVariables { IntVar X[2] :: D; }\nDomains { }\n}";
    const std::string good = std::string("Problem:p {\nDomains { IntDom D = [0, 3]; }\n") +
                             "Variables { IntVar X[2] :: D; }\nConstraints { X[0] \xFF< X[1]; }\n}";
    const std::string path = ::testing::TempDir() + "whole.csp";
    for (const std::string& t : {text, good}) {
        {
            std::ofstream out(path, std::ios::binary);
            out << t;
        }
        RawCSP fromFile;
        ParserInfo fileInfo;
        const ParserErr fileErr = ParseCSPFile(path, &fileInfo, &fromFile);
        ParseResult fromText = ParseText(t);
        EXPECT_EQ(fileErr.Message(), fromText.Message()) << t;
        EXPECT_EQ(fromFile.GetConstraints().size(), fromText.problem->GetConstraints().size());
        std::ostringstream a, b;
        a << fileInfo;
        b << fromText.info;
        EXPECT_EQ(a.str(), b.str());
    }
    EXPECT_EQ(ParseText(good).Constraints(), "x[0] < x[1]\n");
    std::remove(path.c_str());
}

TEST(GenType, CompatibilityEqualityAndRefinement) {
    const GenType intVal(GenKind::IntVal), intVar(GenKind::IntVar), strVal(GenKind::StrVal);
    const GenType arrNone(GenKind::Array), arrInt(GenKind::Array, {intVal}), arrVar(GenKind::Array, {intVar});
    const GenType setInt(GenKind::Set, {intVal}), setStr(GenKind::Set, {strVal});
    EXPECT_TRUE(arrNone == arrInt);
    EXPECT_TRUE(arrNone.IsCompatible(arrInt));
    EXPECT_FALSE(setInt == setStr);
    EXPECT_FALSE(setInt.IsCompatible(setStr));
    EXPECT_TRUE(arrInt.IsCompatible(intVal));
    const GenType tupA(GenKind::Tuple, {intVal, intVar}), tupB(GenKind::Tuple, {intVal, intVal}),
        tupC(GenKind::Tuple, {intVal, intVal, intVal});
    EXPECT_FALSE(tupA.IsCompatible(tupB));
    EXPECT_FALSE(tupB.IsCompatible(tupC));
    EXPECT_TRUE(tupB.IsCompatible(tupB));
    EXPECT_TRUE(GenType(GenKind::BoolVal).IsCompatible(intVar));
    EXPECT_TRUE(GenType(GenKind::Constraint).IsCompatible(intVar));
    EXPECT_FALSE(GenType(GenKind::FltVal).IsCompatible(intVal));
    EXPECT_FALSE(GenType(GenKind::Range).IsCompatible(GenType(GenKind::Range)));

    RPtr<RawArr> mixed(new RawArr);
    mixed->AddElement(RPtr<RawExpr>(new RawInt(1)));
    mixed->AddElement(RPtr<RawExpr>(new RawStr("a")));
    const GenType typed{RPtr<RawExpr>(mixed)};
    EXPECT_EQ(typed.GetKind(), GenKind::Array);
    EXPECT_EQ(typed.GetSubType().GetKind(), GenKind::StrVal);

    GenType refined = arrInt;
    refined.AddArraySubTypes(arrVar);
    EXPECT_EQ(refined.GetSubType().GetKind(), GenKind::IntVar);
    GenType filled = arrNone;
    filled.AddArraySubTypes(GenType(GenKind::Array, {GenType(GenKind::SetVal)}));
    EXPECT_EQ(filled.GetSubType().GetKind(), GenKind::SetVal);

    EXPECT_TRUE(arrVar.IsArrayOfVariables());
    EXPECT_TRUE(arrInt.IsArrayOfValues());
    EXPECT_TRUE(GenType(GenKind::BoolVar).IsIntVariable());
    EXPECT_TRUE(GenType(GenKind::StrVar).IsIntOrStrVariable());
    EXPECT_TRUE(GenType(GenKind::SetVar).IsSetVariable());
}

TEST(Scanner, TokensOfTheEdgeCases) {
    using Tokens = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(ScanText("Problem:Test"), (Tokens{{"START_PROBLEM", ""}, {"IDENT", "test"}}));
    EXPECT_EQ(ScanText("a:=b"), (Tokens{{"IDENT", "a"}, {"IS", ""}, {"IDENT", "b"}}));
    EXPECT_EQ(ScanText("1..5"), (Tokens{{"INT_VAL", "1"}, {"TO", ""}, {"INT_VAL", "5"}}));
    EXPECT_EQ(ScanText("TRUE false"), (Tokens{{"INT_VAL", "1"}, {"INT_VAL", "0"}}));
    EXPECT_EQ(ScanText("intvar intvars"), (Tokens{{"INTVAR_DECL", ""}, {"IDENT", "intvars"}}));
    EXPECT_EQ(ScanText("x::d ++ <> <= # \"Ab\""), (Tokens{{"IDENT", "x"},
                                                          {"AS", ""},
                                                          {"IDENT", "d"},
                                                          {"CONCAT_OP", ""},
                                                          {"NEQ", ""},
                                                          {"LTEQ", ""},
                                                          {"CARDINALITY", ""},
                                                          {"STR_VAL", "ab"}}));
    EXPECT_EQ(ScanText("00000000000042 2147483647"), (Tokens{{"INT_VAL", "42"}, {"INT_VAL", "2147483647"}}));
    EXPECT_THROW(ScanText("99999999999999999999999"), ParserErr);
    EXPECT_THROW(ScanText("1.0e999"), ParserErr);
    EXPECT_EQ(ScanText("2.5e1 // comment\n/* a\nb */ 7"),
              (Tokens{{"REAL_VAL", "25.000000"}, {"INT_VAL", "7"}}));
    try {
        ScanText("a\n\n$");
        FAIL();
    } catch (const ParserErr& err) {
        EXPECT_EQ(err.Message(), "Syntax error (line 3)\n");
    }
}

TEST(FrontEnd, MutatedProblemsAlwaysComeBackAsAResultNeverACrash) {
    const std::string base = R"(problem:m { data { n := 4; l := [1, 2, 3]; }
      domains { intdom d = [0, n - 1]; setdom s = {1, 2}; }
      variables { intvar x[n] :: d; setvar t :: s; boolvar b; }
      constraints {
        constraint c(v, k) { forall (i in [0 .. k]) { v[i] <> i; } }
        function f(v) { return v + 1; }
        forall (i in [0 .. n - 1], j = [i + 1 .. n - 1], i < j) { x[i] <> x[j]; x[i] - x[j] <> i - j; }
        if (n > 2) { c(x, 2); } else if (n = 1) { b; } else { not b; }
        soft(f(x[0]) = 2 or b, 3); #t = 1 implies member(x[0], t);
        count(x ++ [x[0]], l) <= sum([x[i] | i in [0..1]]);
      }
      optimisation { maximise(scalprod(x, [1, 2, 3, 4])); } })";
    ASSERT_TRUE(ParseText(base).Ok()) << ParseText(base).Message();
    const std::string alphabet = "(){}[],;:=<>+-*/%#|.\"xnibvtl0123456789 \n";
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFFF;
    };
    int failures = 0;
    for (int round = 0; round < 1500; ++round) {
        std::string text = base;
        const int edits = 1 + static_cast<int>(next() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = next() % text.size();
            switch (next() % 3) {
            case 0:
                text.erase(at, 1 + next() % 3);
                break;
            case 1:
                text.insert(at, 1, alphabet[next() % alphabet.size()]);
                break;
            default:
                text[at] = alphabet[next() % alphabet.size()];
                break;
            }
        }
        ParseResult r = ParseText(text);
        EXPECT_GE(r.err.GetCode(), 0) << "seed round " << round;
        EXPECT_LE(r.err.GetCode(), 66) << "seed round " << round;
        failures += r.Ok() ? 0 : 1;
    }
    EXPECT_GT(failures, 0);
}

TEST(FrontEnd, AStopRequestEndsTheParseAtItsNextCheck) {
    const std::string text = Problem("intvar x :: d;\n", "forall (i in [0 .. 9]) { x <> i; }\n",
                                     "domains { intdom d = [0, 9]; }\n");
    std::atomic<bool> stop{false};
    RawParser parser;
    parser.SetStopRequest(&stop);
    RawCSP problem;
    EXPECT_TRUE(parser.ParseText(text, &problem)); // not set: the parse is as without one
    EXPECT_EQ(problem.GetConstraints().size(), 10u);
    stop = true;
    RawCSP stopped;
    EXPECT_THROW((void)parser.ParseText(text, &stopped), Platform::Cancelled);
}

TEST(FrontEnd, ExpansionsPastTheirBoundsAreRefusedAsTooLarge) {
    // The defaults, documented in ParseContext, keep a problem to some hundreds of megabytes.
    EXPECT_EQ(ParseContext::kMaxGenerated, 1'000'000);
    EXPECT_EQ(ParseContext::kMaxWalked, 20'000'000);
    struct Row {
        const char* name;
        std::string constraints;
        std::string message;
    };
    const std::string frame = "domains { intdom d = [0, 9]; }\n";
    const std::vector<Row> rows = {
        {"a forall generating too many bodies", "forall (i in [0 .. 100000000]) { x <> i; }\n",
         "Expansion too large: forall loops and list comprehensions exceed 1000 bodies or elements generated "
         "(line "
         "7)\n"},
        {"nested foralls walking too many combinations",
         "x = 1;\nforall (i in [0 .. 10000], j in [0 .. 10000], i > j + 20000) { x <> i; }\n",
         "Expansion too large: forall loops and list comprehensions exceed 5000 index combinations walked "
         "(line "
         "8)\n"},
        {"a set comprehension", "x = Sum([i | i in [0 .. 100000000]]);\n",
         "Expansion too large: forall loops and list comprehensions exceed 1000 bodies or elements generated "
         "(line "
         "7)\n"},
        // The 1830 sublists of 60 elements would be walked within the bound, but they hold 37820
        // elements: refused before any is made.
        {"the sublists of a long list",
         "forall (sublists l of [i | i in [0 .. 59]], 1 > 2) { x <> Sum(l); }\n",
         "Expansion too large: forall loops and list comprehensions exceed 5000 index combinations walked "
         "(line "
         "7)\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RawParser parser;
        parser.SetExpansionBounds(5000, 1000);
        RawCSP problem;
        EXPECT_FALSE(parser.ParseText(Problem("intvar x :: d;\n", row.constraints, frame), &problem));
        EXPECT_EQ(parser.GetError().GetCode(), 67);
        EXPECT_EQ(parser.GetError().Message(), row.message);
    }
    // Just inside the bounds, the same loops expand (the variable x counts as one).
    RawParser parser;
    parser.SetExpansionBounds(5000, 1000);
    RawCSP problem;
    EXPECT_TRUE(parser.ParseText(Problem("intvar x :: d;\n", "forall (i in [1 .. 999]) { x <> i; }\n", frame),
                                 &problem));
    EXPECT_EQ(problem.GetConstraints().size(), 999u);
}

TEST(FrontEnd, VariablesCountTowardsTheBoundAndADeclarationPastItIsRefusedAtOnce) {
    struct Row {
        const char* name;
        std::string variables;
        std::string constraints;
        std::string message; // empty: the problem is read
    };
    const std::string frame = "domains { intdom d = [0, 9]; }\n";
    const std::vector<Row> rows = {
        {"an array of the whole bound", "intvar x[1000] :: d;\n", "", ""},
        {"one element more", "intvar x[1001] :: d;\n", "", "Invalid range for x (line 4)\n"},
        {"two dimensions past it", "intvar x[10][101] :: d;\n", "", "Invalid range for x (line 4)\n"},
        {"scalars and arrays together", "intvar a, b[499] :: d;\nboolvar c[500];\nintvar s :: d;\n", "",
         "Invalid range for s (line 6)\n"},
        {"a dimension whose product wraps round", "intvar x[65536][65536][65536] :: d;\n", "",
         "Invalid range for x (line 4)\n"},
        {"a zero dimension makes nothing", "intvar x[0][2147483647] :: d;\nintvar y[1000] :: d;\n", "", ""},
        {"variables and forall bodies share the bound", "intvar x[500] :: d;\n",
         "forall (i in [0 .. 500]) { x[0] <> i; }\n",
         "Expansion too large: forall loops and list comprehensions exceed 1000 bodies or elements generated "
         "(line 7)\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RawParser parser;
        parser.SetExpansionBounds(5000, 1000);
        RawCSP problem;
        const bool read = parser.ParseText(Problem(row.variables, row.constraints, frame), &problem);
        EXPECT_EQ(read, row.message.empty());
        if (!read) {
            EXPECT_EQ(parser.GetError().Message(), row.message);
        }
    }
    // At the default bound a huge array is refused before any of it is made (it once took
    // 1.5 GB), as is a damaged size.
    for (const char* size : {"1000001", "8388611", "16777216", "-1"}) {
        ParseResult r = ParseText(Problem("intvar x[" + std::string(size) + "] :: d;\n", "", frame));
        EXPECT_EQ(r.Message(), "Invalid range for x (line 4)\n") << size;
        EXPECT_EQ(r.problem->GetVariables().size(), 0u) << size;
    }
}

TEST(FrontEnd, AnIndexNamedLikeADataConstantIsRefusedAtItsLine) {
    // Names ignore case: "n" is the constant N.
    struct Row {
        const char* name;
        std::string constraints;
        std::string index;
        int line;
    };
    const std::vector<Row> rows = {
        {"the constant bounds the index's own range", "x <> 1;\nforall (n in [0 .. N - 1]) { x <> n; }\n",
         "n", 9},
        {"the constant is not used in the header", "forall (i in [0 .. 1],\n n in [0 .. 2]) { x <> n; }\n",
         "n", 9},
        {"an index of a list comprehension", "x = Sum([n | n in [0 .. N - 1]]);\n", "n", 8},
        {"a constant declared among the constraints", "m := 2;\nforall (M in [0 .. 1]) { x <> M; }\n", "m",
         9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ParseResult r = ParseText(Problem("intvar x :: d;\n", row.constraints,
                                          "data { N := 3; }\ndomains { intdom d = [0, 9]; }\n"));
        ASSERT_FALSE(r.Ok());
        EXPECT_EQ(r.err.GetCode(), 3);
        EXPECT_EQ(r.err.GetLine(), row.line);
        EXPECT_EQ(r.Message(),
                  "Identifier " + row.index + " already used\nBad identifier possibly " + row.index + "\n");
    }
    // An index may still hide a variable or an outer index; a range's bounds are read before
    // its own index is bound, so a bound that names an outer index of the same name means it.
    ParseResult outer = ParseText(
        Problem("intvar x :: d;\n", "forall (i in [1 .. 2]) { forall (i in [0 .. i]) { x <> 10 * i; } }\n",
                "domains { intdom d = [0, 9]; }\n"));
    ASSERT_TRUE(outer.Ok()) << outer.Message();
    EXPECT_EQ(outer.Constraints(), "x <> 0\nx <> 10\nx <> 0\nx <> 10\nx <> 20\n");
}
