#include "localsearch/IntVar.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/IntListDom.hpp"
#include "localsearch/IntRangeDom.hpp"
#include "localsearch/ModelError.hpp"
#include "localsearch/ModelState.hpp"
#include "platform/FatalError.hpp"

namespace GLSLib {

namespace {
IntDom* RequireDomain(IntDom* domain, const char* name) {
    if (domain == nullptr) throw ModelError(std::string("Variable ") + (name ? name : "") + " has no domain");
    return domain;
}
} // namespace

IntVar::IntVar(const char* name, IntDom* domain)
    : m_id(CurrentState().values.variableCount), m_name(name ? name : ""),
      m_domain(RequireDomain(domain, name)) {
    ++CurrentState().values.variableCount;
    m_size = m_domain->Size();
    m_valueIndex = m_size;
    if (auto* list = dynamic_cast<IntListDom*>(m_domain)) {
        m_listValues = list->GetValues().data();
    } else if (dynamic_cast<IntRangeDom*>(m_domain)) {
        m_isRange = true;
        m_lo = m_domain->Min();
    }
}

std::ostream& IntVar::Print(std::ostream& os) const {
    if (!IsAssigned()) return os << m_name;
    return os << "<" << m_name << "," << GetValue() << ">";
}

ExprObj* IntVar::GetArg(int) const {
    throw Platform::InternalError("GetArg of a variable: it has no arguments");
}

void IntVar::RegisterConstraint(Con* c) {
    if (!m_constraints.empty() && m_constraints.back() == c) return;
    if (c->IsSequence() && !m_dependents.empty() && GetLastDependent() == c) m_inSequence = true;
    m_constraints.push_back(c);
}

void IntVar::SetValueIndex(int index) {
    if (static_cast<unsigned>(index) >= static_cast<unsigned>(m_size))
        throw Platform::InternalError("Value index " + std::to_string(index) + " outside the domain of " +
                                      m_name);
    m_valueIndex = index;
}

void IntVar::Assign(int index) {
    SetValueIndex(index);
    ForwardValue(IntVar::GetValue());
}

void IntVar::ResetCount() {
    CurrentState().values.variableCount = 0;
}

} // namespace GLSLib
