#include "complete/induced/Definition.hpp"

#include "complete/Variable.hpp"
#include "complete/induced/InducedVar.hpp"

namespace GFCLib {

Definition::Definition(InducedVar* owner, const std::vector<CPObject*>& args)
    : GeneralConstraint(args), m_owner(owner) {
    m_filtersWakes = owner->FiltersWakes();
    m_hearsLabelling = owner->HearsLabelling();
}

bool Definition::IsWokenBy(int i, DomainEvent event) {
    return m_owner->IsWokenBy(i, event);
}

void Definition::HearLabelling(Variable* var, bool labelled) {
    m_owner->OnLabelled(var, labelled);
}

bool Definition::IsSatisfied() const {
    return m_owner->Holds();
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
