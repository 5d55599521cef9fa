#pragma once
// Two-phase simplex (phase 1 with artificial variables, then the objective) over non-negative
// variables, in revised form: the constraint matrix is kept by its non-zero columns and rows,
// and the basis through its inverse in product form, so memory follows the non-zeros. The
// entering column has the largest gain (phase 2: Dantzig's rule; phase 1: the gain scaled by
// its devex weight, which finds a feasible basis in far fewer pivots), ties to the lowest
// column; the leaving row has the smallest ratio, ties to the lowest row. While pivots are
// degenerate, Bland's smallest-index rule takes over, so the simplex cannot cycle.

#include "bridges/lp/BasisInverse.hpp"
#include "bridges/lp/CIVector.hpp"
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

    // Builds the programme for n variables from the constraints (rows whose sense is not one of
    // '<', '>', '=' are dropped) and the objective; the arguments are not kept. A row spanning
    // fewer than n variables is padded with zeros. Throws Platform::InternalError when n < 0, a
    // pointer is null, a row or the objective spans more than n variables or a number is not
    // finite.
    void Setup(const std::vector<const LPConstraint*>& constraints, int n, const LPObjective& objective);

    // Runs the simplex once after Setup: true with the solution and objective value filled;
    // false with status()/message() telling why. Shows nothing: the caller reports the
    // message. Throws Platform::InternalError when there was no Setup since the last Solve.
    [[nodiscard]] bool Solve();

    // Asks a running (or the next) Solve to end soon, within one pivot's pricing. Safe from any
    // thread; the request stays until the solver is destroyed.
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
    // Pivot limit for later Solves; 0 (the default) derives it from the programme's size.
    void setIterationLimit(long limit) { m_iterationLimit = limit; }

private:
    enum class Rule { Largest, SmallestIndex };
    enum class Phase { One, Two };
    static constexpr int kNone = -1;
    static constexpr int kStopped = -2;

    struct Row {
        std::vector<LPConstraint::Term> terms;
        double rhs;
    };
    void classifyRow(const LPConstraint& constraint, std::vector<Row>& atMost, std::vector<Row>& atLeast,
                     std::vector<Row>& equal) const;

    int rowCount() const { return m_m1 + m_m2 + m_m3; }
    bool isArtificial(int variable) const { return variable >= m_n + m_m1 + m_m2; }
    bool stopRequested() const { return m_stopRequested.load(std::memory_order_relaxed); }
    // Adds the column of a variable, times factor, into the dense vector v (one entry per row).
    void scatterColumn(int variable, std::vector<double>& v) const;
    // y . column of the variable.
    double dotColumn(int variable, const std::vector<double>& y) const;
    double costOf(int variable, Phase phase) const;

    // Puts the duals of the phase's costs in m_duals.
    void computeDuals(Phase phase);
    // How much the phase's objective improves per unit of the variable (the compact tableau's
    // entry in the phase's row); needs computeDuals.
    double gain(int variable, Phase phase) const {
        return dotColumn(variable, m_duals) - costOf(variable, phase);
    }
    // Recomputes the gain of every non-basic variable from fresh duals; false when the stop
    // request came meanwhile.
    bool price();
    // Brings the gains (and in phase 1 the devex weights) up to date for the pivot on (p, q)
    // with m_alpha, from row p of the tableau (computed row-wise: only the rows of the
    // constraint matrix that row p of the basis inverse touches).
    void updateGains(int p, int q);
    // One pivot row entry a (column j of row p, pivot alpha_pq): the gain and weight updates.
    void updateGain(int position, double a, double factor, double ratioWeight);
    // Starts a devex reference framework on the current non-basic variables.
    void resetWeights();
    // Entering position in m_nonBasic, kNone or kStopped. Before it answers kNone, the gains
    // are recomputed, so that rounding in their updates cannot end a phase early. Phase 1
    // weighs each gain by its devex weight; phase 2 takes the gain as it is.
    int chooseColumn(Rule rule);
    // Leaving row for m_alpha (the entering column through the basis inverse), or kNone.
    int chooseRow(Rule rule) const;
    // Pivots on (p, q) with m_alpha, exchanges the index entries (an artificial that leaves is
    // dropped) and sets the rule for the next choice: true when it ran, false when the stop
    // request, the pivot limit or a failed refactorization ended the solve (status set).
    bool step(int p, int q, Rule& rule);
    // Puts the entering column of position q through the basis inverse, into m_alpha.
    void loadColumn(int q);
    // Factorizes the current basis and recomputes the basic values; false (status set) when
    // that fails.
    bool refactor();
    bool fail(Status status, const char* text);
    [[nodiscard]] bool runPhaseOne();
    [[nodiscard]] bool runPhaseTwo();

    // The programme: rows are the at-most rows, then the at-least rows, then the equality rows,
    // each with a non-negative right-hand side. Variables: 0..n-1 structural, then one slack per
    // at-most row, one surplus per at-least row, and one artificial per at-least and per
    // equality row, in row order.
    int m_n = 0;
    int m_m1 = 0; // at-most rows
    int m_m2 = 0; // at-least rows
    int m_m3 = 0; // equality rows
    // Structural columns: the non-zeros of column j are m_rowIndex/m_value[m_columnStart[j] ..
    // m_columnStart[j+1]).
    std::vector<std::size_t> m_columnStart;
    std::vector<int> m_rowIndex;
    std::vector<double> m_value;
    // The same non-zeros row by row: row i has m_columnIndex/m_rowValue[m_rowStart[i] ..
    // m_rowStart[i+1]).
    std::vector<std::size_t> m_rowStart;
    std::vector<int> m_columnIndex;
    std::vector<double> m_rowValue;
    std::vector<double> m_rhs;
    std::vector<double> m_objective; // as given, one per structural variable
    bool m_minimise = true;

    // Basis: per row, its basic variable and that variable's value. m_nonBasic holds the
    // variables that may still enter, in the column order of the compact tableau: the entering
    // variable's place goes to the leaving one, and artificials that leave are dropped.
    CIVector m_basic;
    CIVector m_nonBasic;
    std::vector<double> m_x;
    BasisInverse m_inverse;
    // Per variable: its place in m_nonBasic, or -1 while it is basic or dropped.
    std::vector<int> m_positionOf;
    // Per place in m_nonBasic: the gain of its variable in the current phase, kept up to date
    // pivot by pivot and recomputed at every refactorization.
    std::vector<double> m_gain;
    // Phase 1 only: per place in m_nonBasic, the devex weight of its variable (an estimate of
    // its edge's squared length, measured in the reference framework of the variables marked
    // in m_inReference).
    std::vector<double> m_weight;
    std::vector<char> m_inReference;
    Phase m_phase = Phase::One;
    bool m_trackGains = false;
    bool m_gainsFresh = false;
    std::vector<double> m_duals;
    std::vector<double> m_alpha;
    // Scratch of updateGains: row p of the basis inverse, and row p of the tableau over the
    // structural variables it touches.
    std::vector<double> m_rho;
    std::vector<double> m_pivotRow;
    std::vector<char> m_touched;
    std::vector<int> m_touchedList;

    std::vector<double> m_solution;
    double m_objectiveValue = 0.0;

    bool m_ready = false;
    Status m_status = Status::NotSolved;
    std::string m_message;
    long m_pivots = 0;
    long m_iterationLimit = 0;
    long m_activeLimit = 0;
    std::atomic<bool> m_stopRequested{false};
};

} // namespace LPLib
