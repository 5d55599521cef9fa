#pragma once
// The search state of the graph-based guided local search: the shared search structures and
// their bookkeeping, plus the stored (best) assignment of the current run.

#include "localsearch/search/SearchTables.hpp"

#include <climits>
#include <vector>

namespace GLSLib {

class LocalSearchGraph : public SearchTables {
public:
    // The cost of the current assignment: the objective's value (0 without objective) plus the
    // weights of the violated soft constraints.
    int CurrentCost() const;
    // Stores the current assignment with its cost and soft cost.
    void Store();
    // Forgets the stored assignment (the stored cost becomes 2147483647).
    void ForgetStored() { m_storedCost = INT_MAX; }
    // Gives the variables the stored value indexes and resynchronises the tables with them.
    void RestoreStored();
    bool HasStored() const { return m_storedCost != INT_MAX; }
    int StoredCost() const { return m_storedCost; }
    int StoredSoftCost() const { return m_storedSoftCost; }
    // Every stored value index equals the variable's current one.
    bool StoredIsCurrent() const;

    bool Approximate() const { return m_approximateOption; }
    void SetApproximate(bool on) { m_approximateOption = on; }

private:
    int m_storedCost = INT_MAX;
    int m_storedSoftCost = INT_MAX;
    std::vector<int> m_storedValues;
    bool m_approximateOption = false;
};

} // namespace GLSLib
