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
#include "complete/constraints/LessThanEq.hpp"
#include "complete/constraints/Minimise.hpp"
#include "complete/constraints/NotEqual.hpp"
#include "complete/constraints/Or.hpp"
#include "complete/induced/MinusOp.hpp"
#include "complete/induced/PlusOp.hpp"
#include "complete/induced/ScalProdOp.hpp"
#include "complete/induced/SumOp.hpp"
#include "platform/FatalError.hpp"
#include "platform/Random.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

using namespace GFCLib;

namespace {

// The workbench's queens model: rows differ, and the difference of two rows avoids +-(i - j).
CSP* BuildQueens(int n, std::vector<IntVar*>& rows) {
    auto* csp = new CSP();
    IntDomainSpec::CreateRange("Column", 0, n - 1);
    for (int i = 0; i < n; ++i) {
        auto* v = new IntVar(("Row" + std::to_string(i)).c_str(), "Column");
        csp->AddVariable(v);
        rows.push_back(v);
    }
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            auto* ne = new NotEqual(rows[i], rows[j]);
            csp->GetConstraints().push_back(ne);
            ne->Attach();
            auto* diff = new MinusOp();
            diff->ComputeDomain(rows[i], rows[j]);
            csp->AddVariable(diff);
            for (int d : {i - j, j - i}) {
                auto* c = new Value(d);
                csp->GetValues().push_back(c);
                auto* ne2 = new NotEqual(diff, c);
                csp->GetConstraints().push_back(ne2);
                ne2->Attach();
            }
        }
    return csp;
}

} // namespace

TEST(SearchTest, EightQueensAllOrderings) {
    for (int mode = 0; mode < 4; ++mode) {
        ReleaseGlobals();
        std::vector<IntVar*> rows;
        CSP* csp = BuildQueens(8, rows);
        GFCStats stats;
        GFC search(csp, &stats, false);
        search.SetParameter(1, mode < 3 ? mode : 2);
        search.SetParameter(2, 0);
        search.SetParameter(3, mode == 3 ? 1 : 0);
        std::set<std::vector<int>> found;
        int count = 0;
        while (search.FindNextSolution()) {
            std::vector<int> s;
            for (auto* r : rows)
                s.push_back(r->GetInt());
            for (int i = 0; i < 8; ++i)
                for (int j = i + 1; j < 8; ++j) {
                    ASSERT_NE(s[i], s[j]);
                    ASSERT_NE(std::abs(s[i] - s[j]), j - i);
                }
            found.insert(s);
            ++count;
        }
        EXPECT_EQ(count, 92) << "mode " << mode;
        EXPECT_EQ(found.size(), 92u) << "mode " << mode;
        EXPECT_FALSE(search.FindNextSolution());
        delete csp;
    }
    ReleaseGlobals();
}

namespace {

void Post(CSP* csp, Constraint* c) {
    csp->GetConstraints().push_back(c);
    c->Attach();
}

std::set<std::vector<int>> AllSolutions(CSP* csp, const std::vector<IntVar*>& vars, int ordering = 0) {
    GFC search(csp, nullptr, false);
    search.SetParameter(1, ordering);
    std::set<std::vector<int>> found;
    while (search.FindNextSolution()) {
        std::vector<int> s;
        for (auto* v : vars)
            s.push_back(v->GetInt());
        found.insert(s);
    }
    return found;
}

class SearchFixture : public ::testing::Test {
protected:
    void SetUp() override { ReleaseGlobals(); }
    void TearDown() override { ReleaseGlobals(); }
};

} // namespace

TEST_F(SearchFixture, CliqueOfFourHasNoThreeColouring) {
    for (int mode = 0; mode < 3; ++mode) {
        ReleaseGlobals();
        auto* csp = new CSP();
        IntDomainSpec::CreateRange("Colour", 1, 3);
        std::vector<IntVar*> nodes;
        for (int i = 0; i < 4; ++i) {
            nodes.push_back(new IntVar(("n" + std::to_string(i)).c_str(), "Colour"));
            csp->AddVariable(nodes.back());
        }
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                Post(csp, new NotEqual(nodes[i], nodes[j]));
        GFC search(csp, nullptr, false);
        search.SetParameter(3, mode == 2 ? 1 : 0);
        if (mode == 1) search.SetParameter(1, 2);
        EXPECT_FALSE(search.FindNextSolution());
        EXPECT_FALSE(search.IsSolved());
        EXPECT_FALSE(search.FindNextSolution());
        delete csp;
    }
}

TEST_F(SearchFixture, SendMoreMoney) {
    for (int mode = 0; mode < 4; ++mode) {
        ReleaseGlobals();
        auto* csp = new CSP();
        IntDomainSpec::CreateRange("Digit", 0, 9);
        const std::string names = "SENDMORY";
        std::map<char, IntVar*> letter;
        std::vector<IntVar*> vars;
        for (char n : names) {
            auto* v = new IntVar(std::string(1, n).c_str(), "Digit");
            csp->AddVariable(v);
            letter[n] = v;
            vars.push_back(v);
        }
        auto* all = new AllDifferent();
        all->Init(vars);
        Post(csp, all);
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
        csp->AddVariable(sum);
        auto* zero = new Value(0);
        csp->GetValues().push_back(zero);
        Post(csp, new Equal(sum, zero));
        Post(csp, new NotEqual(letter['S'], zero));
        Post(csp, new NotEqual(letter['M'], zero));
        GFC search(csp, nullptr, false);
        search.SetParameter(1, mode < 3 ? mode : 0);
        search.SetParameter(3, mode == 3 ? 1 : 0);
        int count = 0;
        while (search.FindNextSolution()) {
            ++count;
            const auto num = [&](const std::string& word) {
                int n = 0;
                for (char c : word)
                    n = 10 * n + letter[c]->GetInt();
                return n;
            };
            EXPECT_EQ(num("SEND") + num("MORE"), num("MONEY"));
            EXPECT_EQ(num("MONEY"), 10652);
            std::set<int> digits;
            for (auto* v : vars)
                digits.insert(v->GetInt());
            EXPECT_EQ(digits.size(), 8u);
        }
        EXPECT_EQ(count, 1) << "mode " << mode;
        delete csp;
    }
}

TEST_F(SearchFixture, MinimisationGivesTheOptimumInOneCall) {
    // Minimise x + 2y with x + y >= 5, x != y, over 0..6 (optimum 5 at x = 5, y = 0).
    auto* csp = new CSP();
    IntDomainSpec::CreateRange("D", 0, 6);
    auto* x = new IntVar("x", "D");
    auto* y = new IntVar("y", "D");
    csp->AddVariable(x);
    csp->AddVariable(y);
    Post(csp, new NotEqual(x, y));
    auto* s = new SumOp();
    s->Init(std::vector<IntVar*>{x, y});
    csp->AddVariable(s);
    auto* five = new Value(5);
    csp->GetValues().push_back(five);
    Post(csp, new LessThanEq(five, s));
    auto* cost = new ScalProdOp();
    cost->Init(std::vector<IntVar*>{x, y}, {Value(1), Value(2)});
    csp->AddVariable(cost);
    auto* objective = new Minimise(cost, csp);
    csp->SetObjective(objective);
    objective->Attach();
    int best = 1000;
    for (int a = 0; a <= 6; ++a)
        for (int b = 0; b <= 6; ++b)
            if (a != b && a + b >= 5) best = std::min(best, a + 2 * b);
    GFCStats stats;
    GFC search(csp, &stats, false);
    ASSERT_TRUE(search.FindNextSolution());
    EXPECT_TRUE(search.IsSolved());
    EXPECT_EQ(search.GetObjectiveBound().GetInt(), best);
    EXPECT_EQ(x->GetInt() + 2 * y->GetInt(), best);
    EXPECT_NE(x->GetInt(), y->GetInt());
    EXPECT_GE(x->GetInt() + y->GetInt(), 5);
    EXPECT_FALSE(search.FindNextSolution());
    EXPECT_EQ(stats.GetSolutions(), 1);
    delete csp;
}

TEST_F(SearchFixture, ObjectiveBoundWithoutObjectiveIsAnError) {
    CSP csp;
    GFC search(&csp, nullptr, false);
    EXPECT_THROW(search.GetObjectiveBound(), Platform::InternalError);
}

TEST_F(SearchFixture, SecondProblemAfterReleaseGlobalsGivesTheSameAnswers) {
    std::set<std::vector<int>> first;
    for (int round = 0; round < 2; ++round) {
        std::vector<IntVar*> rows;
        CSP* csp = BuildQueens(6, rows);
        const auto found = AllSolutions(csp, rows);
        EXPECT_EQ(found.size(), 4u);
        if (round == 0)
            first = found;
        else
            EXPECT_EQ(found, first);
        delete csp;
        ReleaseGlobals();
        EXPECT_NE(IntDomainSpec::Find("BoolDomain"), nullptr);
    }
}

TEST_F(SearchFixture, ProblemsWithoutVariablesOrWithFalseConstants) {
    {
        CSP csp;
        GFC search(&csp, nullptr, false);
        EXPECT_FALSE(search.FindNextSolution());
        EXPECT_FALSE(search.IsSolved());
    }
    {
        auto* csp = new CSP();
        IntDomainSpec::CreateRange("D", 0, 3);
        auto* x = new IntVar("x", "D");
        csp->AddVariable(x);
        auto* one = new Value(1);
        auto* two = new Value(2);
        csp->GetValues().push_back(one);
        csp->GetValues().push_back(two);
        Post(csp, new Equal(one, two));
        GFC search(csp, nullptr, false);
        EXPECT_FALSE(search.FindNextSolution());
        EXPECT_FALSE(search.IsSolved());
        delete csp;
    }
}

TEST_F(SearchFixture, ParameterErrorsCarryTheMessageText) {
    CSP csp;
    GFCStats stats;
    GFC search(&csp, &stats, false);
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
    std::vector<IntVar*> rows;
    CSP* csp = BuildQueens(5, rows);
    GFCStats stats;
    GFC search(csp, &stats, false);
    search.SetParameter(1, 1);
    search.SetParameter(3, 1);
    ASSERT_TRUE(search.FindNextSolution());
    EXPECT_STREQ(stats.GetOrderingName(), "Natural Ordering");
    // Natural ordering finds the lexicographically first placement first.
    EXPECT_EQ(rows[0]->GetInt(), 0);
    EXPECT_EQ(rows[1]->GetInt(), 2);
    delete csp;
}

TEST_F(SearchFixture, StopRequestFromAnotherThreadEndsTheSearch) {
    // Thirteen pigeons in twelve holes with pairwise disequalities only: forward checking
    // alone takes very long to exhaust this.
    auto* csp = new CSP();
    IntDomainSpec::CreateRange("Hole", 0, 11);
    std::vector<IntVar*> pigeons;
    for (int i = 0; i < 13; ++i) {
        pigeons.push_back(new IntVar(("p" + std::to_string(i)).c_str(), "Hole"));
        csp->AddVariable(pigeons.back());
    }
    for (int i = 0; i < 13; ++i)
        for (int j = i + 1; j < 13; ++j)
            Post(csp, new NotEqual(pigeons[i], pigeons[j]));
    GFC search(csp, nullptr, false);
    bool result = true;
    std::thread worker([&] { result = search.FindNextSolution(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    search.RequestStop();
    worker.join();
    EXPECT_FALSE(result);
    EXPECT_FALSE(search.IsSolved());
    EXPECT_FALSE(search.FindNextSolution());
    delete csp;
}

TEST_F(SearchFixture, ChoosersOnBoundAndTiedVariables) {
    CSP csp;
    IntDomainSpec::CreateRange("D", 0, 3);
    IntDomainSpec::CreateRange("E", 0, 1);
    auto* a = new IntVar("a", "D");
    auto* b = new IntVar("b", "E");
    auto* c = new IntVar("c", "E");
    csp.AddVariable(a);
    csp.AddVariable(b);
    csp.AddVariable(c);
    auto* p = new PlusOp();
    p->ComputeDomain(a, b);
    csp.AddVariable(p);
    EXPECT_EQ(NaturalOrdering(&csp, 0, false), 0);
    EXPECT_EQ(SmallestDomainOrdering(&csp, 0, false), 1); // tie between b and c: the earlier
    a->SetValue(Value(0));
    b->SetValue(Value(0));
    c->SetValue(Value(0));
    EXPECT_EQ(NaturalOrdering(&csp, 3, true), 3);
    EXPECT_EQ(SmallestDomainOrdering(&csp, 3, true), -1);
    EXPECT_EQ(NaturalOrdering(&csp, 3, false), 3);
    EXPECT_EQ(SmallestDomainOrdering(&csp, 3, false), 3);
    EXPECT_EQ(RandomOrdering(&csp, 3, false), 3);
    EXPECT_EQ(RandomOrdering(&csp, 3, true), -1);
    p->SetValue(Value(0));
    EXPECT_EQ(NaturalOrdering(&csp, 4, false), 4);
    EXPECT_EQ(RandomOrdering(&csp, 4, false), -1);
}

TEST_F(SearchFixture, ThrashingCheckStopsOnlyWithAFactor) {
    for (int factor : {0, 1}) {
        ReleaseGlobals();
        // Every value of x0 leads to the same dead end: x1 = 0 passes, x2 then fails on every
        // value, and the other values of x1 fail at once, so level 0 fails again and again.
        auto* csp = new CSP();
        IntDomainSpec::CreateRange("D", 0, 4);
        std::vector<IntVar*> x;
        for (int i = 0; i < 4; ++i) {
            x.push_back(new IntVar(("x" + std::to_string(i)).c_str(), "D"));
            csp->AddVariable(x.back());
        }
        auto* zero = new Value(0);
        auto* never = new Value(99);
        csp->GetValues().push_back(zero);
        csp->GetValues().push_back(never);
        Post(csp, new Or(new Equal(x[1], zero), new Equal(x[2], never)));
        Post(csp, new Or(new Equal(x[2], never), new Equal(x[3], never)));
        GFCStats stats;
        GFC search(csp, &stats, false);
        search.SetParameter(2, factor);
        EXPECT_FALSE(search.FindNextSolution());
        EXPECT_EQ(stats.IsThrashingDetected(), factor > 0) << "factor " << factor;
        EXPECT_EQ(search.IsStopRequested(), factor > 0);
        if (factor > 0) {
            EXPECT_EQ(stats.GetLevel(), 0);
            EXPECT_EQ(stats.GetLevelCount(), 5);
            EXPECT_EQ(static_cast<int>(stats.GetThreshold()), 5);
        }
        delete csp;
    }
}

TEST_F(SearchFixture, InducedVariablesPrintTheirExpression) {
    CSP csp;
    IntDomainSpec::CreateRange("D", 0, 3);
    auto* x = new IntVar("x", "D");
    auto* y = new IntVar("y", "D");
    csp.AddVariable(x);
    csp.AddVariable(y);
    auto* p = new PlusOp();
    p->ComputeDomain(x, y);
    csp.AddVariable(p);
    EXPECT_TRUE(p->IsInduced());
    EXPECT_EQ(csp.GetInducedVariables().size(), 1u);
    EXPECT_EQ(PrintedName(*p), "(x+y)");
    EXPECT_EQ(csp.FindVariable("(x+y)"), p);
    auto* again = new MinusOp();
    again->ComputeDomain(x, y);
    EXPECT_EQ(csp.FindVariable(again), nullptr);
    delete again; // never added, so never attached
    EXPECT_EQ(csp.FindVariable("y"), y);
    EXPECT_EQ(csp.FindVariable("nope"), nullptr);
    EXPECT_EQ(p->GetDomainSize(), 7);
    std::ostringstream os;
    x->Print(os);
    EXPECT_EQ(os.str().rfind(" var id = 0 x", 0), 0u) << os.str();
}

TEST_F(SearchFixture, SoftConstraintsAndMaximisationAsTheBridgeBuildsThem) {
    // Maximise x with soft constraints x = y (weight 3) and x + y = 5 (weight 5): minimise
    // (0 - x) + (8 - 3 b1 - 5 b2), where b_i is 1 exactly when soft constraint i holds.
    auto* csp = new CSP();
    IntDomainSpec::CreateRange("D", 0, 4);
    auto* x = new IntVar("x", "D");
    auto* y = new IntVar("y", "D");
    csp->AddVariable(x);
    csp->AddVariable(y);
    const auto constant = [csp](int v) {
        auto* c = new Value(v);
        csp->GetValues().push_back(c);
        return c;
    };
    Value* one = constant(1);
    const auto reify = [&](Constraint* c) {
        std::ostringstream name;
        name << *c;
        auto* b = new BoolVar(name.str().c_str());
        csp->GetInducedVariables().push_back(b);
        Post(csp, new Iff(c, new Equal(b, one)));
        return b;
    };
    auto* b1 = reify(new Equal(x, y));
    auto* xy = new PlusOp();
    xy->ComputeDomain(x, y);
    csp->AddVariable(xy);
    auto* b2 = reify(new Equal(xy, constant(5)));
    auto* weighted = new ScalProdOp();
    weighted->Init(std::vector<IntVar*>{b1, b2}, {Value(3), Value(5)});
    csp->AddVariable(weighted);
    auto* soft = new MinusOp();
    soft->ComputeDomain(constant(8), weighted);
    csp->AddVariable(soft);
    auto* negated = new MinusOp();
    negated->ComputeDomain(constant(0), x);
    csp->AddVariable(negated);
    auto* total = new PlusOp();
    total->ComputeDomain(negated, soft);
    csp->AddVariable(total);
    auto* objective = new Minimise(total, csp);
    csp->SetObjective(objective);
    objective->Attach();
    int best = 1000;
    for (int a = 0; a <= 4; ++a)
        for (int b = 0; b <= 4; ++b)
            best = std::min(best, -a + (a == b ? 0 : 3) + (a + b == 5 ? 0 : 5));
    GFC search(csp, nullptr, false);
    search.SetParameter(1, 2);
    ASSERT_TRUE(search.FindNextSolution());
    EXPECT_EQ(search.GetObjectiveBound().GetInt(), best);
    const int a = x->GetInt(), b = y->GetInt();
    EXPECT_EQ(-a + (a == b ? 0 : 3) + (a + b == 5 ? 0 : 5), best);
    EXPECT_EQ(b1->GetInt(), a == b ? 1 : 0);
    EXPECT_EQ(b2->GetInt(), a + b == 5 ? 1 : 0);
    EXPECT_EQ(soft->GetInt(), (a == b ? 0 : 3) + (a + b == 5 ? 0 : 5));
    EXPECT_FALSE(search.FindNextSolution());
    delete csp;
}

TEST_F(SearchFixture, RandomOrderingRepeatsWithTheSeed) {
    std::vector<std::vector<std::vector<int>>> runs;
    for (int run = 0; run < 2; ++run) {
        ReleaseGlobals();
        Platform::SRand(4242);
        std::vector<IntVar*> rows;
        CSP* csp = BuildQueens(6, rows);
        GFCStats stats;
        GFC search(csp, &stats, false);
        search.SetParameter(1, 1);
        std::vector<std::vector<int>> order;
        while (search.FindNextSolution()) {
            std::vector<int> s;
            for (auto* r : rows)
                s.push_back(r->GetInt());
            order.push_back(s);
        }
        EXPECT_EQ(order.size(), 4u);
        runs.push_back(order);
        delete csp;
    }
    EXPECT_EQ(runs[0], runs[1]);
}

TEST_F(SearchFixture, StopDuringMinimisationReturnsTheBestSoFar) {
    // Permutations of 12 values under a weighted cost: the first solution comes at once,
    // proving the optimum takes far longer than the test waits.
    auto* csp = new CSP();
    IntDomainSpec::CreateRange("D", 0, 11);
    std::vector<IntVar*> xs;
    for (int i = 0; i < 12; ++i) {
        xs.push_back(new IntVar(("x" + std::to_string(i)).c_str(), "D"));
        csp->AddVariable(xs.back());
    }
    for (int i = 0; i < 12; ++i)
        for (int j = i + 1; j < 12; ++j)
            Post(csp, new NotEqual(xs[i], xs[j]));
    std::vector<Value> weights;
    for (int i = 0; i < 12; ++i)
        weights.emplace_back((i * 7) % 12 + 1);
    auto* cost = new ScalProdOp();
    cost->Init(xs, weights);
    csp->AddVariable(cost);
    auto* objective = new Minimise(cost, csp);
    csp->SetObjective(objective);
    objective->Attach();
    GFC search(csp, nullptr, false);
    bool result = false;
    std::thread worker([&] { result = search.FindNextSolution(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    search.RequestStop();
    worker.join();
    ASSERT_TRUE(result);
    EXPECT_TRUE(search.IsSolved());
    std::set<int> values;
    int total = 0;
    for (int i = 0; i < 12; ++i) {
        values.insert(xs[i]->GetInt());
        total += weights[static_cast<std::size_t>(i)].GetInt() * xs[i]->GetInt();
    }
    EXPECT_EQ(values.size(), 12u);
    EXPECT_EQ(total, search.GetObjectiveBound().GetInt());
    EXPECT_FALSE(search.FindNextSolution());
    delete csp;
}

TEST_F(SearchFixture, MagicSquareOfThreeHasEightSolutions) {
    for (int mode = 0; mode < 4; ++mode) {
        ReleaseGlobals();
        auto* csp = new CSP();
        IntDomainSpec::CreateRange("Cell", 1, 9);
        std::vector<IntVar*> cells;
        for (int i = 0; i < 9; ++i) {
            cells.push_back(new IntVar(("c" + std::to_string(i)).c_str(), "Cell"));
            csp->AddVariable(cells.back());
        }
        auto* all = new AllDifferent();
        all->Init(cells);
        Post(csp, all);
        auto* fifteen = new Value(15);
        csp->GetValues().push_back(fifteen);
        const int lines[8][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
                                 {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}};
        for (const auto& line : lines) {
            auto* sum = new SumOp();
            sum->Init(std::vector<IntVar*>{cells[line[0]], cells[line[1]], cells[line[2]]});
            csp->AddVariable(sum);
            Post(csp, new Equal(sum, fifteen));
        }
        GFC search(csp, nullptr, false);
        search.SetParameter(1, mode < 3 ? mode : 0);
        search.SetParameter(3, mode == 3 ? 1 : 0);
        int count = 0;
        while (search.FindNextSolution()) {
            ++count;
            std::set<int> values;
            for (auto* c : cells)
                values.insert(c->GetInt());
            EXPECT_EQ(values.size(), 9u);
            for (const auto& line : lines)
                EXPECT_EQ(cells[line[0]]->GetInt() + cells[line[1]]->GetInt() + cells[line[2]]->GetInt(), 15);
        }
        EXPECT_EQ(count, 8) << "mode " << mode;
        delete csp;
    }
}
