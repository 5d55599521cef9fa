#include "complete/constraints/Element.hpp"

#include "complete/IntVar.hpp"

#include <ostream>

namespace GFCLib {

void Element::Print(std::ostream& os) const {
    os << GetName() << "(";
    if (!m_args.empty()) m_args[0]->PrintName(os);
    os << ",[";
    for (std::size_t i = 0; i < m_list.size(); ++i)
        os << (i > 0 ? "," : "") << m_list[i];
    os << "],";
    if (m_args.size() > 1) m_args[1]->PrintName(os);
    os << ")";
}

bool Element::IsSatisfied() const {
    if (m_args.size() < 2) return false;
    const Value& index = A()->GetValue();
    if (!index.IsInt() || index.GetInt() < 0 || index.GetInt() >= static_cast<int>(m_list.size()))
        return false;
    return m_list[static_cast<std::size_t>(index.GetInt())] == B()->GetValue();
}

bool Element::Preprocess() {
    if (m_args.size() < 2) return false;
    if (auto* index = dynamic_cast<IntVar*>(A()); index != nullptr && !index->IsInstantiated())
        if (!index->KeepRange(0, static_cast<long long>(m_list.size()) - 1)) return false;
    return Constraint::Preprocess();
}

bool Element::FilterArg(int i) {
    Variable* x = m_vars[static_cast<std::size_t>(i)];
    if (IsFirst(i) && A() != B()) {
        // The index keeps the positions holding the bound value.
        auto* index = dynamic_cast<IntVar*>(x);
        if (index == nullptr) return Constraint::FilterArg(i);
        const Value& v = B()->GetValue();
        FiniteDomain& d = index->GetDomain();
        for (int p = d.MinIndex(); p >= 0; p = d.NextAfter(p)) {
            const int k = index->GetIntSpec()->IntAt(p);
            if (k < 0 || k >= static_cast<int>(m_list.size()) || m_list[static_cast<std::size_t>(k)] != v)
                (void)d.Remove(p);
        }
        return !d.IsEmpty();
    }
    if (A() == B()) return Constraint::FilterArg(i);
    const Value& index = A()->GetValue();
    if (!index.IsInt() || index.GetInt() < 0 || index.GetInt() >= static_cast<int>(m_list.size()))
        return false;
    return x->KeepValuesOf(m_list[static_cast<std::size_t>(index.GetInt())]);
}

} // namespace GFCLib
