// The external solver's solver interface: the transfer and report texts exactly, and solves of
// received descriptions whose solutions are checked against the raw problem by the evaluator,
// costs included.

#include "extcore/SolverInterface.hpp"
#include "extcore/DescriptionError.hpp"

#include "bridges/GenExtDesc.hpp"
#include "bridges/RawEvaluator.hpp"
#include "language/RawParser.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawSet.hpp"
#include "localsearch/gls/GGLS_ND.hpp"
#include "platform/FatalError.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <sstream>
#include <stop_token>
#include <string>

using namespace TavLanguage;
using namespace TavBridges;

using Melvane::Solution;
using Melvane::Solutions;
using Melvane::SolverInterface;

namespace {

std::string TransferText(const Solutions& solutions) {
    std::ostringstream out;
    solutions.WriteText(out);
    return out.str();
}

std::string Report(const Solutions& solutions) {
    std::ostringstream out;
    solutions.WriteReport(out);
    return out.str();
}

TEST(SolutionsText, EmptyList) {
    Solutions none;
    EXPECT_EQ(Report(none), "No solutions\n");
    EXPECT_EQ(TransferText(none), "0\n");
}

TEST(SolutionsText, TwoSolutionsWithGapsInTheRunNumbers) {
    Solutions list;
    Solution first(0);
    first.Add("x", 3);
    first.Add("y", 4);
    first.SetCost(7);
    first.SetSoftCost(0);
    Solution third(2);
    third.Add("x", -1);
    third.Add("s", 2);
    third.Add("s", 5);
    list.Add(first);
    list.Add(third);
    EXPECT_EQ(TransferText(list),
              "2\n<S>\n2\nx 3 y 4 cost 7\nsoft 0\n\n<S>\n3\nx -1 s 2 s 5 cost -1\nsoft -1\n\n");
    EXPECT_EQ(Report(list), "Solution\t0:x 3 y 4 7\n0\n\nSolution\t2:x -1 s 2 s 5 \n");
}

TEST(SolutionsText, ACostOfMinusOneThatIsSetIsReported) {
    Solutions list;
    Solution s(0);
    s.Add("x", 1);
    s.SetCost(-1);
    list.Add(s);
    EXPECT_EQ(Report(list), "Solution\t0:x 1 -1\n\n");
    EXPECT_EQ(TransferText(list), "1\n<S>\n1\nx 1 cost -1\nsoft -1\n\n");
}

// A problem as the workbench sends it, and the evaluator that checks what comes back.
struct Received {
    explicit Received(const std::string& text) {
        ParserInfo info;
        const ParserErr err = ParseCSPText(text, &info, &problem);
        EXPECT_TRUE(err.IsOk()) << err;
        description = GenExtDesc::Describe(problem);
    }

    RawSolution AsRaw(const Solution& solution) const {
        RawSolution raw;
        for (const auto& variable : problem.GetVariables()) {
            const std::string name = variable->GetName();
            if (variable->GetType() == RawType::SetVar) {
                auto members = MakeR<RawSet>();
                for (const auto& [n, v] : solution.GetValues())
                    if (n == name) members->AddElement(RPtr<RawExpr>(new RawInt(v)));
                raw.AddLabel(RawLabel(name, members));
            } else {
                for (const auto& [n, v] : solution.GetValues())
                    if (n == name) raw.AddLabel(RawLabel(name, RPtr<RawExpr>(new RawInt(v))));
            }
        }
        return raw;
    }

    TavBridges::RawEvaluation Check(const Solution& solution) const {
        return TavBridges::RawEvaluator(problem).Evaluate(AsRaw(solution));
    }

    RawCSP problem;
    std::string description;
};

const char* kQueens = R"(problem: q { domains { intdom rows = [0, 5]; } variables { intvar q[6] :: rows; }
constraints { alldifferent(q); forall(i in [0..5], j in [0..5], i < j) { q[i] - q[j] <> j - i; q[j] - q[i] <> j - i; } } })";

TEST(SolverInterface, RunsGiveDistinctSolutionsThatHold) {
    Received queens(kQueens);
    SolverInterface solver;
    solver.SetParameter(5, 2334);
    solver.LoadProblem(queens.description);
    ASSERT_TRUE(solver.Solve(3));
    const Solutions& found = solver.GetSolutions();
    ASSERT_EQ(found.Size(), 3u);
    std::set<std::vector<std::pair<std::string, int>>> distinct;
    for (std::size_t i = 0; i < found.Size(); ++i) {
        EXPECT_EQ(found[i].GetRunNumber(), static_cast<int>(i));
        EXPECT_FALSE(found[i].HasCost());
        EXPECT_FALSE(found[i].HasSoftCost());
        const auto eval = queens.Check(found[i]);
        EXPECT_TRUE(eval.feasible) << (eval.faults.empty() ? "" : eval.faults[0]);
        distinct.insert(found[i].GetValues());
    }
    EXPECT_EQ(distinct.size(), 3u);

    // Solve only appends; the caller empties the list.
    ASSERT_TRUE(solver.Solve(1));
    EXPECT_EQ(found.Size(), 4u);
}

TEST(SolverInterface, SoftConstraintsAndObjectiveGiveTheirOwnCosts) {
    // The cost is the objective's own value with its sign, a maximised one included (the
    // description states it as the minimisation of 0 minus it); the soft cost the broken weights.
    for (const std::string objective : {"minimise(a + d)", "maximise(a + d)", "maximise(3 - a * d)"}) {
        SCOPED_TRACE(objective);
        Received meetings(
            R"(problem: m { domains { intdom slots = [1, 4]; } variables { intvar a, b, c, d :: slots; }
constraints { alldifferent([a, b, c, d]); soft(a < b, 3); soft(b < c, 2); soft(d = 1, 4); soft(c < a, 5); }
optimisation { )" +
            objective + "; } }");
        SolverInterface solver;
        solver.LoadProblem(meetings.description);
        // An optimisation run searches until stopped: stop at the first best assignment. Its
        // costs are told as the solution states them.
        std::vector<SolverInterface::BestCosts> told;
        solver.SetNotifyWindow([&](const SolverInterface::BestCosts& best) {
            told.push_back(best);
            solver.Stop();
        });
        ASSERT_TRUE(solver.Solve(5));
        ASSERT_EQ(solver.GetSolutions().Size(), 1u);
        const Solution& s = solver.GetSolutions()[0];
        const auto eval = meetings.Check(s);
        ASSERT_TRUE(eval.feasible);
        ASSERT_TRUE(s.HasCost());
        ASSERT_TRUE(s.HasSoftCost());
        EXPECT_EQ(s.GetCost(), static_cast<int>(eval.objective));
        EXPECT_EQ(s.GetSoftCost(), eval.softCost);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].cost, s.GetCost());
        EXPECT_EQ(told[0].softCost, s.GetSoftCost());
    }
}

TEST(SolverInterface, OptimisationRunsEndByTheirTimeLimitOrTheStopToken) {
    Received knapsack(R"(problem: k { domains { intdom take = [0, 1]; } variables { intvar x[4] :: take; }
constraints { scalprod(x, [5, 4, 6, 3]) <= 10; } optimisation { maximise(scalprod(x, [10, 40, 30, 50])); } })");
    SolverInterface solver;
    solver.LoadProblem(knapsack.description);
    // Every run ends by its limit with the best so far: a later run that finds nothing better
    // repeats it, and the repeat is not kept.
    ASSERT_TRUE(solver.Solve(3, std::chrono::milliseconds(20)));
    const Solutions& found = solver.GetSolutions();
    ASSERT_GE(found.Size(), 1u);
    for (std::size_t i = 0; i < found.Size(); ++i) {
        const auto eval = knapsack.Check(found[i]);
        EXPECT_TRUE(eval.feasible);
        EXPECT_EQ(found[i].GetCost(), static_cast<int>(eval.objective));
        if (i > 0) {
            EXPECT_GT(found[i].GetCost(), found[i - 1].GetCost());
            EXPECT_GT(found[i].GetRunNumber(), found[i - 1].GetRunNumber());
        }
    }
    EXPECT_LE(found[found.Size() - 1].GetCost(), 90);

    // A token stopped before Solve starts runs nothing, with no limit to end a run either.
    std::stop_source stopped;
    stopped.request_stop();
    solver.GetSolutions().RemoveAll();
    EXPECT_FALSE(solver.Solve(3, {}, stopped.get_token()));
    EXPECT_TRUE(solver.GetSolutions().Empty());
}

TEST(SolverInterface, SetVariablesGiveOnePairPerMember) {
    Received sets(R"(problem: s { domains { setdom u = {1, 2, 3, 4, 5, 6}; } variables { setvar s :: u; }
constraints { {2, 5} subsetof s; s subsetof {2, 5}; } })");
    SolverInterface solver;
    solver.LoadProblem(sets.description);
    ASSERT_TRUE(solver.Solve(1));
    const Solution& s = solver.GetSolutions()[0];
    std::vector<int> members;
    for (const auto& [name, value] : s.GetValues())
        if (name == "s") members.push_back(value);
    EXPECT_EQ(members, (std::vector<int>{2, 5}));
    EXPECT_TRUE(sets.Check(s).feasible);
}

TEST(SolverInterface, ParametersStayInForceForLaterEngines) {
    Received queens(kQueens);
    SolverInterface solver;
    solver.SetParameter(3, 0);
    solver.SetParameter(5, 77);
    solver.LoadProblem(queens.description);
    ASSERT_NE(solver.GetEngine(), nullptr);
    EXPECT_FALSE(solver.GetEngine()->GetOptions().GetLearning());
    EXPECT_EQ(solver.GetEngine()->GetOptions().GetSeed(), 77);
    solver.SetParameter(2, 1);
    solver.LoadProblem(queens.description);
    EXPECT_TRUE(solver.GetEngine()->GetOptions().GetApproxEvaluation());
    EXPECT_FALSE(solver.GetEngine()->GetOptions().GetLearning());
    EXPECT_EQ(solver.GetEngine()->GetOptions().GetSeed(), 77);
    EXPECT_THROW(solver.SetParameter(16, 1), Platform::ParameterError);
    EXPECT_THROW(solver.SetParameter(0, 1), Platform::ParameterError);
}

TEST(SolverInterface, WithoutAProblemNothingRunsAndAnOldStopIsForgotten) {
    SolverInterface solver;
    solver.Stop();
    EXPECT_FALSE(solver.Solve(3));
    EXPECT_TRUE(solver.GetSolutions().Empty());

    Received queens(kQueens);
    EXPECT_THROW(solver.LoadProblem("<Z> 1 INTVAR x nowhere <END>"), Melvane::DescriptionError);
    EXPECT_FALSE(solver.HasProblem());
    EXPECT_FALSE(solver.Solve(1));

    solver.LoadProblem(queens.description);
    solver.Stop();
    EXPECT_FALSE(solver.Solve(0));
    EXPECT_TRUE(solver.Solve(1));
}

} // namespace
