#pragma once
// The search's record of one variable: the variable's own state (bound or not, value, position),
// saved at the start of its level and restored when the level is left, and the size of its
// domain when the search was set up (for the thrashing check). The domains that forward checking
// narrows at the level are saved on the search's trail, only when they change, and its
// neighbours (the variables sharing a constraint with it) are found through its constraints when
// the conflict bookkeeping needs them, so a record costs the same however many neighbours it has.

#include "complete/VarState.hpp"

#include <memory>
#include <vector>

namespace GFCLib {

class Variable;

class GFCVar {
public:
    explicit GFCVar(Variable* var);
    GFCVar(const GFCVar&) = delete;
    GFCVar& operator=(const GFCVar&) = delete;
    // The search keeps its records side by side in one array.
    GFCVar(GFCVar&&) = default;
    GFCVar& operator=(GFCVar&&) = default;

    Variable* GetVariable() const { return m_var; }
    bool NeedsSave() const { return m_needsSave; }
    void MarkNeedsSave() { m_needsSave = true; }
    // Saves the variable's own state.
    void Save();
    // Restores the variable's own state.
    void RestoreVariable();
    // Removes the variable's id from the past sets of every other variable that shares a
    // constraint with it, and from the conflict sets of those that are labelled (the conflict
    // set of an unlabelled variable is cleared before it is read again).
    void EraseFromNeighbours() const;
    int GetInitialDomainSize() const { return m_initialDomainSize; }

private:
    Variable* m_var;
    bool m_needsSave = true;
    std::unique_ptr<VarState> m_savedState;
    int m_initialDomainSize;
};

} // namespace GFCLib
