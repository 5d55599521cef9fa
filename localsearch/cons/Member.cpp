#include "localsearch/cons/Member.hpp"

namespace GLSLib {

Member::Member(IntObj* x, SetObj* s) : m_set(s), m_element(x) {
    AttachToArguments();
    Recompute();
}

void Member::Initialise() {
    Con::Initialise();
    Recompute();
}

void Member::Recompute() {
    const IntResult element = m_element->Value();
    if (element) {
        m_elementValue = *element;
        m_elementDefined = true;
        m_violation = m_set->ContainsValue(m_elementValue) ? 0 : 1000;
    } else {
        m_elementDefined = false;
        m_violation = 2000;
    }
}

void Member::SetViolation(int violation) {
    if (violation == m_violation) return;
    m_violation = violation;
    ForwardConChange();
}

void Member::Update(int position, int value) {
    if (position != 0) return;
    m_elementValue = value;
    m_elementDefined = true;
    SetViolation(m_set->ContainsValue(value) ? 0 : 1000);
}

void Member::UpdateUndefined(int position) {
    if (position != 0) return;
    m_elementDefined = false;
    SetViolation(2000);
}

void Member::UpdateElement(int, int index, bool) {
    if (!m_elementDefined || m_set->ValueAt(index) != m_elementValue) return;
    // Asked of the set as a whole, so that a value held by several elements stays right.
    SetViolation(m_set->ContainsValue(m_elementValue) ? 0 : 1000);
}

} // namespace GLSLib
