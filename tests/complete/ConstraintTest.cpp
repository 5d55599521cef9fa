#include "complete/GeneralConstraint.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/ReleaseGlobals.hpp"
#include "complete/constraints/Equal.hpp"
#include "complete/constraints/NotEqual.hpp"
#include "platform/FatalError.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

using namespace GFCLib;

namespace {

// A constraint that holds when its variables' values satisfy a predicate.
class Predicate : public GeneralConstraint {
public:
    Predicate(const std::vector<CPObject*>& args, std::function<bool(const std::vector<int>&)> f)
        : GeneralConstraint(args), m_f(std::move(f)) {}
    bool IsSatisfied() const override {
        std::vector<int> values;
        for (const CPObject* a : m_args)
            values.push_back(a->GetValue().GetInt());
        return m_f(values);
    }

private:
    std::function<bool(const std::vector<int>&)> m_f;
};

class ConstraintTest : public ::testing::Test {
protected:
    void SetUp() override { ReleaseGlobals(); }
    void TearDown() override { ReleaseGlobals(); }
};

std::vector<int> DomainOf(const IntVar& x) {
    std::vector<int> values;
    const FiniteDomain& d = x.GetDomain();
    for (int p = d.MinIndex(); p >= 0; p = d.NextIndex(p + 1))
        values.push_back(x.GetIntSpec()->IntAt(p));
    return values;
}

} // namespace

TEST_F(ConstraintTest, ConstantsOnlyAreBoundFromTheStart) {
    Value a(1), b(2);
    Equal c(&a, &b);
    EXPECT_TRUE(c.IsBound());
    EXPECT_TRUE(c.IsReadyToCheck());
    EXPECT_TRUE(c.NeedsFullCheck());
    EXPECT_FALSE(c.IsAllButOneBound());
    // Checked once at preparation: a false one makes the problem infeasible.
    EXPECT_FALSE(c.Preprocess());
    Value d(1);
    Equal ok(&a, &d);
    EXPECT_TRUE(ok.Preprocess());
}

TEST_F(ConstraintTest, FilterArgBoundsOnlyOnIntervalsEveryValueOnEnumerations) {
    IntDomainSpec::CreateRange("D", 1, 10);
    IntVar x("x", "D");
    IntVar y("y", "D");
    Predicate c({&x, &y}, [](const std::vector<int>& v) { return v[0] == 3 || v[0] == 8; });
    y.SetValue(Value(1));
    EXPECT_TRUE(c.FilterArg(0));
    EXPECT_EQ(DomainOf(x), (std::vector<int>{3, 4, 5, 6, 7, 8}));
    EXPECT_FALSE(x.IsInstantiated());
    x.ExpandDomain();
    EXPECT_TRUE(c.FilterArg(0));
    EXPECT_EQ(DomainOf(x), (std::vector<int>{3, 8}));
    // Adjacent failing values are all removed (no value is skipped).
    IntVar z("z", "D");
    z.ExpandDomain();
    Predicate odd({&z, &y}, [](const std::vector<int>& v) { return v[0] == 10; });
    EXPECT_TRUE(odd.FilterArg(0));
    EXPECT_EQ(DomainOf(z), (std::vector<int>{10}));
}

TEST_F(ConstraintTest, SingleVariableConstraintIsFilteredExactlyAndDetached) {
    IntDomainSpec::CreateRange("D", 1, 10);
    IntVar x("x", "D");
    Value five(5);
    NotEqual c(&x, &five);
    c.Attach();
    EXPECT_EQ(x.GetConstraints().size(), 1u);
    EXPECT_TRUE(c.Preprocess());
    EXPECT_EQ(DomainOf(x), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(x.GetConstraints().empty());
    // On an interval domain too: the interior value goes.
    IntVar y("y", "D");
    Predicate p({&y}, [](const std::vector<int>& v) { return v[0] != 5; });
    p.Attach();
    EXPECT_TRUE(p.Preprocess());
    EXPECT_FALSE(y.GetDomain().ContainsValue(Value(5)));
    IntVar z("z", "D");
    Predicate never({&z}, [](const std::vector<int>&) { return false; });
    never.Attach();
    EXPECT_FALSE(never.Preprocess());
}

TEST_F(ConstraintTest, ForwardCheckStopsAtTheFirstEmptiedDomain) {
    IntDomainSpec::CreateRange("D", 1, 3);
    IntVar x("x", "D"), y("y", "D"), z("z", "D");
    x.ExpandDomain();
    y.ExpandDomain();
    z.ExpandDomain();
    x.SetValue(Value(1));
    Predicate c({&x, &y, &z}, [](const std::vector<int>& v) { return v[0] == 1 && v[1] == 9; });
    EXPECT_FALSE(c.ForwardCheck());
    EXPECT_EQ(y.GetDomainSize(), 0);
    EXPECT_EQ(z.GetDomainSize(), 3); // left unfiltered
}

TEST_F(ConstraintTest, BoundCountFollowsNotifications) {
    IntDomainSpec::CreateRange("D", 1, 3);
    IntVar x("x", "D"), y("y", "D");
    Value c1(1);
    Predicate c({&x, &c1, &y}, [](const std::vector<int>&) { return true; });
    EXPECT_EQ(c.GetBoundCount(), 1);
    EXPECT_EQ(c.GetVars().size(), 2u);
    c.OnInstantiate(&x);
    EXPECT_TRUE(c.IsAllButOneBound());
    c.OnInstantiate(&y);
    EXPECT_TRUE(c.IsBound());
    c.OnUninstantiate(&y);
    c.OnUninstantiate(&x);
    EXPECT_EQ(c.GetBoundCount(), 1);
}

TEST_F(ConstraintTest, ConflictBookkeeping) {
    IntDomainSpec::CreateRange("D", 1, 3);
    IntVar x("x", "D"), y("y", "D"), z("z", "D");
    Predicate c({&x, &y, &z}, [](const std::vector<int>&) { return true; });
    c.RecordPast(x.GetId());
    EXPECT_TRUE(y.PastSet().Contains(x.GetId()));
    EXPECT_TRUE(z.PastSet().Contains(x.GetId()));
    EXPECT_FALSE(x.PastSet().Contains(x.GetId()));
    z.PastSet().Insert(7);
    c.RecordConflict(y.GetId());
    EXPECT_TRUE(y.ConflictSet().Contains(7));
    EXPECT_TRUE(y.ConflictSet().Contains(x.GetId()));
    EXPECT_FALSE(y.ConflictSet().Contains(y.GetId()));
}

TEST_F(ConstraintTest, NamesAndPrinting) {
    Predicate none({}, [](const std::vector<int>&) { return true; });
    EXPECT_STREQ(none.GetName(), "Constraint");
    std::ostringstream os;
    os << none;
    EXPECT_EQ(os.str(), "Constraint");
    EXPECT_EQ(none.ToString(), "");
    EXPECT_EQ(none.GetType(), 12);
    IntDomainSpec::CreateRange("D", 1, 3);
    IntVar x("x", "D");
    Value three(3);
    NotEqual ne(&x, &three);
    std::ostringstream os2;
    os2 << ne;
    EXPECT_EQ(os2.str(), "NotEqual(x,3)");
    EXPECT_EQ(ne.ToString(), "");
}

TEST_F(ConstraintTest, MissingArgumentsAreRefused) {
    IntDomainSpec::CreateRange("D", 1, 3);
    IntVar x("x", "D");
    NotEqual c;
    EXPECT_THROW(c.SetArgs(&x, nullptr), Platform::InternalError);
    Predicate p({&x}, [](const std::vector<int>&) { return true; });
    EXPECT_THROW(p.AddArgs(std::vector<CPObject*>{nullptr}), Platform::InternalError);
}
