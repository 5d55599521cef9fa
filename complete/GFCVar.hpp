#pragma once
// The search's record of one variable: its neighbours (variables sharing a constraint) and the
// saved states of the variable and of its unbound neighbours' domains, taken at the start of the
// variable's level so that the level's forward checking can be undone by copying them back.
// A neighbour unbound at the save is unbound again when the level is undone, with the state it
// had (deeper levels restore their own variables first), so only its domain needs saving.

#include "complete/DomainState.hpp"
#include "complete/VarState.hpp"

#include <memory>
#include <vector>

namespace GFCLib {

class Variable;

class GFCVar {
public:
    explicit GFCVar(Variable* var);
    virtual ~GFCVar() = default;

    Variable* GetVariable() const { return m_var; }
    const std::vector<Variable*>& GetNeighbours() const { return m_neighbours; }
    bool NeedsSave() const { return m_needsSave; }
    void MarkNeedsSave() { m_needsSave = true; }
    // Saves the variable and every unbound neighbour.
    void Save();
    // Restores every unbound neighbour and, with bookkeeping, removes this variable's id from
    // its neighbours' past and conflict sets.
    void UndoForwardCheck(bool bookkeeping = true);
    // Restores the variable's own state and domain.
    void RestoreVariable();
    // Calls f(DomainState&) on every saved domain state of var held here.
    template <typename F> void ForEachSavedDomainOf(const Variable* var, F&& f) {
        if (var == m_var) f(*m_savedDomain);
        for (std::size_t i = 0; i < m_neighbours.size(); ++i)
            if (m_neighbours[i] == var) f(*m_neighbourDomains[i]);
    }
    int GetInitialDomainSize() const { return m_initialDomainSize; }

private:
    Variable* m_var;
    std::vector<Variable*> m_neighbours;
    bool m_needsSave = true;
    std::unique_ptr<VarState> m_savedState;
    std::unique_ptr<DomainState> m_savedDomain;
    std::vector<std::unique_ptr<DomainState>> m_neighbourDomains;
    std::vector<DomainState*> m_liveDomains; // each neighbour's live domain state
    std::vector<char> m_finite;              // 1 where both are FiniteDomainStates (copied directly)
    std::vector<char> m_savedNeighbour;      // 1 where the neighbour was unbound at the save
    int m_initialDomainSize;
};

} // namespace GFCLib
