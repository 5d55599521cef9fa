#pragma once
// The inverse of a simplex basis in product form (Dantzig and Orchard-Hays):
//   B^-1 = U_k ... U_1 P F_f ... F_1,
// where F_1..F_f are the elimination steps of the last factorization, P puts every basis
// column back in its own position, and U_1..U_k are one step per basis exchange since then.
// Each step is an elementary matrix that differs from the identity in one column, of which
// only the non-zeros are kept, so the whole stays as sparse as the basis allows.

#include <atomic>
#include <cstddef>
#include <vector>

namespace LPLib {

class BasisInverse {
public:
    // Columns of an m x m matrix, compressed: the non-zeros of column j are
    // index[start[j] .. start[j+1]) (row numbers) with value[...]; start has m + 1 entries.
    struct Columns {
        std::vector<std::size_t> start{0};
        std::vector<int> index;
        std::vector<double> value;
        int count() const { return static_cast<int>(start.size()) - 1; }
    };

    enum class Result { Ok, Singular, Stopped };

    // Replaces the inverse by that of the basis whose position j holds columns column j, and
    // drops every update. Singular when no usable pivot is left for some column; Stopped when
    // stop was set meanwhile (the inverse is then unusable until the next factorize).
    [[nodiscard]] Result factorize(const Columns& basis, const std::atomic<bool>& stop);

    // v := B^-1 v (v has one entry per row).
    void ftran(std::vector<double>& v) const;
    // u := u B^-1, u a row vector with one entry per basis position.
    void btran(std::vector<double>& u) const;
    // The basis column at position p is replaced by a column whose ftran is alpha; alpha[p]
    // must not be 0.
    void update(int p, const std::vector<double>& alpha);

    int size() const { return static_cast<int>(m_pivotRowOf.size()); }
    // Basis exchanges since the last factorize, and the non-zeros they added.
    int updateCount() const { return static_cast<int>(m_etaRow.size()) - m_factorSteps; }
    std::size_t updateNonZeros() const { return m_entryIndex.size() - m_factorEntries; }
    std::size_t factorNonZeros() const { return m_factorEntries; }

private:
    void clear(int m);
    // Appends the step that turns column v (dense) into the unit vector of row r.
    void addStep(int r, const std::vector<double>& v);
    // The same for column c of basis, whose entry in row r is a (and whose entries are in
    // distinct rows).
    void addColumnStep(int r, double a, const Columns& basis, std::size_t c);
    void applyStep(std::size_t k, std::vector<double>& v) const;
    void applyStepTransposed(std::size_t k, std::vector<double>& u) const;

    // Step k: row m_etaRow[k], diagonal m_etaPivot[k], off-diagonal non-zeros
    // m_entryIndex/m_entryValue[m_etaStart[k] .. m_etaStart[k+1]). The first m_factorSteps steps
    // (with m_factorEntries entries) are the factorization's.
    std::vector<int> m_etaRow;
    std::vector<double> m_etaPivot;
    std::vector<std::size_t> m_etaStart{0};
    std::vector<int> m_entryIndex;
    std::vector<double> m_entryValue;
    int m_factorSteps = 0;
    std::size_t m_factorEntries = 0;
    // Per basis position: the row the factorization eliminated its column on.
    std::vector<int> m_pivotRowOf;
    mutable std::vector<double> m_work;
};

} // namespace LPLib
