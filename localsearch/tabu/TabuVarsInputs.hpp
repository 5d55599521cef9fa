#pragma once
// The candidate lists of tabu search, one per variable (by id): the value indexes of least
// value-table score among the values a move may take. Each list is rebuilt from the variable's
// value-table row whenever the row changes (the scores themselves are kept by the shared
// search tables).
// Invariant (given the row, the current value and the tabu marks at the list's stamp): the
// list holds, in increasing order, every admitted value index whose score equals the least
// admitted score; admitted = not the current index, and not tabu at the stamp (a mark below
// the stamp) unless the stamp is 0 (no tabu test).

#include "localsearch/search/Pinputs.hpp"

#include <cstdint>
#include <vector>

namespace GLSLib {

class TabuVarsInputs {
public:
    virtual ~TabuVarsInputs() = default;

    // rows empty lists, each with room for width entries; stamps 0.
    void Initialise(int rows, int width);
    // Rebuilds the list of variable id from its value-table row. With a tabu row and an
    // iteration t > 0, a value index k is admitted only when tabu[k] < t.
    void Rebuild(int id, const std::vector<Score>& row, int current, const std::vector<std::uint64_t>* tabu,
                 std::uint64_t t);
    const std::vector<int>& Candidates(int id) const { return m_lists[static_cast<unsigned>(id)]; }
    // The iteration whose tabu marks the list was built with; 0 when built without tabu test.
    std::uint64_t Stamp(int id) const { return m_stamps[static_cast<unsigned>(id)]; }
    int Rows() const { return static_cast<int>(m_lists.size()); }

    // The list the invariant above prescribes (for checks).
    static std::vector<int> Expected(const std::vector<Score>& row, int current,
                                     const std::vector<std::uint64_t>* tabu, std::uint64_t t);

private:
    std::vector<std::vector<int>> m_lists;
    std::vector<std::uint64_t> m_stamps;
};

} // namespace GLSLib
