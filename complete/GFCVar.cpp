#include "complete/GFCVar.hpp"

#include "complete/Constraint.hpp"
#include "complete/FiniteDomainState.hpp"
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
        m_neighbourDomains.emplace_back(n->GetDomainState().Clone());
        m_liveDomains.push_back(&n->GetDomainState());
        m_finite.push_back(dynamic_cast<FiniteDomainState*>(m_liveDomains.back()) != nullptr ? 1 : 0);
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
        if (m_finite[i])
            static_cast<FiniteDomainState&>(*m_neighbourDomains[i]).Bits() =
                static_cast<const FiniteDomainState*>(m_liveDomains[i])->Bits();
        else
            m_neighbourDomains[i]->Assign(*m_liveDomains[i]);
    }
    m_needsSave = false;
}

void GFCVar::UndoForwardCheck(bool bookkeeping) {
    const int id = m_var->GetId();
    for (std::size_t i = 0; i < m_neighbours.size(); ++i) {
        Variable* n = m_neighbours[i];
        if (n->IsInstantiated() || !m_savedNeighbour[i]) continue;
        if (m_finite[i])
            static_cast<FiniteDomainState*>(m_liveDomains[i])->Bits() =
                static_cast<const FiniteDomainState&>(*m_neighbourDomains[i]).Bits();
        else
            m_liveDomains[i]->Assign(*m_neighbourDomains[i]);
        if (!bookkeeping) continue;
        n->PastSet().Erase(id);
        n->ConflictSet().Erase(id);
    }
}

void GFCVar::RestoreVariable() {
    m_var->RestoreState(*m_savedState, *m_savedDomain);
}

} // namespace GFCLib
