#include "complete/GFCVar.hpp"

#include "complete/Constraint.hpp"
#include "complete/Variable.hpp"

#include <algorithm>

namespace GFCLib {

GFCVar::GFCVar(Variable* var) : m_var(var), m_initialDomainSize(var->GetDomainSize()) {
    for (Constraint* c : var->GetConstraints()) {
        for (Variable* other : c->GetVars()) {
            if (other == var) continue;
            if (std::find(m_neighbours.begin(), m_neighbours.end(), other) != m_neighbours.end()) continue;
            m_neighbours.push_back(other);
        }
    }
    m_savedState.reset(var->GetState().Clone());
    m_savedDomain.reset(var->GetDomainState().Clone());
    for (Variable* n : m_neighbours) {
        m_neighbourStates.emplace_back(n->GetState().Clone());
        m_neighbourDomains.emplace_back(n->GetDomainState().Clone());
    }
    m_savedNeighbour.assign(m_neighbours.size(), 0);
}

void GFCVar::Save() {
    m_savedState->Assign(m_var->GetState());
    m_savedDomain->Assign(m_var->GetDomainState());
    for (std::size_t i = 0; i < m_neighbours.size(); ++i) {
        Variable* n = m_neighbours[i];
        m_savedNeighbour[i] = n->IsInstantiated() ? 0 : 1;
        if (!m_savedNeighbour[i]) continue;
        m_neighbourStates[i]->Assign(n->GetState());
        m_neighbourDomains[i]->Assign(n->GetDomainState());
    }
    m_needsSave = false;
}

void GFCVar::UndoForwardCheck() {
    const int id = m_var->GetId();
    for (std::size_t i = 0; i < m_neighbours.size(); ++i) {
        Variable* n = m_neighbours[i];
        if (n->IsInstantiated() || !m_savedNeighbour[i]) continue;
        n->RestoreState(*m_neighbourStates[i], *m_neighbourDomains[i]);
        n->PastSet().Erase(id);
        n->ConflictSet().Erase(id);
    }
}

void GFCVar::RestoreVariable() {
    m_var->RestoreState(*m_savedState, *m_savedDomain);
}

} // namespace GFCLib
