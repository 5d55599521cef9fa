// The simplex against brute force: vertex enumeration on small random programmes, and integer
// flow enumeration on small transportation and assignment problems (their optima are integral).

#include "LPTestProblem.hpp"

#include "bridges/lp/LPSolver.hpp"
#include "platform/Random.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>

using LPLib::LPSolver;
using LPTest::Problem;
using Status = LPSolver::Status;

namespace {

// The test's sequence, restarted by each test from its seed.
Platform::Random g_random;

int randomIn(int lo, int hi) {
    return lo + g_random.Below(hi - lo + 1);
}

// Solves the n x n system a x = b by Gaussian elimination with partial pivoting; false when
// (nearly) singular.
bool solveSquare(std::vector<std::vector<double>> a, std::vector<double> b, std::vector<double>& x) {
    const std::size_t n = b.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r)
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
        if (std::abs(a[pivot][col]) < 1e-9) return false;
        std::swap(a[pivot], a[col]);
        std::swap(b[pivot], b[col]);
        for (std::size_t r = 0; r < n; ++r) {
            if (r == col) continue;
            const double f = a[r][col] / a[col][col];
            for (std::size_t c = col; c < n; ++c)
                a[r][c] -= f * a[col][c];
            b[r] -= f * b[col];
        }
    }
    x.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        x[i] = b[i] / a[i][i];
    return true;
}

struct OracleResult {
    Status status;
    double value = 0.0;
};

// Best objective over the vertices of the feasible region cut by the box x <= box, found by
// trying every choice of n tight inequalities. Returns +-infinity-free "no vertex" as nullopt.
std::optional<double> bestVertexInBox(const Problem& p, double box) {
    std::vector<std::vector<double>> a; // a . x <= b
    std::vector<double> b;
    auto add = [&](std::vector<double> coefficients, double rhs) {
        coefficients.resize(static_cast<std::size_t>(p.n), 0.0);
        a.push_back(std::move(coefficients));
        b.push_back(rhs);
    };
    for (const auto& row : p.rows) {
        std::vector<double> negated = row.coefficients;
        for (double& v : negated)
            v = -v;
        if (row.sense == '<' || row.sense == '=') add(row.coefficients, row.rhs);
        if (row.sense == '>' || row.sense == '=') add(negated, -row.rhs);
    }
    for (int i = 0; i < p.n; ++i) {
        std::vector<double> unit(static_cast<std::size_t>(p.n), 0.0);
        unit[static_cast<std::size_t>(i)] = 1.0;
        add(unit, box);
        unit[static_cast<std::size_t>(i)] = -1.0;
        add(unit, 0.0);
    }
    const double sign = p.minimise ? 1.0 : -1.0;
    std::optional<double> best;
    std::vector<std::size_t> chosen;
    std::function<void(std::size_t)> choose = [&](std::size_t from) {
        if (static_cast<int>(chosen.size()) == p.n) {
            std::vector<std::vector<double>> sa;
            std::vector<double> sb;
            for (std::size_t k : chosen) {
                sa.push_back(a[k]);
                sb.push_back(b[k]);
            }
            std::vector<double> x;
            if (!solveSquare(sa, sb, x)) return;
            for (std::size_t k = 0; k < a.size(); ++k)
                if (LPTest::dot(a[k], x) > b[k] + 1e-7 * (1.0 + std::abs(b[k]))) return;
            const double value = sign * LPTest::dot(p.objective, x);
            if (!best || value < *best) best = value;
            return;
        }
        for (std::size_t k = from; k < a.size(); ++k) {
            chosen.push_back(k);
            choose(k + 1);
            chosen.pop_back();
        }
    };
    choose(0);
    if (best) *best *= sign;
    return best;
}

// Coefficients are small integers, so every vertex of the unboxed region lies well inside a
// box of 10^4: a bounded optimum is the same in both boxes, an unbounded one keeps growing.
OracleResult bruteForce(const Problem& p) {
    const auto small = bestVertexInBox(p, 1e4);
    if (!small) return {Status::Infeasible};
    const auto large = bestVertexInBox(p, 2e4);
    if (std::abs(*large - *small) > 1e-6) return {Status::Unbounded};
    return {Status::Optimal, *small};
}

Problem randomProblem() {
    Problem p;
    p.n = randomIn(1, 3);
    const int m = randomIn(0, 5);
    for (int r = 0; r < m; ++r) {
        LPTest::Row row;
        for (int j = 0; j < p.n; ++j)
            row.coefficients.push_back(g_random.Below(3) == 0 ? 0 : randomIn(-4, 4));
        const int s = g_random.Below(10);
        row.sense = s < 4 ? '<' : s < 8 ? '>' : s < 9 ? '=' : '?';
        row.rhs = g_random.Below(4) == 0 ? 0 : randomIn(-6, 6);
        p.rows.push_back(row);
    }
    for (int j = 0; j < p.n; ++j)
        p.objective.push_back(randomIn(-5, 5));
    p.minimise = g_random.Below(2) == 0;
    return p;
}

std::string describe(const Problem& p) {
    std::string s = std::string(p.minimise ? "min" : "max");
    for (double c : p.objective)
        s += " " + std::to_string(c);
    for (const auto& row : p.rows) {
        s += "\n ";
        for (double c : row.coefficients)
            s += " " + std::to_string(c);
        s += std::string(" ") + row.sense + " " + std::to_string(row.rhs);
    }
    return s;
}

void expectAgreement(const Problem& p, Status status, double value, const std::string& context) {
    LPSolver solver;
    LPTest::setUp(solver, p);
    const bool solved = solver.Solve();
    ASSERT_EQ(solver.status(), status) << context << "\n" << describe(p);
    ASSERT_EQ(solved, status == Status::Optimal);
    if (!solved) return;
    EXPECT_EQ(LPTest::violation(p, solver.GetSolution()), "") << context << "\n" << describe(p);
    const double tol = 1e-6 * (1.0 + std::abs(value));
    EXPECT_NEAR(solver.GetObjectiveValue(), value, tol) << context << "\n" << describe(p);
    EXPECT_NEAR(LPTest::dot(p.objective, solver.GetSolution()), value, tol) << context;
}

TEST(LPSolverOracle, AgreesWithVertexEnumerationOnRandomSmallProblems) {
    constexpr std::uint32_t kSeed = 20261210;
    g_random.Seed(kSeed);
    int counts[3] = {0, 0, 0};
    for (int trial = 0; trial < 3000; ++trial) {
        const Problem p = randomProblem();
        const OracleResult expected = bruteForce(p);
        counts[expected.status == Status::Optimal ? 0 : expected.status == Status::Infeasible ? 1 : 2]++;
        expectAgreement(p, expected.status, expected.value,
                        "seed " + std::to_string(kSeed) + " trial " + std::to_string(trial));
        if (HasFatalFailure()) return;
    }
    // Every outcome must have been exercised for the comparison to mean anything.
    EXPECT_GT(counts[0], 300);
    EXPECT_GT(counts[1], 300);
    EXPECT_GT(counts[2], 300);
}

// Degenerate programmes: right-hand sides mostly 0, many equalities, and rows repeated or
// scaled (redundant equalities leave an artificial variable in the basis at zero). Ties in
// both pivot choices are the rule here, which is where cycling and lost artificials hide.
Problem randomDegenerateProblem() {
    Problem p;
    p.n = randomIn(1, 3);
    const int m = randomIn(1, 6);
    for (int r = 0; r < m; ++r) {
        if (r > 0 && g_random.Below(4) == 0) {
            LPTest::Row copy = p.rows[static_cast<std::size_t>(g_random.Below(r))];
            const double scale = randomIn(1, 3) * (g_random.Below(2) == 0 ? 1.0 : -1.0);
            for (double& c : copy.coefficients)
                c *= scale;
            copy.rhs *= scale;
            if (copy.sense != '=' && scale < 0) copy.sense = copy.sense == '<' ? '>' : '<';
            p.rows.push_back(copy);
            continue;
        }
        LPTest::Row row;
        for (int j = 0; j < p.n; ++j)
            row.coefficients.push_back(g_random.Below(3) == 0 ? 0 : randomIn(-3, 3));
        const int s = g_random.Below(3);
        row.sense = s == 0 ? '<' : s == 1 ? '>' : '=';
        row.rhs = g_random.Below(3) == 0 ? randomIn(-4, 4) : 0;
        p.rows.push_back(row);
    }
    for (int j = 0; j < p.n; ++j)
        p.objective.push_back(randomIn(-3, 3));
    p.minimise = g_random.Below(2) == 0;
    return p;
}

TEST(LPSolverOracle, AgreesWithVertexEnumerationOnDegenerateProblems) {
    constexpr std::uint32_t kSeed = 20261211;
    g_random.Seed(kSeed);
    int counts[3] = {0, 0, 0};
    for (int trial = 0; trial < 3000; ++trial) {
        const Problem p = randomDegenerateProblem();
        const OracleResult expected = bruteForce(p);
        counts[expected.status == Status::Optimal ? 0 : expected.status == Status::Infeasible ? 1 : 2]++;
        expectAgreement(p, expected.status, expected.value,
                        "seed " + std::to_string(kSeed) + " trial " + std::to_string(trial));
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(counts[0], 300);
    EXPECT_GT(counts[1], 100);
    EXPECT_GT(counts[2], 300);
}

// Textbook programmes on which the largest-coefficient rule cycles for ever: each must end, in
// few pivots, at the optimum vertex enumeration finds.
TEST(LPSolverOracle, ClassicCyclingExamplesEndAtTheOptimum) {
    struct Example {
        const char* name;
        Problem problem;
    };
    const Example examples[] = {
        {"Beale",
         {4,
          {{{0.25, -8, -1, 9}, '<', 0}, {{0.5, -12, -0.5, 3}, '<', 0}, {{0, 0, 1, 0}, '<', 1}},
          {-0.75, 20, -0.5, 6},
          true}},
        {"Kuhn",
         {4,
          {{{-2, -9, 1, 9}, '<', 0}, {{1.0 / 3, 1, -1.0 / 3, -2}, '<', 0}, {{2, 3, -1, -12}, '<', 2}},
          {-2, -3, 1, 12},
          true}},
        {"Chvatal",
         {4,
          {{{0.5, -5.5, -2.5, 9}, '<', 0}, {{0.5, -1.5, -0.5, 1}, '<', 0}, {{1, 0, 0, 0}, '<', 1}},
          {10, -57, -9, -24},
          false}},
        // The same degenerate rows as equalities at zero, reached through phase 1.
        {"BealeAsEqualities",
         {4,
          {{{0.25, -8, -1, 9}, '=', 0}, {{0.5, -12, -0.5, 3}, '=', 0}, {{0, 0, 1, 0}, '<', 1}},
          {-0.75, 20, -0.5, 6},
          true}},
    };
    for (const Example& e : examples) {
        const OracleResult expected = bruteForce(e.problem);
        ASSERT_EQ(expected.status, Status::Optimal) << e.name;
        expectAgreement(e.problem, Status::Optimal, expected.value, e.name);
        LPSolver solver;
        LPTest::setUp(solver, e.problem);
        ASSERT_TRUE(solver.Solve()) << e.name;
        EXPECT_LT(solver.pivotCount(), 30) << e.name;
    }
}

// Cheapest integer flow meeting every supply and demand exactly, by enumeration.
double cheapestFlow(const std::vector<int>& supply, const std::vector<int>& demand,
                    const std::vector<std::vector<int>>& cost) {
    const std::size_t rows = supply.size(), cols = demand.size();
    std::vector<int> s = supply, d = demand;
    double best = std::numeric_limits<double>::infinity();
    std::function<void(std::size_t, double)> fill = [&](std::size_t cell, double spent) {
        if (cell == rows * cols) {
            if (std::all_of(d.begin(), d.end(), [](int v) { return v == 0; })) best = std::min(best, spent);
            return;
        }
        const std::size_t i = cell / cols, j = cell % cols;
        const int most = std::min(s[i], d[j]);
        // The last cell of a row must take what the row has left.
        const int least = j + 1 == cols ? s[i] : 0;
        for (int f = least; f <= most; ++f) {
            s[i] -= f;
            d[j] -= f;
            fill(cell + 1, spent + f * cost[i][j]);
            s[i] += f;
            d[j] += f;
        }
    };
    fill(0, 0.0);
    return best;
}

// The rows and objective of a transportation problem as the workbench's wizard writes them:
// one equality per source and per destination, variables row by row.
Problem transportation(const std::vector<int>& supply, const std::vector<int>& demand,
                       const std::vector<std::vector<int>>& cost) {
    const int rows = static_cast<int>(supply.size()), cols = static_cast<int>(demand.size());
    Problem p;
    p.n = rows * cols;
    for (int i = 0; i < rows; ++i) {
        LPTest::Row row{std::vector<double>(static_cast<std::size_t>(p.n), 0.0), '=', double(supply[i])};
        for (int j = 0; j < cols; ++j)
            row.coefficients[static_cast<std::size_t>(i * cols + j)] = 1;
        p.rows.push_back(row);
    }
    for (int j = 0; j < cols; ++j) {
        LPTest::Row row{std::vector<double>(static_cast<std::size_t>(p.n), 0.0), '=', double(demand[j])};
        for (int i = 0; i < rows; ++i)
            row.coefficients[static_cast<std::size_t>(i * cols + j)] = 1;
        p.rows.push_back(row);
    }
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            p.objective.push_back(cost[i][j]);
    p.minimise = true;
    return p;
}

TEST(LPSolverOracle, BalancedTransportationMatchesTheCheapestIntegerFlow) {
    constexpr std::uint32_t kSeed = 77;
    g_random.Seed(kSeed);
    for (int trial = 0; trial < 150; ++trial) {
        const int rows = randomIn(1, 3), cols = randomIn(2, 3);
        std::vector<int> supply(static_cast<std::size_t>(rows));
        for (int& s : supply)
            s = randomIn(0, 4);
        std::vector<int> demand(static_cast<std::size_t>(cols), 0);
        const int total = std::accumulate(supply.begin(), supply.end(), 0);
        for (int unit = 0; unit < total; ++unit)
            ++demand[static_cast<std::size_t>(g_random.Below(cols))];
        std::vector<std::vector<int>> cost(static_cast<std::size_t>(rows), std::vector<int>(cols));
        for (auto& row : cost)
            for (int& c : row)
                c = randomIn(0, 9);
        expectAgreement(transportation(supply, demand, cost), Status::Optimal,
                        cheapestFlow(supply, demand, cost),
                        "seed " + std::to_string(kSeed) + " trial " + std::to_string(trial));
        if (HasFatalFailure()) return;
    }
}

TEST(LPSolverOracle, AssignmentMatchesTheCheapestPermutation) {
    constexpr std::uint32_t kSeed = 5;
    g_random.Seed(kSeed);
    for (int trial = 0; trial < 60; ++trial) {
        const int n = randomIn(2, 4);
        std::vector<std::vector<int>> cost(static_cast<std::size_t>(n), std::vector<int>(n));
        for (auto& row : cost)
            for (int& c : row)
                c = randomIn(1, 20);
        std::vector<int> perm(static_cast<std::size_t>(n));
        std::iota(perm.begin(), perm.end(), 0);
        double best = std::numeric_limits<double>::infinity();
        do {
            double sum = 0;
            for (int i = 0; i < n; ++i)
                sum += cost[i][perm[i]];
            best = std::min(best, sum);
        } while (std::next_permutation(perm.begin(), perm.end()));
        const std::vector<int> ones(static_cast<std::size_t>(n), 1);
        expectAgreement(transportation(ones, ones, cost), Status::Optimal, best,
                        "seed " + std::to_string(kSeed) + " trial " + std::to_string(trial));
        if (HasFatalFailure()) return;
    }
}

// Larger programmes, where enumeration is out of reach, are judged by duality: for
//   max c.x, A x <= b, x >= 0   and its dual   min b.y, A'y >= c, y >= 0
// feasible x and y with c.x = b.y prove both optimal; the statuses must also pair up
// (unbounded against infeasible). Both solutions are checked without the solver.
TEST(LPSolverOracle, PrimalAndDualAgreeOnMediumRandomProblems) {
    constexpr std::uint32_t kSeed = 31337;
    g_random.Seed(kSeed);
    int optimal = 0, unbounded = 0, infeasible = 0;
    for (int trial = 0; trial < 150; ++trial) {
        const int m = randomIn(4, 20), n = randomIn(4, 20);
        const bool sparse = g_random.Below(2) == 0;
        std::vector<std::vector<double>> a(static_cast<std::size_t>(m), std::vector<double>(n, 0.0));
        for (auto& row : a)
            for (double& v : row)
                v = sparse && g_random.Below(3) != 0 ? 0 : randomIn(-9, 9);
        std::vector<double> b(static_cast<std::size_t>(m)), c(static_cast<std::size_t>(n));
        for (double& v : b)
            v = g_random.Below(4) == 0 ? 0 : randomIn(-10, 40);
        for (double& v : c)
            v = randomIn(-10, 10);

        Problem primal{n, {}, c, false};
        for (int i = 0; i < m; ++i)
            primal.rows.push_back({a[static_cast<std::size_t>(i)], '<', b[static_cast<std::size_t>(i)]});
        Problem dual{m, {}, b, true};
        for (int j = 0; j < n; ++j) {
            LPTest::Row row{std::vector<double>(static_cast<std::size_t>(m)), '>',
                            c[static_cast<std::size_t>(j)]};
            for (int i = 0; i < m; ++i)
                row.coefficients[static_cast<std::size_t>(i)] =
                    a[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            dual.rows.push_back(row);
        }

        LPSolver p, d;
        LPTest::setUp(p, primal);
        LPTest::setUp(d, dual);
        const bool pSolved = p.Solve(), dSolved = d.Solve();
        const std::string context = "seed " + std::to_string(kSeed) + " trial " + std::to_string(trial);
        if (pSolved || dSolved) {
            ASSERT_TRUE(pSolved && dSolved)
                << context << ": primal " << int(p.status()) << ", dual " << int(d.status());
            ASSERT_EQ(LPTest::violation(primal, p.GetSolution()), "") << context;
            ASSERT_EQ(LPTest::violation(dual, d.GetSolution()), "") << context;
            const double primalValue = LPTest::dot(c, p.GetSolution()),
                         dualValue = LPTest::dot(b, d.GetSolution());
            ASSERT_NEAR(primalValue, dualValue, 1e-6 * (1 + std::abs(dualValue))) << context;
            ASSERT_NEAR(p.GetObjectiveValue(), primalValue, 1e-6 * (1 + std::abs(primalValue))) << context;
            ++optimal;
        } else if (p.status() == Status::Unbounded) {
            ASSERT_EQ(d.status(), Status::Infeasible) << context;
            ++unbounded;
        } else {
            ASSERT_EQ(p.status(), Status::Infeasible) << context;
            ASSERT_TRUE(d.status() == Status::Infeasible || d.status() == Status::Unbounded) << context;
            ++infeasible;
        }
    }
    EXPECT_GT(optimal, 30);
    EXPECT_GT(unbounded, 10);
    EXPECT_GT(infeasible, 10);
}

TEST(LPSolverOracle, UnbalancedTransportationIsInfeasible) {
    LPSolver solver;
    LPTest::setUp(solver, transportation({3, 4}, {2, 2}, {{1, 2}, {3, 4}}));
    EXPECT_FALSE(solver.Solve());
    EXPECT_EQ(solver.status(), Status::Infeasible);
    EXPECT_EQ(solver.message(), "No Solution Found");
}

} // namespace
