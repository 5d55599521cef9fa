#include "complete/constraints/AllDisjoint.hpp"

#include "complete/SetVar.hpp"
#include "complete/ValueSet.hpp"
#include "platform/FatalError.hpp"

namespace GFCLib {

void AllDisjoint::CheckSetArg(const CPObject* arg) {
    const bool ok = arg != nullptr && (arg->GetType() == static_cast<int>(TypeCode::SetVar) ||
                                       (arg->IsValue() && arg->GetValue().IsSet()));
    if (!ok) throw Platform::InternalError("AllDisjoint needs sets");
}

bool AllDisjoint::IsSatisfied() const {
    for (std::size_t i = 0; i < m_args.size(); ++i)
        for (std::size_t j = i + 1; j < m_args.size(); ++j) {
            const Value& a = m_args[i]->GetValue();
            const Value& b = m_args[j]->GetValue();
            if (!a.IsSet() || !b.IsSet()) return false;
            if (m_args[i] == m_args[j] && a.GetSet().Size() > 0) return false;
            if (ValueSet::Intersection(a.GetSet(), b.GetSet()).Size() > 0) return false;
        }
    return true;
}

bool AllDisjoint::ForwardCheck() {
    for (Variable* v : m_vars) {
        if (v->IsInstantiated()) continue;
        auto* s = dynamic_cast<SetVar*>(v);
        if (s == nullptr) continue;
        for (const CPObject* a : m_args) {
            if (a == v || !a->IsBound() || !a->GetValue().IsSet()) continue;
            if (!s->GetDomain().ExcludeAll(a->GetValue().GetSet())) return false;
        }
    }
    return true;
}

} // namespace GFCLib
