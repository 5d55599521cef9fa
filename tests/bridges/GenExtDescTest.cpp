// The writer of the problem description text: the exact text of small problems, and refusal of
// what the text cannot state.

#include "bridges/GenExtDesc.hpp"

#include "RawBuild.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace TavLanguage;
using namespace TavBridges;
using namespace RawBuild;

namespace {

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

// The tokens of a text, for comparisons that do not care how items are split into lines.
std::vector<std::string> Tokens(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;)
        tokens.push_back(t);
    return tokens;
}

// The constraint section's tokens: from "<C>" up to the next section marker.
std::vector<std::string> ConstraintTokens(const std::string& text) {
    std::vector<std::string> all = Tokens(text);
    std::vector<std::string> section;
    bool in = false;
    for (const auto& t : all) {
        if (t == "<C>") {
            in = true;
            continue;
        }
        if (in && (t == "<Opt>" || t == "<END>")) break;
        if (in) section.push_back(t);
    }
    return section;
}

struct Small : MixedVars {
    Small() : MixedVars(3, {1, 2, 3}) {}
    std::string Constraints(RPtr<RawCon> c) {
        p.Post(std::move(c));
        return Join(ConstraintTokens(GenExtDesc::Describe(p.csp)));
    }
    static std::string Join(const std::vector<std::string>& tokens) {
        std::string joined;
        for (const auto& t : tokens)
            joined += (joined.empty() ? "" : " ") + t;
        return joined;
    }
};

} // namespace

TEST(GenExtDesc, ExampleProblemGivesTheGoldenText) {
    Problem p;
    auto d = p.IntRange("D", 1, 3);
    E x = p.IntVar("x", d);
    E y = p.IntVar("y", d);
    p.Post(Con(RawType::Less, x, y));
    p.Minimise(Op(RawType::Plus, x, y));

    std::ifstream golden(std::string(TAV_TEST_DATA_DIR) + "/golden/extdesc-example.txt", std::ios::binary);
    ASSERT_TRUE(golden) << "golden file missing";
    std::stringstream expected;
    expected << golden.rdbuf();

    std::ostringstream out;
    GenExtDesc writer(&p.csp, &out);
    EXPECT_EQ(out.str(), expected.str());
}

TEST(GenExtDesc, EmptyProblem) {
    RawCSP csp;
    EXPECT_EQ(GenExtDesc::Describe(csp), Lines({"<Z>", "0", "<C>", "0", "<END>"}));
}

TEST(GenExtDesc, DomainAndVariableForms) {
    Problem p;
    auto list = p.IntList("odd", {1, 3, -5});
    auto sets = p.SetDom("pool", {1, 2});
    p.StrDom("colours", {"red", "blue"}); // unused and unstateable: left out, not counted
    p.IntVar("x", list);
    p.BoolVar("late");
    p.SetVar("team", sets);
    EXPECT_EQ(
        GenExtDesc::Describe(p.csp),
        Lines({"<D>",    "2",    "IntDom", "odd",    "ListDom", "3",    "1 3 -5 ", "SetDom", "pool 2",
               "1 2 ",   "<Z>",  "3",      "INTVAR", "x",       "odd",  "INTVAR",  "late",   "__BoolDomain",
               "SetVar", "team", "pool",   "<C>",    "0",       "<END>"}));
}

TEST(GenExtDesc, AllDifferentAtTopLevelIsItsPairsAndNestedIsTheirConjunction) {
    Small a;
    EXPECT_EQ(a.Constraints(Con(RawType::AllDifferent, Arr({a.x, a.y, a.z}))),
              "3 0 <> INTVAR x INTVAR y 1 <> INTVAR x INTVAR z 2 <> INTVAR y INTVAR z");
    Small b;
    EXPECT_EQ(b.Constraints(Con(RawType::Not, E(Con(RawType::AllDifferent, Arr({b.x, b.y}))))),
              "1 0 NOT 1 AND 1 2 <> INTVAR x INTVAR y");
}

TEST(GenExtDesc, RecordForms) {
    struct Row {
        const char* name;
        std::function<RPtr<RawCon>(Small&)> build;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"less is greater with operands exchanged", [](Small& a) { return Con(RawType::Less, a.x, a.y); },
         "1 0 > INTVAR y INTVAR x"},
        {"and of two comparisons counts once, numbers its nested records",
         [](Small& a) {
             return Con(RawType::And, E(Con(RawType::Equal, a.x, Int(1))),
                        E(Con(RawType::Greater, a.y, Int(0))));
         },
         "1 0 AND 2 1 = INTVAR x INTVAL 1 2 > INTVAR y INTVAL 0"},
        {"a value as a condition holds when not zero",
         [](Small& a) { return Con(RawType::Implies, a.b, E(Con(RawType::Less, a.x, Int(1)))); },
         "1 0 IMPLIES 2 1 <> INTVAR b INTVAL 0 2 > INTVAL 1 INTVAR x"},
        {"set equality is two subsets", [](Small& a) { return Con(RawType::Equal, a.s, a.t); },
         "1 0 AND 2 1 Subset SetVar s SetVar t 2 Subset SetVar t SetVar s"},
        {"set inequality negates set equality",
         [](Small& a) {
             return Con(RawType::NotEqual, a.s, SetOf({1, 2}));
         },
         "1 0 NOT 1 AND 2 2 Subset SetVar s SetVal 2 1 2 3 Subset SetVal 2 1 2 SetVar s"},
        {"strict subset: subset, and the larger set has more members",
         [](Small& a) { return Con(RawType::StrictSubset, a.s, a.t); },
         "1 0 AND 2 1 Subset SetVar s SetVar t 2 > CARD SetVar t CARD SetVar s"},
        {"not member", [](Small& a) { return Con(RawType::NotMember, a.x, a.s); },
         "1 0 NOT 1 MEMBER INTVAR x SetVar s"},
        {"alldisjoint writes its count once, union and intersection as set terms",
         [](Small& a) {
             return Con(RawType::AllDisjoint, Arr({a.s, Op(RawType::Union, Arr({a.t, SetOf({3})})),
                                                   Op(RawType::Intersection, Arr({a.s}))}));
         },
         "1 0 AllDisjoint 3 SetVar s Union 2 SetVar t SetVal 1 3 Intersection 1 SetVar s"},
        {"power with a constant exponent, cardinality, unary minus",
         [](Small& a) {
             return Con(RawType::Equal, Op(RawType::Power, a.x, Int(2)),
                        Op(RawType::Minus, Op(RawType::Cardinality, a.s)));
         },
         "1 0 = Power INTVAR x INTVAL 2 - INTVAL 0 CARD SetVar s"},
        {"element, index, sequence, count",
         [](Small& a) {
             return Con(RawType::And, Arr({E(Con(RawType::Element, {a.x, Ints({3, 5, 7}), a.y})),
                                           E(Con(RawType::Sequence, Arr({a.x, a.y}), Ints({1, 2}))),
                                           E(Con(RawType::Equal, Op(RawType::Index, a.z, Ints({4, 1})),
                                                 E(new RawOp(RawType::Count, Arr({a.x}), Ints({0}))))),
                                           E(new RawBool(true))}));
         },
         "1 0 AND 4 1 ELEMENT INTVAR x INTVAR y 3 3 5 7 2 Sequence 2 INTVAR x INTVAR y 2 1 2 3 = Index "
         "INTVAR z 2 4 1 "
         "Count 1 INTVAR x 1 0 4 <> INTVAL 1 INTVAL 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Small a;
        EXPECT_EQ(a.Constraints(row.build(a)), row.expected);
    }
}

TEST(GenExtDesc, SoftConstraintsAndMaximisation) {
    Small a;
    a.p.Post(Con(RawType::Less, a.x, a.y));
    a.p.Soft(Con(RawType::Equal, a.z, Int(0)), 7);
    a.p.Maximise(Op(RawType::Plus, a.x, a.z));
    const std::string text = GenExtDesc::Describe(a.p.csp);
    EXPECT_EQ(Small::Join(ConstraintTokens(text)),
              "2 0 > INTVAR y INTVAR x 1 SOFTCON 7 2 = INTVAR z INTVAL 0");
    EXPECT_NE(text.find(Lines({"<Opt>", "3", "Minimise", "-", "INTVAL", "0", "+", "INTVAR", "x", "INTVAR",
                               "z", "<END>"})),
              std::string::npos)
        << text;
}

TEST(GenExtDesc, RefusesWhatTheTextCannotStateAndWritesNothing) {
    struct Row {
        const char* name;
        std::function<void(Problem&)> build;
    };
    const std::vector<Row> rows = {
        {"string variable",
         [](Problem& p) {
             p.Var(RawType::StrVar, "colour", p.StrDom("colours", {"red", "blue"}));
         }},
        {"real variable", [](Problem& p) { p.Var(RawType::FltVar, "r", nullptr); }},
        {"circuit",
         [](Problem& p) {
             E x = p.IntVar("x", p.IntRange("d", 0, 1));
             p.Post(Con(RawType::Circuit, Arr({x})));
         }},
        {"power with a variable exponent",
         [](Problem& p) {
             E x = p.IntVar("x", p.IntRange("d", 0, 1));
             p.Post(Con(RawType::Equal, Op(RawType::Power, x, x), Int(1)));
         }},
        {"a set in an integer place",
         [](Problem& p) {
             E s = p.SetVar("s", p.SetDom("sd", {1}));
             p.Post(Con(RawType::Equal, s, Int(1)));
         }},
        {"a list of variables where constants belong",
         [](Problem& p) {
             E x = p.IntVar("x", p.IntRange("d", 0, 1));
             p.Post(Con(RawType::Element, {x, Arr({x}), x}));
         }},
        {"a name that is not one token", [](Problem& p) { p.IntVar("two words", p.IntRange("d", 0, 1)); }},
        {"a name the reader would take for a number",
         [](Problem& p) { p.IntVar("x", p.IntRange("-12", 0, 1)); }},
        {"a variable whose domain is not in the problem",
         [](Problem& p) {
             auto d = MakeR<RawDom>(RawType::IntDom, "elsewhere", E(new RawRange(0, 1)));
             p.IntVar("x", d);
         }},
        {"a set variable with more possible elements than the reader takes",
         [](Problem& p) {
             auto domain = MakeR<RawDom>(RawType::SetDom, "sd",
                                         E(new RawRange(0, GenExtDesc::kMaxSetVariableElements)));
             p.csp.AddDomain(domain);
             p.SetVar("s", domain);
         }},
        {"set variables with more possible elements in all than the reader takes",
         [](Problem& p) {
             auto domain = MakeR<RawDom>(RawType::SetDom, "sd",
                                         E(new RawRange(1, GenExtDesc::kMaxSetVariableElements)));
             p.csp.AddDomain(domain);
             for (const char* name : {"s", "t", "u"})
                 p.SetVar(name, domain);
         }},
        {"nesting deeper than the reader takes",
         [](Problem& p) {
             E e = p.IntVar("x", p.IntRange("d", 0, 1));
             for (int i = 0; i <= GenExtDesc::kMaxDepth; ++i)
                 e = Op(RawType::Abs, e);
             p.Post(Con(RawType::Equal, e, Int(0)));
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Problem p;
        row.build(p);
        std::ostringstream out;
        EXPECT_THROW(GenExtDesc(&p.csp, &out), GenExtDesc::Unexpressible);
        EXPECT_EQ(out.str(), "");
    }
}
