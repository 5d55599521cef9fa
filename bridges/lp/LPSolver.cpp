#include "bridges/lp/LPSolver.hpp"

#include "platform/FatalError.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace LPLib {

namespace {

// Entries at or below this count as zero when choosing pivots: pivoting on rounding noise
// would blow the basis inverse up.
constexpr double kPivotTolerance = 1e-9;
// Phase 1 counts as feasible, and an artificial variable as movable, above this.
constexpr double kFeasibilityTolerance = 1e-4;
// Basic values this close to zero are set to zero, so degenerate ties stay exact.
constexpr double kZeroSnap = 1e-12;
// The basis is factorized afresh after this many exchanges, or sooner when the exchanges
// have added more non-zeros than the factorization and the basis size together.
constexpr int kRefactorInterval = 100;
// The gains kept up to date pivot by pivot are recomputed from scratch this often.
constexpr long kRepriceInterval = 100;
// Pricing looks at the stop request once per this many columns.
constexpr int kStopCheckInterval = 4096;

void requireFinite(double value, const char* what) {
    if (!std::isfinite(value))
        throw Platform::InternalError(std::string("LPSolver::Setup: ") + what + " is not finite");
}

void requireSpan(int size, int n, const char* what) {
    if (size > n)
        throw Platform::InternalError(std::string("LPSolver::Setup: ") + what + " has " +
                                      std::to_string(size) + " coefficients for " + std::to_string(n) +
                                      " variables");
}

double snapped(double value) {
    return std::fabs(value) < kZeroSnap ? 0.0 : value;
}

} // namespace

void LPSolver::Setup(const std::vector<const LPConstraint*>& constraints, int n,
                     const LPObjective& objective) {
    if (n < 0) throw Platform::InternalError("LPSolver::Setup: negative number of variables");
    requireSpan(objective.coefficients().GetSize(), n, "the objective");
    for (double c : objective.coefficients())
        requireFinite(c, "the objective");
    for (const LPConstraint* constraint : constraints) {
        if (constraint == nullptr) throw Platform::InternalError("LPSolver::Setup: null constraint");
        requireSpan(constraint->size(), n, "a constraint");
        for (const LPConstraint::Term& term : constraint->terms())
            requireFinite(term.coefficient, "a constraint");
        requireFinite(constraint->rightHandSide(), "a right-hand side");
    }

    m_n = n;
    std::vector<Row> atMost, atLeast, equal;
    for (const LPConstraint* constraint : constraints)
        classifyRow(*constraint, atMost, atLeast, equal);
    m_m1 = static_cast<int>(atMost.size());
    m_m2 = static_cast<int>(atLeast.size());
    m_m3 = static_cast<int>(equal.size());
    m_minimise = objective.minimise();
    m_objective.assign(static_cast<std::size_t>(n), 0.0);
    std::copy(objective.coefficients().begin(), objective.coefficients().end(), m_objective.begin());

    // The rows, transposed into columns.
    const auto un = static_cast<std::size_t>(n);
    m_columnStart.assign(un + 1, 0);
    m_rhs.clear();
    for (const auto* group : {&atMost, &atLeast, &equal})
        for (const Row& row : *group) {
            for (const LPConstraint::Term& term : row.terms)
                ++m_columnStart[static_cast<std::size_t>(term.index) + 1];
            m_rhs.push_back(row.rhs);
        }
    for (std::size_t j = 0; j < un; ++j)
        m_columnStart[j + 1] += m_columnStart[j];
    m_rowIndex.assign(m_columnStart[un], 0);
    m_value.assign(m_columnStart[un], 0.0);
    std::vector<std::size_t> fill(m_columnStart.begin(), m_columnStart.end() - 1);
    int rowNumber = 0;
    for (const auto* group : {&atMost, &atLeast, &equal})
        for (const Row& row : *group) {
            for (const LPConstraint::Term& term : row.terms) {
                const std::size_t at = fill[static_cast<std::size_t>(term.index)]++;
                m_rowIndex[at] = rowNumber;
                m_value[at] = term.coefficient;
            }
            ++rowNumber;
        }

    const auto m = static_cast<std::size_t>(rowCount());
    m_rowStart.assign(m + 1, 0);
    for (int i : m_rowIndex)
        ++m_rowStart[static_cast<std::size_t>(i) + 1];
    for (std::size_t i = 0; i < m; ++i)
        m_rowStart[i + 1] += m_rowStart[i];
    m_columnIndex.assign(m_rowIndex.size(), 0);
    m_rowValue.assign(m_rowIndex.size(), 0.0);
    std::vector<std::size_t> rowFill(m_rowStart.begin(), m_rowStart.end() - 1);
    for (std::size_t j = 0; j < un; ++j)
        for (std::size_t k = m_columnStart[j]; k < m_columnStart[j + 1]; ++k) {
            const std::size_t at = rowFill[static_cast<std::size_t>(m_rowIndex[k])]++;
            m_columnIndex[at] = static_cast<int>(j);
            m_rowValue[at] = m_value[k];
        }

    // Slack basis on the at-most rows, artificial basis on the others; the structural and
    // surplus variables start non-basic.
    m_basic.RemoveAll();
    for (int k = 0; k < m_m1; ++k)
        m_basic.Add(n + k);
    for (int k = 0; k < m_m2 + m_m3; ++k)
        m_basic.Add(n + m_m1 + m_m2 + k);
    m_nonBasic.RemoveAll();
    for (int j = 0; j < n; ++j)
        m_nonBasic.Add(j);
    for (int k = 0; k < m_m2; ++k)
        m_nonBasic.Add(n + m_m1 + k);
    m_positionOf.assign(static_cast<std::size_t>(n + rowCount() + m_m2), -1);
    for (int j = 0; j < m_nonBasic.GetSize(); ++j)
        m_positionOf[static_cast<std::size_t>(m_nonBasic[j])] = j;
    m_pivotRow.assign(un, 0.0);
    m_touched.assign(un, 0);

    m_solution.clear();
    m_objectiveValue = 0.0;
    m_status = Status::NotSolved;
    m_message.clear();
    m_pivots = 0;
    m_ready = true;
}

// Every row gets a non-negative right-hand side, so that the slack (or artificial) basis is
// feasible; an at-least row with right-hand side 0 becomes an at-most row and needs no
// artificial variable.
void LPSolver::classifyRow(const LPConstraint& constraint, std::vector<Row>& atMost,
                           std::vector<Row>& atLeast, std::vector<Row>& equal) const {
    Row row{constraint.terms(), constraint.rightHandSide()};
    char sense = constraint.sense();
    auto negate = [&row] {
        for (LPConstraint::Term& term : row.terms)
            term.coefficient = -term.coefficient + 0.0;
        row.rhs = -row.rhs + 0.0;
    };

    if (row.rhs < 0.0) {
        negate();
        if (sense == LPConstraint::kAtMost)
            sense = LPConstraint::kAtLeast;
        else if (sense == LPConstraint::kAtLeast)
            sense = LPConstraint::kAtMost;
    } else if (row.rhs == 0.0 && sense == LPConstraint::kAtLeast) {
        negate();
        sense = LPConstraint::kAtMost;
    }

    switch (sense) {
    case LPConstraint::kAtMost:
        atMost.push_back(std::move(row));
        break;
    case LPConstraint::kAtLeast:
        atLeast.push_back(std::move(row));
        break;
    case LPConstraint::kEqual:
        equal.push_back(std::move(row));
        break;
    default:
        break;
    }
}

void LPSolver::scatterColumn(int variable, std::vector<double>& v) const {
    if (variable < m_n) {
        const auto j = static_cast<std::size_t>(variable);
        for (std::size_t k = m_columnStart[j]; k < m_columnStart[j + 1]; ++k)
            v[static_cast<std::size_t>(m_rowIndex[k])] += m_value[k];
    } else if (variable < m_n + m_m1) {
        v[static_cast<std::size_t>(variable - m_n)] += 1.0; // slack
    } else if (variable < m_n + m_m1 + m_m2) {
        v[static_cast<std::size_t>(variable - m_n)] -= 1.0; // surplus of at-least row m1 + k
    } else {
        v[static_cast<std::size_t>(variable - m_n - m_m2)] += 1.0; // artificial of row m1 + k
    }
}

double LPSolver::dotColumn(int variable, const std::vector<double>& y) const {
    if (variable < m_n) {
        const auto j = static_cast<std::size_t>(variable);
        double sum = 0.0;
        for (std::size_t k = m_columnStart[j]; k < m_columnStart[j + 1]; ++k)
            sum += y[static_cast<std::size_t>(m_rowIndex[k])] * m_value[k];
        return sum;
    }
    if (variable < m_n + m_m1) return y[static_cast<std::size_t>(variable - m_n)];
    if (variable < m_n + m_m1 + m_m2) return -y[static_cast<std::size_t>(variable - m_n)];
    return y[static_cast<std::size_t>(variable - m_n - m_m2)];
}

// Phase 1 minimises the sum of the artificial variables, phase 2 the objective (negated when
// maximising).
double LPSolver::costOf(int variable, Phase phase) const {
    if (phase == Phase::One) return isArtificial(variable) ? 1.0 : 0.0;
    if (variable >= m_n) return 0.0;
    const double c = m_objective[static_cast<std::size_t>(variable)];
    return m_minimise ? c : -c;
}

bool LPSolver::Solve() {
    if (!m_ready) throw Platform::InternalError("LPSolver::Solve needs a Setup first");
    m_ready = false;
    m_pivots = 0;
    // As many pivots as 50 times the rows plus columns of the compact tableau.
    const long tableauRows = rowCount() + (m_m2 + m_m3 > 0 ? 2 : 1);
    const long tableauColumns = m_n + m_m2 + 1;
    m_activeLimit =
        m_iterationLimit > 0 ? m_iterationLimit : std::max(1000L, 50L * (tableauRows + tableauColumns));
    if (stopRequested()) return fail(Status::Stopped, "");
    m_trackGains = false;
    if (!refactor()) return false;
    if (m_m2 + m_m3 > 0 && !runPhaseOne()) return false;
    if (!runPhaseTwo()) return false;

    m_solution.assign(static_cast<std::size_t>(m_n), 0.0);
    for (int i = 0; i < rowCount(); ++i) {
        const int variable = m_basic[i];
        if (variable < m_n)
            m_solution[static_cast<std::size_t>(variable)] = std::max(0.0, m_x[static_cast<std::size_t>(i)]);
    }
    double value = 0.0;
    for (std::size_t j = 0; j < m_solution.size(); ++j)
        value += m_objective[j] * m_solution[j];
    m_objectiveValue = value + 0.0; // + 0.0 turns -0 into 0
    m_status = Status::Optimal;
    return true;
}

bool LPSolver::runPhaseOne() {
    int artificials = m_m2 + m_m3;
    m_phase = Phase::One;
    m_trackGains = true;
    resetWeights();
    if (!price()) return fail(Status::Stopped, "");
    Rule rule = Rule::Largest;
    while (artificials > 0) {
        const int q = chooseColumn(rule);
        if (q == kStopped) return fail(Status::Stopped, "");
        if (q == kNone) break;
        loadColumn(q);
        // The phase-1 objective is the sum of the artificial rows, so one of them has a
        // positive entry here unless rounding ate it.
        const int p = chooseRow(rule);
        if (p < 0) return fail(Status::Numerical, kNumericalText);
        const bool artificialLeaves = isArtificial(m_basic[p]);
        if (!step(p, q, rule)) return false;
        if (artificialLeaves) --artificials;
    }
    m_trackGains = false;
    double infeasibility = 0.0;
    for (int i = 0; i < rowCount(); ++i)
        if (isArtificial(m_basic[i])) infeasibility += m_x[static_cast<std::size_t>(i)];
    if (infeasibility > kFeasibilityTolerance) return fail(Status::Infeasible, kNoSolutionText);

    // Artificial variables still basic sit at (about) zero: exchange each for the first
    // variable with a usable entry in its row. A row without one is a combination of other
    // rows (a redundant equality): its artificial stays basic at zero, and no later pivot can
    // move it, since its row of the tableau is zero.
    std::vector<double> row;
    for (int p = 0; p < rowCount(); ++p) {
        if (!isArtificial(m_basic[p])) continue;
        if (stopRequested()) return fail(Status::Stopped, "");
        row.assign(static_cast<std::size_t>(rowCount()), 0.0);
        row[static_cast<std::size_t>(p)] = 1.0;
        m_inverse.btran(row);
        int q = kNone;
        for (int j = 0; j < m_nonBasic.GetSize() && q == kNone; ++j) {
            if (j % kStopCheckInterval == kStopCheckInterval - 1 && stopRequested())
                return fail(Status::Stopped, "");
            if (std::fabs(dotColumn(m_nonBasic[j], row)) > kFeasibilityTolerance) q = j;
        }
        if (q == kNone) continue;
        loadColumn(q);
        m_x[static_cast<std::size_t>(p)] = 0.0; // keeps the entering variable at zero, not at -noise
        Rule unused = Rule::Largest;
        if (!step(p, q, unused)) return false;
    }
    return true;
}

bool LPSolver::runPhaseTwo() {
    m_phase = Phase::Two;
    m_trackGains = true;
    if (!price()) return fail(Status::Stopped, "");
    Rule rule = Rule::Largest;
    for (;;) {
        const int q = chooseColumn(rule);
        if (q == kStopped) return fail(Status::Stopped, "");
        if (q == kNone) return true;
        loadColumn(q);
        const int p = chooseRow(rule);
        if (p < 0) return fail(Status::Unbounded, kUnboundedText);
        if (!step(p, q, rule)) return false;
    }
}

void LPSolver::loadColumn(int q) {
    m_alpha.assign(static_cast<std::size_t>(rowCount()), 0.0);
    scatterColumn(m_nonBasic[q], m_alpha);
    m_inverse.ftran(m_alpha);
}

void LPSolver::computeDuals(Phase phase) {
    m_duals.resize(static_cast<std::size_t>(rowCount()));
    for (int i = 0; i < rowCount(); ++i)
        m_duals[static_cast<std::size_t>(i)] = costOf(m_basic[i], phase);
    m_inverse.btran(m_duals);
}

bool LPSolver::price() {
    computeDuals(m_phase);
    const int count = m_nonBasic.GetSize();
    m_gain.resize(static_cast<std::size_t>(count));
    for (int j = 0; j < count; ++j) {
        if (j % kStopCheckInterval == kStopCheckInterval - 1 && stopRequested()) return false;
        m_gain[static_cast<std::size_t>(j)] = gain(m_nonBasic[j], m_phase);
    }
    m_gainsFresh = true;
    return true;
}

void LPSolver::resetWeights() {
    m_weight.assign(static_cast<std::size_t>(m_nonBasic.GetSize()), 1.0);
    m_inReference.assign(m_positionOf.size(), 0);
    for (int variable : m_nonBasic)
        m_inReference[static_cast<std::size_t>(variable)] = 1;
}

// The gain of non-basic variable j drops by (gain of the entering variable) times the pivot
// row's entry in column j over the pivot; the leaving variable takes the entering one's place
// with minus the entering gain over the pivot. Devex weights (Forrest and Goldfarb) grow to at
// least (entry over pivot)^2 times the entering weight.
void LPSolver::updateGains(int p, int q) {
    const auto m = static_cast<std::size_t>(rowCount());
    const auto uq = static_cast<std::size_t>(q);
    const double pivot = m_alpha[static_cast<std::size_t>(p)];
    const double factor = m_gain[uq] / pivot;
    double ratioWeight = 0.0; // entering weight over pivot^2; 0 in phase 2
    if (m_phase == Phase::One) {
        // The entering weight is known exactly from its column: measure it, and let the
        // estimate only grow.
        double exact = m_inReference[static_cast<std::size_t>(m_nonBasic[q])] ? 1.0 : 0.0;
        for (std::size_t i = 0; i < m; ++i)
            if (m_alpha[i] != 0.0 && m_inReference[static_cast<std::size_t>(m_basic[static_cast<int>(i)])])
                exact += m_alpha[i] * m_alpha[i];
        m_weight[uq] = std::max(m_weight[uq], exact);
        ratioWeight = m_weight[uq] / (pivot * pivot);
    }

    m_rho.assign(m, 0.0);
    m_rho[static_cast<std::size_t>(p)] = 1.0;
    m_inverse.btran(m_rho);
    m_touchedList.clear();
    const auto logicalRows = static_cast<std::size_t>(m_m1 + m_m2);
    const int* positionOf = m_positionOf.data();
    double* gains = m_gain.data();
    for (std::size_t i = 0; i < m; ++i) {
        const double r = m_rho[i];
        if (r == 0.0) continue;
        if (m_phase == Phase::Two) {
            // Without weights the update is linear in the row entries: no need to add them up
            // per column first.
            const double scaled = factor * r;
            for (std::size_t k = m_rowStart[i]; k < m_rowStart[i + 1]; ++k) {
                const int position = positionOf[m_columnIndex[k]];
                if (position >= 0) gains[position] -= scaled * m_rowValue[k];
            }
        } else {
            for (std::size_t k = m_rowStart[i]; k < m_rowStart[i + 1]; ++k) {
                const auto j = static_cast<std::size_t>(m_columnIndex[k]);
                if (!m_touched[j]) {
                    m_touched[j] = 1;
                    m_pivotRow[j] = 0.0;
                    m_touchedList.push_back(m_columnIndex[k]);
                }
                m_pivotRow[j] += r * m_rowValue[k];
            }
        }
        // The slack or surplus of row i is variable n + i.
        if (i < logicalRows) {
            const int position = m_positionOf[static_cast<std::size_t>(m_n) + i];
            if (position >= 0 && position != q)
                updateGain(position, i < static_cast<std::size_t>(m_m1) ? r : -r, factor, ratioWeight);
        }
    }
    for (int variable : m_touchedList) {
        const auto j = static_cast<std::size_t>(variable);
        m_touched[j] = 0;
        const int position = m_positionOf[j];
        if (position >= 0 && position != q) updateGain(position, m_pivotRow[j], factor, ratioWeight);
    }
    m_gain[uq] = -factor;
    if (m_phase == Phase::One) m_weight[uq] = std::max(ratioWeight, 1.0);
    m_gainsFresh = false;
}

void LPSolver::updateGain(int position, double a, double factor, double ratioWeight) {
    const auto at = static_cast<std::size_t>(position);
    m_gain[at] -= factor * a;
    if (ratioWeight > 0.0) m_weight[at] = std::max(m_weight[at], a * a * ratioWeight);
}

namespace {

// Score of place j for the largest rule: its gain, or its gain squared over its weight; 0 when
// it does not improve.
inline double score(const double* gains, const double* weights, int j) {
    const double g = gains[j];
    if (g <= kPivotTolerance) return 0.0;
    return weights != nullptr ? g * g / weights[j] : g;
}

// The place in [from, to) of the largest score, the lowest on ties; kNone when none improves.
// The largest score is found first with four independent running maxima (one chain of
// comparisons would make every step wait for the one before), then its first place.
int largestScore(const double* gains, const double* weights, int from, int to) {
    double m0 = 0.0, m1 = 0.0, m2 = 0.0, m3 = 0.0;
    int j = from;
    if (weights == nullptr) {
        for (; j + 4 <= to; j += 4) {
            m0 = std::max(m0, gains[j]);
            m1 = std::max(m1, gains[j + 1]);
            m2 = std::max(m2, gains[j + 2]);
            m3 = std::max(m3, gains[j + 3]);
        }
    } else {
        for (; j + 4 <= to; j += 4) {
            m0 = std::max(m0, score(gains, weights, j));
            m1 = std::max(m1, score(gains, weights, j + 1));
            m2 = std::max(m2, score(gains, weights, j + 2));
            m3 = std::max(m3, score(gains, weights, j + 3));
        }
    }
    double top = std::max(std::max(m0, m1), std::max(m2, m3));
    for (; j < to; ++j)
        top = std::max(top, score(gains, weights, j));
    if (weights == nullptr && top <= kPivotTolerance) return -1;
    if (top <= 0.0) return -1;
    if (weights == nullptr) {
        for (j = from; j < to; ++j)
            if (gains[j] == top) return j;
    } else {
        for (j = from; j < to; ++j)
            if (score(gains, weights, j) == top) return j;
    }
    return -1;
}

// The place in [from, to) of the improving variable with the smallest number; kNone when none.
int smallestImproving(const int* variables, const double* gains, int from, int to) {
    int best = -1;
    for (int j = from; j < to; ++j)
        if (gains[j] > kPivotTolerance && (best < 0 || variables[j] < variables[best])) best = j;
    return best;
}

} // namespace

// Largest rule: the largest (weighted) gain, ties to the lowest column. Smallest-index rule (Bland): the
// improving variable with the smallest number.
int LPSolver::chooseColumn(Rule rule) {
    for (;;) {
        const int count = m_nonBasic.GetSize();
        const int* variables = m_nonBasic.GetData();
        const double* gains = m_gain.data();
        const double* weights = m_phase == Phase::One ? m_weight.data() : nullptr;
        int best = kNone;
        // Over blocks, so that the stop request is looked at now and then.
        for (int from = 0; from < count; from += kStopCheckInterval) {
            if (from > 0 && stopRequested()) return kStopped;
            const int to = std::min(count, from + kStopCheckInterval);
            const int found = rule == Rule::SmallestIndex ? smallestImproving(variables, gains, from, to)
                              : weights != nullptr        ? largestScore(gains, weights, from, to)
                                                          : largestScore(gains, nullptr, from, to);
            if (found == kNone) continue;
            if (best == kNone) {
                best = found;
            } else if (rule == Rule::SmallestIndex) {
                if (variables[found] < variables[best]) best = found;
            } else if (score(gains, weights, found) > score(gains, weights, best)) {
                best = found;
            }
        }
        if (best != kNone || m_gainsFresh) return best;
        if (!price()) return kStopped;
    }
}

// Minimum ratio test; ties go to the lowest row, or under Bland's rule to the row whose basic
// variable has the smallest number. In phase 2 an artificial variable left basic at zero
// leaves as soon as the entering column touches its row, whatever the sign, so that it stays
// at zero.
int LPSolver::chooseRow(Rule rule) const {
    const int* variables = m_basic.GetData();
    int best = kNone;
    double bestRatio = std::numeric_limits<double>::max();
    for (int i = 0; i < rowCount(); ++i) {
        const double entry = m_alpha[static_cast<std::size_t>(i)];
        double ratio;
        if (m_phase == Phase::Two && isArtificial(variables[i])) {
            if (std::fabs(entry) <= kPivotTolerance) continue;
            ratio = 0.0;
        } else {
            if (entry <= kPivotTolerance) continue;
            ratio = std::max(0.0, m_x[static_cast<std::size_t>(i)]) / entry;
        }
        if (best == kNone || ratio < bestRatio ||
            (rule == Rule::SmallestIndex && ratio == bestRatio && variables[i] < variables[best])) {
            best = i;
            bestRatio = ratio;
        }
    }
    return best;
}

bool LPSolver::step(int p, int q, Rule& rule) {
    if (stopRequested()) return fail(Status::Stopped, "");
    if (m_pivots >= m_activeLimit) return fail(Status::IterationLimit, kIterationLimitText);
    if (m_trackGains) updateGains(p, q);
    const auto up = static_cast<std::size_t>(p);
    // A pivot on a zero basic value leaves the objective where it is; while that goes on, the
    // smallest-index rule guarantees that no basis repeats.
    const bool degenerate = m_x[up] <= kPivotTolerance;
    const double theta = m_x[up] / m_alpha[up];
    for (std::size_t i = 0; i < m_x.size(); ++i)
        if (m_alpha[i] != 0.0) m_x[i] = snapped(m_x[i] - theta * m_alpha[i]);
    m_x[up] = snapped(theta) + 0.0;
    m_inverse.update(p, m_alpha);
    ++m_pivots;

    const int entering = m_nonBasic[q];
    const int leaving = m_basic[p];
    m_basic[p] = entering;
    m_positionOf[static_cast<std::size_t>(entering)] = -1;
    if (isArtificial(leaving)) {
        // Artificials never come back: the place closes up.
        m_nonBasic.RemoveAt(q);
        for (std::vector<double>* perPlace : {&m_gain, &m_weight})
            if (q < static_cast<int>(perPlace->size()))
                perPlace->erase(perPlace->begin() + static_cast<std::ptrdiff_t>(q));
        for (int j = q; j < m_nonBasic.GetSize(); ++j)
            m_positionOf[static_cast<std::size_t>(m_nonBasic[j])] = j;
    } else {
        m_nonBasic[q] = leaving;
        m_positionOf[static_cast<std::size_t>(leaving)] = q;
    }
    rule = degenerate ? Rule::SmallestIndex : Rule::Largest;
    if (m_inverse.updateCount() >= kRefactorInterval ||
        m_inverse.updateNonZeros() > m_inverse.factorNonZeros() + static_cast<std::size_t>(rowCount())) {
        if (!refactor()) return false;
    }
    // The gains drift with rounding: they are recomputed now and then.
    if (m_trackGains && m_pivots % kRepriceInterval == 0 && !price()) return fail(Status::Stopped, "");
    return true;
}

bool LPSolver::refactor() {
    BasisInverse::Columns basis;
    for (int i = 0; i < rowCount(); ++i) {
        const int variable = m_basic[i];
        if (variable < m_n) {
            const auto j = static_cast<std::size_t>(variable);
            for (std::size_t k = m_columnStart[j]; k < m_columnStart[j + 1]; ++k) {
                basis.index.push_back(m_rowIndex[k]);
                basis.value.push_back(m_value[k]);
            }
        } else {
            // Slack, surplus and artificial columns are signed unit vectors.
            const int row = variable < m_n + m_m1 + m_m2 ? variable - m_n : variable - m_n - m_m2;
            basis.index.push_back(row);
            basis.value.push_back(variable >= m_n + m_m1 && variable < m_n + m_m1 + m_m2 ? -1.0 : 1.0);
        }
        basis.start.push_back(basis.index.size());
    }
    switch (m_inverse.factorize(basis, m_stopRequested)) {
    case BasisInverse::Result::Stopped:
        return fail(Status::Stopped, "");
    case BasisInverse::Result::Singular:
        return fail(Status::Numerical, kNumericalText);
    case BasisInverse::Result::Ok:
        break;
    }
    m_x = m_rhs;
    m_inverse.ftran(m_x);
    for (double& x : m_x)
        x = snapped(x);
    return true;
}

bool LPSolver::fail(Status status, const char* text) {
    m_status = status;
    m_message = text;
    m_solution.clear();
    m_objectiveValue = 0.0;
    return false;
}

} // namespace LPLib
