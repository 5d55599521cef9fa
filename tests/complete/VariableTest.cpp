#include "complete/BoolVar.hpp"
#include "complete/EnumVar.hpp"
#include "complete/FiniteDomainSpec.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/IntVarState.hpp"
#include "complete/ReleaseGlobals.hpp"
#include "complete/SetDomSpec.hpp"
#include "complete/SetVar.hpp"
#include "platform/FatalError.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using namespace GFCLib;

class VariableTest : public ::testing::Test {
protected:
    void SetUp() override { ReleaseGlobals(); }
    void TearDown() override { ReleaseGlobals(); }
};

TEST_F(VariableTest, NextValueWalksTheDomainAndStopsAtTheEnd) {
    IntDomainSpec::CreateRange("D", 1, 3);
    IntVar x("x", "D");
    EXPECT_EQ(x.GetType(), 9);
    std::vector<int> seen;
    while (x.NextValue())
        seen.push_back(x.GetInt());
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    // At the last position nothing changes.
    EXPECT_TRUE(x.IsInstantiated());
    EXPECT_EQ(x.GetIndex(), 2);
    EXPECT_FALSE(x.NextValue());
    EXPECT_EQ(x.GetInt(), 3);
    x.Unassign();
    x.RestoreIndex(-1);
    EXPECT_TRUE(x.NextValue());
    EXPECT_EQ(x.GetInt(), 1);
}

TEST_F(VariableTest, RemoveCurrentValueUnbindsWithOneValueFewer) {
    IntDomainSpec::CreateFromValues("D", {Value(7), Value(3), Value(5), Value(3)});
    IntVar x("x", "D");
    EXPECT_EQ(x.GetDomainSize(), 3);
    x.SetValue(Value(5));
    EXPECT_EQ(x.GetIndex(), 1);
    x.RemoveCurrentValue();
    EXPECT_FALSE(x.IsInstantiated());
    EXPECT_EQ(x.GetDomainSize(), 2);
    EXPECT_FALSE(x.GetDomain().ContainsValue(Value(5)));
    EXPECT_EQ(x.GetMin().GetInt(), 3);
    EXPECT_EQ(x.GetMax().GetInt(), 7);
}

TEST_F(VariableTest, BoundPruningKeepsRanges) {
    IntDomainSpec::CreateRange("D", -5, 5);
    IntVar x("x", "D");
    EXPECT_TRUE(x.KeepAbove(-3));
    EXPECT_TRUE(x.KeepBelow(4));
    EXPECT_EQ(x.MinInt(), -2);
    EXPECT_EQ(x.MaxInt(), 3);
    EXPECT_TRUE(x.KeepAtMost(3));
    EXPECT_TRUE(x.KeepAtLeast(3));
    EXPECT_EQ(x.GetDomainSize(), 1);
    EXPECT_FALSE(x.KeepBelow(3));
    EXPECT_FALSE(x.HasValues());
}

TEST_F(VariableTest, StatesSaveAndRestoreByCopy) {
    IntDomainSpec::CreateRange("D", 0, 9);
    IntVar x("x", "D");
    std::unique_ptr<VarState> state(x.GetState().Clone());
    std::unique_ptr<DomainState> domain(x.GetDomainState().Clone());
    x.SetValue(Value(4));
    EXPECT_TRUE(x.KeepRange(2, 6));
    x.RestoreState(*state, *domain);
    EXPECT_FALSE(x.IsInstantiated());
    EXPECT_EQ(x.GetDomainSize(), 10);
    EXPECT_EQ(x.GetIndex(), -1);
}

TEST_F(VariableTest, BoolVarPrinting) {
    BoolVar b("flag");
    const auto printed = [&b] {
        std::ostringstream os;
        b.Print(os);
        return os.str();
    };
    b.SetValue(Value(1));
    EXPECT_NE(printed().find("True "), std::string::npos);
    b.SetValue(Value(0));
    EXPECT_NE(printed().find("False"), std::string::npos);
    b.SetValue(Value(2));
    EXPECT_NE(printed().find("Illegal value=2"), std::string::npos);
    EXPECT_EQ(b.GetDomainSize(), 2);
}

TEST_F(VariableTest, NamesAndIds) {
    IntDomainSpec::CreateRange("D", 0, 1);
    IntVar a("a", "D");
    IntVar b;
    b.SetRange(0, 3);
    EXPECT_EQ(a.GetId(), 0);
    EXPECT_EQ(b.GetId(), 1);
    std::ostringstream os;
    b.PrintName(os);
    EXPECT_EQ(os.str(), "_V1");
    b.SetName(nullptr);
    b.SetName("bee");
    EXPECT_STREQ(b.GetName(), "bee");
    EXPECT_EQ(b.GetDomainSize(), 4);
}

TEST_F(VariableTest, UnknownSpecsAreErrors) {
    EXPECT_THROW(IntVar("x", "Nope"), Platform::InternalError);
    EXPECT_THROW(EnumVar("x", "Nope"), Platform::InternalError);
    EXPECT_THROW(SetVar("x", "Nope"), Platform::InternalError);
}

TEST_F(VariableTest, ReleaseGlobalsKeepsBoolDomainAndResetsIds) {
    IntDomainSpec::CreateRange("D", 0, 1);
    { IntVar a("a", "D"); }
    ReleaseGlobals();
    EXPECT_EQ(IntDomainSpec::Find("D"), nullptr);
    ASSERT_NE(IntDomainSpec::Find("BoolDomain"), nullptr);
    EXPECT_EQ(IntDomainSpec::Find("BoolDomain")->UniverseSize(), 2);
    BoolVar b;
    EXPECT_EQ(b.GetId(), 0);
}

TEST_F(VariableTest, EnumVarOverStrings) {
    FiniteDomainSpec::Create("Colour", {Value("red"), Value("green"), Value("blue")});
    EnumVar c("c", "Colour");
    EXPECT_EQ(c.GetType(), 8);
    EXPECT_TRUE(c.GetDomain().IsEnumerated());
    EXPECT_TRUE(c.NextValue());
    EXPECT_EQ(c.GetCurrentValue().GetString(), "red");
    EXPECT_TRUE(c.RemoveValueOf(Value("green")));
    EXPECT_TRUE(c.NextValue());
    EXPECT_EQ(c.GetCurrentValue().GetString(), "blue");
}

TEST_F(VariableTest, SetVarEnumeratesEverySubsetOnce) {
    SetDomSpec::Create("S", {Value(1), Value(2), Value(3)});
    SetVar s("s", "S");
    EXPECT_EQ(s.GetType(), 11);
    std::vector<std::string> seen;
    while (s.NextValue()) {
        std::ostringstream os;
        os << s.GetCurrentValue();
        seen.push_back(os.str());
    }
    EXPECT_EQ(seen,
              (std::vector<std::string>{"{}", "{1}", "{2}", "{3}", "{1,2}", "{1,3}", "{2,3}", "{1,2,3}"}));
    EXPECT_FALSE(s.HasNextValue());
    s.Unassign();
    s.RestoreIndex(-1);
    EXPECT_TRUE(s.GetDomain().Require(1));
    EXPECT_TRUE(s.GetDomain().LimitSize(2, 2));
    seen.clear();
    while (s.NextValue()) {
        std::ostringstream os;
        os << s.GetCurrentValue();
        seen.push_back(os.str());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"{1,2}", "{2,3}"}));
}
