#include "language/Bug.hpp"
#include "language/raw/RawArr.hpp"
#include "language/raw/RawBool.hpp"
#include "language/raw/RawCSP.hpp"
#include "language/raw/RawFlt.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawOp.hpp"
#include "language/raw/RawRange.hpp"
#include "language/raw/RawSet.hpp"
#include "language/raw/RawSolver.hpp"
#include "language/raw/RawStr.hpp"
#include "language/raw/RawTuple.hpp"
#include "language/raw/RawValueText.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <thread>

using namespace TavLanguage;

namespace {

// Counts live instances so tests can see exactly when objects are deleted.
struct Tracked : RawInt {
    static inline int live = 0;
    explicit Tracked(int v) : RawInt(v) { ++live; }
    ~Tracked() override { --live; }
};

RPtr<RawExpr> Int(int v) {
    return RPtr<RawExpr>(new RawInt(v));
}

RPtr<RawDom> IntRange(const std::string& name, int lo, int hi) {
    return MakeR<RawDom>(RawType::IntDom, name, RPtr<RawExpr>(new RawRange(lo, hi)));
}

} // namespace

TEST(RPtr, SharesOneCountAndDeletesAtTheLastRelease) {
    {
        RPtr<RawExpr> a(new Tracked(3));
        EXPECT_EQ(Tracked::live, 1);
        RPtr<RawExpr> b = a;
        EXPECT_EQ(a.GetCount(), 2);
        RPtr<RawInt> c = b; // checked down-cast succeeds and shares the block
        EXPECT_EQ(a.GetCount(), 3);
        EXPECT_EQ(c->GetInt(), 3);
        RPtr<RawArr> wrong = b; // checked down-cast fails: empty, no extra reference
        EXPECT_TRUE(wrong.IsNull());
        EXPECT_EQ(a.GetCount(), 3);
        a.Reset();
        b = nullptr;
        EXPECT_EQ(Tracked::live, 1);
        EXPECT_EQ(c.GetCount(), 1);
    }
    EXPECT_EQ(Tracked::live, 0);
}

TEST(RPtr, CountsStayExactUnderConcurrentCopies) {
    RPtr<RawExpr> shared(new Tracked(1));
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([shared] {
            for (int i = 0; i < 20000; ++i) {
                RPtr<RawExpr> copy = shared;
                RPtr<RawInt> down = copy;
                ASSERT_TRUE(down);
            }
        });
    }
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(shared.GetCount(), 1);
    shared.Reset();
    EXPECT_EQ(Tracked::live, 0);
}

TEST(RawExpr, TheArgumentArrayIsMadeOnceOnRequestAndSharesTheArguments) {
    auto x = MakeR<RawVar>(RawType::IntVar, "x", IntRange("d", 1, 3));
    {
        RPtr<RawExpr> sum(new RawOp(RawType::Plus, x, Int(1)));
        EXPECT_TRUE(sum->IsVar());
        EXPECT_FALSE(RPtr<RawExpr>(new RawOp(RawType::Plus, Int(2), Int(1)))->IsVar());
        EXPECT_EQ(x.GetCount(), 2); // no array yet
        std::vector<const RawArr*> seen(4, nullptr);
        std::vector<std::thread> threads;
        for (std::size_t t = 0; t < seen.size(); ++t)
            threads.emplace_back([&sum, &seen, t] { seen[t] = sum->GetArgs().Get(); });
        for (auto& t : threads)
            t.join();
        for (const RawArr* arr : seen)
            EXPECT_EQ(arr, seen[0]);
        ASSERT_EQ(seen[0]->GetSize(), 2);
        EXPECT_EQ(seen[0]->GetElement(0).Get(), x.Get());
        EXPECT_TRUE(seen[0]->IsVar());
        EXPECT_EQ(x.GetCount(), 3);
    }
    EXPECT_EQ(x.GetCount(), 1);
    EXPECT_THROW(RawOp(RawType::Plus, x, nullptr), Bug);
    EXPECT_THROW(RawCon(RawType::Equal, std::vector<RPtr<RawExpr>>{x, nullptr}), Bug);
}

TEST(RawExpr, KindTestsAndAccessorsOfEachNodeKind) {
    auto x = MakeR<RawVar>(RawType::IntVar, "x", IntRange("d", 1, 3));
    auto s = MakeR<RawVar>(RawType::SetVar, "s", nullptr);
    RPtr<RawExpr> sum(new RawOp(RawType::Plus, x, Int(1)));
    RPtr<RawExpr> constSum(new RawOp(RawType::Plus, Int(2), Int(1)));
    RPtr<RawExpr> eq(new RawCon(RawType::Equal, x, Int(2)));
    RPtr<RawExpr> uni(new RawOp(RawType::Union, RPtr<RawExpr>(new RawArr)));
    struct Row {
        RPtr<RawExpr> node;
        RawType type;
        bool isVar, isVal, isInt, isNumeric, isCon, isOp, isSetValued, isArray;
    };
    const std::vector<Row> rows = {
        {x, RawType::IntVar, true, false, false, false, false, false, false, false},
        {s, RawType::SetVar, true, false, false, false, false, false, true, false},
        {Int(4), RawType::IntVal, false, true, true, true, false, false, false, false},
        {RPtr<RawExpr>(new RawBool(true)), RawType::BoolVal, false, true, true, false, false, false, false,
         false},
        {RPtr<RawExpr>(new RawFlt(1.5)), RawType::FltVal, false, true, false, true, false, false, false,
         false},
        {RPtr<RawExpr>(new RawSet), RawType::SetVal, false, true, false, false, false, false, true, false},
        {RPtr<RawExpr>(new RawArr), RawType::Array, false, false, false, false, false, false, false, true},
        {sum, RawType::Plus, true, false, false, false, false, true, false, false},
        {constSum, RawType::Plus, false, false, false, false, false, true, false, false},
        {eq, RawType::Equal, false, false, false, false, true, false, false, false},
        {uni, RawType::Union, false, false, false, false, false, true, true, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.node->ToString());
        EXPECT_EQ(r.node->GetType(), r.type);
        EXPECT_EQ(r.node->IsVar(), r.isVar);
        EXPECT_EQ(r.node->IsVal(), r.isVal);
        EXPECT_EQ(r.node->IsInt(), r.isInt);
        EXPECT_EQ(r.node->IsNumeric(), r.isNumeric);
        EXPECT_EQ(r.node->IsCon(), r.isCon);
        EXPECT_EQ(r.node->IsOp(), r.isOp);
        EXPECT_EQ(r.node->IsSetValued(), r.isSetValued);
        EXPECT_EQ(r.node->IsArray(), r.isArray);
    }
    EXPECT_EQ(RPtr<RawExpr>(new RawBool(true))->GetInt(), 1);
    EXPECT_DOUBLE_EQ(Int(7)->GetFlt(), 7.0);
    EXPECT_EQ(RPtr<RawExpr>(new RawStr("a"))->GetStr(), "a");
    EXPECT_EQ(x->GetName(), "x");
    EXPECT_EQ(x->GetDomainName(), "d");
    EXPECT_EQ(eq->GetArgCount(), 2);
    EXPECT_EQ(eq->GetArg(0).Get(), x.Get());
    EXPECT_EQ(eq->GetArgs()->GetElement(1)->GetInt(), 2);
}

TEST(RawExpr, UnsupportedAccessorsThrowBugNamingTheSource) {
    RPtr<RawExpr> v = Int(1);
    try {
        (void)v->GetArgs();
        FAIL();
    } catch (const Bug& bug) {
        EXPECT_EQ(bug.GetCode(), 66);
        EXPECT_EQ(bug.GetText1(), "RawExpr.cpp");
        EXPECT_EQ(bug.GetLine(), 98);
    }
    EXPECT_THROW((void)v->GetName(), Bug);
    EXPECT_THROW((void)v->GetStr(), Bug);
    EXPECT_THROW((void)RPtr<RawExpr>(new RawFlt(2.5))->GetInt(), Bug);
    EXPECT_THROW((void)RawArr().GetElement(0), Bug);
    EXPECT_THROW(RawOp(RawType::Equal, Int(1)), Bug);
    EXPECT_THROW(RawCon(RawType::Plus, Int(1)), Bug);
    EXPECT_THROW(RawVar(RawType::IntVal, "v", nullptr), Bug);
}

TEST(RawCol, ArraysSetsRangesAndTuples) {
    RawArr arr;
    arr.AddElement(Int(3));
    arr.AddElement(Int(5));
    RawSet set(arr);
    EXPECT_EQ(set.GetSize(), 2);
    EXPECT_EQ(set.GetElement(1)->GetInt(), 5);
    RawRange range(-2, 1);
    EXPECT_EQ(range.GetSize(), 4);
    EXPECT_EQ(range.GetElement(0)->GetInt(), -2);
    EXPECT_EQ(range.GetElement(3)->GetInt(), 1);
    EXPECT_THROW((void)range.GetElement(4), Bug);
    EXPECT_EQ(RawRange(5, 4).GetSize(), 0);
    EXPECT_THROW((void)RawRange(INT_MIN, INT_MAX).GetSize(), Bug);
    RawTuple tuple;
    tuple.AddElement(Int(1));
    EXPECT_EQ(tuple.GetType(), RawType::Tuple);
    EXPECT_EQ(set.ToString(), "{3, 5}");
    EXPECT_EQ(range.ToString(), "[-2..1]");
}

TEST(RawValueText, OneFormForEveryKindOfValue) {
    // What tav-solve prints and the results view shows alike.
    auto set = MakeR<RawSet>();
    set->AddElement(Int(1));
    set->AddElement(Int(2));
    set->AddElement(Int(3));
    auto nested = MakeR<RawArr>();
    nested->AddElement(Int(-4));
    nested->AddElement(set);
    nested->AddElement(MakeR<RawSet>());
    const struct {
        const char* what;
        RPtr<RawExpr> value;
        const char* text;
    } cases[] = {
        {"integer", Int(-3), "-3"},
        {"boolean", MakeR<RawBool>(true), "1"},
        {"real, ten significant digits", MakeR<RawFlt>(2.0 / 3.0), "0.6666666667"},
        {"whole real", MakeR<RawFlt>(21.0), "21"},
        {"large real", MakeR<RawFlt>(1e20), "1e+20"},
        {"real with a fraction", MakeR<RawFlt>(1234567.25), "1234567.25"},
        {"string", MakeR<RawStr>("red"), "red"},
        {"set", set, "{1,2,3}"},
        {"empty set", MakeR<RawSet>(), "{}"},
        {"list of a number and sets", nested, "{-4,{1,2,3},{}}"},
        {"range, as written", MakeR<RawRange>(-2, 1), "[-2..1]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RawValueText(*c.value), c.text) << c.what;
}

TEST(RawCSP, ListsLookupsAndTheRealSide) {
    RawCSP csp;
    auto d = IntRange("d", 1, 5);
    csp.AddDomain(d);
    csp.AddDomain(MakeR<RawDom>(RawType::SetDom, "d", RPtr<RawExpr>(new RawArr)));
    auto x = MakeR<RawVar>(RawType::IntVar, "x", d);
    auto y = MakeR<RawVar>(RawType::IntVar, "y", d);
    EXPECT_EQ(x->GetId(), 0);
    EXPECT_EQ(y->GetId(), 1);
    csp.AddVariable(x);
    csp.AddVariable(y);
    csp.AddConstraint(MakeR<RawCon>(RawType::Less, x, y));
    csp.AddSoftConstraint(MakeR<RawSoftCon>(MakeR<RawCon>(RawType::Equal, x, Int(1)), 3));
    csp.SetObjective(MakeR<RawOpt>(RawType::Maximise, RPtr<RawExpr>(new RawOp(RawType::Plus, x, y))));

    RPtr<RawDom> found;
    ASSERT_TRUE(csp.FindDomain("d", RawType::SetDom, found));
    EXPECT_EQ(found->GetType(), RawType::SetDom);
    EXPECT_FALSE(csp.FindDomain("d", RawType::StrDom, found));
    EXPECT_EQ(csp.FindVariable("y").Get(), y.Get());
    EXPECT_TRUE(csp.HasSoftConstraints());
    EXPECT_EQ(csp.GetSoftConstraints()[0]->GetWeight(), 3);
    EXPECT_EQ(csp.GetSoftConstraints()[0]->GetType(), RawType::SoftConstraint);
    EXPECT_EQ(csp.GetConstraints().size(), 1u);
    EXPECT_TRUE(csp.GetRealConstraints().empty());

    // Once a real variable exists, constraints go to the real list.
    csp.AddVariable(MakeR<RawVar>(RawType::FltVar, "r", nullptr));
    csp.AddConstraint(MakeR<RawCon>(RawType::Equal, x, Int(2)));
    EXPECT_EQ(csp.GetVariables().size(), 2u);
    EXPECT_EQ(csp.GetRealVariables().size(), 1u);
    EXPECT_EQ(csp.GetConstraints().size(), 1u);
    EXPECT_EQ(csp.GetRealConstraints().size(), 1u);

    std::ostringstream out;
    out << csp;
    EXPECT_NE(out.str().find("IntDom d = [1..5]"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("x < y"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Soft(x = 1, 3)"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Maximise(x + y)"), std::string::npos) << out.str();

    RawCSP fresh; // numbering restarts for each problem
    EXPECT_EQ(RawVar(RawType::BoolVar, "b", nullptr).GetId(), 0);
}

TEST(RawExpr, PrintoutOfOperatorsAndConstraints) {
    auto x = MakeR<RawVar>(RawType::IntVar, "x", nullptr);
    auto y = MakeR<RawVar>(RawType::IntVar, "y", nullptr);
    RPtr<RawArr> list(new RawArr);
    list->AddElement(x);
    list->AddElement(y);
    RPtr<RawExpr> diff(new RawOp(RawType::Minus, x, y));
    RPtr<RawExpr> neg(new RawOp(RawType::Minus, x));
    RPtr<RawExpr> c1(new RawCon(RawType::NotEqual, diff, Int(3)));
    RPtr<RawExpr> c2(new RawCon(RawType::AllDifferent, list));
    RPtr<RawExpr> both(new RawCon(RawType::And, c1, c2));
    EXPECT_EQ(both->ToString(), "((x - y) <> 3) And AllDifferent([x, y])");
    EXPECT_EQ(neg->ToString(), "-x");
    EXPECT_EQ(RawCon(RawType::Not, c1).ToString(), "Not ((x - y) <> 3)");
    EXPECT_EQ(RawOp(RawType::Sum, list).ToString(), "Sum([x, y])");
}

TEST(RawExpr, VeryDeepChainsPrintAndFreeWithoutRecursion) {
    auto x = MakeR<RawVar>(RawType::IntVar, "x", nullptr);
    RPtr<RawExpr> chain = x;
    const int depth = 300000;
    for (int i = 0; i < depth; ++i)
        chain = RPtr<RawExpr>(new RawOp(RawType::Plus, chain, Int(1)));
    std::ostringstream out;
    chain->Print(out);
    // Every level but the outermost is parenthesised: "(" ... " + 1)".
    EXPECT_EQ(out.str().size(), 1 + static_cast<std::size_t>(depth) * 6 - 2);
    chain.Reset(); // would overflow the stack if released recursively
    EXPECT_EQ(x.GetCount(), 1);
}

namespace {
class FixedSolver : public RawSolver {
public:
    using RawSolver::RawSolver;
    void Stop() override {}
    bool Solve() override {
        RawSolution& s = m_solutions.AddSolution();
        s.AddLabel(RawLabel("x", Int(m_solutions.GetCount())));
        SetSolved(true);
        SetFinished(true);
        return true;
    }
    std::ostream& PrintStatistics(std::ostream& out) override { return out << "none\n"; }
};
} // namespace

TEST(RawSolutions, NumberingLabelsAndCostLabels) {
    RawCSP csp;
    FixedSolver solver(&csp);
    EXPECT_FALSE(solver.IsFinished());
    EXPECT_FALSE(solver.IsSolved());
    ASSERT_TRUE(solver.Solve());
    const RawSolution& first = solver.GetSolutions().GetSolution(0);
    ASSERT_TRUE(solver.Solve()); // the first reference stays valid
    EXPECT_EQ(first.GetNumber(), 1);
    EXPECT_EQ(solver.GetSolutions().Last().GetNumber(), 2);
    EXPECT_EQ(first.GetCost().GetName(), "nocost");
    EXPECT_EQ(first.GetSoftCost().GetName(), "nosoftcost");
    RawSolution& editable = solver.GetSolutions().AddSolution();
    editable.SetCost(Int(7));
    editable.SetSoftCost(Int(2));
    EXPECT_EQ(editable.GetCost().GetName(), "cost");
    EXPECT_EQ(editable.GetCost().GetValue()->GetInt(), 7);
    EXPECT_EQ(editable.GetSoftCost().GetName(), "soft cost");
    EXPECT_EQ(first.GetLabel(0).GetValue()->GetInt(), 1);
    EXPECT_THROW((void)first.GetLabel(1), Bug);
    EXPECT_TRUE(solver.IsSolved());
}
