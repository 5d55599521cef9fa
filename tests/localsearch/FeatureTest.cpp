// Penalty features, options and run statistics.

#include "ModelFixture.hpp"

#include "localsearch/Arithmetic.hpp"
#include "localsearch/GGLS.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/GLSOptions.hpp"
#include "localsearch/GLSStats.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/expr/Sum.hpp"
#include "localsearch/features/AssignmentMemory.hpp"
#include "localsearch/features/FeatureCon.hpp"
#include "localsearch/features/NoGoodFeature.hpp"
#include "localsearch/features/NumericFeature.hpp"

#include <climits>
#include <map>
#include <sstream>

using namespace GLSLib;
using GLSLibTest::ModelTest;
using GLSLibTest::Str;

namespace {

// An engine whose CanImprove answer the test decides.
class StubEngine : public GGLS {
public:
    bool canImprove = false;
    bool Solve() override { return false; }
    bool CanImprove(Con*) override { return canImprove; }
    int GetCost() override { return INT_MAX; }
    int GetSoftCost() override { return INT_MAX; }
    void Stop() override {}
    bool IsSolved() override { return false; }
    std::ostream& PrintStatistics(std::ostream& os) override { return os; }
    void SetParameter(int, int) override {}
    GLSCSP* GetCSP() override { return nullptr; }
};

} // namespace

using FeatureTest = ModelTest;

TEST_F(FeatureTest, ConstraintFeatureUtilityAndPrintout) {
    IntVar* x = Var(0, 9, 1, "x");
    IntVar* y = Var(0, 9, 1, "y");
    auto* c = new NotEquals(x, y);
    Feature* f = c->CreateFeature();
    ASSERT_TRUE(f->IsConFeature());
    EXPECT_EQ(f->NumVariables(), 2);
    EXPECT_EQ(f->GetVariable(1), y);
    EXPECT_EQ(f->GetUtility(), 1000000);
    EXPECT_TRUE(f->IncreasePenalty());
    EXPECT_EQ(f->GetUtility(), 500000);
    EXPECT_EQ(f->GetPreviousPenalty(), 0);
    EXPECT_EQ(Str(*f), "Feature on <x,1><><y,1> has penalty 1\n");
    Set(y, 2);
    EXPECT_EQ(f->GetUtility(), 0); // satisfied, whatever its penalty
    f->Reset();
    EXPECT_EQ(f->GetPenalty(), 0);
    EXPECT_EQ((new NotEquals(x, y))->CreateFeature()->GetId(), 1);
}

TEST_F(FeatureTest, UtilitySaturatesInsteadOfWrapping) {
    auto* c = new NotEquals(Var(0, 9, 1), Var(0, 9, 1));
    Con::SetWeight(INT_MAX);
    EXPECT_EQ(c->CreateFeature()->GetUtility(), INT_MAX);
}

TEST_F(FeatureTest, ArithmeticComparisonsAndTheObjectiveGetNumericFeatures) {
    IntVar* x = Var(0, 9, 1);
    auto* plain = new Equals(x, x);
    auto* arithmetic = new Equals(new PlusOp(x, x), x);
    EXPECT_TRUE(plain->CreateFeature()->IsConFeature());
    Feature* numeric = arithmetic->CreateFeature();
    EXPECT_FALSE(numeric->IsConFeature());
    EXPECT_NE(dynamic_cast<NumericFeature*>(numeric), nullptr);
    auto* objective = new Minimise(x);
    Feature* of = objective->CreateFeature();
    EXPECT_EQ(of->GetCost(), 1); // the objective is not a constraint
    EXPECT_EQ(Str(*of), "");
}

TEST_F(FeatureTest, NumericFeatureRemembersAssignmentsWhenTheEngineCannotImprove) {
    StubEngine engine;
    Obj::SetNumericFeatureParam(&engine);
    IntVar* x = Var(0, 9, 1, "x");
    IntVar* y = Var(0, 9, 5, "y");
    auto* c = new Equals(new PlusOp(x, x), y);
    auto* f = static_cast<NumericFeature*>(c->CreateFeature());
    engine.canImprove = true;
    EXPECT_TRUE(f->IncreasePenalty());
    EXPECT_EQ(f->GetPenalty(), 1);
    EXPECT_EQ(f->GetPreviousPenalty(), 0);
    engine.canImprove = false;
    EXPECT_FALSE(f->IncreasePenalty());
    EXPECT_EQ(f->GetPenalty(), 2);
    EXPECT_EQ(f->GetPreviousPenalty(), 1);
    EXPECT_FALSE(f->IncreasePenalty());
    EXPECT_EQ(f->GetPenalty(), 3);
    EXPECT_EQ(f->GetPreviousPenalty(), 2);
    EXPECT_EQ(f->NumRemembered(), 1);
    f->UpdateVariable(0, 4); // x moves away
    EXPECT_EQ(f->GetPenalty(), 1);
    f->UpdateVariable(0, 6); // and further
    f->UpdateVariable(0, 1); // and back through a third value
    EXPECT_EQ(f->GetPenalty(), 3);
    EXPECT_THROW(f->GetVariable(2), std::out_of_range);
    f->Reset();
    EXPECT_EQ(f->GetPenalty(), 0);
    EXPECT_EQ(f->NumVariables(), 2);
    EXPECT_EQ(f->NumRemembered(), 0);
}

// The memory against a plain map from assignments to penalties, over a long walk of single
// changes with penalties here and there: the one it reports matching is always the one equal
// to the current assignment.
TEST_F(FeatureTest, AssignmentMemoryMatchesWhatAPlainMapRemembers) {
    std::vector<IntVar*> vars = {Var(0, 3, 0, "a"), Var(0, 3, 0, "b"), Var(0, 3, 0, "c")};
    auto* c = new Equals(new Sum({vars.begin(), vars.end()}), new IntVal(5));
    AssignmentMemory memory;
    memory.Reset(c);
    ASSERT_EQ(memory.NumVariables(), 3);
    std::vector<int> current(3, 0);
    std::map<std::vector<int>, int> remembered;
    std::uint32_t state = 12345;
    auto next = [&state](std::uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % n);
    };
    for (int step = 0; step < 5000; ++step) {
        const int i = next(3);
        const int v = next(4);
        memory.UpdateVariable(i, v);
        current[static_cast<unsigned>(i)] = v;
        if (next(3) == 0) {
            memory.PenaliseCurrent();
            ++remembered[current];
        }
        const auto it = remembered.find(current);
        ASSERT_EQ(memory.MatchingPenalty(), it == remembered.end() ? 0 : it->second) << "step " << step;
    }
    EXPECT_EQ(memory.NumRemembered(), static_cast<int>(remembered.size()));
}

TEST_F(FeatureTest, NumericFeatureWithoutEngineTakesWholeFeaturePenalties) {
    IntVar* x = Var(0, 9, 1);
    auto* f = new NumericFeature(new Equals(new PlusOp(x, x), x), nullptr);
    EXPECT_TRUE(f->IncreasePenalty());
    EXPECT_EQ(f->NumRemembered(), 0);
}

TEST_F(FeatureTest, NoGoodFeaturePenalisesAssignmentsOnly) {
    IntVar* x = Var(0, 9, 1);
    auto* f = new NoGoodFeature(new NotEquals(x, x));
    EXPECT_EQ(f->GetPreviousPenalty(), 0);
    EXPECT_FALSE(f->IncreasePenalty());
    EXPECT_FALSE(f->IncreasePenalty());
    EXPECT_EQ(f->GetPenalty(), 2);
    EXPECT_EQ(f->GetPreviousPenalty(), 1);
    f->UpdateVariable(0, 3);
    EXPECT_EQ(f->GetPenalty(), 0);
}

TEST_F(FeatureTest, PenalisedCostIsTruncatedAndSaturated) {
    EXPECT_EQ(PenalisedCost(2.5, 1, true, 3), 10);
    EXPECT_EQ(PenalisedCost(2.5, 1, true, 4), 12);
    EXPECT_EQ(PenalisedCost(2.5, 1, false, 4), 2);
    EXPECT_EQ(PenalisedCost(1100.0, 1000, true, 1000000), INT_MAX);
}

TEST_F(FeatureTest, OptionsStartOnAndForwardLambdaToTheProblem) {
    GLSOptions options;
    EXPECT_TRUE(options.GetApproxEvaluation());
    EXPECT_TRUE(options.GetDeltaUpdate());
    EXPECT_TRUE(options.GetLearning());
    EXPECT_EQ(options.GetSeed(), 0);
    GLSCSP problem;
    options.SetSolverParameter(1, 7, problem.Values());
    options.SetSolverParameter(6, 4, problem.Values());
    EXPECT_EQ(Feature::GetLambda(), 7); // the problem is the current one
    EXPECT_EQ(problem.Values().objectiveWeight, 4);
    options.SetDeltaUpdate(false);
    options.SetSeed(42);
    EXPECT_FALSE(options.GetDeltaUpdate());
    EXPECT_EQ(options.GetSeed(), 42);
}

namespace {
// The report without its time line, which depends on the clock.
std::string ReportWithoutTime(const GLSStats& stats) {
    std::ostringstream os;
    os << stats;
    std::istringstream in(os.str());
    std::string line, out;
    while (std::getline(in, line))
        if (line.rfind("Time taken (CPU seconds):", 0) != 0) out += line + "\n";
    return out;
}
} // namespace

TEST_F(FeatureTest, StatisticsReportHasItsExactLabelledLines) {
    GLSStats stats;
    stats.StartTimer();
    const std::string fresh = "Algorithm: GLS             \n"
                              "No. solutions found:       0\n"
                              "Best violation count so far:4294967295\n"
                              "Repairs:                   \n"
                              "\tMoves:                    0\n"
                              "\tDownwards:                0\n"
                              "\tSideways:                 0\n"
                              "\tAttempts:                 0\n"
                              "Restarts:                  0\n"
                              "Local minima:              \n"
                              "\tNumber:                   0\n"
                              "\tPenalty changes:          0\n";
    EXPECT_EQ(ReportWithoutTime(stats), fresh);
    std::ostringstream os;
    os << stats;
    EXPECT_EQ(os.str().substr(28, 25), "Time taken (CPU seconds):");
    stats.SetBestCost(-7);
    stats.SetBestViolation(3);
    stats.IncSolutionsFound();
    stats.IncMoves();
    stats.IncAttempts();
    stats.IncLocalMinima();
    stats.IncPenaltyChanges();
    stats.IncPenaltyChanges();
    const std::string later = ReportWithoutTime(stats);
    EXPECT_NE(later.find("No. solutions found:       1\n"), std::string::npos);
    EXPECT_NE(later.find("Best violation count so far:3\nBest solution cost so far: -7\n"),
              std::string::npos);
    EXPECT_NE(later.find("\tMoves:                    1\n"), std::string::npos);
    EXPECT_NE(later.find("\tPenalty changes:          2\n"), std::string::npos);
}

TEST_F(FeatureTest, SidewaysRunStatisticsInTheRecord) {
    GLSStats none;
    none.IncDownwards();
    std::ostringstream empty;
    none.WriteRecord(empty);
    EXPECT_EQ(empty.str(), "0\t0\t1\t0\t0\t0\t0\t0\t0\t0\t4294967295\t0\t0\t0\t");
    GLSStats stats;
    for (int run : {2, 4}) {
        for (int i = 0; i < run; ++i)
            stats.IncSideways();
        stats.IncDownwards();
    }
    std::ostringstream os;
    stats.WriteRecord(os);
    EXPECT_EQ(os.str(), "0\t0\t2\t6\t0\t0\t0\t0\t0\t2\t2\t4\t3\t1\t");
}
