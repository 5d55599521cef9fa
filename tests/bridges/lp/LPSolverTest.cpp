#include "LPTestProblem.hpp"

#include "bridges/lp/LPSolver.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <thread>

using LPLib::LPSolver;
using LPTest::Problem;
using Status = LPSolver::Status;

namespace {

struct Case {
    const char* name;
    Problem problem;
    Status status;
    double value = 0.0;
    std::optional<std::vector<double>> solution = std::nullopt;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// Beale's example, on which the largest-coefficient rule cycles without end.
Problem bealeCycling() {
    return {4,
            {{{0.25, -8, -1, 9}, '<', 0}, {{0.5, -12, -0.5, 3}, '<', 0}, {{0, 0, 1, 0}, '<', 1}},
            {-0.75, 20, -0.5, 6},
            true};
}

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"MaxSingleBound", {1, {{{1}, '<', 4}}, {1}, false}, Status::Optimal, 4, {{4}}},
        {"MinAtLeastNeedsPhaseOne", {1, {{{1}, '>', 2}}, {1}, true}, Status::Optimal, 2, {{2}}},
        {"NegativeRightHandSideFlipsTheSense", {1, {{{-1}, '<', -3}}, {1}, true}, Status::Optimal, 3, {{3}}},
        {"ZeroRightHandSideAtLeast",
         {2, {{{1, -1}, '>', 0}, {{0, 1}, '>', 2}}, {1, 1}, true},
         Status::Optimal,
         4,
         {{2, 2}}},
        {"EqualityWithZeroRightHandSide",
         {2, {{{1, 1}, '=', 0}}, {1, 0}, false},
         Status::Optimal,
         0,
         {{0, 0}}},
        {"NoRowsIsUnbounded", {1, {}, {1}, false}, Status::Unbounded},
        {"UnboundedRay", {2, {{{1, -1}, '<', 1}}, {1, 0}, false}, Status::Unbounded},
        {"ContradictoryBoundsAreInfeasible",
         {1, {{{1}, '<', 1}, {{1}, '>', 2}}, {1}, true},
         Status::Infeasible},
        {"InfeasibleEquality", {2, {{{1, 1}, '=', -1}}, {1, 1}, true}, Status::Infeasible},
        {"LowerColumnWinsATie", {2, {{{1, 1}, '<', 4}}, {1, 1}, false}, Status::Optimal, 4, {{4, 0}}},
        {"ClassicMaximise",
         {2, {{{1, 0}, '<', 4}, {{0, 2}, '<', 12}, {{3, 2}, '<', 18}}, {3, 5}, false},
         Status::Optimal,
         36,
         {{2, 6}}},
        {"ClassicMinimise",
         {2, {{{1, 1}, '>', 4}, {{1, 3}, '>', 6}}, {2, 3}, true},
         Status::Optimal,
         9,
         {{3, 1}}},
        {"EqualityAndAtMost",
         {2, {{{1, 2}, '=', 4}, {{3, 1}, '<', 6}}, {1, 1}, false},
         Status::Optimal,
         2.8,
         {{1.6, 1.2}}},
        {"RedundantEquality",
         {2, {{{1, 1}, '=', 2}, {{2, 2}, '=', 4}, {{0, 1}, '<', 1.5}}, {1, 0}, true},
         Status::Optimal,
         0.5,
         {{0.5, 1.5}}},
        {"RowsWithoutSenseAreIgnored",
         {1, {{{1}, '<', 3}, {{1}, '?', 1}}, {1}, false},
         Status::Optimal,
         3,
         {{3}}},
        {"NoVariables", {0, {{{}, '<', 1}}, {}, true}, Status::Optimal, 0, {{}}},
        {"BealeCyclingExample", bealeCycling(), Status::Optimal, -1.25},
    };
    return all;
}

class LPSolverCases : public testing::TestWithParam<Case> {};

TEST_P(LPSolverCases, StatusOptimumAndAVerifiedSolution) {
    const Case& c = GetParam();
    LPSolver solver;
    LPTest::setUp(solver, c.problem);
    const bool solved = solver.Solve();
    EXPECT_EQ(solver.status(), c.status);
    EXPECT_EQ(solved, c.status == Status::Optimal);
    if (c.status != Status::Optimal) {
        EXPECT_TRUE(solver.GetSolution().empty());
        EXPECT_EQ(solver.message(),
                  c.status == Status::Infeasible ? "No Solution Found" : "Solution Unbounded");
        return;
    }
    EXPECT_EQ(solver.message(), "");
    const auto& x = solver.GetSolution();
    EXPECT_EQ(LPTest::violation(c.problem, x), "");
    EXPECT_NEAR(solver.GetObjectiveValue(), c.value, 1e-9);
    EXPECT_NEAR(LPTest::dot(c.problem.objective, x), c.value, 1e-9);
    if (c.solution) {
        ASSERT_EQ(x.size(), c.solution->size());
        for (std::size_t i = 0; i < x.size(); ++i)
            EXPECT_NEAR(x[i], (*c.solution)[i], 1e-9) << "x" << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LPSolverCases, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<Case>& instance) {
                             return std::string(instance.param.name);
                         });

TEST(LPSolver, CyclingExampleEndsAfterFewPivots) {
    LPSolver solver;
    LPTest::setUp(solver, bealeCycling());
    ASSERT_TRUE(solver.Solve());
    EXPECT_NEAR(solver.GetObjectiveValue(), -1.25, 1e-12);
    EXPECT_LT(solver.pivotCount(), 20);
}

TEST(LPSolver, ZeroObjectiveIsNotNegativeZero) {
    LPSolver solver;
    LPTest::setUp(solver, {1, {{{1}, '<', 5}}, {-1}, false});
    ASSERT_TRUE(solver.Solve());
    EXPECT_EQ(solver.GetObjectiveValue(), 0.0);
    EXPECT_FALSE(std::signbit(solver.GetObjectiveValue()));
}

TEST(LPSolver, StopRequestEndsTheSolveWithoutASolution) {
    LPSolver solver;
    LPTest::setUp(solver, {1, {{{1}, '<', 4}}, {1}, false});
    solver.Stop();
    EXPECT_FALSE(solver.Solve());
    EXPECT_EQ(solver.status(), Status::Stopped);
    EXPECT_TRUE(solver.GetSolution().empty());
    EXPECT_EQ(solver.message(), "");
    EXPECT_EQ(solver.pivotCount(), 0);
}

// Stop from another thread while the simplex runs: the solve ends either stopped, with no
// solution, or (when it won the race) with its optimum.
TEST(LPSolver, StopFromAnotherThread) {
    constexpr int k = 30;
    Problem p{k * k, {}, {}, true};
    for (int i = 0; i < k; ++i) {
        LPTest::Row source{std::vector<double>(k * k, 0.0), '=', 10.0};
        LPTest::Row sink{std::vector<double>(k * k, 0.0), '=', 10.0};
        for (int j = 0; j < k; ++j) {
            source.coefficients[static_cast<std::size_t>(i * k + j)] = 1;
            sink.coefficients[static_cast<std::size_t>(j * k + i)] = 1;
        }
        p.rows.push_back(source);
        p.rows.push_back(sink);
    }
    for (int v = 0; v < k * k; ++v)
        p.objective.push_back((v * 7919) % 37 + 1);
    LPSolver solver;
    LPTest::setUp(solver, p);
    bool solved = false;
    std::thread worker([&] { solved = solver.Solve(); });
    solver.Stop();
    worker.join();
    if (solved) {
        EXPECT_EQ(solver.status(), Status::Optimal);
        EXPECT_EQ(LPTest::violation(p, solver.GetSolution()), "");
    } else {
        EXPECT_EQ(solver.status(), Status::Stopped);
        EXPECT_TRUE(solver.GetSolution().empty());
    }
}

TEST(LPSolver, PivotLimitEndsTheSolve) {
    LPSolver solver;
    solver.setIterationLimit(1);
    LPTest::setUp(solver, {2, {{{1, 0}, '<', 4}, {{0, 2}, '<', 12}, {{3, 2}, '<', 18}}, {3, 5}, false});
    EXPECT_FALSE(solver.Solve());
    EXPECT_EQ(solver.status(), Status::IterationLimit);
    EXPECT_EQ(solver.message(), "Simplex iteration limit reached");
    EXPECT_TRUE(solver.GetSolution().empty());
}

TEST(LPSolver, SolveNeedsAFreshSetup) {
    LPSolver solver;
    EXPECT_THROW((void)solver.Solve(), Platform::InternalError);
    LPTest::setUp(solver, {1, {{{1}, '<', 4}}, {1}, false});
    ASSERT_TRUE(solver.Solve());
    EXPECT_THROW((void)solver.Solve(), Platform::InternalError);
    LPTest::setUp(solver, {1, {{{1}, '<', 3}}, {1}, false});
    ASSERT_TRUE(solver.Solve());
    EXPECT_EQ(solver.GetObjectiveValue(), 3.0);
}

TEST(LPSolver, SetupRefusesMalformedInput) {
    LPSolver solver;
    const Problem tooWide{1, {{{1, 2}, '<', 4}}, {1}, false};
    EXPECT_THROW(LPTest::setUp(solver, tooWide), Platform::InternalError);
    const Problem wideObjective{1, {}, {1, 2}, false};
    EXPECT_THROW(LPTest::setUp(solver, wideObjective), Platform::InternalError);
    const Problem notANumber{1, {{{std::nan("")}, '<', 4}}, {1}, false};
    EXPECT_THROW(LPTest::setUp(solver, notANumber), Platform::InternalError);
    const Problem infiniteRhs{1, {{{1}, '<', HUGE_VAL}}, {1}, false};
    EXPECT_THROW(LPTest::setUp(solver, infiniteRhs), Platform::InternalError);
    EXPECT_THROW(solver.Setup({nullptr}, 1, LPLib::LPObjective()), Platform::InternalError);
    EXPECT_THROW(solver.Setup({}, -1, LPLib::LPObjective()), Platform::InternalError);
}

TEST(LPSolver, ShortCoefficientVectorsArePaddedWithZeros) {
    LPSolver solver;
    LPTest::setUp(solver, {3, {{{1}, '<', 2}, {{0, 0, 1}, '<', 5}}, {1, 0, 1}, false});
    ASSERT_TRUE(solver.Solve());
    EXPECT_NEAR(solver.GetObjectiveValue(), 7.0, 1e-12);
}

} // namespace
