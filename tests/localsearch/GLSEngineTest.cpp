// The guided local search engines against problems built in code: every returned assignment is
// checked by code of the test, tables are recomputed after every step by the invariant checker,
// and every switch combination is run.

#include "ModelFixture.hpp"
#include "StopFromAnotherThread.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntListDom.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/SoftCon.hpp"
#include "localsearch/cons/AllDifferent.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/GreaterThan.hpp"
#include "localsearch/cons/GreaterThanEquals.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/MinusOp.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/expr/Sum.hpp"
#include "localsearch/gls/GGLS_ND.hpp"
#include "localsearch/glsnds/GLS_NDS.hpp"
#include "localsearch/logic/And.hpp"
#include "localsearch/logic/Or.hpp"
#include "platform/FatalError.hpp"
#include "platform/MessageSink.hpp"

#include <climits>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace GLSLib;
using GLSLibTest::ModelTest;

namespace {

// The four switch combinations (approximate evaluation, delta update), learning on.
struct Switches {
    bool approx;
    bool delta;
};
const Switches kAllSwitches[] = {{true, true}, {true, false}, {false, true}, {false, false}};

std::string Name(const Switches& s) {
    return std::string("approx ") + (s.approx ? "on" : "off") + ", delta " + (s.delta ? "on" : "off");
}

template <class Engine> void Configure(Engine& e, const Switches& s, int seed) {
    e.SetParameter(1, 1);
    e.SetParameter(2, s.approx ? 1 : 0);
    e.SetParameter(3, 1);
    e.SetParameter(4, s.delta ? 1 : 0);
    e.SetParameter(5, seed);
    e.SetParameter(6, 1);
    for (int id = 7; id <= 14; ++id)
        e.SetParameter(id, 0);
}

IntVar* NewVar(GLSCSP& p, const std::string& name, int lo, int hi) {
    auto* v = new IntVar(name.c_str(), new IntRangeDom("d", lo, hi));
    p.AddVariable(v);
    return v;
}

void Post(GLSCSP& p, Con* c) {
    c->Post();
    p.AddConstraint(c);
}

// n queens, one per column: rows differ, and both diagonals differ.
std::vector<IntVar*> BuildQueens(GLSCSP& p, int n) {
    std::vector<IntVar*> q;
    for (int i = 0; i < n; ++i)
        q.push_back(NewVar(p, "q" + std::to_string(i), 0, n - 1));
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            Post(p, new NotEquals(q[static_cast<unsigned>(i)], q[static_cast<unsigned>(j)]));
            Post(p, new NotEquals(new PlusOp(q[static_cast<unsigned>(i)], new IntVal(i)),
                                  new PlusOp(q[static_cast<unsigned>(j)], new IntVal(j))));
            Post(p, new NotEquals(new MinusOp(q[static_cast<unsigned>(i)], new IntVal(i)),
                                  new MinusOp(q[static_cast<unsigned>(j)], new IntVal(j))));
        }
    return q;
}

// n queens as three all-different constraints: rows, q[i] + i and q[i] - i. With listDomains
// the rows are a list domain (values addressed through the list, not as an interval).
std::vector<IntVar*> BuildQueensAllDifferent(GLSCSP& p, int n, bool listDomains) {
    std::vector<IntVar*> q;
    std::vector<int> rows;
    for (int r = 0; r < n; ++r)
        rows.push_back(r);
    for (int i = 0; i < n; ++i) {
        IntDom* d = listDomains ? static_cast<IntDom*>(new IntListDom("rows", rows))
                                : static_cast<IntDom*>(new IntRangeDom("rows", 0, n - 1));
        q.push_back(new IntVar(("q" + std::to_string(i)).c_str(), d));
        p.AddVariable(q.back());
    }
    std::vector<IntObj*> up, down;
    for (int i = 0; i < n; ++i) {
        up.push_back(new PlusOp(q[static_cast<unsigned>(i)], new IntVal(i)));
        down.push_back(new MinusOp(q[static_cast<unsigned>(i)], new IntVal(i)));
    }
    Post(p, new AllDifferent({q.begin(), q.end()}));
    Post(p, new AllDifferent(up));
    Post(p, new AllDifferent(down));
    return q;
}

std::vector<int> Values(const std::vector<IntVar*>& vars) {
    std::vector<int> values;
    for (IntVar* v : vars)
        values.push_back(v->GetValue());
    return values;
}

bool QueensHold(const std::vector<int>& rows) {
    const int n = static_cast<int>(rows.size());
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j) {
            const int a = rows[static_cast<unsigned>(i)];
            const int b = rows[static_cast<unsigned>(j)];
            if (a == b || a - b == i - j || a - b == j - i) return false;
        }
    return true;
}

// The Petersen graph: outer cycle 0..4, spokes i - i+5, inner pentagram.
std::vector<std::pair<int, int>> PetersenEdges() {
    std::vector<std::pair<int, int>> edges;
    for (int i = 0; i < 5; ++i) {
        edges.push_back({i, (i + 1) % 5});
        edges.push_back({i, i + 5});
        edges.push_back({i + 5, (i + 2) % 5 + 5});
    }
    return edges;
}

template <class Engine> class GLSEngineTest : public ModelTest {
protected:
    void TearDown() override {
        m_engine.reset();
        ModelTest::TearDown();
    }

    // A new engine over an empty registry with the class-wide values reset, configured with
    // the switches and the seed; its tables are checked after every step when `checks`. The
    // engine made before is destroyed first.
    Engine& Fresh(const Switches& s, int seed, bool checks = true) {
        m_engine.reset();
        Obj::DeleteAll();
        ResetAllClassWideValues();
        m_engine = std::make_unique<Engine>();
        m_engine->SetInvariantChecks(checks);
        Configure(*m_engine, s, seed);
        return *m_engine;
    }

    void SolveQueensSeveralTimes(const Switches& s, int n, int runs, int seed) {
        SCOPED_TRACE(Name(s) + ", n = " + std::to_string(n) + ", seed " + std::to_string(seed));
        Engine& engine = Fresh(s, seed, n <= 8);
        std::vector<IntVar*> q = BuildQueens(*engine.GetCSP(), n);
        std::set<std::vector<int>> seen;
        for (int run = 0; run < runs; ++run) {
            ASSERT_TRUE(engine.Solve()) << "run " << run;
            const std::vector<int> rows = Values(q);
            EXPECT_TRUE(QueensHold(rows)) << "run " << run;
            EXPECT_TRUE(seen.insert(rows).second) << "run " << run << " repeats a solution";
        }
        EXPECT_EQ(engine.GetStats().GetSolutionsFound(), static_cast<std::uint32_t>(runs));
    }

private:
    std::unique_ptr<Engine> m_engine;
};

using Engines = ::testing::Types<GGLS_ND, GLS_NDS>;
TYPED_TEST_SUITE(GLSEngineTest, Engines);

TYPED_TEST(GLSEngineTest, FourQueensGivesItsTwoSolutionsOnTwoCalls) {
    for (const Switches& s : kAllSwitches)
        for (int seed : {1, 7, 12345})
            this->SolveQueensSeveralTimes(s, 4, 2, seed);
}

TYPED_TEST(GLSEngineTest, EightQueensGiveDistinctVerifiedSolutions) {
    for (const Switches& s : kAllSwitches)
        this->SolveQueensSeveralTimes(s, 8, 3, 3);
}

// Approximate evaluation takes many more moves on this model (see the benchmark): the larger
// board runs with every constraint considered, to keep the test short.
TYPED_TEST(GLSEngineTest, TwentyQueensGiveDistinctVerifiedSolutions) {
    for (const Switches& s : kAllSwitches)
        if (!s.approx) this->SolveQueensSeveralTimes(s, 20, 3, 5);
}

// Large all-different constraints keep their share of the tables from a count per value; the
// invariant checker recomputes every table and move list after each step, under every switch
// combination (approximate evaluation brings constraints in later), over interval and list
// domains, through penalties and learned no-goods.
TYPED_TEST(GLSEngineTest, QueensAsThreeAllDifferentsKeepExactTables) {
    for (const Switches& s : kAllSwitches)
        for (bool listDomains : {false, true}) {
            SCOPED_TRACE(Name(s) + (listDomains ? ", list domains" : ", interval domains"));
            TypeParam& engine = this->Fresh(s, 17);
            std::vector<IntVar*> q = BuildQueensAllDifferent(*engine.GetCSP(), 9, listDomains);
            std::set<std::vector<int>> seen;
            for (int run = 0; run < 3; ++run) {
                ASSERT_TRUE(engine.Solve()) << "run " << run;
                const std::vector<int> rows = Values(q);
                EXPECT_TRUE(QueensHold(rows)) << "run " << run;
                EXPECT_TRUE(seen.insert(rows).second) << "run " << run << " repeats a solution";
            }
        }
}

// On a problem large enough for its set-up to take long, a stop asked for before the run ends
// it while the tables are built; the next run builds them anew and searches.
TYPED_TEST(GLSEngineTest, AStopWhileTheTablesAreBuiltEndsTheRunAndTheNextBuildsThemAgain) {
    for (const Switches& s : {Switches{false, true}, Switches{true, false}}) {
        SCOPED_TRACE(Name(s));
        TypeParam& engine = this->Fresh(s, 3, false);
        // 300 x 300 values, more than the tables build whole.
        std::vector<IntVar*> q = BuildQueensAllDifferent(*engine.GetCSP(), 300, false);
        int steps = 0;
        engine.SetStepHook([&steps](std::uint64_t) { ++steps; }, 1);
        engine.Stop();
        EXPECT_FALSE(engine.Solve());
        EXPECT_EQ(steps, 0);
        EXPECT_EQ(engine.GetStats().GetSolutionsFound(), 0u);
        ASSERT_TRUE(engine.Solve());
        EXPECT_TRUE(QueensHold(Values(q)));
        EXPECT_GT(steps, 0);
    }
}

// An all-different that reads one variable twice, or an expression other than a shifted
// variable, is evaluated as any other constraint; beside a counted one its tables stay exact.
TYPED_TEST(GLSEngineTest, AllDifferentsThatAreNotCountedStayExactBesideCountedOnes) {
    for (const Switches& s : kAllSwitches) {
        SCOPED_TRACE(Name(s));
        TypeParam& engine = this->Fresh(s, 5);
        GLSCSP& p = *engine.GetCSP();
        std::vector<IntVar*> x;
        for (int i = 0; i < 6; ++i)
            x.push_back(NewVar(p, "x" + std::to_string(i), 0, 7));
        Post(p, new AllDifferent({x.begin(), x.end()}));
        Post(p, new AllDifferent({x[0], x[1], new PlusOp(x[0], new IntVal(3))}));
        Post(p, new AllDifferent({new PlusOp(x[2], x[3]), x[4], new MinusOp(x[5], new IntVal(2))}));
        for (int run = 0; run < 3; ++run) {
            ASSERT_TRUE(engine.Solve()) << "run " << run;
            const std::vector<int> v = Values(x);
            EXPECT_EQ(std::set<int>(v.begin(), v.end()).size(), 6u);
            EXPECT_NE(v[0] + 3, v[1]);
            EXPECT_NE(v[2] + v[3], v[4]);
            EXPECT_NE(v[2] + v[3], v[5] - 2);
            EXPECT_NE(v[4], v[5] - 2);
        }
    }
}

TYPED_TEST(GLSEngineTest, PetersenGraphIsThreeColoured) {
    for (const Switches& s : kAllSwitches) {
        SCOPED_TRACE(Name(s));
        TypeParam& engine = this->Fresh(s, 11);
        GLSCSP& p = *engine.GetCSP();
        std::vector<IntVar*> colour;
        for (int i = 0; i < 10; ++i)
            colour.push_back(NewVar(p, "c" + std::to_string(i), 0, 2));
        for (auto [a, b] : PetersenEdges())
            Post(p, new NotEquals(colour[static_cast<unsigned>(a)], colour[static_cast<unsigned>(b)]));
        std::set<std::vector<int>> seen;
        for (int run = 0; run < 3; ++run) {
            ASSERT_TRUE(engine.Solve());
            const std::vector<int> c = Values(colour);
            for (auto [a, b] : PetersenEdges())
                EXPECT_NE(c[static_cast<unsigned>(a)], c[static_cast<unsigned>(b)]) << a << "-" << b;
            EXPECT_TRUE(seen.insert(c).second);
        }
    }
}

// Minimise the sum of five pairwise different values in 0..9 (optimum 0+1+2+3+4 = 10), with a
// soft constraint of weight 3 that the optimum must break (x0 + x1 = 17 cannot hold there).
TYPED_TEST(GLSEngineTest, MinimisationReachesItsOptimumAndStopsFromTheCallback) {
    for (const Switches& s : kAllSwitches) {
        SCOPED_TRACE(Name(s));
        TypeParam& engine = this->Fresh(s, 21);
        GLSCSP& p = *engine.GetCSP();
        std::vector<IntVar*> x;
        for (int i = 0; i < 5; ++i)
            x.push_back(NewVar(p, "x" + std::to_string(i), 0, 9));
        Post(p, new AllDifferent({x.begin(), x.end()}));
        auto* objective = new Minimise(new Sum({x.begin(), x.end()}));
        objective->Post();
        p.SetObjective(objective);
        std::vector<int> totals;
        engine.SetNewBestCallback([&](int total) {
            totals.push_back(total);
            if (total == 10) engine.Stop();
        });
        ASSERT_TRUE(engine.Solve());
        ASSERT_FALSE(totals.empty());
        EXPECT_EQ(totals.back(), 10);
        for (std::size_t i = 1; i < totals.size(); ++i)
            EXPECT_LT(totals[i], totals[i - 1]) << "each new best is better";
        std::vector<int> v = Values(x);
        EXPECT_EQ(std::set<int>(v.begin(), v.end()), (std::set<int>{0, 1, 2, 3, 4}));
        EXPECT_EQ(engine.GetCost(), 10);
        EXPECT_EQ(engine.GetBestTotal(), 10);
        EXPECT_TRUE(engine.IsSolved());
    }
}

TYPED_TEST(GLSEngineTest, SoftConstraintsAreRankedWithTheObjective) {
    for (const Switches& s : kAllSwitches) {
        SCOPED_TRACE(Name(s));
        TypeParam& engine = this->Fresh(s, 4);
        GLSCSP& p = *engine.GetCSP();
        IntVar* a = NewVar(p, "a", 0, 3);
        IntVar* b = NewVar(p, "b", 0, 3);
        // The objective is built before the constraints, as the bridge builds it.
        auto* objective = new Minimise(new PlusOp(a, b));
        Post(p, new NotEquals(a, b));
        // Soft: a <> 0 (weight 1). Objective: a + b. Best total 1: a = 1, b = 0 (a = 0, b = 1
        // breaks the soft constraint and totals 2).
        auto* soft = new SoftCon(new NotEquals(a, new IntVal(0)), 1);
        soft->Post();
        p.AddSoftConstraint(soft);
        objective->Post();
        p.SetObjective(objective);
        engine.SetNewBestCallback([&](int total) {
            if (total == 1) engine.Stop();
        });
        ASSERT_TRUE(engine.Solve());
        EXPECT_EQ(engine.GetCost(), 1);
        EXPECT_EQ(engine.GetSoftCost(), 0);
        EXPECT_EQ(a->GetValue(), 1);
        EXPECT_EQ(b->GetValue(), 0);
    }
}

TYPED_TEST(GLSEngineTest, TheSameSeedGivesTheSameRunCountersIncluded) {
    for (const Switches& s : kAllSwitches) {
        SCOPED_TRACE(Name(s));
        std::vector<std::vector<int>> solutions[2];
        std::string records[2];
        for (int round = 0; round < 2; ++round) {
            TypeParam& engine = this->Fresh(s, 99, false);
            std::vector<IntVar*> q = BuildQueens(*engine.GetCSP(), 12);
            for (int run = 0; run < 3; ++run) {
                ASSERT_TRUE(engine.Solve());
                solutions[round].push_back(Values(q));
            }
            std::ostringstream os;
            engine.GetStats().WriteRecord(os);
            // The record starts with the time; the counters follow the first tab.
            records[round] = os.str().substr(os.str().find('\t'));
        }
        EXPECT_EQ(solutions[0], solutions[1]);
        EXPECT_EQ(records[0], records[1]);
    }
}

// Conjunctions, disjunctions, arithmetic comparisons (numeric features), a sum and a soft
// constraint, against a brute-force oracle over all 256 assignments.
TYPED_TEST(GLSEngineTest, MixedModelSolutionsAreThoseOfTheOracle) {
    auto holds = [](const std::vector<int>& x, bool withSoft) {
        const bool hard =
            x[0] != x[1] && x[2] > x[3] && (x[0] + x[1] == 4 || x[3] == 0) && x[0] + x[1] + x[2] + x[3] >= 5;
        return hard && (!withSoft || x[1] == 2);
    };
    std::set<std::vector<int>> oracle;
    for (int code = 0; code < 256; ++code) {
        const std::vector<int> x = {code & 3, (code >> 2) & 3, (code >> 4) & 3, (code >> 6) & 3};
        if (holds(x, true)) oracle.insert(x);
    }
    ASSERT_GE(oracle.size(), 3u);
    for (const Switches& s : kAllSwitches)
        for (int seed : {1, 2, 3}) {
            SCOPED_TRACE(Name(s) + ", seed " + std::to_string(seed));
            TypeParam& engine = this->Fresh(s, seed);
            GLSCSP& p = *engine.GetCSP();
            std::vector<IntVar*> x;
            for (int i = 0; i < 4; ++i)
                x.push_back(NewVar(p, "x" + std::to_string(i), 0, 3));
            Post(p, new And(new NotEquals(x[0], x[1]), new GreaterThan(x[2], x[3])));
            Post(p,
                 new Or(new Equals(new PlusOp(x[0], x[1]), new IntVal(4)), new Equals(x[3], new IntVal(0))));
            Post(p, new GreaterThanEquals(new Sum({x.begin(), x.end()}), new IntVal(5)));
            auto* soft = new SoftCon(new Equals(x[1], new IntVal(2)), 3);
            soft->Post();
            p.AddSoftConstraint(soft);
            std::set<std::vector<int>> seen;
            for (int run = 0; run < 3; ++run) {
                ASSERT_TRUE(engine.Solve());
                const std::vector<int> v = Values(x);
                EXPECT_TRUE(oracle.count(v)) << "run " << run << " returned a non-solution";
                EXPECT_TRUE(seen.insert(v).second) << "run " << run << " repeats a solution";
            }
        }
}

TYPED_TEST(GLSEngineTest, PrepareRunsStartsANewSeries) {
    TypeParam& engine = this->Fresh({true, true}, 8, false);
    GLSCSP& p = *engine.GetCSP();
    std::vector<IntVar*> x;
    for (int i = 0; i < 4; ++i)
        x.push_back(NewVar(p, "x" + std::to_string(i), 0, 6));
    Post(p, new AllDifferent({x.begin(), x.end()}));
    auto* objective = new Minimise(new Sum({x.begin(), x.end()}));
    objective->Post();
    p.SetObjective(objective);
    int calls = 0;
    engine.SetNewBestCallback([&](int total) {
        ++calls;
        if (total == 6) engine.Stop();
    });
    ASSERT_TRUE(engine.Solve());
    EXPECT_EQ(engine.GetBestTotal(), 6);
    const int firstSeries = calls;
    engine.Stop(); // dropped by PrepareRuns
    engine.PrepareRuns();
    EXPECT_EQ(engine.GetBestTotal(), INT_MAX);
    ASSERT_TRUE(engine.Solve());
    EXPECT_EQ(engine.GetBestTotal(), 6);
    EXPECT_GT(calls, firstSeries);
}

TYPED_TEST(GLSEngineTest, ParametersOutsideTheAcceptedSetThrow) {
    TypeParam engine;
    for (int id : {0, 16, -1}) {
        try {
            engine.SetParameter(id, 1);
            ADD_FAILURE() << "id " << id << " accepted";
        } catch (const Platform::ParameterError& e) {
            EXPECT_STREQ(e.what(), "Invalid Parameter\n");
        }
    }
    EXPECT_NO_THROW(engine.SetParameter(15, 3));
    EXPECT_EQ(engine.GetCost(), INT_MAX);
    EXPECT_FALSE(engine.IsSolved());
    EXPECT_EQ(engine.GetBestTotal(), INT_MAX);
}

// A stop request made just before Solve starts is honoured; Solve clears it on return.
TYPED_TEST(GLSEngineTest, AStopBeforeSolveIsNotLost) {
    TypeParam& engine = this->Fresh({true, true}, 1, false);
    GLSCSP& p = *engine.GetCSP();
    std::vector<IntVar*> x;
    for (int i = 0; i < 3; ++i)
        x.push_back(NewVar(p, "x" + std::to_string(i), 0, 5));
    auto* objective = new Minimise(new Sum({x.begin(), x.end()}));
    objective->Post();
    p.SetObjective(objective);
    engine.Stop();
    EXPECT_TRUE(engine.Solve()); // stopped at once, reports its best (the start)
    const std::vector<int> start = Values(x);
    EXPECT_EQ(engine.GetCost(), start[0] + start[1] + start[2]) << "the start is a feasible best";
    int calls = 0;
    engine.SetNewBestCallback([&](int total) {
        ++calls;
        if (total == 0) engine.Stop();
    });
    EXPECT_TRUE(engine.Solve()); // not stopped by the old request: reaches 0
    EXPECT_EQ(engine.GetCost(), 0);
    EXPECT_GT(calls, 0);
}

// An optimisation run goes on until another thread stops it, and keeps the best it found.
TYPED_TEST(GLSEngineTest, StopFromAnotherThreadEndsAnOptimisationRun) {
    TypeParam& engine = this->Fresh({false, true}, 5, false);
    GLSCSP& p = *engine.GetCSP();
    std::vector<IntVar*> x;
    for (int i = 0; i < 6; ++i)
        x.push_back(NewVar(p, "x" + std::to_string(i), 0, 9));
    Post(p, new AllDifferent({x.begin(), x.end()}));
    auto* objective = new Minimise(new Sum({x.begin(), x.end()}));
    objective->Post();
    p.SetObjective(objective);
    // Stopped once a feasible assignment has been recorded, so there is a best to keep.
    EXPECT_TRUE(GLSLibTest::SolveAndStopFromThisThread(engine, [&engine] { return engine.IsSolved(); }));
    const std::vector<int> v = Values(x);
    EXPECT_EQ(std::set<int>(v.begin(), v.end()).size(), 6u) << "the reported assignment is feasible";
    int sum = 0;
    for (int value : v)
        sum += value;
    EXPECT_EQ(engine.GetCost(), sum) << "the cost is that of the reported assignment";
}

// The counters of the one-line record: solutions, downwards, sideways, moves, attempts,
// restarts, local minima, penalty changes (after the time field).
std::vector<double> RecordCounters(const GLSStats& stats) {
    std::ostringstream os;
    stats.WriteRecord(os);
    std::istringstream in(os.str());
    std::vector<double> fields;
    for (double f; in >> f;)
        fields.push_back(f);
    return std::vector<double>(fields.begin() + 1, fields.begin() + 9);
}

// x and y have one value each and must differ: nothing can move, and each local minimum
// penalises both constraints, whose features tie.
TYPED_TEST(GLSEngineTest, TiedFeaturesAreAllPenalisedAndOneValueDomainsNeverMove) {
    for (const Switches& s : kAllSwitches) {
        SCOPED_TRACE(Name(s));
        TypeParam& engine = this->Fresh(s, 3);
        GLSCSP& p = *engine.GetCSP();
        IntVar* x = NewVar(p, "x", 4, 4);
        IntVar* y = NewVar(p, "y", 4, 4);
        Post(p, new NotEquals(x, y));
        Post(p, new NotEquals(y, x));
        // Nothing moves: the steps are variables visited and local minima. Stop after twenty.
        engine.SetStepHook([&engine](std::uint64_t) { engine.Stop(); }, 20);
        EXPECT_FALSE(engine.Solve());
        const std::vector<double> c = RecordCounters(engine.GetStats());
        EXPECT_EQ(c[1], 0) << "no downward move";
        EXPECT_GT(c[6], 0) << "local minima";
        EXPECT_EQ(c[7], 2 * c[6]) << "both tied features are penalised at every local minimum";
        EXPECT_EQ(x->GetValue(), 4);
        EXPECT_EQ(y->GetValue(), 4);
    }
}

TYPED_TEST(GLSEngineTest, AProblemWithoutVariablesIsSolvedOnce) {
    TypeParam& engine = this->Fresh({true, true}, 1, false);
    EXPECT_TRUE(engine.Solve());
    EXPECT_FALSE(engine.Solve());
}

TYPED_TEST(GLSEngineTest, StatisticsReportHasTheLabelledLinesInOrder) {
    TypeParam& engine = this->Fresh({true, true}, 2, false);
    BuildQueens(*engine.GetCSP(), 6);
    ASSERT_TRUE(engine.Solve());
    std::ostringstream os;
    engine.PrintStatistics(os);
    std::istringstream in(os.str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    const std::vector<std::string> labels = {
        "Algorithm: GLS             ",   "Time taken (CPU seconds):  ",  "No. solutions found:       1",
        "Best violation count so far:0", "Repairs:                   ",  "\tMoves:                    ",
        "\tDownwards:                ",  "\tSideways:                 ", "\tAttempts:                 ",
        "Restarts:                  0",  "Local minima:              ",  "\tNumber:                   ",
        "\tPenalty changes:          "};
    ASSERT_EQ(lines.size(), labels.size()) << os.str();
    for (std::size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, labels[i].size()), labels[i]) << "line " << i;
    EXPECT_EQ(lines[0], "Algorithm: GLS             ");
}

} // namespace
