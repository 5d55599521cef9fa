#include "complete/induced/Definition.hpp"

#include "complete/Variable.hpp"
#include "complete/induced/InducedVar.hpp"

namespace GFCLib {

Definition::Definition(InducedVar* owner, const std::vector<CPObject*>& args)
    : GeneralConstraint(args), m_owner(owner) {
    m_filtersWakes = owner->FiltersWakes();
}

bool Definition::IsWokenBy(int i, DomainEvent event) {
    return m_owner->IsWokenBy(i, event);
}

void Definition::OnInstantiate(Variable* var) {
    GeneralConstraint::OnInstantiate(var);
    m_owner->OnLabelled(var, true);
}

void Definition::OnUninstantiate(Variable* var) {
    GeneralConstraint::OnUninstantiate(var);
    m_owner->OnLabelled(var, false);
}

bool Definition::IsSatisfied() const {
    return m_owner->Holds();
}

bool Definition::IsAllButOneBound(int n) const {
    (void)n;
    return m_boundCount != static_cast<int>(m_args.size());
}

bool Definition::ForwardCheck() {
    return m_owner->Propagate();
}

DomainEvent Definition::WakeOn(int i) const {
    return m_owner->WakeOn(m_vars[static_cast<std::size_t>(i)]);
}

bool Definition::Propagate() {
    return m_owner->Propagate();
}

} // namespace GFCLib
