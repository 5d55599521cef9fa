// The reader of the problem description text: what it builds, and how it refuses malformed and
// hostile texts (with nothing left behind in the problem or the library's registry).

#include "extcore/RebuildConsTree.hpp"
#include "extcore/DescriptionError.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/Obj.hpp"
#include "localsearch/SetDom.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/GreaterThan.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/logic/Implies.hpp"
#include "platform/Cancelled.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <string>
#include <vector>

using namespace GLSLib;
using Melvane::DescriptionError;
using Melvane::RebuildConsTree;

namespace {

class ReaderTest : public ::testing::Test {
protected:
    void TearDown() override { Obj::DeleteAll(); }

    void Read(const std::string& text) {
        RebuildConsTree reader;
        reader.Parse(text, &m_csp);
    }

    // Evaluates every constraint from scratch under the current values.
    double TotalViolation() {
        for (SetVar* s : m_csp.GetSetVariables())
            s->Initialise();
        double total = 0;
        for (Con* c : m_csp.GetConstraints()) {
            c->Initialise();
            total += c->GetViolation();
        }
        return total;
    }
    void Set(const char* name, int value) {
        IntVar* v = m_csp.FindVariable(name);
        ASSERT_NE(v, nullptr) << name;
        v->SetValueIndex(v->GetDomain()->IndexOf(value));
    }

    GLSCSP m_csp;
};

std::vector<std::string> Split(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;)
        tokens.push_back(t);
    return tokens;
}

const char* const kTwoVariables = "<D> 1 IntDom d RangeDom 0 3 <Z> 2 INTVAR x d INTVAR y d ";

} // namespace

TEST_F(ReaderTest, EndAloneLeavesTheProblemEmpty) {
    Read("<END>");
    EXPECT_TRUE(m_csp.GetVariables().empty());
    EXPECT_TRUE(m_csp.GetConstraints().empty());
    EXPECT_FALSE(m_csp.HasObjective());
    Read("<D> 0 <Z> 0 <C> 0 <END>");
}

TEST_F(ReaderTest, DomainsAndVariablesInEitherForm) {
    Read("<D> 3 IntDom odd ListDom 3 5 1 3 SetDom pool 2 1 2 SetDom ignored other 1 9 "
         "<Ds> 1 SetDom third 0 "
         "<Z> 6 INTVAR x odd INTVAR b __BoolDomain INTVAR c __BoolDomain SetVar s pool SetVar t 5 7 8 9 "
         "SetVar e 2 <END>");
    ASSERT_EQ(m_csp.GetIntDomains().size(), 2u); // odd and one __BoolDomain, shared by b and c
    EXPECT_EQ(m_csp.GetIntDomains()[1]->GetName(), "__BoolDomain");
    EXPECT_EQ(m_csp.FindVariable("b")->GetDomain(), m_csp.FindVariable("c")->GetDomain());
    EXPECT_EQ(m_csp.FindVariable("x")->GetMin(), 1);
    ASSERT_EQ(m_csp.GetSetDomains().size(), 3u);
    EXPECT_EQ(m_csp.GetSetDomains()[1]->GetName(), "other");
    ASSERT_EQ(m_csp.GetSetVariables().size(), 3u);
    EXPECT_EQ(m_csp.FindSetVariable("s")->NumValues(), 2);
    EXPECT_EQ(m_csp.FindSetVariable("t")->NumValues(), 3); // count 5: three element values
    EXPECT_EQ(m_csp.FindSetVariable("t")->ValueAt(2), 9);
    EXPECT_EQ(m_csp.FindSetVariable("e")->NumValues(), 0);
    // x, b, c and the five element variables of s and t.
    EXPECT_EQ(m_csp.GetVariables().size(), 8u);
}

TEST_F(ReaderTest, NestedRecordsWithTheirNumbers) {
    Read(std::string(kTwoVariables) + "<C> 1 0 IMPLIES 2 1 = INTVAR x INTVAL 1 2 > INTVAR y INTVAL 0 <END>");
    ASSERT_EQ(m_csp.GetConstraints().size(), 1u);
    auto* implies = dynamic_cast<Implies*>(m_csp.GetConstraints()[0]);
    ASSERT_NE(implies, nullptr);
    auto* equals = dynamic_cast<Equals*>(implies->GetArg(0));
    auto* greater = dynamic_cast<GreaterThan*>(implies->GetArg(1));
    ASSERT_NE(equals, nullptr);
    ASSERT_NE(greater, nullptr);
    EXPECT_EQ(equals->GetArg(0), m_csp.FindVariable("x"));
    EXPECT_EQ(dynamic_cast<IntVal*>(equals->GetArg(1))->GetValue(), 1);
    EXPECT_EQ(greater->GetArg(0), m_csp.FindVariable("y"));
}

TEST_F(ReaderTest, SoftConstraintsArePostedAndTheObjectiveSet) {
    Read(std::string(kTwoVariables) + "<C> 2 0 > INTVAR y INTVAR x 1 SOFTCON 7 2 = INTVAR x INTVAL 2 "
                                      "<Opt> 3 Minimise - INTVAL 0 + INTVAR x INTVAR y <END>");
    ASSERT_EQ(m_csp.GetConstraints().size(), 2u);
    EXPECT_TRUE(m_csp.HasSoftConstraints());
    Con* soft = m_csp.GetConstraints()[1];
    EXPECT_FALSE(soft->IsHard());
    EXPECT_EQ(soft->GetWeight(), 7);
    // Both are posted: the variables know them.
    const auto& onX = m_csp.FindVariable("x")->GetConstraints();
    EXPECT_NE(std::find(onX.begin(), onX.end(), soft), onX.end());
    EXPECT_NE(std::find(onX.begin(), onX.end(), m_csp.GetConstraints()[0]), onX.end());
    ASSERT_TRUE(m_csp.HasObjective());
    EXPECT_EQ(m_csp.FindVariable("y")->GetObjective(), m_csp.GetObjective());
    Set("x", 1);
    Set("y", 3);
    m_csp.GetObjective()->Initialise();
    EXPECT_EQ(m_csp.GetObjective()->GetObjectiveValue(), -4);
}

TEST_F(ReaderTest, MeaningOfTheAgreedForms) {
    // Each row: constraint records over x, y in 0..3 and s, t over {1, 2, 3}; an assignment;
    // whether the records hold.
    struct Row {
        const char* records;
        int x, y;
        int sMembers, tMembers; // bit i: element i + 1 is a member
        bool holds;
    };
    const Row rows[] = {
        {"1 0 AND 2 1 Subset SetVar s SetVar t 2 Subset SetVar t SetVar s", 0, 0, 0b011, 0b011, true},
        {"1 0 AND 2 1 Subset SetVar s SetVar t 2 Subset SetVar t SetVar s", 0, 0, 0b011, 0b111, false},
        {"1 0 NOT 1 AND 2 2 Subset SetVar s SetVar t 3 Subset SetVar t SetVar s", 0, 0, 0b011, 0b111, true},
        {"1 0 AND 2 1 Subset SetVar s SetVar t 2 > CARD SetVar t CARD SetVar s", 0, 0, 0b001, 0b011, true},
        {"1 0 AND 2 1 Subset SetVar s SetVar t 2 > CARD SetVar t CARD SetVar s", 0, 0, 0b011, 0b011, false},
        {"1 0 = Power INTVAR x INTVAL 2 INTVAL 9", 3, 0, 0, 0, true},
        {"1 0 = / INTVAR x INTVAR y INTVAL 1", 3, 2, 0, 0, true},
        {"1 0 = CARD Union 2 SetVar s SetVal 1 3 INTVAL 3", 0, 0, 0b011, 0, true},
        {"1 0 = CARD Intersection 2 SetVar s SetVar t INTVAL 1", 0, 0, 0b011, 0b110, true},
        {"1 0 AllDisjoint 2 SetVar s SetVar t", 0, 0, 0b011, 0b100, true},
        {"1 0 AllDisjoint 2 SetVar s SetVar t", 0, 0, 0b011, 0b010, false},
        {"1 0 = + 1 > INTVAR x INTVAR y 2 > INTVAR y INTVAR x INTVAL 1", 1, 2, 0, 0, true},
        {"1 0 AllDifferent 3 INTVAR x INTVAR y INTVAL 2", 1, 2, 0, 0, false},
    };
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.records);
        Obj::DeleteAll();
        m_csp = GLSCSP();
        Read(std::string("<D> 2 IntDom d RangeDom 0 3 SetDom sd 3 1 2 3 <Z> 4 INTVAR x d INTVAR y d "
                         "SetVar s sd SetVar t sd <C> ") +
             row.records + " <END>");
        Set("x", row.x);
        Set("y", row.y);
        for (int i = 0; i < 3; ++i) {
            const std::string suffix = "[" + std::to_string(i) + "]";
            Set(("__s" + suffix).c_str(), (row.sMembers >> i) & 1);
            Set(("__t" + suffix).c_str(), (row.tMembers >> i) & 1);
        }
        EXPECT_EQ(TotalViolation() == 0.0, row.holds) << "row " << n;
        ++n;
    }
}

TEST_F(ReaderTest, MalformedAndHostileTextsAreRefusedCleanly) {
    const std::string vars = kTwoVariables;
    struct Row {
        const char* name;
        std::string text;
        std::string offending; // the token the error names; empty for the end of the text
    };
    const Row rows[] = {
        {"empty text", "", ""},
        {"no end marker", vars, ""},
        {"truncated in a domain", "<D> 1 IntDom d RangeDom 0", ""},
        {"truncated in a record", vars + "<C> 1 0 = INTVAR x", ""},
        {"truncated in a list", vars + "<C> 1 0 = Sum 3 INTVAR x INTVAR y", "3"},
        {"unknown section marker", vars + "<Q> <END>", "<Q>"},
        {"unknown domain kind", "<D> 1 BoolDom b <END>", "BoolDom"},
        {"unknown integer domain form", "<D> 1 IntDom d SpanDom 0 3 <END>", "SpanDom"},
        {"empty range", "<D> 1 IntDom d RangeDom 3 0 <END>", "0"},
        {"range beyond int", "<D> 1 IntDom d RangeDom -2147483648 2147483647 <END>", "2147483647"},
        {"list domain without values", "<D> 1 IntDom d ListDom 0 <END>", "0"},
        {"unknown variable type", "<D> 1 IntDom d RangeDom 0 3 <Z> 1 REALVAR r d <END>", "REALVAR"},
        {"undeclared domain", "<Z> 1 INTVAR x nowhere <END>", "nowhere"},
        {"undeclared set domain", "<Z> 1 SetVar s nowhere <END>", "nowhere"},
        {"variable declared twice", vars + "<Z> 1 INTVAR x d <END>", "x"},
        {"unknown constraint keyword", vars + "<C> 1 0 FOO INTVAR x INTVAR y <END>", "FOO"},
        {"the old set-inequality keyword", vars + "<C> 1 0 == INTVAR x INTVAR y <END>", "=="},
        {"CARD where a constraint belongs", vars + "<C> 1 0 CARD SetVar s <END>", "CARD"},
        {"unknown keyword in an expression", vars + "<C> 1 0 = Sqrt INTVAR x INTVAL 1 <END>", "Sqrt"},
        {"undeclared variable", vars + "<C> 1 0 = INTVAR z INTVAL 1 <END>", "z"},
        {"undeclared set variable", vars + "<C> 1 0 MEMBER INTVAR x SetVar s <END>", "s"},
        {"unknown set keyword", vars + "<C> 1 0 MEMBER INTVAR x Complement 0 <END>", "Complement"},
        {"xor of three",
         vars + "<C> 1 0 XOR 3 1 > INTVAR x INTVAR y 2 > INTVAR x INTVAR y 3 > INTVAR y INTVAR x <END>", "3"},
        {"implies of one", vars + "<C> 1 0 IMPLIES 1 1 > INTVAR x INTVAR y <END>", "1"},
        {"power with a bare exponent", vars + "<C> 1 0 = Power INTVAR x 2 INTVAL 4 <END>", "2"},
        {"fewer coefficients than terms", vars + "<C> 1 0 = ScalProd 2 INTVAR x INTVAR y 1 3 INTVAL 0 <END>",
         "3"},
        {"soft constraint nested", vars + "<C> 1 0 NOT 1 SOFTCON 3 2 > INTVAR x INTVAR y <END>", "SOFTCON"},
        {"objective among the constraints", vars + "<C> 1 0 Minimise INTVAR x <END>", "Minimise"},
        {"objective not Minimise", vars + "<Opt> 0 Maximise INTVAR x <END>", "Maximise"},
        {"two objectives", vars + "<Opt> 0 Minimise INTVAR x <Opt> 1 Minimise INTVAR y <END>", "Minimise"},
        {"huge count of domains", "<D> 2147483647 IntDom d RangeDom 0 3 <END>", "2147483647"},
        {"count beyond int", "<Z> 99999999999 <END>", "99999999999"},
        {"negative count", "<Z> -1 <END>", "-1"},
        {"huge count of records", vars + "<C> 1000000 0 = INTVAR x INTVAR y <END>", "1000000"},
        {"huge list count", vars + "<C> 1 0 ELEMENT INTVAR x INTVAR y 2000000000 1 2 <END>", "2000000000"},
        {"huge term count", vars + "<C> 1 0 = Sum 1073741824 INTVAR x INTVAL 0 <END>", "1073741824"},
        {"huge set element count", "<Z> 1 SetVar s 2147483647 1 2 <END>", "2147483647"},
        {"a set variable over a set domain larger than one set variable may be",
         [] {
             std::string text = "<D> 1 SetDom big 65537";
             for (int v = 0; v < 65537; ++v)
                 text += " " + std::to_string(v);
             return text + " <Z> 1 SetVar a big <END>";
         }(),
         "big"},

        {"not a number", vars + "<C> 1 0 = INTVAL 1.5 INTVAL 1 <END>", "1.5"},
        {"trailing letters on a number", vars + "<C> 1x 0 = INTVAL 1 INTVAL 1 <END>", "1x"},
        {"record number missing", vars + "<C> 1 = INTVAL 1 INTVAL 1 <END>", "="},
        {"text after the end", "<D> 0 <Z> 0 <C> 0 <END> whatever follows", "whatever"},
        {"a second problem after the end", vars + "<END> " + vars + "<END>", "<D>"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GLSCSP csp;
        RebuildConsTree reader;
        try {
            reader.Parse(row.text, &csp);
            ADD_FAILURE() << "accepted";
        } catch (const DescriptionError& e) {
            const std::vector<std::string> tokens = Split(row.text);
            if (row.offending.empty()) {
                EXPECT_EQ(e.GetTokenNumber(), 0) << e.what();
            } else {
                ASSERT_GT(e.GetTokenNumber(), 0) << e.what();
                ASSERT_LE(e.GetTokenNumber(), static_cast<int>(tokens.size()));
                EXPECT_EQ(tokens[e.GetTokenNumber() - 1], row.offending) << e.what();
                EXPECT_NE(std::string(e.what()).find("token " + std::to_string(e.GetTokenNumber())),
                          std::string::npos);
            }
        }
        EXPECT_EQ(Obj::RegistrySize(), 0u);
        EXPECT_TRUE(csp.GetVariables().empty());
        EXPECT_TRUE(csp.GetIntDomains().empty());
        EXPECT_TRUE(csp.GetConstraints().empty());
        EXPECT_FALSE(csp.HasObjective());
    }
}

TEST_F(ReaderTest, SetVariablesAreBoundedEachAndInAll) {
    // Small limits stand for the defaults: each possible element is a variable of its own, and
    // a short text naming one set domain for many set variables must not make millions.
    const RebuildConsTree::Limits limits{4, 10};
    struct Row {
        const char* name;
        std::string variables;
        std::string offending; // empty: read
        const char* message;
    };
    const std::string domain = "<D> 1 SetDom four 4 1 2 3 4 ";
    const Row rows[] = {
        {"each at its limit and all at theirs", "<Z> 3 SetVar a 6 1 2 3 4 SetVar b four SetVar c 4 5 6 <END>",
         "", ""},
        {"one past its limit in the count form", "<Z> 1 SetVar a 7 1 2 3 4 5 <END>", "7",
         "a set variable may have at most 4 possible elements, not 5"},
        {"all past their limit in the count form",
         "<Z> 3 SetVar a 6 1 2 3 4 SetVar b four SetVar c 5 5 6 7 <END>", "5",
         "the set variables of a problem may have at most 10 possible elements in all"},
        {"all past their limit by a set domain", "<Z> 3 SetVar a four SetVar b four SetVar c four <END>",
         "four", "the set variables of a problem may have at most 10 possible elements in all"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string text = domain + row.variables;
        GLSCSP csp;
        RebuildConsTree reader(limits);
        try {
            reader.Parse(text, &csp);
            EXPECT_TRUE(row.offending.empty()) << "accepted";
            EXPECT_EQ(csp.GetSetVariables().size(), 3u);
        } catch (const DescriptionError& e) {
            ASSERT_FALSE(row.offending.empty()) << e.what();
            const std::vector<std::string> tokens = Split(text);
            ASSERT_GT(e.GetTokenNumber(), 0) << e.what();
            EXPECT_EQ(tokens[e.GetTokenNumber() - 1], row.offending) << e.what();
            EXPECT_NE(std::string(e.what()).find(row.message), std::string::npos) << e.what();
            EXPECT_TRUE(csp.GetSetVariables().empty());
        }
        Obj::DeleteAll();
    }

    // With the program's limits: a set variable of a million possible elements, each in the
    // text (7 MB), is refused at its count, before anything is made of it.
    std::string million = "<Z> 1 SetVar s 1000002";
    for (int v = 0; v < 1000000; ++v)
        million += " " + std::to_string(v);
    million += " <END>";
    try {
        Read(million);
        ADD_FAILURE() << "accepted";
    } catch (const DescriptionError& e) {
        EXPECT_EQ(e.GetTokenNumber(), 5) << e.what();
        EXPECT_NE(std::string(e.what()).find(
                      "a set variable may have at most 65536 possible elements, not 1000000"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(Obj::RegistrySize(), 0u);
}

TEST_F(ReaderTest, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    std::string text = std::string(kTwoVariables) + "<C> 1 0 ";
    for (int i = 0; i < 200000; ++i)
        text += "NOT ";
    text += "= INTVAR x INTVAR y <END>";
    EXPECT_THROW(Read(text), DescriptionError);
    EXPECT_EQ(Obj::RegistrySize(), 0u);

    // Nesting the writer produces is read.
    std::string deep = std::string(kTwoVariables) + "<C> 1 0 = ";
    for (int i = 0; i < 400; ++i)
        deep += "Abs ";
    deep += "INTVAR x INTVAL 0 <END>";
    Read(deep);
    EXPECT_EQ(m_csp.GetConstraints().size(), 1u);
}

TEST_F(ReaderTest, RefusedTextLeavesAnEarlierProblemAsItWas) {
    Read(std::string(kTwoVariables) + "<C> 1 0 > INTVAR x INTVAR y <END>");
    IntVar* x = m_csp.FindVariable("x");
    const unsigned dependents = x->NumDependents();
    const std::size_t live = Obj::RegistrySize();
    // New objects over x, then an error: x must not keep the discarded nodes as dependents.
    const std::string bad =
        "<Z> 1 SetVar s 2 <C> 2 0 = + INTVAR x INTVAR y INTVAL 2 1 = Sum 2 INTVAR x NOPE <END>";
    EXPECT_THROW(Read(bad), DescriptionError);
    EXPECT_EQ(x->NumDependents(), dependents);
    EXPECT_EQ(m_csp.GetVariables().size(), 2u);
    EXPECT_EQ(m_csp.GetConstraints().size(), 1u);
    EXPECT_TRUE(m_csp.GetSetVariables().empty());
    // The element-less set variable's own domain goes with it.
    EXPECT_EQ(Obj::RegistrySize(), live);
}

TEST_F(ReaderTest, AStopRequestEndsTheReadingAndLeavesTheProblemAsItWas) {
    Read(kTwoVariables + std::string("<END>"));
    const std::size_t live = Obj::RegistrySize();
    std::atomic<bool> stop{true};
    RebuildConsTree reader;
    reader.SetStopRequest(&stop);
    EXPECT_THROW(reader.Parse("<Z> 1 INTVAR z d <C> 1 0 > INTVAR x INTVAR z <END>", &m_csp),
                 Platform::Cancelled);
    EXPECT_EQ(m_csp.GetVariables().size(), 2u);
    EXPECT_TRUE(m_csp.GetConstraints().empty());
    EXPECT_EQ(Obj::RegistrySize(), live);
    stop = false;
    reader.Parse("<Z> 1 INTVAR z d <C> 1 0 > INTVAR x INTVAR z <END>", &m_csp);
    EXPECT_EQ(m_csp.GetVariables().size(), 3u);
    EXPECT_EQ(m_csp.GetConstraints().size(), 1u);
}
