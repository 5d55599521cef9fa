#include "bridges/lp/BasisInverse.hpp"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace LPLib {

namespace {

// A pivot this small (after elimination) means the basis is singular in all but rounding.
constexpr double kSingularTolerance = 1e-11;

} // namespace

void BasisInverse::clear(int m) {
    m_etaRow.clear();
    m_etaPivot.clear();
    m_etaStart.assign(1, 0);
    m_entryIndex.clear();
    m_entryValue.clear();
    m_factorSteps = 0;
    m_factorEntries = 0;
    m_pivotRowOf.assign(static_cast<std::size_t>(m), -1);
    m_work.assign(static_cast<std::size_t>(m), 0.0);
}

// Gauss-Jordan elimination in product form. Rows with a single non-zero among the columns not
// yet eliminated are taken first, with that column: such a column has zeros in every row
// eliminated before it, so none of the earlier steps touches it and it adds no fill. Bases of
// network problems (transportation, assignment) are triangular and go this way entirely. What
// is left is eliminated with partial pivoting, sparsest column first.
BasisInverse::Result BasisInverse::factorize(const Columns& basis, const std::atomic<bool>& stop) {
    const int m = basis.count();
    clear(m);
    const auto um = static_cast<std::size_t>(m);

    // Row-wise lists of the basis' non-zeros, and their counts among the open columns.
    std::vector<int> rowCount(um, 0);
    for (int i : basis.index)
        ++rowCount[static_cast<std::size_t>(i)];
    std::vector<std::size_t> rowStart(um + 1, 0);
    for (std::size_t i = 0; i < um; ++i)
        rowStart[i + 1] = rowStart[i] + static_cast<std::size_t>(rowCount[i]);
    std::vector<int> rowColumns(basis.index.size());
    {
        std::vector<std::size_t> fill(rowStart.begin(), rowStart.end() - 1);
        for (int j = 0; j < m; ++j)
            for (std::size_t k = basis.start[static_cast<std::size_t>(j)];
                 k < basis.start[static_cast<std::size_t>(j) + 1]; ++k)
                rowColumns[fill[static_cast<std::size_t>(basis.index[k])]++] = j;
    }

    std::vector<char> rowDone(um, 0), columnDone(um, 0);
    std::vector<double> v(um, 0.0);
    auto eliminate = [&](int column, int row) {
        const auto c = static_cast<std::size_t>(column);
        m_pivotRowOf[c] = row;
        rowDone[static_cast<std::size_t>(row)] = 1;
        columnDone[c] = 1;
        for (std::size_t k = basis.start[c]; k < basis.start[c + 1]; ++k)
            --rowCount[static_cast<std::size_t>(basis.index[k])];
    };

    std::vector<int> singletons;
    for (int i = 0; i < m; ++i)
        if (rowCount[static_cast<std::size_t>(i)] == 1) singletons.push_back(i);
    while (!singletons.empty()) {
        const int r = singletons.back();
        singletons.pop_back();
        const auto ur = static_cast<std::size_t>(r);
        if (rowDone[ur] || rowCount[ur] != 1) continue;
        int column = -1;
        for (std::size_t k = rowStart[ur]; k < rowStart[ur + 1] && column < 0; ++k)
            if (!columnDone[static_cast<std::size_t>(rowColumns[k])]) column = rowColumns[k];
        const auto c = static_cast<std::size_t>(column);
        double pivot = 0.0;
        for (std::size_t k = basis.start[c]; k < basis.start[c + 1]; ++k)
            if (basis.index[k] == r) pivot += basis.value[k];
        if (std::fabs(pivot) <= kSingularTolerance) continue; // left to the elimination below
        addColumnStep(r, pivot, basis, c);
        eliminate(column, r);
        for (std::size_t k = basis.start[c]; k < basis.start[c + 1]; ++k) {
            const int i = basis.index[k];
            if (!rowDone[static_cast<std::size_t>(i)] && rowCount[static_cast<std::size_t>(i)] == 1)
                singletons.push_back(i);
        }
    }

    std::vector<int> rest;
    for (int j = 0; j < m; ++j)
        if (!columnDone[static_cast<std::size_t>(j)]) rest.push_back(j);
    std::stable_sort(rest.begin(), rest.end(), [&](int a, int b) {
        const auto ua = static_cast<std::size_t>(a), ub = static_cast<std::size_t>(b);
        return basis.start[ua + 1] - basis.start[ua] < basis.start[ub + 1] - basis.start[ub];
    });
    for (int column : rest) {
        if (stop.load(std::memory_order_relaxed)) return Result::Stopped;
        const auto c = static_cast<std::size_t>(column);
        for (std::size_t k = basis.start[c]; k < basis.start[c + 1]; ++k)
            v[static_cast<std::size_t>(basis.index[k])] += basis.value[k];
        for (std::size_t k = 0; k < m_etaRow.size(); ++k)
            applyStep(k, v);
        int r = -1;
        double best = kSingularTolerance;
        for (int i = 0; i < m; ++i) {
            const double a = std::fabs(v[static_cast<std::size_t>(i)]);
            if (!rowDone[static_cast<std::size_t>(i)] && a > best) {
                best = a;
                r = i;
            }
        }
        if (r < 0) return Result::Singular;
        addStep(r, v);
        std::fill(v.begin(), v.end(), 0.0);
        eliminate(column, r);
    }
    m_factorSteps = static_cast<int>(m_etaRow.size());
    m_factorEntries = m_entryIndex.size();
    return Result::Ok;
}

void BasisInverse::addStep(int r, const std::vector<double>& v) {
    const double a = v[static_cast<std::size_t>(r)];
    bool unit = a == 1.0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] == 0.0 || static_cast<int>(i) == r) continue;
        m_entryIndex.push_back(static_cast<int>(i));
        m_entryValue.push_back(-v[i] / a);
        unit = false;
    }
    if (unit) return; // the identity: nothing to keep
    m_etaRow.push_back(r);
    m_etaPivot.push_back(1.0 / a);
    m_etaStart.push_back(m_entryIndex.size());
}

void BasisInverse::addColumnStep(int r, double a, const Columns& basis, std::size_t c) {
    bool unit = a == 1.0;
    for (std::size_t k = basis.start[c]; k < basis.start[c + 1]; ++k) {
        if (basis.index[k] == r || basis.value[k] == 0.0) continue;
        m_entryIndex.push_back(basis.index[k]);
        m_entryValue.push_back(-basis.value[k] / a);
        unit = false;
    }
    if (unit) return;
    m_etaRow.push_back(r);
    m_etaPivot.push_back(1.0 / a);
    m_etaStart.push_back(m_entryIndex.size());
}

void BasisInverse::applyStep(std::size_t k, std::vector<double>& v) const {
    const auto r = static_cast<std::size_t>(m_etaRow[k]);
    const double t = v[r];
    if (t == 0.0) return;
    v[r] = t * m_etaPivot[k];
    for (std::size_t e = m_etaStart[k]; e < m_etaStart[k + 1]; ++e)
        v[static_cast<std::size_t>(m_entryIndex[e])] += m_entryValue[e] * t;
}

void BasisInverse::applyStepTransposed(std::size_t k, std::vector<double>& u) const {
    const auto r = static_cast<std::size_t>(m_etaRow[k]);
    double s = u[r] * m_etaPivot[k];
    for (std::size_t e = m_etaStart[k]; e < m_etaStart[k + 1]; ++e)
        s += m_entryValue[e] * u[static_cast<std::size_t>(m_entryIndex[e])];
    u[r] = s;
}

void BasisInverse::ftran(std::vector<double>& v) const {
    const auto factorSteps = static_cast<std::size_t>(m_factorSteps);
    for (std::size_t k = 0; k < factorSteps; ++k)
        applyStep(k, v);
    for (std::size_t j = 0; j < m_pivotRowOf.size(); ++j)
        m_work[j] = v[static_cast<std::size_t>(m_pivotRowOf[j])];
    v.swap(m_work);
    for (std::size_t k = factorSteps; k < m_etaRow.size(); ++k)
        applyStep(k, v);
}

void BasisInverse::btran(std::vector<double>& u) const {
    const auto factorSteps = static_cast<std::size_t>(m_factorSteps);
    for (std::size_t k = m_etaRow.size(); k > factorSteps; --k)
        applyStepTransposed(k - 1, u);
    for (std::size_t j = 0; j < m_pivotRowOf.size(); ++j)
        m_work[static_cast<std::size_t>(m_pivotRowOf[j])] = u[j];
    u.swap(m_work);
    for (std::size_t k = factorSteps; k > 0; --k)
        applyStepTransposed(k - 1, u);
}

void BasisInverse::update(int p, const std::vector<double>& alpha) {
    addStep(p, alpha);
}

} // namespace LPLib
