#include "complete/BoolVar.hpp"
#include "complete/CSP.hpp"
#include "complete/GFC.hpp"
#include "complete/GFCStats.hpp"
#include "complete/IntDomainSpec.hpp"
#include "complete/IntVar.hpp"
#include "complete/ReleaseGlobals.hpp"
#include "complete/VariableOrdering.hpp"
#include "complete/constraints/AllDifferent.hpp"
#include "complete/constraints/Equal.hpp"
#include "complete/constraints/Iff.hpp"
#include "complete/constraints/LessThan.hpp"
#include "complete/constraints/LessThanEq.hpp"
#include "complete/constraints/Minimise.hpp"
#include "complete/constraints/NotEqual.hpp"
#include "complete/constraints/NotEqualOffset.hpp"
#include "complete/constraints/Or.hpp"
#include "complete/induced/CountOp.hpp"
#include "complete/induced/IndexOp.hpp"
#include "complete/induced/LinearOp.hpp"
#include "complete/induced/MinusOp.hpp"
#include "complete/induced/PlusOp.hpp"
#include "complete/induced/ScalProdOp.hpp"
#include "complete/induced/SumOp.hpp"
#include "complete/induced/TimesOp.hpp"
#include "platform/FatalError.hpp"
#include "platform/Random.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <future>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

using namespace GFCLib;

namespace {

// The four settings every search test runs under: natural, random and smallest-domain ordering
// with chronological backtracking, and backjumping.
struct Mode {
    int ordering;
    int backtrack;
};
constexpr Mode kModes[] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}};

void Apply(GFC& search, const Mode& mode) {
    search.SetParameter(1, mode.ordering);
    search.SetParameter(2, 0);
    search.SetParameter(3, mode.backtrack);
}

// One problem at a time, owned by the fixture: Fresh() starts a new one (freeing the last and
// the domain descriptions it used), and the helpers add variables, constants and constraints to it.
class SearchFixture : public ::testing::Test {
protected:
    void SetUp() override { Fresh(); }
    void TearDown() override {
        csp.reset();
        ReleaseGlobals();
    }

    void Fresh() {
        csp.reset();
        ReleaseGlobals();
        csp = std::make_unique<CSP>();
    }
    // n integer variables prefix0, prefix1, ... over the range lo .. hi (a domain description named prefix).
    std::vector<IntVar*> Ints(const std::string& prefix, int n, int lo, int hi) {
        IntDomainSpec::CreateRange(prefix.c_str(), lo, hi);
        std::vector<IntVar*> vars;
        for (int i = 0; i < n; ++i)
            vars.push_back(Int((prefix + std::to_string(i)).c_str(), prefix.c_str()));
        return vars;
    }
    IntVar* Int(const char* name, const char* spec) {
        auto* v = new IntVar(name, spec);
        csp->AddVariable(v);
        return v;
    }
    Value* Const(int v) {
        auto* c = new Value(v);
        csp->GetValues().push_back(c);
        return c;
    }
    void Post(Constraint* c) {
        csp->GetConstraints().push_back(c);
        c->Attach();
    }
    template <typename T> T* Induced(T* induced) {
        csp->AddVariable(induced);
        return induced;
    }
    void MinimiseOver(IntVar* cost) {
        auto* objective = new Minimise(cost, csp.get());
        csp->SetObjective(objective);
        objective->Attach();
    }
    // The workbench's queens model: rows differ, and the difference of two rows avoids
    // +-(i - j).
    std::vector<IntVar*> Queens(int n) {
        std::vector<IntVar*> rows = Ints("Row", n, 0, n - 1);
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                Post(new NotEqual(rows[i], rows[j]));
                auto* diff = new MinusOp();
                diff->ComputeDomain(rows[i], rows[j]);
                Induced(diff);
                for (int d : {i - j, j - i})
                    Post(new NotEqual(diff, Const(d)));
            }
        return rows;
    }
    // n pigeons in n - 1 holes with pairwise disequalities only: forward checking alone takes
    // very long to find that there is no solution.
    std::vector<IntVar*> Pigeons(int n) {
        std::vector<IntVar*> p = Ints("p", n, 0, n - 2);
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                Post(new NotEqual(p[i], p[j]));
        return p;
    }
    static std::vector<int> Read(const std::vector<IntVar*>& vars) {
        std::vector<int> s;
        for (auto* v : vars)
            s.push_back(v->GetInt());
        return s;
    }
    // Every solution in the order found.
    std::vector<std::vector<int>> SolveAll(GFC& search, const std::vector<IntVar*>& vars) {
        std::vector<std::vector<int>> found;
        while (search.FindNextSolution())
            found.push_back(Read(vars));
        return found;
    }

    // Runs body on a fresh problem under each mode, the mode named in failures.
    template <typename F> void UnderEveryMode(F body) {
        for (const Mode& mode : kModes) {
            SCOPED_TRACE(testing::Message()
                         << "ordering " << mode.ordering << " backtrack " << mode.backtrack);
            Fresh();
            body(mode);
        }
    }

    std::unique_ptr<CSP> csp;
};

SumOp* MakeSum(const std::vector<IntVar*>& terms) {
    auto* sum = new SumOp();
    sum->Init(terms);
    return sum;
}

} // namespace

TEST_F(SearchFixture, EightQueensAllOrderings) {
    UnderEveryMode([&](const Mode& mode) {
        const std::vector<IntVar*> rows = Queens(8);
        GFCStats stats;
        GFC search(csp.get(), &stats, false);
        Apply(search, mode);
        const auto found = SolveAll(search, rows);
        for (const auto& s : found)
            for (int i = 0; i < 8; ++i)
                for (int j = i + 1; j < 8; ++j) {
                    ASSERT_NE(s[i], s[j]);
                    ASSERT_NE(std::abs(s[i] - s[j]), j - i);
                }
        EXPECT_EQ(found.size(), 92u);
        EXPECT_EQ(std::set<std::vector<int>>(found.begin(), found.end()).size(), 92u);
        EXPECT_FALSE(search.FindNextSolution());
    });
}

TEST_F(SearchFixture, CliqueOfFourHasNoThreeColouring) {
    UnderEveryMode([&](const Mode& mode) {
        std::vector<IntVar*> nodes = Ints("n", 4, 1, 3);
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                Post(new NotEqual(nodes[i], nodes[j]));
        GFC search(csp.get(), nullptr, false);
        Apply(search, mode);
        EXPECT_FALSE(search.FindNextSolution());
        EXPECT_FALSE(search.IsSolved());
        EXPECT_FALSE(search.FindNextSolution());
    });
}

TEST_F(SearchFixture, ASideLeftWithOneValueTakesItFromTheOtherSide) {
    // Three variables over 0 .. 1, pairwise different (plainly and as differences): labelling the
    // first leaves the others one value each, the same one, so every labelling fails within its
    // propagation and no node is ever completed.
    UnderEveryMode([&](const Mode& mode) {
        std::vector<IntVar*> x = Ints("x", 3, 0, 1);
        Post(new NotEqual(x[0], x[1]));
        Post(new NotEqualOffset(x[1], x[2], 0));
        Post(new NotEqualOffset(x[2], x[0], 0));
        GFCStats stats;
        GFC search(csp.get(), &stats, false);
        Apply(search, mode);
        EXPECT_FALSE(search.FindNextSolution());
        EXPECT_EQ(stats.GetNodes(), 0);
    });
}

TEST_F(SearchFixture, SendMoreMoney) {
    UnderEveryMode([&](const Mode& mode) {
        IntDomainSpec::CreateRange("Digit", 0, 9);
        const std::string names = "SENDMORY";
        std::map<char, IntVar*> letter;
        std::vector<IntVar*> vars;
        for (char n : names) {
            letter[n] = Int(std::string(1, n).c_str(), "Digit");
            vars.push_back(letter[n]);
        }
        auto* all = new AllDifferent();
        all->Init(vars);
        Post(all);
        // SEND + MORE - MONEY = 0 as one scalar product.
        std::map<char, int> weight;
        const auto add = [&](const std::string& word, int sign) {
            int w = 1;
            for (auto it = word.rbegin(); it != word.rend(); ++it, w *= 10)
                weight[*it] += sign * w;
        };
        add("SEND", 1);
        add("MORE", 1);
        add("MONEY", -1);
        std::vector<IntVar*> terms;
        std::vector<Value> coefficients;
        for (auto& [c, w] : weight) {
            terms.push_back(letter[c]);
            coefficients.emplace_back(w);
        }
        auto* sum = new ScalProdOp();
        sum->Init(terms, coefficients);
        Induced(sum);
        Value* zero = Const(0);
        Post(new Equal(sum, zero));
        Post(new NotEqual(letter['S'], zero));
        Post(new NotEqual(letter['M'], zero));
        GFC search(csp.get(), nullptr, false);
        Apply(search, mode);
        const auto num = [&](const std::string& word) {
            int n = 0;
            for (char c : word)
                n = 10 * n + letter[c]->GetInt();
            return n;
        };
        int count = 0;
        while (search.FindNextSolution()) {
            ++count;
            EXPECT_EQ(num("SEND") + num("MORE"), num("MONEY"));
            EXPECT_EQ(num("MONEY"), 10652);
            const std::vector<int> digits = Read(vars);
            EXPECT_EQ(std::set<int>(digits.begin(), digits.end()).size(), 8u);
        }
        EXPECT_EQ(count, 1);
    });
}

TEST_F(SearchFixture, MinimisationGivesTheOptimumInOneCall) {
    // Minimise x + 2y with x + y >= 5, x != y, over 0..6 (optimum 5 at x = 5, y = 0).
    IntDomainSpec::CreateRange("D", 0, 6);
    IntVar* x = Int("x", "D");
    IntVar* y = Int("y", "D");
    Post(new NotEqual(x, y));
    auto* s = new SumOp();
    s->Init(std::vector<IntVar*>{x, y});
    Post(new LessThanEq(Const(5), Induced(s)));
    auto* cost = new ScalProdOp();
    cost->Init(std::vector<IntVar*>{x, y}, {Value(1), Value(2)});
    MinimiseOver(Induced(cost));
    int best = 1000;
    for (int a = 0; a <= 6; ++a)
        for (int b = 0; b <= 6; ++b)
            if (a != b && a + b >= 5) best = std::min(best, a + 2 * b);
    GFCStats stats;
    GFC search(csp.get(), &stats, false);
    ASSERT_TRUE(search.FindNextSolution());
    EXPECT_TRUE(search.IsSolved());
    EXPECT_EQ(search.GetObjectiveBound().GetInt(), best);
    EXPECT_EQ(x->GetInt() + 2 * y->GetInt(), best);
    EXPECT_NE(x->GetInt(), y->GetInt());
    EXPECT_GE(x->GetInt() + y->GetInt(), 5);
    EXPECT_FALSE(search.FindNextSolution());
    EXPECT_EQ(stats.GetSolutions(), 1);
}

TEST_F(SearchFixture, ObjectiveBoundWithoutObjectiveIsAnError) {
    GFC search(csp.get(), nullptr, false);
    EXPECT_THROW(search.GetObjectiveBound(), Platform::InternalError);
}

TEST_F(SearchFixture, SecondProblemAfterReleaseGlobalsGivesTheSameAnswers) {
    std::vector<std::vector<int>> first;
    for (int round = 0; round < 2; ++round) {
        Fresh();
        EXPECT_NE(IntDomainSpec::Find("BoolDomain"), nullptr);
        const std::vector<IntVar*> rows = Queens(6);
        EXPECT_EQ(rows.front()->GetId(), 0);
        GFC search(csp.get(), nullptr, false);
        const auto found = SolveAll(search, rows);
        EXPECT_EQ(found.size(), 4u);
        if (round == 0)
            first = found;
        else
            EXPECT_EQ(found, first);
    }
}

TEST_F(SearchFixture, ProblemsWithoutVariablesOrWithFalseConstants) {
    {
        GFC search(csp.get(), nullptr, false);
        EXPECT_FALSE(search.FindNextSolution());
        EXPECT_FALSE(search.IsSolved());
    }
    Fresh();
    Ints("x", 1, 0, 3);
    Post(new Equal(Const(1), Const(2)));
    GFC search(csp.get(), nullptr, false);
    EXPECT_FALSE(search.FindNextSolution());
    EXPECT_FALSE(search.IsSolved());
}

TEST_F(SearchFixture, ParameterErrorsCarryTheMessageText) {
    GFCStats stats;
    GFC search(csp.get(), &stats, false);
    const auto message = [&](int id, int value) -> std::string {
        try {
            search.SetParameter(id, value);
        } catch (const Platform::ParameterError& e) {
            return e.what();
        }
        return "accepted";
    };
    EXPECT_EQ(message(1, 3), "Invalid Variable Ordering Heuristic Parameter\n");
    EXPECT_EQ(message(3, 2), "Invalid backtrack type!");
    EXPECT_EQ(message(16, 0), "Invalid Parameter\n");
    EXPECT_EQ(message(0, 0), "Invalid Parameter\n");
    EXPECT_EQ(message(-1, 0), "Invalid Parameter\n");
    for (int id = 4; id <= 15; ++id)
        EXPECT_EQ(message(id, -77), "accepted");
    EXPECT_EQ(message(2, -5), "accepted");
    EXPECT_EQ(message(1, 2), "accepted");
    EXPECT_STREQ(stats.GetOrderingName(), "Smallest Domain");
    EXPECT_EQ(message(1, 9), "Invalid Variable Ordering Heuristic Parameter\n");
    EXPECT_STREQ(stats.GetOrderingName(), "Smallest Domain"); // left as it was
}

TEST_F(SearchFixture, BackjumpingForcesNaturalOrdering) {
    const std::vector<IntVar*> rows = Queens(5);
    GFCStats stats;
    GFC search(csp.get(), &stats, false);
    search.SetParameter(1, 1);
    search.SetParameter(3, 1);
    ASSERT_TRUE(search.FindNextSolution());
    EXPECT_STREQ(stats.GetOrderingName(), "Natural Ordering");
    // Natural ordering finds the lexicographically first placement first.
    EXPECT_EQ(rows[0]->GetInt(), 0);
    EXPECT_EQ(rows[1]->GetInt(), 2);
}

TEST_F(SearchFixture, StepHookRunsEveryNStepsAndCanStopTheSearch) {
    Pigeons(13);
    GFC search(csp.get(), nullptr, false);
    std::int64_t calls = 0;
    std::int64_t stepsAtCall = -1;
    search.SetStepHook(1000, [&] {
        ++calls;
        stepsAtCall = search.GetSteps();
        if (calls == 5) search.RequestStop();
    });
    EXPECT_FALSE(search.FindNextSolution());
    EXPECT_EQ(calls, 5);
    EXPECT_EQ(stepsAtCall, 5000);
    EXPECT_EQ(search.GetSteps(), 5000) << "the stop takes effect in the step that asked for it";
    EXPECT_FALSE(search.IsSolved());
    // A stopped search stays stopped.
    EXPECT_FALSE(search.FindNextSolution());
    EXPECT_EQ(calls, 5);
}

TEST_F(SearchFixture, StopRequestedBeforeTheFirstCallEndsTheSetUp) {
    // Forty thousand constraints to prepare: a stop that comes first ends the set-up (the
    // records of the variables are not even made), which then proves nothing.
    const std::vector<IntVar*> x = Ints("x", 200, 0, 300);
    for (int i = 0; i < 200; ++i)
        for (int j = i + 1; j < 200; ++j)
            Post(new NotEqual(x[i], x[j]));
    GFCStats stats;
    GFC search(csp.get(), &stats, false);
    search.RequestStop();
    EXPECT_FALSE(search.FindNextSolution());
    EXPECT_EQ(search.GetSteps(), 0);
    EXPECT_EQ(stats.GetNodes(), 0);
    EXPECT_EQ(stats.GetInitialDomainSize(0), 0) << "the set-up ran to its end";
    EXPECT_FALSE(search.FindNextSolution());
    EXPECT_FALSE(search.IsSolved());
}

TEST_F(SearchFixture, StopRequestFromAnotherThreadEndsTheSearch) {
    Pigeons(13);
    GFC search(csp.get(), nullptr, false);
    // The search tells this thread once it is under way; this thread then asks it to stop.
    std::promise<void> running;
    bool told = false;
    search.SetStepHook(1, [&] {
        if (told) return;
        told = true;
        running.set_value();
    });
    bool result = true;
    std::thread worker([&] { result = search.FindNextSolution(); });
    running.get_future().wait();
    search.RequestStop();
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(search.IsSolved());
    EXPECT_FALSE(search.FindNextSolution());
}

TEST_F(SearchFixture, ChoosersOnBoundAndTiedVariables) {
    IntVar* a = Ints("a", 1, 0, 3)[0];
    const std::vector<IntVar*> bc = Ints("e", 2, 0, 1);
    IntVar* b = bc[0];
    IntVar* c = bc[1];
    auto* p = new PlusOp();
    p->ComputeDomain(a, b);
    Induced(p);
    CSP* problem = csp.get();
    Platform::Random random;
    EXPECT_EQ(NaturalOrdering(problem, 0, false, random), 0);
    EXPECT_EQ(SmallestDomainOrdering(problem, 0, false, random), 1); // tie between b and c: the earlier
    a->SetValue(Value(0));
    b->SetValue(Value(0));
    c->SetValue(Value(0));
    EXPECT_EQ(NaturalOrdering(problem, 3, true, random), 3);
    EXPECT_EQ(SmallestDomainOrdering(problem, 3, true, random), -1);
    EXPECT_EQ(NaturalOrdering(problem, 3, false, random), 3);
    EXPECT_EQ(SmallestDomainOrdering(problem, 3, false, random), 3);
    EXPECT_EQ(RandomOrdering(problem, 3, false, random), 3);
    EXPECT_EQ(RandomOrdering(problem, 3, true, random), -1);
    p->SetValue(Value(0));
    EXPECT_EQ(NaturalOrdering(problem, 4, false, random), 4);
    EXPECT_EQ(RandomOrdering(problem, 4, false, random), -1);
}

TEST_F(SearchFixture, ThrashingCheckStopsOnlyWithAFactor) {
    for (int factor : {0, 1}) {
        SCOPED_TRACE(factor);
        Fresh();
        // Every value of x0 leads to the same dead end: x1 = 0 passes, x2 then fails on every
        // value, and the other values of x1 fail at once, so level 0 fails again and again.
        const std::vector<IntVar*> x = Ints("x", 4, 0, 4);
        Value* zero = Const(0);
        Value* never = Const(99);
        Post(new Or(new Equal(x[1], zero), new Equal(x[2], never)));
        Post(new Or(new Equal(x[2], never), new Equal(x[3], never)));
        GFCStats stats;
        GFC search(csp.get(), &stats, false);
        search.SetParameter(2, factor);
        EXPECT_FALSE(search.FindNextSolution());
        EXPECT_EQ(stats.IsThrashingDetected(), factor > 0);
        EXPECT_EQ(search.IsStopRequested(), factor > 0);
        if (factor > 0) {
            EXPECT_EQ(stats.GetLevel(), 0);
            EXPECT_EQ(stats.GetLevelCount(), 5);
            EXPECT_EQ(static_cast<int>(stats.GetThreshold()), 5);
        }
    }
}

TEST_F(SearchFixture, InducedVariablesPrintTheirExpression) {
    IntDomainSpec::CreateRange("D", 0, 3);
    IntVar* x = Int("x", "D");
    IntVar* y = Int("y", "D");
    auto* p = new PlusOp();
    p->ComputeDomain(x, y);
    Induced(p);
    EXPECT_TRUE(p->IsInduced());
    EXPECT_EQ(csp->GetInducedVariables().size(), 1u);
    EXPECT_EQ(PrintedName(*p), "(x+y)");
    EXPECT_EQ(csp->FindVariable("(x+y)"), p);
    auto again = std::make_unique<MinusOp>(); // never added, so never attached
    again->ComputeDomain(x, y);
    EXPECT_EQ(csp->FindVariable(again.get()), nullptr);
    EXPECT_EQ(csp->FindVariable("y"), y);
    EXPECT_EQ(csp->FindVariable("nope"), nullptr);
    EXPECT_EQ(p->GetDomainSize(), 7);
    std::ostringstream os;
    x->Print(os);
    EXPECT_EQ(os.str().rfind(" var id = 0 x", 0), 0u) << os.str();
}

TEST_F(SearchFixture, SoftConstraintsAndMaximisationAsTheBridgeBuildsThem) {
    // Maximise x with soft constraints x = y (weight 3) and x + y = 5 (weight 5): minimise
    // (0 - x) + (8 - 3 b1 - 5 b2), where b_i is 1 exactly when soft constraint i holds.
    IntDomainSpec::CreateRange("D", 0, 4);
    IntVar* x = Int("x", "D");
    IntVar* y = Int("y", "D");
    Value* one = Const(1);
    const auto reify = [&](Constraint* c) {
        std::ostringstream name;
        name << *c;
        auto* b = new BoolVar(name.str().c_str());
        csp->GetInducedVariables().push_back(b);
        Post(new Iff(c, new Equal(b, one)));
        return b;
    };
    auto* b1 = reify(new Equal(x, y));
    auto* xy = new PlusOp();
    xy->ComputeDomain(x, y);
    Induced(xy);
    auto* b2 = reify(new Equal(xy, Const(5)));
    auto* weighted = new ScalProdOp();
    weighted->Init(std::vector<IntVar*>{b1, b2}, {Value(3), Value(5)});
    Induced(weighted);
    auto* soft = new MinusOp();
    soft->ComputeDomain(Const(8), weighted);
    Induced(soft);
    auto* negated = new MinusOp();
    negated->ComputeDomain(Const(0), x);
    Induced(negated);
    auto* total = new PlusOp();
    total->ComputeDomain(negated, soft);
    MinimiseOver(Induced(total));
    int best = 1000;
    for (int a = 0; a <= 4; ++a)
        for (int b = 0; b <= 4; ++b)
            best = std::min(best, -a + (a == b ? 0 : 3) + (a + b == 5 ? 0 : 5));
    GFC search(csp.get(), nullptr, false);
    search.SetParameter(1, 2);
    ASSERT_TRUE(search.FindNextSolution());
    EXPECT_EQ(search.GetObjectiveBound().GetInt(), best);
    const int a = x->GetInt(), b = y->GetInt();
    EXPECT_EQ(-a + (a == b ? 0 : 3) + (a + b == 5 ? 0 : 5), best);
    EXPECT_EQ(b1->GetInt(), a == b ? 1 : 0);
    EXPECT_EQ(b2->GetInt(), a + b == 5 ? 1 : 0);
    EXPECT_EQ(soft->GetInt(), (a == b ? 0 : 3) + (a + b == 5 ? 0 : 5));
    EXPECT_FALSE(search.FindNextSolution());
}

TEST_F(SearchFixture, RandomOrderingRepeatsRunToRun) {
    // Each search draws from a sequence of its own, so a second run draws what the first did.
    std::vector<std::vector<std::vector<int>>> runs;
    for (int run = 0; run < 2; ++run) {
        Fresh();
        const std::vector<IntVar*> rows = Queens(6);
        GFCStats stats;
        GFC search(csp.get(), &stats, false);
        search.SetParameter(1, 1);
        runs.push_back(SolveAll(search, rows));
        EXPECT_EQ(runs.back().size(), 4u);
    }
    EXPECT_EQ(runs[0], runs[1]);
}

TEST_F(SearchFixture, StopDuringMinimisationReturnsTheBestSoFar) {
    // Permutations of 12 values under a weighted cost: the first solution comes at once, proving
    // the optimum takes far longer. The hook stops the search once a solution is recorded.
    const std::vector<IntVar*> xs = Ints("x", 12, 0, 11);
    for (int i = 0; i < 12; ++i)
        for (int j = i + 1; j < 12; ++j)
            Post(new NotEqual(xs[i], xs[j]));
    std::vector<Value> weights;
    for (int i = 0; i < 12; ++i)
        weights.emplace_back((i * 7) % 12 + 1);
    auto* cost = new ScalProdOp();
    cost->Init(xs, weights);
    MinimiseOver(Induced(cost));
    GFC search(csp.get(), nullptr, false);
    search.SetStepHook(1, [&] {
        if (csp->GetObjective()->HasSolution()) search.RequestStop();
    });
    ASSERT_TRUE(search.FindNextSolution());
    EXPECT_TRUE(search.IsSolved());
    const std::vector<int> found = Read(xs);
    int total = 0;
    for (int i = 0; i < 12; ++i)
        total += weights[static_cast<std::size_t>(i)].GetInt() * found[static_cast<std::size_t>(i)];
    EXPECT_EQ(std::set<int>(found.begin(), found.end()).size(), 12u);
    EXPECT_EQ(total, search.GetObjectiveBound().GetInt());
    EXPECT_FALSE(search.FindNextSolution());
}

TEST_F(SearchFixture, MagicSquareOfThreeHasEightSolutions) {
    UnderEveryMode([&](const Mode& mode) {
        const std::vector<IntVar*> cells = Ints("c", 9, 1, 9);
        auto* all = new AllDifferent();
        all->Init(cells);
        Post(all);
        Value* fifteen = Const(15);
        const int lines[8][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
                                 {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}};
        for (const auto& line : lines) {
            auto* sum = new SumOp();
            sum->Init(std::vector<IntVar*>{cells[line[0]], cells[line[1]], cells[line[2]]});
            Post(new Equal(Induced(sum), fifteen));
        }
        GFC search(csp.get(), nullptr, false);
        Apply(search, mode);
        int count = 0;
        while (search.FindNextSolution()) {
            ++count;
            const std::vector<int> values = Read(cells);
            EXPECT_EQ(std::set<int>(values.begin(), values.end()).size(), 9u);
            for (const auto& line : lines)
                EXPECT_EQ(values[line[0]] + values[line[1]] + values[line[2]], 15);
        }
        EXPECT_EQ(count, 8);
    });
}

TEST_F(SearchFixture, CountOverManyVariablesFindsItsFirstSolutionUnderEveryMode) {
    // Count(x, [1]) <= 4 over 300 variables of 1 .. 4: the forward checking of the count runs at
    // every labelling and, once four variables take 1, takes 1 from all the others.
    UnderEveryMode([&](const Mode& mode) {
        const std::vector<IntVar*> x = Ints("x", 300, 1, 4);
        auto* count = new CountOp(x, {Value(1)});
        Post(new LessThanEq(Induced(count), Const(4)));
        GFCStats stats;
        GFC search(csp.get(), &stats, false);
        Apply(search, mode);
        ASSERT_TRUE(search.FindNextSolution());
        const std::vector<int> found = Read(x);
        EXPECT_LE(std::count(found.begin(), found.end(), 1), 4);
        EXPECT_EQ(count->GetInt(), std::count(found.begin(), found.end(), 1));
        if (mode.ordering == 0) {
            // In natural order the first four take 1, the rest 2, without a step back.
            EXPECT_EQ(std::count(found.begin(), found.begin() + 4, 1), 4);
            EXPECT_EQ(stats.GetBacktracks(), 0);
        }
    });
}

TEST_F(SearchFixture, AValueOfAHugeRangeIsFoundByItsBounds) {
    // Two billion values are held by their two ends: x = 1 is answered at once.
    IntDomainSpec::CreateRange("Huge", 0, 2147483647);
    IntVar* x = Int("x", "Huge");
    IntVar* y = Int("y", "Huge");
    Post(new Equal(x, Const(1)));
    Post(new LessThanEq(y, x));
    Post(new LessThanEq(Const(2000000000), Induced(MakeSum({x, y}))));
    {
        GFC search(csp.get(), nullptr, false);
        EXPECT_FALSE(search.FindNextSolution()) << "x + y is at most 2";
    }
    Fresh();
    IntDomainSpec::CreateRange("Huge", 0, 2147483647);
    x = Int("x", "Huge");
    y = Int("y", "Huge");
    Post(new Equal(x, Const(2147483000)));
    Post(new LessThanEq(x, y));
    GFC again(csp.get(), nullptr, false);
    ASSERT_TRUE(again.FindNextSolution());
    EXPECT_EQ(x->GetInt(), 2147483000);
    EXPECT_EQ(y->GetInt(), 2147483000);
    ASSERT_TRUE(again.FindNextSolution());
    EXPECT_EQ(y->GetInt(), 2147483001);
}

TEST_F(SearchFixture, TheLastValueOfTheLargestUniverseIsTriedOnce) {
    // 2^31 values end at position 2147483647: once its last value fails, the search steps past
    // it without wrapping round to the first.
    IntDomainSpec::CreateRange("Huge", 0, 2147483647);
    IntDomainSpec::CreateRange("Below", 0, 2147483646);
    IntVar* x = Int("x", "Huge");
    IntVar* y = Int("y", "Below");
    Post(new LessThanEq(Const(2147483645), x));
    Post(new LessThanEq(x, y));
    GFC search(csp.get(), nullptr, false);
    std::vector<std::vector<int>> found;
    while (found.size() < 10 && search.FindNextSolution())
        found.push_back(Read({x, y}));
    EXPECT_EQ(found, (std::vector<std::vector<int>>{
                         {2147483645, 2147483645}, {2147483645, 2147483646}, {2147483646, 2147483646}}));
}

TEST_F(SearchFixture, ADomainTooLargeToHoldValueByValueIsRefusedWhereItIsPosted) {
    IntDomainSpec::CreateRange("Huge", 0, 2147483647);
    IntVar* x = Int("x", "Huge");
    IntVar* y = Int("y", "Huge");
    // Disequality removes single values, which a range held by its ends cannot do.
    auto* ne = new NotEqual(x, y);
    csp->GetConstraints().push_back(ne);
    try {
        ne->Attach();
        ADD_FAILURE() << "accepted";
    } catch (const Platform::ResourceError& e) {
        EXPECT_EQ(std::string(e.what()), "Complete search cannot hold the domain of x value by value: it has "
                                         "2147483648 values (at most 16777216)");
    }
    // Ranges beyond what positions can count are refused when they are made.
    EXPECT_THROW(IntDomainSpec::CreateRange("All", -2147483647 - 1, 2147483647), Platform::ResourceError);
}

TEST_F(SearchFixture, BackjumpingOverConstraintsOfManyVariablesGivesTheChronologicalSolutions) {
    // Constraints of more than 32 variables keep the past ids of their variables themselves.
    // Under natural ordering backjumping skips only levels that cannot lead to a solution, so it
    // must give the solutions of chronological backtracking, in the same order.
    std::vector<std::vector<std::vector<int>>> runs;
    for (int backtrack : {0, 1}) {
        Fresh();
        const std::vector<IntVar*> x = Ints("x", 34, 0, 1);
        auto* sum = new SumOp();
        sum->Init(x);
        Post(new Equal(Induced(sum), Const(3)));
        Post(new LessThanEq(Induced(new CountOp(x, {Value(0)})), Const(31)));
        for (int i = 0; i + 1 < 34; i += 3)
            Post(new LessThanEq(Induced(MakeSum({x[i], x[i + 1]})), Const(1)));
        GFC search(csp.get(), nullptr, false);
        search.SetParameter(1, 0);
        search.SetParameter(2, 0);
        search.SetParameter(3, backtrack);
        runs.push_back(SolveAll(search, x));
        for (const auto& s : runs.back()) {
            ASSERT_EQ(std::count(s.begin(), s.end(), 1), 3);
            for (int i = 0; i + 1 < 34; i += 3)
                ASSERT_LE(s[i] + s[i + 1], 1);
        }
    }
    // C(34, 3) placements less those holding both of one of the eleven fenced pairs.
    EXPECT_EQ(runs[0].size(), 5984u - 11u * 32u);
    EXPECT_EQ(runs[1], runs[0]);
}

TEST_F(SearchFixture, GolombRulerOverAllDifferentDifferencesInFewNodes) {
    // Eight marks within 34 (the shortest such ruler is that long), every difference distinct:
    // a difference fixed by its two marks takes its value from the others at once, and a
    // difference losing a value takes the matching value from its open mark.
    for (int backtrack : {0, 1}) {
        SCOPED_TRACE(backtrack ? "backjumping" : "chronological");
        Fresh();
        const int n = 8;
        const std::vector<IntVar*> mark = Ints("m", n, 0, 34);
        Post(new Equal(mark[0], Const(0)));
        for (int i = 0; i + 1 < n; ++i)
            Post(new LessThan(mark[static_cast<std::size_t>(i)], mark[static_cast<std::size_t>(i) + 1]));
        std::vector<IntVar*> differences;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                auto* d = new LinearOp();
                d->InitTerms({mark[static_cast<std::size_t>(j)], mark[static_cast<std::size_t>(i)]}, {1, -1},
                             0);
                differences.push_back(Induced(d));
            }
        auto* all = new AllDifferent();
        all->Init(differences);
        Post(all);
        GFCStats stats;
        GFC search(csp.get(), &stats, false);
        search.SetParameter(1, 0);
        search.SetParameter(2, 0);
        search.SetParameter(3, backtrack);
        ASSERT_TRUE(search.FindNextSolution());
        const std::vector<int> found = Read(mark);
        std::set<int> seen;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                EXPECT_TRUE(
                    seen.insert(found[static_cast<std::size_t>(j)] - found[static_cast<std::size_t>(i)])
                        .second);
        EXPECT_EQ(found, (std::vector<int>{0, 1, 4, 9, 15, 22, 32, 34}));
        EXPECT_LT(stats.GetNodes(), 600);
    }
}

TEST_F(SearchFixture, CountsPropagateToACommonFixpoint) {
    // The magic sequence of twelve: s[i] is the number of i in s. Each count narrows its
    // variable and the counted operands, which wakes the other counts, until nothing changes.
    UnderEveryMode([&](const Mode& mode) {
        const int n = 12;
        const std::vector<IntVar*> s = Ints("s", n, 0, n);
        for (int i = 0; i < n; ++i)
            Post(new Equal(Induced(new CountOp(s, {Value(i)})), s[static_cast<std::size_t>(i)]));
        GFCStats stats;
        GFC search(csp.get(), &stats, false);
        Apply(search, mode);
        const auto found = SolveAll(search, s);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0], (std::vector<int>{8, 2, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
        if (mode.ordering != 1) {
            EXPECT_LT(stats.GetNodes(), 200);
        }
    });
}

// Counts of one value over one list, each equal to a variable or a constant (a magic sequence
// at random): at every step of the search the unlabelled domains are exactly the fixpoint of
// the counts' reasoning, computed the long way over plain sets of values. A change that failed
// to reach a count it concerns would leave a domain wider than that.
TEST_F(SearchFixture, CountsReachTheFixpointOfTheirReasoningAtEveryStep) {
    struct Count {
        std::vector<int> list; // indices of the variables
        int value;
        int target; // index of a variable, or -1
        int constant;
    };
    using Masks = std::vector<unsigned>; // the values 0 .. 31 each domain holds, by variable
    const auto bit = [](int v) { return 1u << v; };
    const auto lowest = [](unsigned m) { return std::countr_zero(m); };
    const auto highest = [](unsigned m) { return 31 - std::countl_zero(m); };
    // Variables 0 .. n-1, then count k's own variable at n + k. False when a domain empties.
    const auto fixpoint = [&](Masks& d, int n, const std::vector<Count>& counts,
                              const std::vector<std::pair<int, int>>& kept) {
        for (bool changed = true; changed;) {
            const Masks before = d;
            for (const auto& [x, c] : kept)
                d[static_cast<std::size_t>(x)] &= ~bit(c);
            for (std::size_t k = 0; k < counts.size(); ++k) {
                const Count& c = counts[k];
                unsigned& self = d[static_cast<std::size_t>(n) + k];
                int sure = 0;
                int maybe = 0;
                for (int x : c.list) {
                    const unsigned m = d[static_cast<std::size_t>(x)];
                    sure += m == bit(c.value) ? 1 : 0;
                    maybe += (m & bit(c.value)) != 0 && m != bit(c.value) ? 1 : 0;
                }
                self &= (bit(sure + maybe + 1) - 1) & ~(bit(sure) - 1);
                if (c.target >= 0) {
                    self &= d[static_cast<std::size_t>(c.target)];
                    d[static_cast<std::size_t>(c.target)] &= self;
                } else {
                    self &= bit(c.constant);
                }
                if (self == 0) return false;
                const bool forbid = highest(self) == sure;
                const bool force = lowest(self) == sure + maybe;
                for (int x : c.list) {
                    unsigned& m = d[static_cast<std::size_t>(x)];
                    if ((m & bit(c.value)) == 0 || m == bit(c.value)) continue;
                    if (forbid) m &= ~bit(c.value);
                    if (force) m &= bit(c.value);
                }
            }
            for (unsigned m : d)
                if (m == 0) return false;
            changed = d != before;
        }
        return true;
    };
    std::mt19937 random(20260311);
    int checked = 0;
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int model = 0; model < 150; ++model) {
        Fresh();
        const int n = pick(4, 5);
        const int lo = pick(0, 1);
        const int hi = lo + pick(2, 4);
        const std::vector<IntVar*> s = Ints("s", n, lo, hi);
        std::vector<Count> counts;
        std::vector<IntVar*> all(s.begin(), s.end());
        std::vector<std::pair<int, int>> kept; // x <> c
        std::ostringstream text;
        for (int k = pick(3, 5); k > 0; --k) {
            if (pick(0, 5) == 0) {
                kept.emplace_back(pick(0, n - 1), pick(lo, hi));
                Post(new NotEqual(s[static_cast<std::size_t>(kept.back().first)], Const(kept.back().second)));
                text << "s" << kept.back().first << " <> " << kept.back().second << "; ";
                continue;
            }
            Count c{{}, pick(lo, hi), pick(0, 3) == 0 ? -1 : pick(0, n - 1), pick(0, 3)};
            std::vector<IntVar*> list;
            const int skipped = pick(0, 1) == 0 ? pick(0, n - 1) : -1;
            for (int x = 0; x < n; ++x)
                if (x != skipped) {
                    c.list.push_back(x);
                    list.push_back(s[static_cast<std::size_t>(x)]);
                }
            auto* count = Induced(new CountOp(list, {Value(c.value)}));
            all.push_back(count);
            Post(new Equal(count, c.target >= 0
                                      ? static_cast<CPObject*>(s[static_cast<std::size_t>(c.target)])
                                      : Const(c.constant)));
            text << "count(" << c.list.size() << " of s, " << c.value
                 << ") = " << (c.target >= 0 ? "s" + std::to_string(c.target) : std::to_string(c.constant))
                 << "; ";
            counts.push_back(c);
        }
        SCOPED_TRACE("model " + std::to_string(model) + ": " + text.str());
        GFC search(csp.get(), nullptr, false);
        Apply(search, kModes[0]);
        // Every variable's set as the search holds it, and the sets to start the reasoning from:
        // a labelled variable's value, every other variable's whole range.
        const auto read = [&](Masks& actual, Masks& start) {
            for (std::size_t x = 0; x < all.size(); ++x) {
                IntVar* v = all[x];
                unsigned m = 0;
                if (v->IsInstantiated())
                    m = bit(v->GetInt());
                else
                    v->GetDomain().ForEachIndex([&](int p) { m |= bit(v->GetIntSpec()->IntAt(p)); });
                actual.push_back(m);
                const int top = x < s.size() ? hi : static_cast<int>(counts[x - s.size()].list.size());
                start.push_back(v->IsInstantiated() ? m : bit(top + 1) - bit(x < s.size() ? lo : 0));
            }
        };
        int steps = 0;
        search.SetStepHook(1, [&] {
            Masks actual;
            Masks expected;
            read(actual, expected);
            ASSERT_TRUE(fixpoint(expected, n, counts, kept))
                << "the search went on where the reasoning fails";
            EXPECT_EQ(actual, expected) << "at step " << search.GetSteps();
            ++steps;
        });
        while (search.FindNextSolution()) {
        }
        if (steps == 0) {
            // The search ended before its first step: the reasoning fails from the whole ranges.
            Masks actual;
            Masks start;
            read(actual, start);
            EXPECT_FALSE(fixpoint(start, n, counts, kept));
        }
        checked += steps;
    }
    EXPECT_GT(checked, 1000);
}

TEST_F(SearchFixture, AProductOverWideDomainsNarrowsByItsBounds) {
    // a * b = -6 and a < b over -100000 .. 5: the product's bounds leave a and b within -6 .. 6
    // before the first labelling, instead of a value by value walk per labelling.
    UnderEveryMode([&](const Mode& mode) {
        const std::vector<IntVar*> ab = Ints("x", 2, -100000, 5);
        auto* product = new TimesOp();
        product->SetSaturating(true);
        product->ComputeDomain(ab[0], ab[1]);
        Post(new Equal(Induced(product), Const(-6)));
        Post(new LessThan(ab[0], ab[1]));
        GFCStats stats;
        GFC search(csp.get(), &stats, false);
        Apply(search, mode);
        auto found = SolveAll(search, ab);
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, (std::vector<std::vector<int>>{{-6, 1}, {-3, 2}, {-2, 3}}));
        EXPECT_LT(stats.GetNodes(), 100);
    });
}

TEST_F(SearchFixture, AStopEndsALevelThatTriesVeryManyValues) {
    // v = [0, 2147483647][k]: after v = 0 the next solution lies two billion values of v away,
    // each failing at once within one level; a stop from another thread ends that walk.
    IntDomainSpec::CreateRange("Huge", 0, 2147483647);
    IntDomainSpec::CreateRange("Index", 0, 1);
    IntVar* v = Int("v", "Huge");
    IntVar* k = Int("k", "Index");
    Post(new Equal(v, Induced(new IndexOp(k, {Value(0), Value(2147483647)}))));
    GFC search(csp.get(), nullptr, false);
    ASSERT_TRUE(search.FindNextSolution());
    EXPECT_EQ(Read({v, k}), (std::vector<int>{0, 0}));
    std::future<bool> next = std::async(std::launch::async, [&] { return search.FindNextSolution(); });
    EXPECT_EQ(next.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    search.RequestStop();
    EXPECT_FALSE(next.get());
    EXPECT_FALSE(search.FindNextSolution());
}

TEST_F(SearchFixture, SmallestDomainChoiceAgreesWithAScanAtEveryLevel) {
    // Enough variables that the search follows the changes instead of scanning. It keeps its
    // smallest-domain choice up to date from the domains it saves and
    // restores and the variables it labels and releases; on random problems with propagators,
    // many steps back, many solutions in one search and (half of them) an objective, each
    // variable it labels must be the one a scan of the decision variables picks at the moment
    // of the choice.
    int checked = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        Fresh();
        Platform::Random random(seed);
        const auto draw = [&](int below) { return random.Next() % below; };
        const int n = 130 + draw(40);
        std::vector<IntVar*> x;
        for (int i = 0; i < n; ++i) {
            const int lo = draw(2);
            x.push_back(Ints("v" + std::to_string(i) + "_", 1, lo, lo + 2 + draw(2))[0]);
        }
        for (int k = 0; k < 9 * n / 4; ++k) {
            const int i = draw(n);
            const int j = draw(n);
            if (i == j) continue;
            IntVar* a = x[static_cast<std::size_t>(std::min(i, j))];
            IntVar* b = x[static_cast<std::size_t>(std::max(i, j))];
            if (draw(12) == 0)
                Post(new LessThan(a, b));
            else
                Post(new NotEqual(a, b));
        }
        std::vector<IntVar*> some;
        for (IntVar* v : x)
            if (draw(4) == 0 && some.size() < 3) some.push_back(v);
        if (some.size() >= 2) {
            auto* all = new AllDifferent();
            all->Init(some);
            Post(all);
        }
        Post(new LessThanEq(Induced(new CountOp(std::vector<IntVar*>(x.begin(), x.begin() + 12), {Value(2)})),
                            Const(2 + draw(3))));
        Post(new LessThanEq(Induced(MakeSum({x[0], x[1], x[2], x[3]})), Const(6 + draw(6))));
        const bool optimising = seed % 2 == 0;
        if (optimising) MinimiseOver(x[static_cast<std::size_t>(n - 1)]);
        GFC search(csp.get(), nullptr, false);
        Apply(search, {2, 0});
        const std::vector<Variable*>& decision = csp->GetVariables();
        const int decisions = static_cast<int>(decision.size());
        // A step that goes one level deeper has just chosen the variable of the new level.
        int lastDepth = -1;
        int expected = -1;
        int expectedLevel = -1;
        search.SetStepHook(1, [&] {
            const int depth = search.GetDepth();
            if (expectedLevel >= 0 && depth == expectedLevel + 1) {
                int labelled = -1;
                for (int p = 0; p < decisions; ++p)
                    if (decision[static_cast<std::size_t>(p)]->GetLevel() == expectedLevel) labelled = p;
                EXPECT_EQ(labelled, expected) << "level " << expectedLevel;
                ++checked;
            }
            expectedLevel = -1;
            if (depth == lastDepth + 1 && depth < decisions) {
                expected = SmallestDomainScan(csp.get(), depth, true);
                expectedLevel = depth;
            }
            lastDepth = depth;
            if (search.GetSteps() >= 20000) search.RequestStop();
        });
        int solutions = 0;
        while (search.FindNextSolution() && ++solutions < 2000) {
            lastDepth = -1;
            expectedLevel = -1;
            if (optimising) break;
        }
    }
    EXPECT_GT(checked, 500);
}
