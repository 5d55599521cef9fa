#include "complete/constraints/NotEqualOffset.hpp"

#include "complete/IntVar.hpp"
#include "platform/FatalError.hpp"

#include <ostream>

namespace GFCLib {

NotEqualOffset::NotEqualOffset(IntVar* a, IntVar* b, long long offset)
    : BinaryConstraint(a, b), m_a(a), m_b(b), m_offset(offset) {
    if (a == b) throw Platform::InternalError("NotEqualOffset over one variable");
}

void NotEqualOffset::Print(std::ostream& os) const {
    os << GetName() << "(";
    m_a->PrintName(os);
    os << ",";
    m_b->PrintName(os);
    os << "," << m_offset << ")";
}

bool NotEqualOffset::IsSatisfied() const {
    return static_cast<long long>(m_a->GetInt()) - m_b->GetInt() != m_offset;
}

void NotEqualOffset::Attach() {
    ExpandDomains(0);
    Constraint::Attach();
}

bool NotEqualOffset::Exclude(IntVar* to, bool toFirst, long long v) const {
    // a = b + k, b = a - k.
    const long long ruledOut = toFirst ? v + m_offset : v - m_offset;
    if (!to->ContainsInt(ruledOut)) return true;
    return to->RemoveInt(ruledOut);
}

bool NotEqualOffset::FilterArg(int i) {
    const bool first = IsFirst(i);
    IntVar* to = first ? m_a : m_b;
    const IntVar* from = first ? m_b : m_a;
    return Exclude(to, first, from->GetInt());
}

bool NotEqualOffset::ForwardCheck() {
    const bool aBound = m_a->IsInstantiated();
    if (aBound == m_b->IsInstantiated()) return true;
    return aBound ? Exclude(m_b, false, m_a->GetInt()) : Exclude(m_a, true, m_b->GetInt());
}

Truth NotEqualOffset::Entailment() const {
    const long long lo = static_cast<long long>(m_a->MinInt()) - m_b->MaxInt();
    const long long hi = static_cast<long long>(m_a->MaxInt()) - m_b->MinInt();
    if (m_offset < lo || m_offset > hi) return Truth::True;
    return lo == hi ? Truth::False : Truth::Unknown;
}

bool NotEqualOffset::EnforceNegation() {
    return KeepOrdered(1, 0, m_offset) && KeepOrdered(0, 1, -m_offset);
}

bool NotEqualOffset::Propagate() {
    const bool aBound = m_a->IsInstantiated();
    const bool bBound = m_b->IsInstantiated();
    if (aBound && bBound) return IsSatisfied();
    if (!bBound && m_a->IsFixed() && !Exclude(m_b, false, m_a->MinInt())) return false;
    if (!aBound && m_b->IsFixed() && !Exclude(m_a, true, m_b->MinInt())) return false;
    return true;
}

} // namespace GFCLib
