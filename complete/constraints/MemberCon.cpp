#include "complete/constraints/MemberCon.hpp"

#include "complete/FiniteDomain.hpp"
#include "complete/SetVar.hpp"
#include "complete/ValueSet.hpp"

namespace GFCLib {

bool MemberCon::IsSatisfied() const {
    const Value& set = B()->GetValue();
    if (!set.IsSet()) return false;
    return set.GetSet().ContainsValue(A()->GetValue()) == Wanted();
}

bool MemberCon::FilterArg(int i) {
    Variable* x = m_vars[static_cast<std::size_t>(i)];
    if (A() == B()) return Constraint::FilterArg(i);
    if (!IsFirst(i)) {
        // The set is unbound, the element bound.
        auto* s = dynamic_cast<SetVar*>(x);
        if (s == nullptr) return false;
        const int index = s->GetDomain().Possible().IndexOf(A()->GetValue());
        if (Wanted()) return index >= 0 && s->GetDomain().Require(index);
        return index < 0 ? s->HasValues() : s->GetDomain().Exclude(index);
    }
    const Value& set = B()->GetValue();
    if (!set.IsSet()) return false;
    FiniteDomain* d = x->GetFiniteDomain();
    if (d == nullptr) return Constraint::FilterArg(i);
    for (int p = d->MinIndex(); p >= 0; p = d->NextAfter(p))
        if (set.GetSet().ContainsValue(d->ValueAt(p)) != Wanted()) (void)d->Remove(p);
    return !d->IsEmpty();
}

} // namespace GFCLib
