#include "complete/GFCVar.hpp"

#include "complete/Constraint.hpp"
#include "complete/Variable.hpp"

namespace GFCLib {

GFCVar::GFCVar(Variable* var)
    : m_var(var), m_savedState(var->GetState().Clone()), m_initialDomainSize(var->GetDomainSize()) {}

void GFCVar::Save() {
    m_savedState->Assign(m_var->GetState());
    m_needsSave = false;
}

void GFCVar::RestoreVariable() {
    m_var->GetState().Assign(*m_savedState);
}

void GFCVar::EraseFromNeighbours() const {
    const int id = m_var->GetId();
    for (Constraint* c : m_var->GetConstraints()) {
        c->ErasePast(id);
        for (Variable* n : c->GetVars())
            if (n != m_var && n->IsInstantiated()) n->ConflictSet().Erase(id);
    }
}

} // namespace GFCLib
