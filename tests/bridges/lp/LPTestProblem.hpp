#pragma once
// A linear programme held as plain numbers for the tests, with a checker that judges a
// solution without the simplex: feasibility of every row and the objective recomputed.

#include "bridges/lp/LPSolver.hpp"

#include <memory>
#include <string>
#include <vector>

namespace LPTest {

struct Row {
    std::vector<double> coefficients;
    char sense;
    double rhs;
};

struct Problem {
    int n = 0;
    std::vector<Row> rows;
    std::vector<double> objective;
    bool minimise = true;
};

inline LPLib::CVector toVector(const std::vector<double>& values) {
    LPLib::CVector v(static_cast<int>(values.size()));
    for (int i = 0; i < v.GetSize(); ++i)
        v[i] = values[static_cast<std::size_t>(i)];
    return v;
}

// Sets the solver up with the problem (the constraint objects live only during Setup).
inline void setUp(LPLib::LPSolver& solver, const Problem& problem) {
    std::vector<std::unique_ptr<LPLib::LPConstraint>> owned;
    std::vector<const LPLib::LPConstraint*> rows;
    for (const Row& row : problem.rows) {
        owned.push_back(
            std::make_unique<LPLib::LPConstraint>(toVector(row.coefficients), row.sense, row.rhs));
        rows.push_back(owned.back().get());
    }
    solver.Setup(rows, problem.n, LPLib::LPObjective(toVector(problem.objective), problem.minimise));
}

inline double dot(const std::vector<double>& a, const std::vector<double>& x) {
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size() && i < x.size(); ++i)
        sum += a[i] * x[i];
    return sum;
}

// Empty when x satisfies x >= 0 and every row within tol; else what is violated.
inline std::string violation(const Problem& problem, const std::vector<double>& x, double tol = 1e-6) {
    if (static_cast<int>(x.size()) != problem.n)
        return "solution has " + std::to_string(x.size()) + " values";
    for (int i = 0; i < problem.n; ++i)
        if (x[static_cast<std::size_t>(i)] < -tol) return "x" + std::to_string(i) + " negative";
    for (std::size_t r = 0; r < problem.rows.size(); ++r) {
        const Row& row = problem.rows[r];
        const double lhs = dot(row.coefficients, x);
        const double slack = tol * (1.0 + std::abs(row.rhs));
        const bool ok = row.sense == '<'   ? lhs <= row.rhs + slack
                        : row.sense == '>' ? lhs >= row.rhs - slack
                        : row.sense == '=' ? std::abs(lhs - row.rhs) <= slack
                                           : true;
        if (!ok)
            return "row " + std::to_string(r) + " violated: " + std::to_string(lhs) + " " + row.sense + " " +
                   std::to_string(row.rhs);
    }
    return {};
}

} // namespace LPTest
