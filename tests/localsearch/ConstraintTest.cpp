// Constraints: comparisons, tables, sequences, membership, the objective, soft constraints,
// logical and set constraints, AllDifferent.

#include "ModelFixture.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntListDom.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/SoftCon.hpp"
#include "localsearch/cons/AllDifferent.hpp"
#include "localsearch/cons/Element.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/GreaterThan.hpp"
#include "localsearch/cons/GreaterThanEquals.hpp"
#include "localsearch/cons/Member.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/cons/Sequence.hpp"
#include "localsearch/expr/DivOp.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/expr/Sum.hpp"
#include "localsearch/logic/And.hpp"
#include "localsearch/logic/Iff.hpp"
#include "localsearch/logic/Implies.hpp"
#include "localsearch/logic/Not.hpp"
#include "localsearch/logic/Or.hpp"
#include "localsearch/logic/Xor.hpp"
#include "localsearch/sets/AllDisjoint.hpp"
#include "localsearch/sets/Intersection.hpp"
#include "localsearch/sets/SetVal.hpp"
#include "localsearch/sets/Subset.hpp"
#include "localsearch/sets/Union.hpp"
#include "platform/FatalError.hpp"
#include "platform/MessageSink.hpp"

#include <climits>

using namespace GLSLib;
using GLSLibTest::ModelTest;
using GLSLibTest::Str;

namespace {

IntObj* K(int v) {
    return new IntVal(v);
}

// A constraint with a violation set by the test.
class FixedCon : public Con {
public:
    FixedCon(double violation, double maxViolation = 5000.0) : m_violation(violation), m_max(maxViolation) {}
    ExprObj* GetArg(int) const override { return nullptr; }
    unsigned NumArgs() const override { return 0; }
    double GetViolation() const override { return m_violation; }
    double GetMaxViolation() const override { return m_max; }

private:
    double m_violation, m_max;
};

// Sets element i of s to member (1) or not (0), with propagation.
void SetElement(SetVar* s, int i, int member) {
    static_cast<IntVar*>(s->GetArg(i))->Assign(member);
}

SetVar* MakeSet(const char* name, const std::vector<int>& universe, const std::vector<int>& members) {
    auto* s = new SetVar(name, universe);
    for (std::size_t i = 0; i < universe.size(); ++i) {
        const bool member = std::find(members.begin(), members.end(), universe[i]) != members.end();
        static_cast<IntVar*>(s->GetArg(static_cast<int>(i)))->Assign(member ? 1 : 0);
    }
    return s;
}

} // namespace

using ComparisonTest = ModelTest;

TEST_F(ComparisonTest, DistancesAndViolationsTable) {
    struct Case {
        const char* what;
        Con* c;
        double distance, violation;
    };
    const Case cases[] = {
        {"3 > 3", new GreaterThan(K(3), K(3)), 1, 1000.0},
        {"3 >= 3", new GreaterThanEquals(K(3), K(3)), 0, 0.0},
        {"2 > 5", new GreaterThan(K(2), K(5)), 4, 1000.0 * 44 / 41},
        {"4 = 7", new Equals(K(4), K(7)), 3, 1000.0 * 33 / 31},
        {"2 = 2", new Equals(K(2), K(2)), 0, 0.0},
        {"distance 2", new Equals(K(0), K(2)), 2, 1000.0 * 22 / 21},
        {"distance a million", new Equals(K(0), K(1000000)), 1000000, 1000.0 * 11000000 / 10000001},
        {"INT_MIN = INT_MAX does not wrap", new Equals(K(INT_MIN), K(INT_MAX)), 4294967295.0,
         1000.0 * 11 * 4294967295.0 / (10 * 4294967295.0 + 1)},
        {"INT_MIN > INT_MAX", new GreaterThan(K(INT_MIN), K(INT_MAX)), 4294967296.0,
         1000.0 * 11 * 4294967296.0 / (10 * 4294967296.0 + 1)},
    };
    Platform::MessageCapture messages;
    for (const Case& c : cases) {
        auto* arith = static_cast<BinArithIntCon*>(c.c);
        ASSERT_TRUE(arith->GetDistance().has_value()) << c.what;
        EXPECT_DOUBLE_EQ(*arith->GetDistance(), c.distance) << c.what;
        EXPECT_DOUBLE_EQ(arith->GetViolation(), c.violation) << c.what;
        EXPECT_LT(arith->GetViolation(), 1100.0) << c.what;
        EXPECT_EQ(arith->GetValue(), c.violation == 0.0 ? 1 : 0) << c.what;
        EXPECT_DOUBLE_EQ(arith->GetMaxViolation(), 1100.0);
    }
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_TRUE((new Equals(K(4), K(7)))->IsViolated());
}

TEST_F(ComparisonTest, UndefinedOperandsGiveTheMaximumViolation) {
    IntVar* y = Var(0, 2, 0);
    auto* undefined = new DivOp(K(1), y);
    const struct {
        Con* c;
        double expected;
    } cases[] = {
        {new NotEquals(undefined, K(1)), 2000.0},
        {new Equals(undefined, K(1)), 1100.0},
        {new GreaterThan(undefined, K(1)), 1100.0},
        {new GreaterThanEquals(K(1), undefined), 1100.0},
        {new Element(undefined, {1, 2}, K(1)), 3000.0},
        {new Element(K(0), {1, 2}, undefined), 3000.0},
        {new Not(undefined), 2000.0},
        {new Sequence({undefined, K(1)}, {1, 1}), 2000.0},
        {new AllDifferent({undefined, K(1), K(2)}), 2000.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(c.c->GetViolation(), c.expected) << Str(*c.c);
        EXPECT_TRUE(c.c->IsViolated()) << Str(*c.c);
        EXPECT_EQ(c.c->GetValue(), 0);
    }
    EXPECT_FALSE(static_cast<BinArithIntCon*>(cases[1].c)->GetDistance().has_value());
}

TEST_F(ComparisonTest, ElementTable) {
    IntVar* i = Var(-1, 3, 1);
    IntVar* v = Var(0, 9, 5);
    auto* e = new Element(i, {5, 6, 5}, v);
    EXPECT_DOUBLE_EQ(e->GetViolation(), 1000.0);
    Set(v, 6);
    EXPECT_DOUBLE_EQ(e->GetViolation(), 0.0);
    Set(v, 9);
    EXPECT_DOUBLE_EQ(e->GetViolation(), 2000.0);
    Set(i, -1);
    Set(v, 6);
    EXPECT_DOUBLE_EQ(e->GetViolation(), 1000.0);
    Set(i, 3);
    EXPECT_DOUBLE_EQ(e->GetViolation(), 1000.0);
    EXPECT_DOUBLE_EQ(e->GetMaxViolation(), 3000.0);
}

TEST_F(ComparisonTest, SequenceCountsTheExcessIncrementally) {
    IntVar* xs[4] = {Var(0, 5, 1), Var(0, 5, 1), Var(0, 5, 1), Var(0, 5, 4)};
    auto* seq = new Sequence({xs[0], xs[1], xs[2], xs[3]}, {1, 1, 2, 3});
    seq->Initialise();
    EXPECT_EQ(seq->GetExcess(), 2);
    EXPECT_DOUBLE_EQ(seq->GetViolation(), 2000.0);
    Set(xs[3], 2);
    EXPECT_EQ(seq->GetExcess(), 1);
    Set(xs[2], 3);
    EXPECT_EQ(seq->GetExcess(), 0);
    EXPECT_FALSE(seq->IsViolated());
    EXPECT_DOUBLE_EQ(seq->GetMaxViolation(), 4000.0);
}

TEST_F(ComparisonTest, MemberFollowsTheElementAndTheSetsElementEvents) {
    IntVar* x = Var(0, 9, 2);
    SetVar* s = MakeSet("s", {1, 2, 3}, {1});
    auto* m = new Member(x, s);
    m->Initialise();
    EXPECT_DOUBLE_EQ(m->GetViolation(), 1000.0);
    m->Update(1, 5); // the set's position: ignored
    EXPECT_DOUBLE_EQ(m->GetViolation(), 1000.0);
    SetElement(s, 1, 1);
    EXPECT_DOUBLE_EQ(m->GetViolation(), 0.0);
    Set(x, 3);
    EXPECT_DOUBLE_EQ(m->GetViolation(), 1000.0);
    Set(x, 1);
    EXPECT_DOUBLE_EQ(m->GetViolation(), 0.0);
    Set(x, 7); // outside the universe
    EXPECT_DOUBLE_EQ(m->GetViolation(), 1000.0);
}

using ObjectiveTest = ModelTest;

TEST_F(ObjectiveTest, ViolationAgainstTheBestValueSeen) {
    IntVar* x = Var(0, 100, 10);
    auto* objective = new Minimise(x);
    objective->Initialise();
    EXPECT_DOUBLE_EQ(objective->GetViolation(), 0.0);
    EXPECT_EQ(Minimise::GetBestValue(), 10);
    Set(x, 15);
    EXPECT_DOUBLE_EQ(objective->GetViolation(), 50.0);
    Minimise::SetObjectiveWeight(3);
    EXPECT_DOUBLE_EQ(objective->GetViolation(), 150.0);
    Minimise::SetObjectiveWeight(1);
    Set(x, 9);
    EXPECT_DOUBLE_EQ(objective->GetViolation(), 0.0);
    EXPECT_EQ(Minimise::GetBestValue(), 9);
    EXPECT_EQ(objective->GetObjectiveValue(), 9);
    EXPECT_FALSE(objective->IsConstraint());
    EXPECT_DOUBLE_EQ(objective->GetMaxViolation(), 2147483647.0);
}

TEST_F(ObjectiveTest, WideArithmeticTable) {
    struct Case {
        const char* what;
        std::vector<int> domain;
        int best, value, weight;
        double expected;
    };
    const Case cases[] = {
        {"min equal to max uses range 1", {7}, 5, 7, 1, 2000.0},
        {"no overflow: unchanged", {0, 5, 10}, 2, 5, 2, 600.0},
        {"large costs saturate", {0, 2000000000}, -2000000000, 2000000000, INT_MAX, 2147483647.0},
        {"bounds 2^32 - 1 apart keep a positive range", {INT_MIN, 0, INT_MAX}, 0, INT_MAX, 1, 1000.0},
    };
    for (const Case& c : cases) {
        auto* x = new IntVar("x", new IntListDom("d", c.domain));
        x->Assign(0);
        auto* objective = new Minimise(x);
        objective->Initialise();
        objective->State().values.bestObjective = c.best;
        Minimise::SetObjectiveWeight(c.weight);
        x->Assign(x->GetDomain()->IndexOf(c.value));
        EXPECT_DOUBLE_EQ(objective->GetViolation(), c.expected) << c.what;
    }
}

TEST_F(ObjectiveTest, AnUndefinedObjectiveHasTheMaximumViolationAndLeavesTheBestAlone) {
    IntVar* y = Var(0, 2, 1);
    auto* objective = new Minimise(new DivOp(K(10), y));
    objective->Initialise();
    EXPECT_DOUBLE_EQ(objective->GetViolation(), 0.0);
    Set(y, 0);
    EXPECT_DOUBLE_EQ(objective->GetViolation(), 2147483647.0);
    EXPECT_EQ(objective->GetObjectiveValue(), INT_MAX);
    EXPECT_EQ(Minimise::GetBestValue(), 10);
}

TEST_F(ObjectiveTest, TheBestValueDoesNotOutliveItsProblem) {
    {
        GLSCSP first;
        auto* objective = new Minimise(Var(0, 9, 2));
        EXPECT_DOUBLE_EQ(objective->GetViolation(), 0.0);
    }
    GLSCSP second;
    auto* objective = new Minimise(Var(0, 9, 5));
    EXPECT_DOUBLE_EQ(objective->GetViolation(), 0.0);
    EXPECT_EQ(Minimise::GetBestValue(), 5);
}

TEST_F(ObjectiveTest, SoftConstraintWrapsWithItsOwnWeight) {
    for (int i = 0; i < 3; ++i)
        new FixedCon(0.0);
    auto* inner = new FixedCon(1047.0); // constraint number 3
    auto* soft = new SoftCon(inner, 5);
    EXPECT_EQ(soft->GetId(), 3);
    EXPECT_EQ(soft->GetWeight(), 5);
    EXPECT_FALSE(soft->IsHard());
    EXPECT_DOUBLE_EQ(soft->GetViolation(), 1047.0);
    EXPECT_DOUBLE_EQ(soft->GetMaxViolation(), 5000.0);
    EXPECT_EQ(inner->GetWeight(), 1000);
    Con::SetWeight(40);
    EXPECT_EQ(inner->GetWeight(), 40);
}

TEST_F(ObjectiveTest, TruthValueOfAViolation) {
    auto* half = new FixedCon(0.5);
    EXPECT_EQ(half->GetValue(), 0);
    EXPECT_TRUE(half->IsViolated());
    auto* zero = new FixedCon(0.0);
    EXPECT_EQ(zero->GetValue(), 1);
    EXPECT_FALSE(zero->IsViolated());
}

using LogicTest = ModelTest;

TEST_F(LogicTest, ViolationsTable) {
    const auto ok = [] { return new FixedCon(0.0, 1000.0); };
    struct Case {
        const char* what;
        Con* c;
        double violation;
        bool violated;
        double maxViolation;
    };
    const Case cases[] = {
        {"And truncates after each addition",
         new And(new FixedCon(1000.7, 1100.5), new FixedCon(500.6, 2000.9)), 1500.0, true, 3101.0},
        {"And of nothing", new And(std::vector<Con*>{}), 0.0, false, 1.0},
        {"Or takes the smallest", new Or(new FixedCon(3000.0), new FixedCon(1047.5)), 1047.0, true, 5000.0},
        {"Or with a satisfied argument", new Or(new FixedCon(3000.0), ok()), 0.0, false, 1000.0},
        {"Or of nothing cannot hold", new Or(std::vector<Con*>{}), 1000.0, true, 1000.0},
        {"Xor of two satisfied", new Xor(ok(), ok()), 1000.0, true, 1000.0},
        {"Xor of two violated", new Xor(new FixedCon(1000.0), new FixedCon(3000.0)), 3000.0, true, 5000.0},
        {"Xor of one of each", new Xor(new FixedCon(1000.0), ok()), 0.0, false, 5000.0},
        {"Iff of one of each", new Iff(new FixedCon(1047.0), ok()), 1047.0, true, 5000.0},
        {"Iff of two violated", new Iff(new FixedCon(1047.0), new FixedCon(20.0)), 0.0, false, 5000.0},
        {"Implies with a violated premise", new Implies(new FixedCon(5.0), new FixedCon(900.0)), 0.0, false,
         5000.0},
        {"Implies with a satisfied premise", new Implies(ok(), new FixedCon(900.0)), 900.0, true, 5000.0},
        {"Not of a satisfied constraint", new Not(ok()), 1000.0, true, 2000.0},
        {"Not of a violated constraint", new Not(new FixedCon(3.0)), 0.0, false, 2000.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(c.c->GetViolation(), c.violation) << c.what;
        EXPECT_EQ(c.c->IsViolated(), c.violated) << c.what;
        EXPECT_DOUBLE_EQ(c.c->GetMaxViolation(), c.maxViolation) << c.what;
    }
}

TEST_F(LogicTest, NestedConjunctsComeDepthFirst) {
    Con* p = new FixedCon(0.0);
    Con* q = new FixedCon(0.0);
    Con* r = new FixedCon(0.0);
    auto* inner = new And(p, q);
    auto* outer = new And(inner, r);
    ASSERT_EQ(outer->NumConjuncts(), 5);
    const Con* expected[] = {outer, inner, p, q, r};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(outer->GetConjunct(k), expected[k]) << k;
    EXPECT_EQ(outer->GetConjunct(5), nullptr);
    EXPECT_TRUE(outer->IsConjunction());
    EXPECT_FALSE(p->IsConjunction());
    EXPECT_EQ(p->GetConjunct(3), p);
}

TEST_F(LogicTest, ExpressionsAboveLogicalConstraintsStayCurrent) {
    IntVar* x = Var(0, 9, 1);
    IntVar* y = Var(0, 9, 2);
    auto* conj = new And(new NotEquals(x, y), new GreaterThan(y, x));
    auto* count = new Sum({conj, new Not(conj)});
    auto* top = new Equals(count, K(1));
    top->Initialise();
    EXPECT_EQ(count->GetValue(), 1);
    Set(x, 2);
    EXPECT_EQ(conj->GetValue(), 0);
    EXPECT_EQ(count->GetValue(), 1);
    auto* truth = new Sum({conj});
    truth->Initialise();
    EXPECT_EQ(truth->GetValue(), 0);
    Set(x, 0);
    EXPECT_EQ(truth->GetValue(), 1);
}

using SetConstraintTest = ModelTest;

TEST_F(SetConstraintTest, ConstantSetSortsAndDropsRepeats) {
    auto* s = new SetVal({3, 1, 3, 3, 2});
    EXPECT_EQ(s->NumValues(), 3);
    EXPECT_EQ(s->NumMembers(), 3);
    EXPECT_EQ(s->ValueAt(0), 1);
    EXPECT_TRUE(s->ContainsValue(2));
    EXPECT_FALSE(s->ContainsValue(4));
    EXPECT_EQ(Str(*s), "{1,2,3}\n");
}

TEST_F(SetConstraintTest, SubsetFollowsBothSides) {
    SetVar* a = MakeSet("a", {1, 2}, {1, 2});
    SetVar* b = MakeSet("b", {1, 2, 5}, {2, 5});
    auto* sub = new Subset(a, b);
    sub->Initialise();
    EXPECT_DOUBLE_EQ(sub->GetViolation(), 1000.0);
    SetElement(b, 0, 1);
    EXPECT_DOUBLE_EQ(sub->GetViolation(), 0.0);
    SetElement(b, 1, 0);
    EXPECT_DOUBLE_EQ(sub->GetViolation(), 1000.0);
    SetElement(a, 1, 0);
    EXPECT_DOUBLE_EQ(sub->GetViolation(), 0.0);
    EXPECT_DOUBLE_EQ(sub->GetMaxViolation(), 2000.0);
    EXPECT_THROW(sub->GetArg(2), Platform::InternalError);
    EXPECT_THROW(sub->UpdateElement(2, 0, true), Platform::InternalError);
}

TEST_F(SetConstraintTest, AllDisjointCountsOverlaps) {
    SetVar* s1 = MakeSet("s1", {1, 2}, {1, 2});
    SetVar* s2 = MakeSet("s2", {2, 3}, {2, 3});
    SetVar* s3 = MakeSet("s3", {2}, {2});
    auto* d = new AllDisjoint({s1, s2, s3});
    d->Initialise();
    EXPECT_DOUBLE_EQ(d->GetViolation(), 2000.0);
    EXPECT_DOUBLE_EQ(d->GetMaxViolation(), 1000.0 * (2 + 1));
    d->UpdateElement(0, 1, true); // a repeated report changes nothing
    EXPECT_DOUBLE_EQ(d->GetViolation(), 2000.0);
    SetElement(s3, 0, 0);
    EXPECT_DOUBLE_EQ(d->GetViolation(), 1000.0);
    SetElement(s1, 1, 0);
    EXPECT_DOUBLE_EQ(d->GetViolation(), 0.0);
}

TEST_F(SetConstraintTest, UnionAndIntersectionMembership) {
    SetVar* s = MakeSet("s", {3, 1}, {3, 1});
    SetVar* t = MakeSet("t", {1, 5}, {1});
    auto* u = new Union({s, t});
    auto* in = new Intersection({s, t});
    u->Initialise();
    in->Initialise();
    ASSERT_EQ(u->NumValues(), 3);
    EXPECT_EQ(u->ValueAt(0), 3);
    EXPECT_EQ(u->ValueAt(1), 1);
    EXPECT_EQ(u->ValueAt(2), 5);
    EXPECT_EQ(u->NumMembers(), 2);
    EXPECT_TRUE(in->ContainsValue(1));
    EXPECT_EQ(in->NumMembers(), 1);
    SetElement(s, 1, 0);
    EXPECT_FALSE(in->ContainsValue(1));
    EXPECT_TRUE(u->ContainsValue(1));
    SetElement(t, 0, 0);
    EXPECT_FALSE(in->ContainsValue(1));
    EXPECT_FALSE(u->ContainsValue(1));
    EXPECT_EQ(in->NumMembers(), 0);
    EXPECT_FALSE(u->ContainsValue(42));
    EXPECT_THROW(u->Update(0, 1), Platform::InternalError);
}

using AllDifferentTest = ModelTest;

TEST_F(AllDifferentTest, ViolationCountsRepeatedValues) {
    IntVar* a = Var(0, 9, 1);
    IntVar* b = Var(0, 9, 2);
    IntVar* c = Var(0, 9, 3);
    auto* d = new AllDifferent({a, b, c});
    d->Initialise();
    EXPECT_DOUBLE_EQ(d->GetViolation(), 0.0);
    EXPECT_FALSE(d->IsViolated());
    EXPECT_DOUBLE_EQ(d->GetMaxViolation(), 2000.0);
    for (IntVar* v : {a, b, c})
        Set(v, 4);
    EXPECT_DOUBLE_EQ(d->GetViolation(), 2000.0);
    Set(a, 5);
    EXPECT_DOUBLE_EQ(d->GetViolation(), 1000.0);
    Set(b, 6);
    EXPECT_DOUBLE_EQ(d->GetViolation(), 0.0);
    Set(a, 4);
    Set(b, 4);
    Set(c, 7);
    EXPECT_DOUBLE_EQ(d->GetViolation(), 1000.0);
    Set(c, 4);
    EXPECT_DOUBLE_EQ(d->GetViolation(), 2000.0);
    Set(c, 7);
    EXPECT_DOUBLE_EQ(d->GetViolation(), 1000.0);
    Set(c, 7);
    EXPECT_DOUBLE_EQ(d->GetViolation(), 1000.0);
}

TEST_F(AllDifferentTest, ReportsTheRepeatedValuesAndHasNoViolationWithoutArguments) {
    auto* d = new AllDifferent({K(8), K(3), K(8), K(1), K(3), K(3)});
    d->Initialise();
    std::ostringstream os;
    d->PrintViolation(os);
    EXPECT_EQ(os.str(), "Repeated values in AllDifferent:\n{3,8}");
    auto* none = new AllDifferent({});
    none->Initialise();
    EXPECT_DOUBLE_EQ(none->GetMaxViolation(), 0.0);
    EXPECT_DOUBLE_EQ(none->GetViolation(), 0.0);
}
