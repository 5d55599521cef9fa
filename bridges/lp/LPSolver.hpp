#pragma once
// Two-phase tableau simplex (phase 1 with artificial variables, then the objective) over
// non-negative variables, on a compact tableau that stores only the non-basic columns.
// Pivoting follows Dantzig's largest-coefficient rule and falls back to Bland's
// smallest-index rule while pivots are degenerate, so it cannot cycle.

#include "bridges/lp/CIVector.hpp"
#include "bridges/lp/CMatrix.hpp"
#include "bridges/lp/LPConstraint.hpp"
#include "bridges/lp/LPObjective.hpp"

#include <atomic>
#include <string>
#include <vector>

namespace LPLib {

class LPSolver {
public:
    enum class Status {
        NotSolved,      // Solve has not run since the last Setup
        Optimal,        // solution and objective value are filled
        Infeasible,     // "No Solution Found"
        Unbounded,      // "Solution Unbounded"
        Stopped,        // Stop was requested
        IterationLimit, // the pivot limit was reached
        Numerical,      // no usable pivot where one must exist (rounding trouble)
    };

    static constexpr const char* kNoSolutionText = "No Solution Found";
    static constexpr const char* kUnboundedText = "Solution Unbounded";
    static constexpr const char* kIterationLimitText = "Simplex iteration limit reached";
    static constexpr const char* kNumericalText = "Simplex stopped: numerical difficulty";

    LPSolver() = default;
    LPSolver(const LPSolver&) = delete;
    LPSolver& operator=(const LPSolver&) = delete;
    virtual ~LPSolver() = default;

    // Builds the tableau for n variables from the constraints (rows whose sense is not one of
    // '<', '>', '=' are dropped) and the objective; the arguments are not kept. A coefficient
    // vector shorter than n is padded with zeros. Throws Platform::InternalError when n < 0, a
    // pointer is null, a vector is longer than n or a number is not finite.
    void Setup(const std::vector<const LPConstraint*>& constraints, int n, const LPObjective& objective);

    // Runs the simplex once after Setup: true with the solution and objective value filled;
    // false with status()/message() telling why. Shows nothing: the caller reports the
    // message. Throws Platform::InternalError when there was no Setup since the last Solve.
    [[nodiscard]] bool Solve();

    // Asks a running (or the next) Solve to end before its next pivot. Safe from any thread;
    // the request stays until the solver is destroyed.
    void Stop() { m_stopRequested.store(true, std::memory_order_relaxed); }

    // One value per variable after a successful Solve; empty otherwise.
    const std::vector<double>& GetSolution() const { return m_solution; }
    // Objective value of the solution (0 unless Solve succeeded).
    double GetObjectiveValue() const { return m_objectiveValue; }
    Status status() const { return m_status; }
    // Text to show for the last failure ("No Solution Found", "Solution Unbounded", ...);
    // empty after success and after Stop.
    const std::string& message() const { return m_message; }
    // Pivots done by the last Solve.
    long pivotCount() const { return m_pivots; }
    // Pivot limit for later Solves; 0 (the default) derives it from the tableau size.
    void setIterationLimit(long limit) { m_iterationLimit = limit; }

private:
    enum class Rule { Largest, SmallestIndex };

    void classifyRow(const LPConstraint& constraint, std::vector<CVector>& atMost,
                     std::vector<CVector>& atLeast) const;
    int chooseColumn(int row, int columnCount, Rule rule) const;
    int chooseRow(int rowCount, int column, Rule rule) const;
    void pivot(int p, int q);
    int rhsColumn() const { return m_tableau.columns() - 1; }
    bool isArtificial(int variable) const { return variable >= m_n + m_m1 + m_m2; }
    // Pivots on (p, q), exchanges the index entries and updates the rule: true when it ran,
    // false when the stop request or the pivot limit ended the solve (status set).
    bool step(int p, int q, Rule& rule);
    bool fail(Status status, const char* text);
    [[nodiscard]] bool runPhaseOne();
    [[nodiscard]] bool runPhaseTwo();

    // Tableau: constraint rows (at-most rows, then at-least rows), then the phase-1 row when
    // there are at-least rows, then the objective row; one column per non-basic variable, then
    // the right-hand side. Every row reads: basic variable (or -objective, or the sum of the
    // artificials) = right-hand side - row . non-basic variables.
    CMatrix m_tableau;
    int m_n = 0;  // structural variables 0..n-1
    int m_m1 = 0; // at-most rows; their slacks are n..n+m1-1
    int m_m2 = 0; // at-least rows; surplus n+m1.., artificials n+m1+m2..
    bool m_minimise = true;
    CIVector m_basic;    // per constraint row: its basic variable
    CIVector m_nonBasic; // per tableau column but the last: its variable
    std::vector<double> m_solution;
    double m_objectiveValue = 0.0;

    bool m_ready = false;
    Status m_status = Status::NotSolved;
    std::string m_message;
    long m_pivots = 0;
    long m_iterationLimit = 0;
    long m_activeLimit = 0;
    std::atomic<bool> m_stopRequested{false};
    std::vector<int> m_pivotColumns; // scratch of pivot()
};

} // namespace LPLib
