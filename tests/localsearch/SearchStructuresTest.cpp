// The search structures shared by the graph-based guided local search and tabu search: move
// lists, violated and unconsidered sets, marks, hard weight, structure tables and NoGood.

#include "ModelFixture.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/ModelError.hpp"
#include "localsearch/SoftCon.hpp"
#include "localsearch/cons/AllDifferent.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/MinusOp.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/expr/Sum.hpp"
#include "localsearch/features/Feature.hpp"
#include "localsearch/features/NoGoodFeature.hpp"
#include "localsearch/logic/And.hpp"
#include "localsearch/search/ConsiderCons.hpp"
#include "localsearch/search/DownwardsList.hpp"
#include "localsearch/search/FeatureWrapper.hpp"
#include "localsearch/search/NoGood.hpp"
#include "localsearch/search/SearchTables.hpp"
#include "localsearch/search/UnconsideredCons.hpp"
#include "localsearch/search/UpdateCons.hpp"
#include "localsearch/search/VarsLabels.hpp"
#include "localsearch/search/ViolatedCons.hpp"
#include "localsearch/search/_ConIdxInVar.hpp"
#include "localsearch/search/_ConsWrapper.hpp"

#include <set>

using namespace GLSLib;
using GLSLibTest::ModelTest;

namespace {

class SearchStructuresTest : public ModelTest {
protected:
    // A problem over n variables 0..size-1, each at value index 0.
    std::vector<IntVar*> Vars(GLSCSP& p, int n, int size = 3) {
        std::vector<IntVar*> vars;
        for (int i = 0; i < n; ++i) {
            auto* v = new IntVar(("x" + std::to_string(i)).c_str(), new IntRangeDom("d", 0, size - 1));
            v->SetValueIndex(0);
            p.AddVariable(v);
            vars.push_back(v);
        }
        return vars;
    }
    static void Post(GLSCSP& p, Con* c) {
        c->Post();
        p.AddConstraint(c);
    }
};

// Checks the position invariant of a move list against its sequence.
void ExpectConsistent(const MoveList& list, const std::vector<IntVar*>& vars) {
    std::set<std::pair<int, int>> listed;
    for (int k = 0; k < list.Size(); ++k) {
        const Move& m = list.Element(k);
        EXPECT_EQ(list.Position(m.var->GetId(), m.value), k);
        EXPECT_TRUE(listed.insert({m.var->GetId(), m.value}).second) << "listed twice";
    }
    for (IntVar* v : vars) {
        std::vector<int> expected;
        for (int j = 0; j < v->DomainSize(); ++j)
            if (!listed.count({v->GetId(), j})) {
                EXPECT_EQ(list.Position(v->GetId(), j), -1);
            } else {
                expected.push_back(j);
            }
        std::vector<int> values;
        list.ListedValues(v->GetId(), values);
        EXPECT_EQ(values, expected) << "listed values of " << v->GetName();
    }
}

TEST_F(SearchStructuresTest, MoveListKeepsPositionsThroughAddAndRemove) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 3, 4);
    DownwardsList list;
    list.Initialise(p);
    for (IntVar* v : x)
        for (int j = 0; j < 4; ++j)
            list.Add({v, j});
    list.Add({x[1], 2}); // listed already: nothing changes
    EXPECT_EQ(list.Size(), 12);
    list.Remove({x[0], 0});
    list.Remove({x[0], 0}); // absent: nothing changes
    list.Remove({x[2], 3});
    list.RemoveVariable(x[1]->GetId());
    EXPECT_EQ(list.Size(), 6);
    ExpectConsistent(list, x);
    EXPECT_FALSE(list.Contains(x[1]->GetId(), 1));
    EXPECT_TRUE(list.Contains(x[2]->GetId(), 0));
}

// Moving a listed pair to the end is removing and adding it again, in one step; over a random
// run of operations both lists keep the same sequence. The domains are wider than one word of
// the listed bits.
TEST_F(SearchStructuresTest, MoveToEndIsRemoveThenAdd) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 4, 70);
    DownwardsList oneStep;
    DownwardsList twoSteps;
    oneStep.Initialise(p);
    twoSteps.Initialise(p);
    std::uint32_t state = 12345;
    auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 8; };
    for (int step = 0; step < 5000; ++step) {
        const Move m{x[next() % 4], static_cast<int>(next() % 70)};
        switch (next() % 4) {
        case 0:
            oneStep.Add(m);
            twoSteps.Add(m);
            break;
        case 1:
            oneStep.Remove(m);
            twoSteps.Remove(m);
            break;
        default:
            if (!oneStep.Contains(m.var->GetId(), m.value)) break;
            oneStep.MoveToEnd(m);
            twoSteps.Remove(m);
            twoSteps.Add(m);
        }
        if (step % 1000 == 999) {
            const int id = x[next() % 4]->GetId();
            oneStep.RemoveVariable(id);
            twoSteps.RemoveVariable(id);
        }
    }
    ASSERT_EQ(oneStep.Size(), twoSteps.Size());
    for (int k = 0; k < oneStep.Size(); ++k) {
        EXPECT_EQ(oneStep.Element(k).var, twoSteps.Element(k).var) << k;
        EXPECT_EQ(oneStep.Element(k).value, twoSteps.Element(k).value) << k;
    }
    ExpectConsistent(oneStep, x);
    ExpectConsistent(twoSteps, x);
}

TEST_F(SearchStructuresTest, ViolatedConsCountsEachConstraintOnceWithItsWeight) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 2);
    auto* hard = new NotEquals(x[0], x[1]);
    auto* soft = new SoftCon(new NotEquals(x[1], x[0]), 7);
    Post(p, hard);
    soft->Post();
    p.AddSoftConstraint(soft);
    ViolatedCons violated;
    violated.Build(p);
    EXPECT_EQ(violated.Count(), 2);
    violated.Add(hard);
    violated.Add(soft);
    EXPECT_EQ(violated.Count(), 2);
    EXPECT_EQ(violated.HardCount(), 1);
    EXPECT_EQ(violated.SoftWeight(), 7);
    violated.Remove(hard);
    violated.Remove(hard);
    EXPECT_EQ(violated.HardCount(), 0);
    EXPECT_EQ(violated.Element(0), soft);
    violated.Remove(soft);
    EXPECT_EQ(violated.SoftWeight(), 0);
    EXPECT_TRUE(violated.Empty());
}

TEST_F(SearchStructuresTest, ConsiderationFollowsTheStartUnderApproximateEvaluation) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 3);
    x[2]->SetValueIndex(1);
    auto* broken = new NotEquals(x[0], x[1]);
    auto* holds = new NotEquals(x[0], x[2]);
    Post(p, broken);
    Post(p, holds);
    ConsiderCons approx;
    approx.Initialise(p, true);
    EXPECT_TRUE(approx.Get(broken->GetId()));
    EXPECT_FALSE(approx.Get(holds->GetId()));
    EXPECT_TRUE(approx.Get(Con::GetCount() + 5)); // beyond the table: true
    ConsiderCons all;
    all.Initialise(p, false);
    EXPECT_TRUE(all.Get(holds->GetId()));
    UnconsideredCons unconsidered;
    unconsidered.Initialise(p, true);
    ASSERT_EQ(unconsidered.Size(), 1);
    EXPECT_EQ(unconsidered.Element(0), holds);
    unconsidered.Remove(holds);
    EXPECT_EQ(unconsidered.Size(), 0);
}

TEST_F(SearchStructuresTest, SmallMeansFewerThanFiveVariables) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 5);
    auto* four = new AllDifferent({x[0], x[1], x[2], x[3]});
    auto* five = new AllDifferent({x[0], x[1], x[2], x[3], x[4]});
    Post(p, four);
    Post(p, five);
    UpdateCons marks;
    marks.Initialise(p);
    EXPECT_TRUE(marks.Get(four->GetId()));
    EXPECT_FALSE(marks.Get(five->GetId()));
    marks.Initialise(p, true);
    EXPECT_TRUE(marks.Get(five->GetId()));
}

TEST_F(SearchStructuresTest, HardWeightIsTenTimesTheHeaviestSoftWeight) {
    struct Case {
        std::vector<int> softWeights;
        int weight;
    };
    for (const Case& c : {Case{{}, 1}, Case{{3, 40}, 40}, Case{{0}, 1}}) {
        GLSCSP p;
        std::vector<IntVar*> x = Vars(p, 2);
        auto* hard = new NotEquals(x[0], x[1]);
        Post(p, hard);
        for (int w : c.softWeights) {
            auto* s = new SoftCon(new NotEquals(x[0], x[1]), w);
            s->Post();
            p.AddSoftConstraint(s);
        }
        int weight = -1;
        _ConsWrapper::ComputeHardWeight(p, weight);
        EXPECT_EQ(weight, c.weight);
        EXPECT_EQ(hard->GetWeight(), 10 * c.weight);
    }
}

// Sums the weighted costs of the constraint after passing every value of every one of its
// variables through its links, and compares each with a full evaluation at that assignment.
void ExpectLinksReachOnlyTheirConstraint(const GLSCSP& p, const _ConIdxInVar& index, FeatureWrapper& features,
                                         Con* c) {
    const auto vars = index.VariablesOf(c->GetId());
    for (std::size_t i = 0; i < vars.size(); ++i) {
        IntVar* x = vars[i];
        const int cur = x->GetValueIndex();
        for (int k = 0; k < x->DomainSize(); ++k) {
            VarsLabels::PassThroughLink(index, features, c->GetId(), static_cast<int>(i), x, k);
            const double linked = c->GetViolation();
            c->Initialise();
            EXPECT_EQ(linked, c->GetViolation()) << "variable " << x->GetName() << " value index " << k;
            x->SetValueIndex(cur);
            c->Initialise();
            x->SetValueIndex(k);
            c->Initialise();
        }
        VarsLabels::PassThroughLink(index, features, c->GetId(), static_cast<int>(i), x, cur);
        c->Initialise();
    }
    (void)p;
}

TEST_F(SearchStructuresTest, LinksDoNotDependOnTheOrderOfBuilding) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 4, 4);
    // The objective is built first, as the bridge does, and one sum is shared by two
    // constraints.
    auto* objective = new Minimise(new Sum({x[0], x[1], x[2]}));
    auto* shared = new PlusOp(x[1], x[2]);
    auto* c0 = new NotEquals(shared, x[3]);
    auto* c1 = new AllDifferent({x[0], shared, new PlusOp(x[3], new IntVal(1))});
    auto* c2 = new And(new NotEquals(x[0], x[1]), new NotEquals(x[2], x[3]));
    for (Con* c : {static_cast<Con*>(c0), static_cast<Con*>(c1), static_cast<Con*>(c2)})
        Post(p, c);
    objective->Post();
    p.SetObjective(objective);
    VarsLabels labels;
    labels.InitialiseConstraints(p);
    _ConIdxInVar index;
    index.CollectConstraintVariables(p);
    index.CollectObjectiveVariables(p);
    index.BuildLinks(p);
    FeatureWrapper features;
    features.Build(p);
    EXPECT_EQ(index.ObjectiveVariables().size(), 3u);
    EXPECT_EQ(index.ObjectiveIndex(x[3]->GetId()), -1);
    EXPECT_EQ(index.ObjectiveIndex(x[2]->GetId()), 2);
    ASSERT_EQ(index.ConstraintsOf(x[1]->GetId()).size(), 3u);
    EXPECT_EQ(index.ConstraintsOf(x[1]->GetId())[1].con, c1);
    EXPECT_EQ(index.IndexOf(c1->GetId(), x[3]->GetId()), 3);
    // Parts of a conjunction have rows of their own.
    EXPECT_EQ(index.VariablesOf(c2->GetConjunct(2)->GetId()).size(), 2u);
    for (Con* c :
         {static_cast<Con*>(c0), static_cast<Con*>(c1), static_cast<Con*>(c2), static_cast<Con*>(objective)})
        ExpectLinksReachOnlyTheirConstraint(p, index, features, c);
    // A constraint added later gets its links too.
    auto* late = NoGood::ForbidCurrent(p.GetVariables());
    Post(p, late);
    late->Initialise();
    index.LinkOne(late);
    EXPECT_EQ(index.ConstraintsOf(x[0]->GetId()).back().con, late);
    ExpectLinksReachOnlyTheirConstraint(p, index, features, late);
}

// Under approximate evaluation a constraint satisfied at the start is not considered: a move
// may break it without the violated list knowing, so feasibility looks at it afresh.
TEST_F(SearchStructuresTest, FeasibilityLooksAtUnconsideredHardConstraints) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 3);
    x[1]->SetValueIndex(1);
    x[2]->SetValueIndex(2);
    auto* a = new NotEquals(x[0], x[1]);
    auto* b = new NotEquals(x[0], x[2]);
    Post(p, a);
    Post(p, b);
    SearchTables tables;
    tables.Setup(p, true, true, false);
    EXPECT_TRUE(tables.HardFeasible());
    EXPECT_EQ(tables.Unconsidered().Size(), 2);
    tables.MakeMove(x[0], 1);
    EXPECT_TRUE(tables.Violated().Empty());
    EXPECT_FALSE(tables.HardFeasible());
    tables.AdmitViolatedUnconsidered();
    EXPECT_EQ(tables.Violated().Count(), 1);
    EXPECT_EQ(tables.Violated().Element(0), a);
    EXPECT_EQ(tables.CheckInvariants(), "");
}

// A violated constraint penalised more than cost x 1000 times has an integer utility of 0,
// the same as the objective at its best (absent); its exact utility is still above 0, so it
// alone is chosen, and the absent objective is not penalised beside it.
TEST_F(SearchStructuresTest, HeavilyPenalisedFeatureStillOutranksAnAbsentOne) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 2);
    auto* objective = new Minimise(new Sum({x[0], x[1]}));
    objective->Post();
    p.SetObjective(objective);
    auto* c = new NotEquals(x[0], x[1]);
    Post(p, c);
    SearchTables tables;
    tables.Setup(p, false, true, true);
    const Feature* f = tables.Features().Get(c->GetId());
    ASSERT_NE(f, nullptr);
    const int cost = f->GetCost();
    while (f->GetUtility() > 0)
        tables.RaisePenalty(c->GetId());
    EXPECT_EQ(f->GetPenalty(), cost * 1000);
    EXPECT_FALSE(tables.Features().Get(objective->GetId())->IsPresent());
    EXPECT_EQ(tables.FeaturesOfMaximalUtility(), std::vector<int>{c->GetId()});
    EXPECT_EQ(tables.CheckInvariants(), "");
}

// x + y = 15 over x, y in 0..9 at x = 3, y = 4. Raising x lowers the sum's violation; with
// x = 3 also required, that change breaks a hard constraint and costs more than it gains, so
// the sum cannot improve by any change the search would make. Without that requirement it can.
TEST_F(SearchStructuresTest, CanImproveCountsOnlyChangesTheSearchWouldMake) {
    for (const bool pinned : {true, false}) {
        SCOPED_TRACE(pinned ? "x = 3 required" : "x free");
        Obj::DeleteAll();
        GLSCSP p;
        std::vector<IntVar*> v = Vars(p, 2, 10);
        v[0]->SetValueIndex(3);
        v[1]->SetValueIndex(4);
        auto* sum = new Equals(new PlusOp(v[0], v[1]), new IntVal(15));
        Post(p, sum);
        Post(p, new Equals(v[1], new IntVal(4)));
        if (pinned) Post(p, new Equals(v[0], new IntVal(3)));
        SearchTables tables;
        tables.Setup(p, false, true, true);
        EXPECT_EQ(tables.CanImprove(sum), !pinned);
        EXPECT_EQ(v[0]->GetValueIndex(), 3) << "nothing is left changed";
        EXPECT_EQ(v[1]->GetValueIndex(), 4);
        EXPECT_EQ(tables.CheckInvariants(), "");
    }
}

// Disequalities of two variables, each side shifted or one side a difference against a
// constant (the diagonals of n-queens written as q[i] - q[j] <> j - i), take the one-cell
// short cut; the tables stay exact through moves and penalties of every kind of them.
TEST_F(SearchStructuresTest, DisequalityShortCutKeepsTheTablesExact) {
    struct Probe : SearchTables {
        bool Short(const Con* c) const { return IsDisequality(c->GetId()); }
    };
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 4, 7);
    auto shifted = [](IntVar* v, int k) { return new MinusOp(v, new IntVal(k)); };
    std::vector<Con*> diseq = {
        new NotEquals(new MinusOp(x[0], x[1]), new IntVal(1)),
        new NotEquals(new IntVal(-2), new MinusOp(x[1], x[2])),
        new NotEquals(new MinusOp(shifted(x[2], 3), new PlusOp(x[3], new IntVal(1))), new IntVal(0)),
        new NotEquals(shifted(x[3], 2), new PlusOp(new IntVal(1), x[0])),
    };
    for (Con* c : diseq)
        Post(p, c);
    // Not of the form: a sum of two variables, and a difference of a variable with itself.
    auto* sum = new NotEquals(new PlusOp(x[0], x[2]), new IntVal(5));
    auto* self = new NotEquals(new MinusOp(x[1], x[1]), new IntVal(0));
    Post(p, sum);
    Post(p, self);
    Probe tables;
    tables.Setup(p, false, true, true);
    for (Con* c : diseq)
        EXPECT_TRUE(tables.Short(c)) << *c;
    EXPECT_FALSE(tables.Short(sum));
    EXPECT_FALSE(tables.Short(self));
    EXPECT_EQ(tables.CheckInvariants(), "");
    for (int step = 0; step < 60; ++step) {
        IntVar* v = x[static_cast<unsigned>(step % 4)];
        tables.MakeMove(v, (step * 5 + 3) % 7);
        if (step % 3 == 0)
            for (int id : tables.FeaturesOfMaximalUtility())
                tables.RaisePenalty(id);
        tables.RefreshMoveLists();
        ASSERT_EQ(tables.CheckInvariants(), "") << "step " << step;
    }
}

TEST_F(SearchStructuresTest, WeightedCostGrowsWithPenaltyAndLambda) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 2);
    auto* c = new NotEquals(x[0], x[1]);
    c->Initialise();
    Feature* f = c->CreateFeature();
    for (int i = 0; i < 3; ++i)
        f->IncreasePenalty();
    EXPECT_EQ(FeatureWrapper::WeightedCost(2.5, f), 10); // trunc(2.5 x (1 x 3 + 1))
    f->IncreasePenalty();
    EXPECT_EQ(FeatureWrapper::WeightedCost(2.5, f), 12);
    EXPECT_EQ(FeatureWrapper::WeightedCost(2.5, f, -1), 10);
    Feature::SetLambda(2);
    EXPECT_EQ(FeatureWrapper::WeightedCost(2.5, f), 22);
    EXPECT_EQ(FeatureWrapper::WeightedCost(0.0, f), 0);
    EXPECT_EQ(FeatureWrapper::WeightedCost(2.5, nullptr), 2);
}

TEST_F(SearchStructuresTest, NoGoodIsViolatedExactlyAtItsForbiddenAssignment) {
    GLSCSP p;
    std::vector<IntVar*> x = Vars(p, 3);
    x[1]->SetValueIndex(2);
    NoGood* ng = NoGood::ForbidCurrent(x);
    EXPECT_EQ(ng->GetForbiddenValues(), (std::vector<int>{0, 2, 0}));
    EXPECT_EQ(ng->GetMaxViolation(), 2000.0);
    EXPECT_EQ(ng->GetName(), "NoGood");
    ng->Initialise();
    EXPECT_EQ(ng->GetViolation(), 1000.0);
    x[0]->Assign(1);
    EXPECT_EQ(ng->GetMismatches(), 1);
    x[2]->Assign(2);
    x[0]->Assign(2);
    EXPECT_EQ(ng->GetMismatches(), 2);
    EXPECT_FALSE(ng->IsViolated());
    x[0]->Assign(0);
    x[2]->Assign(0);
    EXPECT_TRUE(ng->IsViolated());
    EXPECT_NE(dynamic_cast<NoGoodFeature*>(ng->CreateFeature()), nullptr);
    EXPECT_THROW(NoGood({x[0]}, {1, 2}), ModelError);
}

} // namespace
