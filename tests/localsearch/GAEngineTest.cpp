// The genetic algorithm: individuals, population, parameters, runs and the statistics report.

#include "EngineProblems.hpp"
#include "ModelFixture.hpp"
#include "StopFromAnotherThread.hpp"

#include "localsearch/ga/GAPop.hpp"
#include "localsearch/ga/GASolution.hpp"
#include "localsearch/ga/GAstats.hpp"
#include "localsearch/ga/GGA_ND.hpp"
#include "platform/FatalError.hpp"
#include "platform/Random.hpp"

#include <memory>
#include <regex>
#include <sstream>

using namespace GLSLib;
using namespace GLSLibTest;

namespace {

using GATest = ModelTest;

// Draws n numbers and returns the next one: the generator's position after n draws.
int NextAfter(std::uint32_t seed, int n) {
    Platform::Random random;
    random.Seed(seed);
    for (int i = 0; i < n; ++i)
        random.Next();
    return random.Next();
}

// A problem of n variables over 0..size-1 with no constraint.
void BuildFree(GLSCSP& p, int n, int size) {
    auto* d = new IntRangeDom("d", 0, size - 1);
    for (int i = 0; i < n; ++i)
        AddVar(p, "v", d);
}

// The report with the time value blanked.
std::string Report(GGLS& engine) {
    std::ostringstream os;
    engine.PrintStatistics(os);
    return std::regex_replace(os.str(), std::regex(R"(Time taken \(CPU seconds\):[^\n]*)"),
                              "Time taken (CPU seconds):T");
}

} // namespace

TEST_F(GATest, FreshIndividualReportsNoEvaluation) {
    GLSCSP problem;
    GASolution s(problem);
    EXPECT_EQ(s.GetHard(), -1);
    EXPECT_EQ(s.GetObjective(), -1);
    EXPECT_EQ(s.GetSoft(), -1);
}

TEST_F(GATest, EvaluationCountsHardSoftViolationAndObjective) {
    GGA_ND engine;
    SmallOptimum::Build(*engine.GetCSP());
    GASolution s(*engine.GetCSP());
    const GASolution::Table costs(3, std::vector<int>(6, 1));
    const GASolution::Table penalties(3, std::vector<int>(6, 1));
    // x = y = 1, z = 2: the sum (4 < 7, violation 3000) and x <> y (1000) fail, the soft one too.
    s.SetValues({1, 1, 2});
    s.Evaluate(costs, penalties, {});
    EXPECT_EQ(s.GetHard(), 2);
    EXPECT_EQ(s.GetSoft(), SmallOptimum::kSoftWeight);
    EXPECT_EQ(s.GetObjective(), 3 + 2 + 2);
    EXPECT_GT(s.GetViolationSum(), 0);
    EXPECT_EQ(s.GetFitness(), s.GetViolationSum() + s.GetObjective());
    s.SetValues({1, 4, 2});
    s.Evaluate(costs, penalties, {});
    EXPECT_EQ(s.GetHard(), 0);
    EXPECT_EQ(s.GetSoft(), SmallOptimum::kSoftWeight);
}

TEST_F(GATest, PenaltyTermSumsWholeSharesOfHeldFeatures) {
    GGA_ND engine;
    engine.SetParameter(8, 3);
    BuildFree(*engine.GetCSP(), 2, 3);
    GASolution::Table costs{{1, 7, 1}, {5, 5, 5}};
    GASolution::Table penalties{{2, 1, 1}, {1, 1, 2}};
    GASolution s(*engine.GetCSP());
    s.SetValues({0, 2});
    // (0,0): 1 div 3 = 0; (1,2): 5 div 3 = 1; (0,1) is not held.
    s.Evaluate(costs, penalties, {{0, 0}, {1, 2}, {0, 1}});
    EXPECT_EQ(s.GetPenalty(), 3 * 1);
    EXPECT_EQ(s.GetObjective(), 0); // no objective: the objective part is 0
    GASolution copy(*engine.GetCSP());
    copy.Assign(s);
    EXPECT_EQ(copy.GetPenalty(), 3);
    EXPECT_EQ(copy.GetValues(), s.GetValues());
}

TEST_F(GATest, CrossoverFavoursTheLessPenalisedFeature) {
    GGA_ND engine;
    BuildFree(*engine.GetCSP(), 1, 2);
    const GASolution::Table penalties{{1, 3}};
    GASolution p(*engine.GetCSP()), q(p), child(p);
    p.SetValues({0});
    q.SetValues({1});
    engine.GetCSP()->Random().Seed(7);
    int keptP = 0;
    const int trials = 20000;
    for (int i = 0; i < trials; ++i) {
        child.Crossover(p, q, penalties);
        if (child.GetValues()[0] == 0) ++keptP;
    }
    // p's value (penalty 1) passes with probability 3/4.
    EXPECT_NEAR(static_cast<double>(keptP) / trials, 0.75, 0.015);
}

TEST_F(GATest, MutationCountIsTheCeilingOfVariablesTimesRate) {
    const struct {
        int variables;
        int rate;
        int mutations;
    } cases[] = {{10, 30, 4}, {20, 30, 7}, {3, 100, 3}, {5, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variables);
        GGA_ND engine;
        engine.SetParameter(3, c.rate);
        BuildFree(*engine.GetCSP(), c.variables, 4);
        const GASolution::Table penalties(static_cast<unsigned>(c.variables), std::vector<int>(4, 1));
        GASolution s(*engine.GetCSP());
        s.SetValues(std::vector<int>(static_cast<unsigned>(c.variables), 0));
        engine.GetCSP()->Random().Seed(99);
        s.Mutate(penalties);
        const int next = engine.GetCSP()->Random().Next();
        // Each mutation draws twice: the variable, then the value.
        EXPECT_EQ(next, NextAfter(99, 2 * c.mutations));
        Obj::DeleteAll();
    }
}

TEST_F(GATest, MutationMovesToTheLeastPenalisedValues) {
    GGA_ND engine;
    engine.SetParameter(3, 100);
    BuildFree(*engine.GetCSP(), 1, 5);
    const GASolution::Table penalties{{4, 2, 1, 3, 1}};
    GASolution s(*engine.GetCSP());
    for (int trial = 0; trial < 50; ++trial) {
        s.SetValues({0});
        s.Mutate(penalties);
        const int v = s.GetValues()[0];
        EXPECT_TRUE(v == 2 || v == 4) << v;
    }
}

TEST_F(GATest, PopulationSortsBestFirstAndBreedsKeepingTheBest) {
    GGA_ND engine;
    engine.SetParameter(1, 30);
    engine.SetParameter(4, 20); // pool 6
    BuildQueens(*engine.GetCSP(), 6);
    GAPop& pop = engine.GetPopulation();
    pop.Start();
    EXPECT_EQ(pop.Size(), 30);
    EXPECT_EQ(pop.PoolSize(), 6);
    pop.EvaluateAll();
    pop.Sort();
    for (int i = 1; i < pop.Size(); ++i)
        EXPECT_LE(pop.Individual(i - 1).GetFitness(), pop.Individual(i).GetFitness());
    EXPECT_EQ(pop.GenerationBest().GetValues(), pop.Individual(0).GetValues());
    pop.SelectPool();
    const std::vector<int> best = pop.Individual(0).GetValues();
    pop.Breed();
    EXPECT_EQ(pop.Individual(0).GetValues(), best);
    for (int i = 0; i < pop.Size(); ++i)
        EXPECT_EQ(pop.Individual(i).GetValues().size(), 6u);
}

TEST_F(GATest, PenaltyStepPenalisesTheHeldFeaturesOfGreatestUtility) {
    GGA_ND engine;
    BuildFree(*engine.GetCSP(), 3, 3);
    GAPop& pop = engine.GetPopulation();
    pop.Start();
    GASolution best(*engine.GetCSP());
    best.SetValues({0, 1, 2});
    pop.PenaltyStep(best);
    // All three held features have utility 1/2: each is penalised once.
    EXPECT_EQ(pop.PenalisedFeatures(), (std::vector<GASolution::FeatureKey>{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_EQ(pop.Penalties()[1], (std::vector<int>{1, 2, 1}));
    best.SetValues({0, 0, 2});
    pop.PenaltyStep(best);
    // (1,0) now has the greatest utility (1/2 against 1/3); it joins the list once.
    EXPECT_EQ(pop.Penalties()[1], (std::vector<int>{2, 2, 1}));
    EXPECT_EQ(pop.Penalties()[0], (std::vector<int>{2, 1, 1}));
    EXPECT_EQ(pop.PenalisedFeatures().size(), 4u);
    pop.PenaltyStep(best);
    EXPECT_EQ(pop.PenalisedFeatures().size(), 4u);
}

TEST_F(GATest, ParameterTableAndRefusals) {
    GGA_ND engine;
    const ModelValues& s = engine.GetCSP()->Values();
    EXPECT_EQ(s.gaPopulationSize, 500);
    EXPECT_EQ(s.gaPoolSize, 100);
    engine.SetParameter(1, 200);
    engine.SetParameter(4, 20);
    EXPECT_EQ(s.gaPoolSize, 40);
    engine.SetParameter(3, 25);
    EXPECT_FLOAT_EQ(s.gaMutationRate, 0.25f);
    engine.SetParameter(5, 9);
    engine.SetParameter(6, 2);
    engine.SetParameter(7, 5);
    engine.SetParameter(8, 4);
    engine.SetParameter(9, 6);
    EXPECT_EQ(s.gaMaxGenerations, 9);
    EXPECT_EQ(s.gaStallLimit, 2);
    EXPECT_EQ(s.gaFeatureCost, 5);
    EXPECT_EQ(s.gaLambda, 4);
    EXPECT_EQ(s.objectiveWeight, 6);
    for (int id : {2, 10, 15})
        EXPECT_NO_THROW(engine.SetParameter(id, 12345));
    const struct {
        int id, value;
    } refused[] = {{0, 1}, {16, 1}, {-1, 1},  {1, 0},          {1, -5}, {1, 1001}, {1, 2},  {4, 1}, {4, 101},
                   {4, 0}, {3, -1}, {3, 101}, {3, 2147483647}, {5, -1}, {6, -1},   {7, -1}, {8, -1}};
    for (const auto& r : refused) {
        SCOPED_TRACE(r.id);
        try {
            engine.SetParameter(r.id, r.value);
            ADD_FAILURE() << "accepted " << r.value;
        } catch (const Platform::ParameterError& e) {
            EXPECT_STREQ(e.what(), "Invalid Parameter\n");
        }
    }
    EXPECT_EQ(s.gaPopulationSize, 200);
    EXPECT_EQ(s.gaPoolSize, 40);
    EXPECT_FLOAT_EQ(s.gaMutationRate, 0.25f);
    EXPECT_EQ(s.gaMaxGenerations, 9);
}

TEST_F(GATest, InconsistentSizesAreRefusedWhenTheRunStarts) {
    GGA_ND engine;
    engine.SetParameter(1, 50); // the pool stays 100
    BuildQueens(*engine.GetCSP(), 4);
    EXPECT_THROW((void)engine.Solve(), Platform::ParameterError);
}

TEST_F(GATest, UnsolvedEngineReportsNoCost) {
    GGA_ND engine;
    EXPECT_EQ(engine.GetCost(), INT_MAX);
    EXPECT_FALSE(engine.IsSolved());
    EXPECT_FALSE(engine.CanImprove(nullptr));
    EXPECT_EQ(engine.GetCSP()->GetVariables().size(), 0u);
}

TEST_F(GATest, SolvesSatisfactionProblemsChecked) {
    const struct {
        const char* name;
        int queens; // 0: Petersen colouring
    } cases[] = {{"4-queens", 4}, {"8-queens", 8}, {"10-queens", 10}, {"Petersen 3-colouring", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GGA_ND engine;
        engine.SetParameter(1, 100);
        engine.SetParameter(4, 20);
        GLSCSP& p = *engine.GetCSP();
        if (c.queens)
            BuildQueens(p, c.queens);
        else
            BuildColouring(p, 10, PetersenEdges(), 3);
        for (int run = 0; run < 2; ++run) {
            ASSERT_TRUE(engine.Solve());
            const std::vector<int> v = Values(p);
            EXPECT_TRUE(c.queens ? IsQueensSolution(v) : IsColouring(v, PetersenEdges(), 3));
            EXPECT_TRUE(engine.IsSolved());
            EXPECT_EQ(engine.GetCost(), 0);
            EXPECT_EQ(engine.GetSoftCost(), 0);
        }
        EXPECT_EQ(engine.GetStats().GetSolutions(), 2u);
        Obj::DeleteAll();
    }
}

// The larger board needs a gentler mutation and longer runs than the defaults give.
TEST_F(GATest, SolvesTwentyQueensWithLowMutationAndLongRuns) {
    GGA_ND engine;
    engine.SetParameter(1, 100);
    engine.SetParameter(3, 5);
    engine.SetParameter(4, 20);
    engine.SetParameter(5, 500);
    GLSCSP& p = *engine.GetCSP();
    BuildQueens(p, 20);
    ASSERT_TRUE(engine.Solve());
    EXPECT_TRUE(IsQueensSolution(Values(p)));
    EXPECT_EQ(engine.GetCost(), 0);
}

TEST_F(GATest, OptimisationReturnsFeasibleSolutionWithItsCost) {
    GGA_ND engine;
    engine.SetParameter(1, 60);
    engine.SetParameter(4, 20);
    engine.SetParameter(5, 20);
    GLSCSP& p = *engine.GetCSP();
    SmallOptimum::Build(p);
    ASSERT_TRUE(engine.Solve());
    const std::vector<int> v = Values(p);
    ASSERT_TRUE(SmallOptimum::Feasible(v));
    EXPECT_EQ(engine.GetSoftCost(), SmallOptimum::SoftCost(v));
    EXPECT_EQ(engine.GetCost(), SmallOptimum::Objective(v) + SmallOptimum::SoftCost(v));
    EXPECT_GE(SmallOptimum::Objective(v), SmallOptimum::BestObjective());
    EXPECT_EQ(engine.GetStats().GetRestarts(), 0u);
    EXPECT_EQ(engine.GetStats().GetGeneration(), 20u); // a run is maximum generations + 1
}

TEST_F(GATest, FixedSeedRepeatsTheRunExactly) {
    std::vector<int> first;
    std::string firstReport;
    for (int round = 0; round < 2; ++round) {
        Obj::DeleteAll();
        GGA_ND engine;
        engine.SetParameter(1, 80);
        engine.SetParameter(4, 10);
        engine.SetParameter(5, 15);
        SmallOptimum::Build(*engine.GetCSP());
        ASSERT_TRUE(engine.Solve());
        std::vector<int> v = Values(*engine.GetCSP());
        for (int i = 0; i < engine.GetPopulation().Size(); ++i)
            for (int x : engine.GetPopulation().Individual(i).GetValues())
                v.push_back(x);
        if (round == 0) {
            first = v;
            firstReport = Report(engine);
        } else {
            EXPECT_EQ(v, first);
            EXPECT_EQ(Report(engine), firstReport);
        }
    }
}

TEST_F(GATest, InfeasibleRunsRestartUntilStoppedAndKeepTheirPenalties) {
    GGA_ND engine;
    engine.SetParameter(1, 10);
    engine.SetParameter(4, 30); // pool 3
    engine.SetParameter(5, 4);  // runs of 5 generations
    GLSCSP& p = *engine.GetCSP();
    auto* d = new IntRangeDom("d", 0, 2);
    IntVar* x = AddVar(p, "x", d);
    IntVar* y = AddVar(p, "y", d);
    Post(p, new NotEquals(x, x)); // never holds
    Post(p, new NotEquals(x, y));
    // 10 evaluations a generation, plus 10 more at each penalty step: stop within run 3.
    auto* stop = new StopAfter(y, 125);
    stop->SetEngine(&engine);
    Post(p, stop);
    EXPECT_FALSE(engine.Solve());
    EXPECT_FALSE(engine.IsSolved());
    EXPECT_EQ(engine.GetCost(), INT_MAX);
    const GAstats& stats = engine.GetStats();
    EXPECT_EQ(stats.GetRestarts(), 2u);
    EXPECT_TRUE(stats.IsOverRunsKnown());
    EXPECT_EQ(stats.GetBestViolationsOverRuns(), 1u);
    EXPECT_EQ(stats.GetBestViolations(), 1u);
    EXPECT_FALSE(engine.GetPopulation().PenalisedFeatures().empty());
    const std::string report = Report(engine);
    EXPECT_EQ(report, "Algorithm: Genetic Algorithm\n"
                      "Time taken (CPU seconds):T\n"
                      "Number of solutions:0\n"
                      "Number of times GA restarted:2\n"
                      "Generation number of current run:" +
                          std::to_string(stats.GetGeneration()) +
                          "\n"
                          "No of hard constraint violations in best solution:1\n"
                          "Best violation count over all runs:1\n");
    // The stop request was used up by the run it ended.
    stop->SetEngine(nullptr);
    engine.Stop();
    EXPECT_FALSE(engine.Solve());
}

TEST_F(GATest, ReportOfASolvedRunShowsSignedCosts) {
    GGA_ND engine;
    engine.SetParameter(1, 20);
    engine.SetParameter(4, 20);
    engine.SetParameter(5, 3);
    GLSCSP& p = *engine.GetCSP();
    auto* d = new IntRangeDom("d", -5, 5);
    IntVar* x = AddVar(p, "x", d);
    auto* objective = new Minimise(x);
    objective->Post();
    p.SetObjective(objective);
    ASSERT_TRUE(engine.Solve());
    EXPECT_EQ(x->GetValue(), -5);
    EXPECT_EQ(engine.GetCost(), -5);
    EXPECT_EQ(Report(engine), "Algorithm: Genetic Algorithm\n"
                              "Time taken (CPU seconds):T\n"
                              "Number of solutions:1\n"
                              "Number of times GA restarted:0\n"
                              "Generation number of current run:3\n"
                              "No of hard constraint violations in best solution:0\n"
                              "best cost -5\n");
}

TEST_F(GATest, RecordRunKeepsTheFewestViolations) {
    GAstats stats;
    std::ostringstream before;
    stats.Print(before);
    EXPECT_NE(before.str().find("best cost 2147483647\n"), std::string::npos);
    stats.RecordRun(5, 10);
    stats.RecordRun(7, 1);
    EXPECT_EQ(stats.GetBestViolationsOverRuns(), 5u);
    EXPECT_EQ(stats.GetBestCostOverRuns(), 10);
    stats.RecordRun(0, -3);
    stats.SetBestViolations(2);
    std::ostringstream os;
    stats.Print(os);
    EXPECT_NE(os.str().find("No of hard constraint violations in best solution:2\n"
                            "Best violation count over all runs:0\n"
                            "Best cost over all runs-3\n"),
              std::string::npos);
}

TEST_F(GATest, StopFromAnotherThreadEndsTheRun) {
    GGA_ND engine;
    engine.SetParameter(1, 50);
    engine.SetParameter(4, 10);
    GLSCSP& p = *engine.GetCSP();
    auto* d = new IntRangeDom("d", 0, 1);
    IntVar* x = AddVar(p, "x", d);
    Post(p, new NotEquals(x, x));
    EXPECT_FALSE(GLSLibTest::SolveAndStopFromThisThread(engine));
    EXPECT_FALSE(engine.IsSolved());
}

TEST_F(GATest, PenaltyStepComesAtTheGenerationAfterTheStallLimit) {
    // Generation 1 improves on nothing; 2, 3 and 4 stall (3 = the limit); 5 penalises.
    for (const auto& [evaluations, penalised] : {std::pair{40L, false}, std::pair{50L, true}}) {
        SCOPED_TRACE(evaluations);
        Obj::DeleteAll();
        GGA_ND engine;
        engine.SetParameter(1, 10);
        engine.SetParameter(4, 30);
        GLSCSP& p = *engine.GetCSP();
        IntVar* x = AddVar(p, "x", new IntRangeDom("d", 0, 3));
        Post(p, new NotEquals(x, x));
        auto* stop = new StopAfter(x, evaluations); // one evaluation per individual
        stop->SetEngine(&engine);
        Post(p, stop);
        EXPECT_FALSE(engine.Solve());
        EXPECT_EQ(engine.GetPopulation().PenalisedFeatures().empty(), !penalised);
        // The stop arrives during the evaluation of generation 4 (at its end without the
        // penalty step, within the re-evaluation after it with the step), and a generation
        // cut short is not counted.
        EXPECT_EQ(engine.GetStats().GetGeneration(), 3u);
    }
}
