#include "complete/induced/InducedSetVar.hpp"

#include "platform/FatalError.hpp"

#include <ostream>

namespace GFCLib {

void InducedSetVar::InitList(const std::vector<CPObject*>& list) {
    if (list.empty()) throw Platform::InternalError("Set expression over an empty list");
    std::vector<Value> universe;
    for (CPObject* o : list) {
        auto* s = dynamic_cast<SetVar*>(o);
        if (s == nullptr || s->GetDomain().GetSpec() == nullptr)
            throw Platform::InternalError("Operand of a set expression is not a set variable");
        m_operands.push_back(s);
        for (const Value& v : *s->GetDomain().GetSpec()->Universe())
            universe.push_back(v);
    }
    m_ownSpec = SetDomSpec::MakeAnonymous(universe);
    SetDomainSpec(m_ownSpec.get());
    Define(this, list);
}

void InducedSetVar::PrintName(std::ostream& os) const {
    os << FunctionName() << "(";
    for (std::size_t i = 0; i < m_operands.size(); ++i) {
        if (i > 0) os << ",";
        m_operands[i]->PrintName(os);
    }
    os << ")";
}

bool InducedSetVar::Holds() const {
    return !ValueSet::NotEqual(GetSet(), Combine());
}

bool InducedSetVar::Propagate() {
    bool allBound = true;
    for (const SetVar* s : m_operands)
        allBound = allBound && s->IsInstantiated();
    if (allBound) {
        const ValueSet result = Combine();
        return IsInstantiated() ? !ValueSet::NotEqual(GetSet(), result) : m_domain.KeepOnly(result);
    }
    if (IsInstantiated()) return NarrowOperands(GetSet(), GetSet());
    ValueSet required(m_ownSpec->Universe(), false);
    ValueSet possible(m_ownSpec->Universe(), false);
    Limits(required, possible);
    return m_domain.RestrictTo(possible) && m_domain.RequireAll(required) &&
           m_domain.LimitSize(m_domain.MinSize(), MaxSizeLimit()) &&
           NarrowOperands(m_domain.Required(), m_domain.Possible());
}

} // namespace GFCLib
