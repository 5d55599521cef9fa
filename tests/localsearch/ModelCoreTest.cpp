// The object registry, the expression graph protocol, variables, domains and the container.

#include "ModelFixture.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntListDom.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/ModelError.hpp"
#include "localsearch/SetDom.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/cons/Sequence.hpp"
#include "localsearch/expr/DivOp.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/expr/Sum.hpp"
#include "localsearch/expr/TimesOp.hpp"
#include "localsearch/features/Feature.hpp"
#include "localsearch/logic/And.hpp"
#include "platform/FatalError.hpp"

#include <memory>
#include <stdexcept>

using namespace GLSLib;
using GLSLibTest::ModelTest;
using GLSLibTest::Str;

namespace {

// Records every update it is told, to observe the propagation protocol.
class Recorder : public IntObj {
public:
    explicit Recorder(IntObj* arg) : m_arg(arg) { AttachToArguments(); }
    ExprObj* GetArg(int) const override { return m_arg; }
    unsigned NumArgs() const override { return 1; }
    IntResult Value() const override { return 0; }
    int GetMin() const override { return 0; }
    int GetMax() const override { return 0; }
    void Update(int position, int value) override { log.push_back({position, value}); }
    void UpdateUndefined(int position) override { log.push_back({position, -999}); }
    std::vector<std::pair<int, int>> log;

private:
    IntObj* m_arg;
};

} // namespace

using RegistryTest = ModelTest;

TEST_F(RegistryTest, DeleteAllFreesEveryObjectAndLeavesAnEmptyRegistry) {
    Obj::DeleteAll(); // on an empty registry
    EXPECT_EQ(Obj::RegistrySize(), 0u);
    IntVar* x = Var(0, 9, 3);
    new Sum({x, new IntVal(2)});
    EXPECT_EQ(Obj::RegistrySize(), 4u); // domain, variable, constant and sum
    Obj* single = new IntVal(7);
    delete single;
    Obj* none = nullptr;
    delete none;
    EXPECT_EQ(Obj::RegistrySize(), 4u);
    Obj::DeleteAll();
    EXPECT_EQ(Obj::RegistrySize(), 0u);
}

TEST_F(RegistryTest, AConstructorThatRefusesItsInputLeavesNoEntryBehind) {
    EXPECT_THROW(new IntRangeDom("empty", 3, 2), ModelError);
    EXPECT_THROW(new IntListDom("empty", {}), ModelError);
    EXPECT_THROW(new IntVar("v", nullptr), ModelError);
    EXPECT_THROW(new IntRangeDom("huge", -2147483647 - 1, 2147483647), ModelError);
    EXPECT_EQ(Obj::RegistrySize(), 0u);
}

using GraphTest = ModelTest;

TEST_F(GraphTest, ANodeUsedTwiceHasTwoDependentEntriesAndIsToldTwice) {
    IntVar* x = Var(0, 9, 1);
    auto* plus = new PlusOp(x, x);
    ASSERT_EQ(x->NumDependents(), 2u);
    EXPECT_EQ(x->GetDependent(0), plus);
    EXPECT_EQ(x->GetDependentPosition(0), 0);
    EXPECT_EQ(x->GetDependentPosition(1), 1);
    EXPECT_THROW(x->GetDependentPosition(2), std::out_of_range);
    auto* recorder = new Recorder(plus);
    Set(x, 4);
    EXPECT_EQ(recorder->log, (std::vector<std::pair<int, int>>{{0, 8}, {0, 8}}));
}

TEST_F(GraphTest, GetVariablesWalksDepthFirstOnceEachAndKeepsEarlierEntries) {
    IntVar* x = Var(0, 9, 1, "x");
    IntVar* y = Var(0, 9, 1, "y");
    IntVar* z = Var(0, 9, 1, "z");
    auto* e = new PlusOp(new TimesOp(x, y), x);
    std::vector<IntVar*> out{z, y};
    e->GetVariables(out);
    EXPECT_EQ(out, (std::vector<IntVar*>{z, y, x}));
    std::vector<IntVar*> self;
    x->GetVariables(self);
    EXPECT_EQ(self, (std::vector<IntVar*>{x}));
    EXPECT_EQ(e->CountVariables(), 2);
}

TEST_F(GraphTest, RootsAndIdsFollowTheFirstDependent) {
    IntVar* x = Var(0, 9, 1);
    for (int i = 0; i < 7; ++i)
        new NotEquals(x, x); // constraints 0..6
    auto* sum = new PlusOp(x, new IntVal(1));
    auto* c = new Equals(sum, x);
    EXPECT_EQ(c->GetId(), 7);
    EXPECT_EQ(sum->GetId(), 7);
    EXPECT_EQ(sum->GetRoot(), c);
    EXPECT_EQ(c->GetRoot(), c);
    auto* unused = new PlusOp(x, x);
    EXPECT_THROW(unused->GetId(), Platform::InternalError);
    EXPECT_THROW(unused->GetLastDependent(), Platform::InternalError);
}

TEST_F(GraphTest, DetachFromArgumentsRemovesTheFirstEntryOnly) {
    IntVar* x = Var(0, 9, 1);
    IntVar* y = Var(0, 9, 1);
    auto* a = new NotEquals(x, y);
    auto* b = new NotEquals(x, y);
    auto* conj = new And(a, b);
    auto* other = new Equals(x, y);
    conj->DetachFromArguments();
    EXPECT_EQ(a->NumDependents(), 0u);
    EXPECT_EQ(b->NumDependents(), 0u);
    other->DetachFromArguments();
    ASSERT_EQ(x->NumDependents(), 2u);
    EXPECT_EQ(x->GetDependent(0), a);
    EXPECT_EQ(x->GetDependent(1), b);
}

TEST_F(GraphTest, OperationsANodeCannotPerformThrowAnInternalError) {
    IntVar* x = Var(0, 9, 1);
    auto* s = new SetVar("s", {1, 2});
    EXPECT_THROW(x->GetArg(0), Platform::InternalError);
    EXPECT_THROW(x->UpdateElement(0, 0, true), Platform::InternalError);
    EXPECT_THROW((new IntVal(3))->GetArg(0), Platform::InternalError);
    EXPECT_THROW(s->GetArg(2), std::out_of_range);
    EXPECT_THROW(x->SetValueIndex(10), Platform::InternalError);
    EXPECT_THROW(x->Assign(-1), Platform::InternalError);
}

TEST_F(GraphTest, AnUndefinedValueStopsAtTheCachesAndIsRecoveredFromLater) {
    IntVar* x = Var(0, 9, 6);
    IntVar* y = Var(-2, 2, 2);
    auto* sum = new Sum({new DivOp(x, y), x});
    auto* eq = new Equals(sum, new IntVal(9));
    eq->Initialise();
    EXPECT_EQ(sum->GetValue(), 9);
    Set(y, 0);
    EXPECT_FALSE(sum->Value().has_value());
    EXPECT_THROW(sum->GetValue(), Obj::Undef);
    EXPECT_DOUBLE_EQ(eq->GetViolation(), 1100.0);
    EXPECT_TRUE(eq->IsViolated());
    EXPECT_EQ(eq->GetValue(), 0);
    Set(y, -2);
    EXPECT_EQ(sum->GetValue(), 3);
    EXPECT_DOUBLE_EQ(eq->GetViolation(), BinArithIntCon::ScaledViolation(6));
}

using VariableTest = ModelTest;

TEST_F(VariableTest, PrintsItsNameAloneUntilAssignedThenNameAndValue) {
    auto* x = new IntVar("x", new IntRangeDom("d", 1, 5));
    EXPECT_EQ(Str(*x), "x");
    EXPECT_FALSE(x->IsAssigned());
    EXPECT_THROW(x->GetValue(), Obj::Undef);
    x->Assign(2);
    EXPECT_EQ(Str(*x), "<x,3>");
}

TEST_F(VariableTest, PostingKeepsOneEntryForRepeatedPostsInARow) {
    IntVar* x = Var(0, 3, 0);
    IntVar* y = Var(0, 3, 0);
    auto* c1 = new NotEquals(x, y);
    auto* c2 = new Equals(x, y);
    c1->Post();
    c1->Post();
    EXPECT_EQ(x->GetConstraints().size(), 1u);
    c2->Post();
    c1->Post();
    EXPECT_EQ(x->GetConstraints(), (std::vector<Con*>{c1, c2, c1}));
    EXPECT_FALSE(x->IsInSequence());
    auto* seq = new Sequence({x}, {1});
    seq->Post();
    EXPECT_TRUE(x->IsInSequence());
    EXPECT_FALSE(y->IsInSequence());
}

TEST_F(VariableTest, MinimisePostMarksTheVariablesOfItsObjective) {
    IntVar* x = Var(0, 3, 0);
    IntVar* y = Var(0, 3, 0);
    auto* objective = new Minimise(new PlusOp(x, new IntVal(1)));
    objective->Post();
    EXPECT_EQ(x->GetObjective(), objective);
    EXPECT_EQ(y->GetObjective(), nullptr);
    EXPECT_TRUE(x->GetConstraints().empty());
}

TEST_F(VariableTest, DomainsAnswerTheirShape) {
    auto* list = new IntListDom("l", {5, 1, 3, 3});
    EXPECT_EQ(list->Size(), 4);
    EXPECT_EQ(list->Min(), 1);
    EXPECT_EQ(list->Max(), 5);
    EXPECT_EQ(list->IndexOf(3), 2);
    EXPECT_EQ(list->IndexOf(4), -1);
    EXPECT_FALSE(list->IsInterval());
    EXPECT_TRUE((new IntListDom("i", {3, 1, 2}))->IsInterval());
    auto* range = new IntRangeDom("r", -2, 2);
    EXPECT_EQ(range->Size(), 5);
    EXPECT_EQ(range->IndexOf(-2), 0);
    EXPECT_EQ(range->IndexOf(3), -1);
    EXPECT_EQ(Str(*range), "r");
    EXPECT_EQ(Str(*new SetDom("s", {3, 1, 2})), "{3,1,2}");
    auto* v = new IntVar("v", list);
    v->Assign(3);
    EXPECT_EQ(v->GetValue(), 5);
    EXPECT_EQ(v->GetMin(), 1);
    EXPECT_EQ(v->DomainSize(), 4);
}

TEST_F(VariableTest, SetVariableFollowsItsElementVariables) {
    auto* s = new SetVar("s", {4, 7, 9});
    ASSERT_EQ(s->NumArgs(), 3u);
    EXPECT_STREQ(static_cast<IntVar*>(s->GetArg(0))->GetName(), "__s[0]");
    EXPECT_STREQ(static_cast<IntVar*>(s->GetArg(2))->GetName(), "__s[2]");
    EXPECT_EQ(s->ValueAt(1), 7);
    const int members[] = {0, 1, 1};
    for (int i = 0; i < 3; ++i)
        static_cast<IntVar*>(s->GetArg(i))->SetValueIndex(members[i]);
    s->Initialise();
    EXPECT_EQ(s->NumMembers(), 2);
    EXPECT_TRUE(s->ContainsValue(9));
    EXPECT_FALSE(s->ContainsValue(4));
    EXPECT_FALSE(s->ContainsValue(5)); // outside the universe
    static_cast<IntVar*>(s->GetArg(0))->Assign(1);
    EXPECT_EQ(s->NumMembers(), 3);
    static_cast<IntVar*>(s->GetArg(0))->Assign(1);
    EXPECT_EQ(s->NumMembers(), 3);
    EXPECT_EQ(Str(*s), "s");
}

using ContainerTest = ModelTest;

TEST_F(ContainerTest, ANewProblemStartsFreshAndEachKeepsItsOwnValues) {
    auto first = std::make_unique<GLSCSP>();
    Var(0, 3, 0);
    Con* firstCon = new NotEquals(new IntVal(1), new IntVal(2));
    first->Values().bestObjective = 5;
    first->Values().constraintWeight = 40;
    Feature::SetLambda(3); // the current problem's
    EXPECT_EQ(first->Values().lambda, 3);
    {
        GLSCSP second; // current now, until it ends
        EXPECT_EQ(Var(0, 3, 0)->GetId(), 0);
        Con* secondCon = new NotEquals(new IntVal(1), new IntVal(2));
        EXPECT_EQ(secondCon->GetId(), 0);
        EXPECT_EQ(Minimise::GetBestValue(), 2147483647);
        EXPECT_EQ(Feature::GetLambda(), 1);
        EXPECT_EQ(secondCon->GetWeight(), 1000);
        EXPECT_EQ(firstCon->GetWeight(), 40);
        EXPECT_EQ(Obj::RegistrySize(), 10u); // a variable, its domain and three nodes each
    }
    // The second problem freed its own objects only; the first is current again.
    EXPECT_EQ(Obj::RegistrySize(), 5u);
    EXPECT_EQ(Var(0, 3, 0)->GetId(), 1);
    EXPECT_EQ(Feature::GetLambda(), 3);
    first.reset();
    EXPECT_EQ(Obj::RegistrySize(), 0u);
}

TEST_F(ContainerTest, ListsAndLookups) {
    GLSCSP csp;
    IntVar* x = Var(0, 3, 0, "x");
    csp.AddVariable(x);
    auto* s = new SetVar("s", {1, 2, 3});
    csp.AddSetVariable(s);
    ASSERT_EQ(csp.GetVariables().size(), 4u);
    EXPECT_EQ(csp.GetVariables()[3], s->GetArg(2));
    EXPECT_EQ(csp.FindVariable("__s[1]"), s->GetArg(1));
    EXPECT_EQ(csp.FindVariable("y"), nullptr);
    EXPECT_EQ(csp.FindSetVariable("s"), s);
    auto* d1 = new IntRangeDom("d", 0, 1);
    auto* d2 = new IntRangeDom("d", 0, 2);
    csp.AddIntDomain(d1);
    csp.AddIntDomain(d2);
    EXPECT_EQ(csp.FindIntDomain("d"), d1);
    EXPECT_EQ(csp.FindIntDomain("e"), nullptr);
    auto* sd = new SetDom("sd", {1});
    csp.AddSetDomain(sd);
    EXPECT_EQ(csp.FindSetDomain("sd"), sd);
    EXPECT_FALSE(csp.HasSoftConstraints());
    csp.AddSoftConstraint(new NotEquals(x, x));
    EXPECT_TRUE(csp.HasSoftConstraints());
    EXPECT_FALSE(csp.HasObjective());
    EXPECT_EQ(csp.GetConstraints().size(), 1u);
}
