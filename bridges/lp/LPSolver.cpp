#include "bridges/lp/LPSolver.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace LPLib {

namespace {

// Entries at or below this count as zero when choosing pivots: pivoting on rounding noise
// would blow the tableau up.
constexpr double kPivotTolerance = 1e-9;
// Phase 1 counts as feasible, and an artificial variable as movable, above this.
constexpr double kFeasibilityTolerance = 1e-4;
// Right-hand sides this close to zero are set to zero, so degenerate ties stay exact.
constexpr double kZeroSnap = 1e-12;

void requireFinite(double value, const char* what) {
    if (!std::isfinite(value))
        throw Platform::InternalError(std::string("LPSolver::Setup: ") + what + " is not finite");
}

void requireFits(const CVector& coefficients, int n, const char* what) {
    if (coefficients.GetSize() > n)
        throw Platform::InternalError(std::string("LPSolver::Setup: ") + what + " has " +
                                      std::to_string(coefficients.GetSize()) + " coefficients for " +
                                      std::to_string(n) + " variables");
    for (double c : coefficients)
        requireFinite(c, what);
}

} // namespace

void LPSolver::Setup(const std::vector<const LPConstraint*>& constraints, int n,
                     const LPObjective& objective) {
    if (n < 0) throw Platform::InternalError("LPSolver::Setup: negative number of variables");
    requireFits(objective.coefficients(), n, "the objective");
    for (const LPConstraint* constraint : constraints) {
        if (constraint == nullptr) throw Platform::InternalError("LPSolver::Setup: null constraint");
        requireFits(constraint->coefficients(), n, "a constraint");
        requireFinite(constraint->rightHandSide(), "a right-hand side");
    }

    m_n = n;
    std::vector<CVector> atMost;
    std::vector<CVector> atLeast;
    for (const LPConstraint* constraint : constraints)
        classifyRow(*constraint, atMost, atLeast);
    m_m1 = static_cast<int>(atMost.size());
    m_m2 = static_cast<int>(atLeast.size());
    m_minimise = objective.minimise();

    const int constraintRows = m_m1 + m_m2;
    const int rows = constraintRows + (m_m2 > 0 ? 2 : 1);
    const int columns = n + m_m2 + 1;
    m_tableau.resize(0, 0);
    m_tableau.resize(rows, columns);
    const int rhs = columns - 1;

    for (int k = 0; k < m_m1; ++k) {
        for (int j = 0; j < n; ++j)
            m_tableau(k, j) = atMost[k][j];
        m_tableau(k, rhs) = atMost[k][n];
    }
    for (int k = 0; k < m_m2; ++k) {
        const int row = m_m1 + k;
        for (int j = 0; j < n; ++j)
            m_tableau(row, j) = atLeast[k][j];
        m_tableau(row, n + k) = -1.0;
        m_tableau(row, rhs) = atLeast[k][n];
    }
    if (m_m2 > 0) {
        const int phaseRow = constraintRows;
        for (int k = 0; k < m_m2; ++k) {
            for (int j = 0; j < n; ++j)
                m_tableau(phaseRow, j) += atLeast[k][j];
            m_tableau(phaseRow, n + k) = -1.0;
            m_tableau(phaseRow, rhs) += atLeast[k][n];
        }
    }
    const int objectiveRow = rows - 1;
    const CVector& c = objective.coefficients();
    for (int j = 0; j < c.GetSize(); ++j)
        m_tableau(objectiveRow, j) = m_minimise ? -c[j] : c[j];

    m_basic.RemoveAll();
    for (int k = 0; k < m_m1; ++k)
        m_basic.Add(n + k);
    for (int k = 0; k < m_m2; ++k)
        m_basic.Add(n + m_m1 + m_m2 + k);
    m_nonBasic.RemoveAll();
    for (int j = 0; j < n; ++j)
        m_nonBasic.Add(j);
    for (int k = 0; k < m_m2; ++k)
        m_nonBasic.Add(n + m_m1 + k);

    m_solution.clear();
    m_objectiveValue = 0.0;
    m_status = Status::NotSolved;
    m_message.clear();
    m_pivots = 0;
    m_ready = true;
}

// Rows are kept with the right-hand side as entry n, so that every at-most and at-least row
// has a non-negative right-hand side and the slack (or artificial) basis is feasible.
void LPSolver::classifyRow(const LPConstraint& constraint, std::vector<CVector>& atMost,
                           std::vector<CVector>& atLeast) const {
    CVector row(m_n + 1);
    const CVector& coefficients = constraint.coefficients();
    for (int j = 0; j < coefficients.GetSize(); ++j)
        row[j] = coefficients[j];
    row[m_n] = constraint.rightHandSide();
    char sense = constraint.sense();
    auto negate = [](CVector& v) {
        for (double& x : v)
            x = -x + 0.0;
    };

    if (row[m_n] < 0.0) {
        negate(row);
        if (sense == LPConstraint::kAtMost)
            sense = LPConstraint::kAtLeast;
        else if (sense == LPConstraint::kAtLeast)
            sense = LPConstraint::kAtMost;
    } else if (row[m_n] == 0.0 && sense == LPConstraint::kAtLeast) {
        negate(row);
        sense = LPConstraint::kAtMost;
    }

    switch (sense) {
    case LPConstraint::kAtMost:
        atMost.push_back(row);
        break;
    case LPConstraint::kAtLeast:
        atLeast.push_back(row);
        break;
    case LPConstraint::kEqual:
        atMost.push_back(row);
        if (row[m_n] == 0.0) {
            negate(row);
            atMost.push_back(row);
        } else {
            atLeast.push_back(row);
        }
        break;
    default:
        break;
    }
}

bool LPSolver::Solve() {
    if (!m_ready) throw Platform::InternalError("LPSolver::Solve needs a Setup first");
    m_ready = false;
    m_pivots = 0;
    m_activeLimit = m_iterationLimit > 0
                        ? m_iterationLimit
                        : std::max(1000L, 50L * (m_tableau.rows() + static_cast<long>(m_tableau.columns())));
    if (m_stopRequested.load(std::memory_order_relaxed)) return fail(Status::Stopped, "");
    if (m_m2 > 0 && !runPhaseOne()) return false;
    if (!runPhaseTwo()) return false;

    const int rhs = rhsColumn();
    m_solution.assign(static_cast<std::size_t>(m_n), 0.0);
    for (int i = 0; i < m_basic.GetSize(); ++i) {
        const int variable = m_basic[i];
        if (variable < m_n) m_solution[static_cast<std::size_t>(variable)] = std::max(0.0, m_tableau(i, rhs));
    }
    const double value = m_tableau(m_tableau.rows() - 1, rhs);
    m_objectiveValue = (m_minimise ? value : -value) + 0.0; // + 0.0 turns -0 into 0
    m_status = Status::Optimal;
    return true;
}

bool LPSolver::runPhaseOne() {
    const int phaseRow = m_basic.GetSize();
    int artificials = m_m2;
    Rule rule = Rule::Largest;
    while (artificials > 0) {
        const int q = chooseColumn(phaseRow, rhsColumn(), rule);
        if (q < 0) break;
        // The phase-1 row is the sum of the artificial rows, so one of them has a positive
        // entry here unless rounding ate it.
        const int p = chooseRow(m_basic.GetSize(), q, rule);
        if (p < 0) return fail(Status::Numerical, kNumericalText);
        if (!step(p, q, rule)) return false;
        if (isArtificial(m_nonBasic[q])) {
            m_tableau.removeColumn(q);
            m_nonBasic.RemoveAt(q);
            --artificials;
        }
    }
    if (m_tableau(phaseRow, rhsColumn()) > kFeasibilityTolerance)
        return fail(Status::Infeasible, kNoSolutionText);

    // Artificial variables still basic sit at (about) zero: exchange each for any variable
    // with a usable entry in its row. The slack and surplus columns give the rows full rank,
    // so such an entry exists unless rounding ate it.
    while (artificials > 0) {
        int p = -1;
        int q = -1;
        for (int i = 0; i < m_basic.GetSize() && p < 0; ++i) {
            if (!isArtificial(m_basic[i])) continue;
            const double* row = m_tableau.rowData(i);
            for (int j = 0; j < rhsColumn(); ++j) {
                if (std::fabs(row[j]) > kFeasibilityTolerance) {
                    p = i;
                    q = j;
                    break;
                }
            }
        }
        if (p < 0) return fail(Status::Numerical, kNumericalText);
        m_tableau(p, rhsColumn()) = 0.0; // keeps the entering variable at zero, not at -noise
        Rule unused = Rule::Largest;
        if (!step(p, q, unused)) return false;
        m_tableau.removeColumn(q);
        m_nonBasic.RemoveAt(q);
        --artificials;
    }
    m_tableau.removeRow(phaseRow);
    return true;
}

bool LPSolver::runPhaseTwo() {
    const int objectiveRow = m_tableau.rows() - 1;
    Rule rule = Rule::Largest;
    for (;;) {
        const int q = chooseColumn(objectiveRow, rhsColumn(), rule);
        if (q < 0) return true;
        const int p = chooseRow(m_basic.GetSize(), q, rule);
        if (p < 0) return fail(Status::Unbounded, kUnboundedText);
        if (!step(p, q, rule)) return false;
    }
}

// Largest rule: the largest positive entry, ties to the lowest column. Smallest-index rule
// (Bland): the positive entry whose variable has the smallest number.
int LPSolver::chooseColumn(int row, int columnCount, Rule rule) const {
    const double* entries = m_tableau.rowData(row);
    int best = -1;
    if (rule == Rule::Largest) {
        double bestValue = kPivotTolerance;
        for (int j = 0; j < columnCount; ++j) {
            if (entries[j] > bestValue) {
                bestValue = entries[j];
                best = j;
            }
        }
    } else {
        const int* variables = m_nonBasic.GetData();
        for (int j = 0; j < columnCount; ++j) {
            if (entries[j] > kPivotTolerance && (best < 0 || variables[j] < variables[best])) best = j;
        }
    }
    return best;
}

// Minimum ratio test; ties go to the lowest row, or under Bland's rule to the row whose basic
// variable has the smallest number.
int LPSolver::chooseRow(int rowCount, int column, Rule rule) const {
    const int rhs = rhsColumn();
    const int* variables = m_basic.GetData();
    int best = -1;
    double bestRatio = std::numeric_limits<double>::max();
    for (int i = 0; i < rowCount; ++i) {
        const double* row = m_tableau.rowData(i);
        const double entry = row[column];
        if (entry <= kPivotTolerance) continue;
        const double ratio = std::max(0.0, row[rhs]) / entry;
        if (best < 0 || ratio < bestRatio ||
            (rule == Rule::SmallestIndex && ratio == bestRatio && variables[i] < variables[best])) {
            best = i;
            bestRatio = ratio;
        }
    }
    return best;
}

bool LPSolver::step(int p, int q, Rule& rule) {
    if (m_stopRequested.load(std::memory_order_relaxed)) return fail(Status::Stopped, "");
    if (m_pivots >= m_activeLimit) return fail(Status::IterationLimit, kIterationLimitText);
    // A pivot on a zero right-hand side leaves the objective where it is; while that goes on,
    // the smallest-index rule guarantees that no basis repeats.
    const bool degenerate = m_tableau(p, rhsColumn()) <= kPivotTolerance;
    pivot(p, q);
    ++m_pivots;
    std::swap(m_basic[p], m_nonBasic[q]);
    rule = degenerate ? Rule::SmallestIndex : Rule::Largest;
    return true;
}

void LPSolver::pivot(int p, int q) {
    const int rows = m_tableau.rows();
    const int columns = m_tableau.columns();
    const int rhs = columns - 1;
    const int constraintRows = m_basic.GetSize();
    double* pivotRow = m_tableau.rowData(p);
    const double a = pivotRow[q];
    // Tableaus of structured problems are mostly zeros: only the pivot row's non-zero
    // columns change the other rows.
    m_pivotColumns.clear();
    for (int j = 0; j < columns; ++j)
        if (pivotRow[j] != 0.0 && j != q) m_pivotColumns.push_back(j);
    for (int i = 0; i < rows; ++i) {
        if (i == p) continue;
        double* row = m_tableau.rowData(i);
        const double factor = row[q] / a;
        if (factor != 0.0) {
            for (int j : m_pivotColumns)
                row[j] -= factor * pivotRow[j];
            row[q] = -factor;
        }
        if (i < constraintRows && std::fabs(row[rhs]) < kZeroSnap) row[rhs] = 0.0;
    }
    for (int j = 0; j < columns; ++j)
        pivotRow[j] /= a;
    pivotRow[q] = 1.0 / a;
    if (std::fabs(pivotRow[rhs]) < kZeroSnap) pivotRow[rhs] = 0.0;
}

bool LPSolver::fail(Status status, const char* text) {
    m_status = status;
    m_message = text;
    m_solution.clear();
    m_objectiveValue = 0.0;
    return false;
}

} // namespace LPLib
