#include "complete/constraints/SubsetCon.hpp"

#include "complete/SetVar.hpp"
#include "complete/ValueSet.hpp"

namespace GFCLib {

bool SubsetCon::IsSatisfied() const {
    const Value& a = A()->GetValue();
    const Value& b = B()->GetValue();
    if (!a.IsSet() || !b.IsSet()) return false;
    return Strict() ? ValueSet::StrictSubset(a.GetSet(), b.GetSet())
                    : ValueSet::Subset(a.GetSet(), b.GetSet());
}

bool SubsetCon::FilterArg(int i) {
    if (A() == B()) return !Strict();
    auto* s = dynamic_cast<SetVar*>(m_vars[static_cast<std::size_t>(i)]);
    const Value& other = Other(i)->GetValue();
    if (s == nullptr || !other.IsSet()) return false;
    SetDomain& d = s->GetDomain();
    const int size = other.GetSet().Size();
    if (IsFirst(i)) return d.RestrictTo(other.GetSet()) && d.LimitSize(0, Strict() ? size - 1 : size);
    return d.RequireAll(other.GetSet()) && d.LimitSize(Strict() ? size + 1 : size, d.MaxSize());
}

} // namespace GFCLib
