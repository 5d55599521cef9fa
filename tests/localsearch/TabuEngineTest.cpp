// Tabu search: parameters, tenure, candidate lists and the shared structures under its moves,
// runs on satisfaction and optimisation problems, stop, and the statistics report.

#include "EngineProblems.hpp"
#include "ModelFixture.hpp"
#include "StopFromAnotherThread.hpp"

#include "localsearch/cons/AllDifferent.hpp"
#include "localsearch/tabu/TABU.hpp"
#include "localsearch/tabu/TabuLocalSearch2.hpp"
#include "localsearch/tabu/TabuStats.hpp"
#include "localsearch/tabu/TabuVarsInputs.hpp"
#include "platform/FatalError.hpp"
#include "platform/Random.hpp"

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>

using namespace GLSLib;
using namespace GLSLibTest;

namespace {

using TabuTest = ModelTest;

std::string Report(GGLS& engine) {
    std::ostringstream os;
    engine.PrintStatistics(os);
    return std::regex_replace(os.str(), std::regex(R"(Time taken \(CPU seconds\):[^\n]*)"),
                              "Time taken (CPU seconds):T");
}

// Six variables over 0..5 with a large constraint (all different), small ones, a soft one
// and an objective:  alldifferent(v);  v0 + v1 >= 7;  14 >= v2 + v3 + v4 + v5;
// soft (weight 3): v0 = 0;  minimise v4 + 2 v5.
struct Mixed {
    static void Build(GLSCSP& p) {
        auto* d = new IntRangeDom("d", 0, 5);
        std::vector<IntVar*> v;
        for (int i = 0; i < 6; ++i)
            v.push_back(AddVar(p, "v", d));
        auto* objective = new Minimise(new ScalProd({v[4], v[5]}, {1, 2}));
        objective->Post();
        p.SetObjective(objective);
        Post(p, new AllDifferent({v[0], v[1], v[2], v[3], v[4], v[5]}));
        Post(p, new GreaterThanEquals(new PlusOp(v[0], v[1]), new IntVal(7)));
        Post(p, new GreaterThanEquals(new IntVal(14), new Sum({v[2], v[3], v[4], v[5]})));
        auto* soft = new SoftCon(new Equals(v[0], new IntVal(0)), 3);
        soft->Post();
        p.AddSoftConstraint(soft);
    }
};

// Runs iterations steps, checking every structure after each.
void StepAndCheck(TabuLocalSearch2& search, int iterations) {
    for (int t = 1; t <= iterations; ++t) {
        ASSERT_TRUE(search.Step(static_cast<std::uint64_t>(t)));
        const std::string diff = search.CheckInvariants();
        ASSERT_EQ(diff, "") << "after iteration " << t;
    }
}

} // namespace

TEST_F(TabuTest, ParameterTableAndRefusals) {
    TABU engine;
    const ModelValues& s = engine.GetCSP()->Values();
    EXPECT_EQ(s.tabuTenureRange, 20);
    EXPECT_EQ(s.tabuTenureBase, 10);
    engine.SetParameter(1, 7);
    engine.SetParameter(2, 3);
    engine.SetParameter(4, 9);
    EXPECT_EQ(s.tabuTenureRange, 7);
    EXPECT_EQ(s.tabuTenureBase, 3);
    EXPECT_EQ(s.objectiveWeight, 9);
    for (int id = 5; id <= 14; ++id)
        EXPECT_NO_THROW(engine.SetParameter(id, -1));
    EXPECT_NO_THROW(engine.SetParameter(3, 1));
    // Range 0 (both tenure parts 0 included) would draw modulo 0; a negative base shortens tenures.
    const struct { int id, value; } refused[] = {{0, 1}, {15, 1}, {-2, 1}, {1, 0}, {1, -4}, {2, -1}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r.id);
        try {
            engine.SetParameter(r.id, r.value);
            ADD_FAILURE() << "accepted";
        } catch (const Platform::ParameterError& e) {
            EXPECT_STREQ(e.what(), "Invalid Parameter\n");
        }
    }
    EXPECT_EQ(s.tabuTenureRange, 7);
    EXPECT_EQ(s.tabuTenureBase, 3);
    EXPECT_NO_THROW(engine.SetParameter(2, 0));
    EXPECT_THROW(engine.SetParameter(1, 0), Platform::ParameterError); // both parts 0
}

TEST_F(TabuTest, UnsolvedEngineReportsNoCost) {
    TABU engine;
    EXPECT_EQ(engine.GetCost(), INT_MAX);
    EXPECT_FALSE(engine.IsSolved());
    EXPECT_TRUE(engine.CanImprove(nullptr));
    EXPECT_EQ(Report(engine), "Algorithm: Tabu Search\n"
                              "Time taken (CPU seconds):T\n"
                              "Number of solutions:0\n"
                              "Number of iterations:0\n"
                              "Number of violations:0\n");
}

TEST_F(TabuTest, CandidateListsHoldTheLeastAdmittedValues) {
    const std::vector<Score> row{5, 2, 7, 2, 2, 9};
    EXPECT_EQ(TabuVarsInputs::Expected(row, 0, nullptr, 0), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(TabuVarsInputs::Expected(row, 3, nullptr, 0), (std::vector<int>{1, 4}));
    // Marks at or after the iteration are tabu; earlier ones have expired.
    const std::vector<std::uint64_t> tabu{0, 12, 0, 9, 10, 0};
    EXPECT_EQ(TabuVarsInputs::Expected(row, 0, &tabu, 10), (std::vector<int>{3}));
    EXPECT_EQ(TabuVarsInputs::Expected(row, 3, &tabu, 10), (std::vector<int>{0}));
    const std::vector<std::uint64_t> allTabu(6, 50);
    EXPECT_TRUE(TabuVarsInputs::Expected(row, 0, &allTabu, 10).empty());
    TabuVarsInputs lists;
    lists.Initialise(2, 6);
    lists.Rebuild(1, row, 4, &tabu, 10);
    EXPECT_EQ(lists.Candidates(1), (std::vector<int>{3}));
    EXPECT_EQ(lists.Stamp(1), 10u);
    EXPECT_TRUE(lists.Candidates(0).empty());
}

TEST_F(TabuTest, StructuresStayExactUnderEveryMove) {
    for (bool approximate : {false, true}) {
        SCOPED_TRACE(approximate);
        for (int problem = 0; problem < 3; ++problem) {
            SCOPED_TRACE(problem);
            Obj::DeleteAll();
            TABU engine;
            engine.GetCSP()->Random().Seed(2024u + static_cast<unsigned>(problem));
            engine.SetParameter(1, 3);
            engine.SetParameter(2, 2);
            GLSCSP& p = *engine.GetCSP();
            if (problem == 0) BuildQueens(p, 6);
            if (problem == 1) BuildColouring(p, 10, PetersenEdges(), 3);
            if (problem == 2) Mixed::Build(p);
            TabuLocalSearch2& search = engine.GetSearch();
            search.Initialise(p, approximate);
            search.BuildTabuTable();
            EXPECT_EQ(search.TabuRows(), static_cast<int>(p.GetVariables().size()));
            EXPECT_EQ(search.CheckInvariants(), "");
            StepAndCheck(search, 300);
        }
    }
}

TEST_F(TabuTest, StructuresStayExactAcrossRunsAndNoGoods) {
    TABU engine;
    engine.GetCSP()->Random().Seed(77);
    GLSCSP& p = *engine.GetCSP();
    BuildQueens(p, 6); // 4 solutions
    for (int run = 0; run < 3; ++run) {
        ASSERT_TRUE(engine.Solve());
        EXPECT_EQ(engine.GetSearch().CheckInvariants(), "");
        engine.GetSearch().BuildTabuTable();
        StepAndCheck(engine.GetSearch(), 40);
    }
}

TEST_F(TabuTest, TenureIsBasePlusARandomPartOfTheRange) {
    const struct { int base, range, low, high; } cases[] = {{3, 4, 3, 6}, {30, 5, 5, 34}, {0, 1, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        Obj::DeleteAll();
        TABU engine;
        engine.GetCSP()->Random().Seed(5);
        engine.SetParameter(1, c.range);
        engine.SetParameter(2, c.base);
        GLSCSP& p = *engine.GetCSP();
        BuildColouring(p, 10, PetersenEdges(), 3);
        TabuLocalSearch2& search = engine.GetSearch();
        search.Initialise(p, false);
        search.BuildTabuTable(); // swaps base and range when base > range
        int low = INT_MAX, high = INT_MIN;
        for (std::uint64_t t = 1; t <= 400; ++t) {
            const std::vector<int> before = Values(p);
            ASSERT_TRUE(search.Step(t));
            const std::vector<int> after = Values(p);
            int changed = -1;
            for (std::size_t i = 0; i < after.size(); ++i)
                if (after[i] != before[i]) {
                    ASSERT_EQ(changed, -1) << "one variable moves per step";
                    changed = static_cast<int>(i);
                }
            ASSERT_NE(changed, -1) << "every step moves";
            IntVar* x = p.GetVariables()[static_cast<unsigned>(changed)];
            const auto tenure = static_cast<int>(search.TabuUntil(x->GetId(), x->GetValueIndex()) - t);
            low = std::min(low, tenure);
            high = std::max(high, tenure);
        }
        EXPECT_EQ(low, c.low);
        EXPECT_EQ(high, c.high);
        EXPECT_EQ(p.Values().tabuTenureBase, std::min(c.base, c.range));
    }
}

TEST_F(TabuTest, WhenEveryValueIsTabuTheMarksAreClearedAndTheStepStillMoves) {
    TABU engine;
    engine.SetParameter(1, 1);
    engine.SetParameter(2, 1000);
    GLSCSP& p = *engine.GetCSP();
    IntVar* x = AddVar(p, "x", new IntRangeDom("d", 0, 1));
    TabuLocalSearch2& search = engine.GetSearch();
    search.Initialise(p, false);
    search.BuildTabuTable(); // base 1, range 1000 after the swap
    p.Values().tabuTenureBase = 1000;
    p.Values().tabuTenureRange = 1;
    for (std::uint64_t t = 1; t <= 5; ++t) {
        const int before = x->GetValueIndex();
        ASSERT_TRUE(search.Step(t));
        EXPECT_NE(x->GetValueIndex(), before);
        EXPECT_EQ(search.CheckInvariants(), "");
    }
}

TEST_F(TabuTest, NoMoveWhenNoVariableHasAnotherValue) {
    TABU engine;
    GLSCSP& p = *engine.GetCSP();
    IntVar* x = AddVar(p, "x", new IntRangeDom("d", 4, 4));
    Post(p, new NotEquals(x, new IntVal(4))); // can never hold
    EXPECT_FALSE(engine.Solve());             // ends instead of walking forever
    EXPECT_FALSE(engine.IsSolved());
}

TEST_F(TabuTest, SolvesSatisfactionProblemsWithDistinctSolutions) {
    const struct {
        const char* name;
        int queens; // 0: Petersen colouring
        int runs;
    } cases[] = {{"4-queens", 4, 2}, {"8-queens", 8, 4}, {"20-queens", 20, 3}, {"Petersen", 0, 4}};
    for (bool approximate : {false, true})
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            SCOPED_TRACE(approximate);
            Obj::DeleteAll();
            TABU engine;
            engine.GetCSP()->Random().Seed(31);
            engine.SetParameter(3, approximate ? 1 : 0);
            GLSCSP& p = *engine.GetCSP();
            if (c.queens)
                BuildQueens(p, c.queens);
            else
                BuildColouring(p, 10, PetersenEdges(), 3);
            std::set<std::vector<int>> seen;
            for (int run = 0; run < c.runs; ++run) {
                ASSERT_TRUE(engine.Solve());
                const std::vector<int> v = Values(p);
                EXPECT_TRUE(c.queens ? IsQueensSolution(v) : IsColouring(v, PetersenEdges(), 3));
                EXPECT_TRUE(seen.insert(v).second) << "run " << run << " repeats a solution";
                EXPECT_EQ(engine.GetCost(), 0);
                EXPECT_EQ(engine.GetSoftCost(), 0);
            }
            EXPECT_EQ(engine.GetStats().GetSolutions(), static_cast<unsigned>(c.runs));
        }
}

TEST_F(TabuTest, ExhaustedProblemRunsUntilStopped) {
    TABU engine;
    GLSCSP& p = *engine.GetCSP();
    BuildQueens(p, 4);
    auto* stop = new StopAfter(p.GetVariables()[0], 2000); // counts once given the engine
    Post(p, stop);
    ASSERT_TRUE(engine.Solve());
    ASSERT_TRUE(engine.Solve());
    // Both solutions are forbidden now: the third run can only end by a stop.
    stop->SetEngine(&engine);
    EXPECT_FALSE(engine.Solve());
    EXPECT_FALSE(engine.IsSolved());
    EXPECT_EQ(engine.GetCost(), INT_MAX);
    EXPECT_EQ(engine.GetStats().GetSolutions(), 3u);
}

TEST_F(TabuTest, InitiallySatisfiedProblemReturnsTheInitialAssignment) {
    TABU engine;
    GLSCSP& p = *engine.GetCSP();
    auto* d = new IntRangeDom("d", 0, 9);
    IntVar* x = AddVar(p, "x", d);
    IntVar* y = AddVar(p, "y", d);
    Post(p, new GreaterThanEquals(new PlusOp(x, y), new IntVal(0)));
    Platform::Random random; // the problem's sequence starts as if seeded with 1
    const int x0 = random.Next() % 10;
    const int y0 = random.Next() % 10;
    ASSERT_TRUE(engine.Solve());
    EXPECT_EQ(x->GetValueIndex(), x0);
    EXPECT_EQ(y->GetValueIndex(), y0);
    EXPECT_EQ(engine.GetStats().GetIterations(), 1u);
}

TEST_F(TabuTest, OptimisationReturnsTheBestFeasibleAssignmentAtStop) {
    for (bool approximate : {false, true}) {
        SCOPED_TRACE(approximate);
        Obj::DeleteAll();
        TABU engine;
        engine.GetCSP()->Random().Seed(3);
        engine.SetParameter(3, approximate ? 1 : 0);
        GLSCSP& p = *engine.GetCSP();
        SmallOptimum::Build(p);
        auto* stop = new StopAfter(p.GetVariables()[0], 3000);
        stop->SetEngine(&engine);
        Post(p, stop);
        ASSERT_TRUE(engine.Solve());
        const std::vector<int> v = Values(p);
        ASSERT_TRUE(SmallOptimum::Feasible(v));
        EXPECT_EQ(engine.GetCost(), SmallOptimum::Objective(v) + SmallOptimum::SoftCost(v));
        EXPECT_EQ(engine.GetSoftCost(), SmallOptimum::SoftCost(v));
        // Brute force: the least objective + soft cost over the feasible assignments.
        int best = INT_MAX;
        for (int a = 0; a <= 5; ++a)
            for (int b = 0; b <= 5; ++b)
                for (int c = 0; c <= 5; ++c)
                    if (SmallOptimum::Feasible({a, b, c}))
                        best = std::min(best, SmallOptimum::Objective({a, b, c}) +
                                                  SmallOptimum::SoftCost({a, b, c}));
        EXPECT_EQ(SmallOptimum::Objective(v) + SmallOptimum::SoftCost(v), best);
        const TabuStats& stats = engine.GetStats();
        EXPECT_EQ(Report(engine), "Algorithm: Tabu Search\n"
                                  "Time taken (CPU seconds):T\n"
                                  "Number of solutions:1\n"
                                  "Number of iterations:" +
                                      std::to_string(stats.GetIterations()) +
                                      "\n"
                                      "Number of violations:" +
                                      std::to_string(stats.GetViolations()) +
                                      "\n"
                                      "Current solution cost:" +
                                      std::to_string(SmallOptimum::Objective(v)) +
                                      "\n"
                                      "Best solution cost over run:" +
                                      std::to_string(stats.GetBestCostOverRun()) + "\n");
    }
}

TEST_F(TabuTest, MixedProblemGivesFeasibleSolutions) {
    TABU engine;
    engine.GetCSP()->Random().Seed(8);
    GLSCSP& p = *engine.GetCSP();
    Mixed::Build(p);
    auto* stop = new StopAfter(p.GetVariables()[0], 4000);
    stop->SetEngine(&engine);
    Post(p, stop);
    ASSERT_TRUE(engine.Solve());
    const std::vector<int> v = Values(p);
    EXPECT_EQ(std::set<int>(v.begin(), v.end()).size(), 6u);
    EXPECT_GE(v[0] + v[1], 7);
    EXPECT_GE(14, v[2] + v[3] + v[4] + v[5]);
    EXPECT_EQ(engine.GetCost(), v[4] + 2 * v[5] + (v[0] == 0 ? 0 : 3));
    EXPECT_EQ(engine.GetSoftCost(), v[0] == 0 ? 0 : 3);
}

TEST_F(TabuTest, SameGeneratorStateRepeatsTheRun) {
    std::vector<int> first;
    std::uint64_t iterations = 0;
    for (int round = 0; round < 2; ++round) {
        Obj::DeleteAll();
        TABU engine;
        engine.GetCSP()->Random().Seed(4242);
        BuildQueens(*engine.GetCSP(), 12);
        ASSERT_TRUE(engine.Solve());
        ASSERT_TRUE(engine.Solve());
        if (round == 0) {
            first = Values(*engine.GetCSP());
            iterations = engine.GetStats().GetIterations();
        } else {
            EXPECT_EQ(Values(*engine.GetCSP()), first);
            EXPECT_EQ(engine.GetStats().GetIterations(), iterations);
        }
    }
}

TEST_F(TabuTest, StopFromAnotherThreadEndsTheRun) {
    TABU engine;
    GLSCSP& p = *engine.GetCSP();
    auto* d = new IntRangeDom("d", 0, 3);
    IntVar* x = AddVar(p, "x", d);
    IntVar* y = AddVar(p, "y", d);
    Post(p, new Equals(x, y));
    Post(p, new NotEquals(x, y));
    EXPECT_FALSE(GLSLibTest::SolveAndStopFromThisThread(engine));
    EXPECT_GT(engine.GetStats().GetIterations(), 0u);
}

TEST_F(TabuTest, StatsKeepTheLeastCostAndPrintSigned) {
    TabuStats stats;
    stats.SetCost(5);
    stats.SetCost(-2);
    stats.SetCost(7);
    stats.IncSolutions();
    stats.IncIterations();
    stats.SetViolations(3);
    std::ostringstream os;
    stats.Print(os);
    const std::string text = std::regex_replace(os.str(), std::regex(R"(Time taken \(CPU seconds\):[^\n]*)"),
                                                "Time taken (CPU seconds):T");
    EXPECT_EQ(text, "Algorithm: Tabu Search\n"
                    "Time taken (CPU seconds):T\n"
                    "Number of solutions:1\n"
                    "Number of iterations:1\n"
                    "Number of violations:3\n"
                    "Current solution cost:7\n"
                    "Best solution cost over run:-2\n");
}

TEST_F(TabuTest, DestroyedEngineIsNoLongerTheFeatureEngine) {
    {
        TABU engine;
        BuildQueens(*engine.GetCSP(), 4);
        ASSERT_TRUE(engine.Solve());
        EXPECT_EQ(Obj::GetNumericFeatureParam(), &engine);
    }
    EXPECT_EQ(Obj::GetNumericFeatureParam(), nullptr);
}

TEST_F(TabuTest, ObjectiveWeightChangedBetweenRunsResynchronisesTheTables) {
    TABU engine;
    engine.GetCSP()->Random().Seed(19);
    GLSCSP& p = *engine.GetCSP();
    SmallOptimum::Build(p);
    auto* first = new StopAfter(p.GetVariables()[0], 500);
    auto* second = new StopAfter(p.GetVariables()[1], 500);
    Post(p, first);
    Post(p, second);
    first->SetEngine(&engine);
    ASSERT_TRUE(engine.Solve());
    EXPECT_EQ(engine.GetSearch().CheckInvariants(), "");
    engine.SetParameter(4, 7);
    second->SetEngine(&engine);
    ASSERT_TRUE(engine.Solve());
    EXPECT_EQ(engine.GetSearch().CheckInvariants(), "");
    EXPECT_TRUE(SmallOptimum::Feasible(Values(p)));
}
