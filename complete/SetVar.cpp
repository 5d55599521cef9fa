#include "complete/SetVar.hpp"

#include "platform/FatalError.hpp"

#include <algorithm>

namespace GFCLib {

SetVar::SetVar() : Variable(nullptr) {
    BindState(&m_state);
}

SetVar::SetVar(const char* name, const char* specName) : Variable(name) {
    BindState(&m_state);
    SetDomSpec* spec = SetDomSpec::Find(specName);
    if (spec == nullptr)
        throw Platform::InternalError(std::string("Unknown set domain ") +
                                      (specName != nullptr ? specName : ""));
    SetDomainSpec(spec);
}

void SetVar::SetDomainSpec(SetDomSpec* spec) {
    m_domain.Bind(spec);
    m_state = SetVarState();
}

Value SetVar::GetMin() const {
    if (IsInstantiated()) return m_state.m_value;
    return Value(m_domain.Required());
}

Value SetVar::GetMax() const {
    if (IsInstantiated()) return m_state.m_value;
    return Value(m_domain.Possible());
}

void SetVar::SetValue(const Value& value) {
    m_state.m_instantiated = true;
    m_state.m_started = true;
    m_state.m_value = value;
}

bool SetVar::Advance(bool started, Value& result) const {
    if (m_domain.GetSpec() == nullptr || !m_domain.IsConsistent()) return false;
    const int lo = std::max(m_domain.MinSize(), m_domain.Required().Size());
    const int hi = std::min(m_domain.MaxSize(), m_domain.Possible().Size());
    if (!started || !m_state.m_value.IsSet() ||
        m_state.m_value.GetSet().Universe() != m_domain.Required().Universe()) {
        result = Value(m_domain.GetSpec()->Universe(), 0);
        for (int k = lo; k <= hi; ++k)
            if (result.GetSet().FirstSet(m_domain.Required(), m_domain.Possible(), k)) return true;
        return false;
    }
    result = m_state.m_value;
    return result.GetSet().NextSet(m_domain.Required(), m_domain.Possible(), m_domain.MinSize(),
                                   m_domain.MaxSize());
}

bool SetVar::NextValue() {
    Value next;
    if (!Advance(m_state.m_started, next)) return false;
    m_state.m_value = std::move(next);
    m_state.m_started = true;
    m_state.m_instantiated = true;
    return true;
}

bool SetVar::HasNextValue() const {
    Value next;
    return Advance(m_state.m_started, next);
}

bool SetVar::KeepValuesOf(const CPObject& other) {
    if (other.IsBound()) {
        const Value& v = other.GetValue();
        if (!v.IsSet()) return false;
        return m_domain.KeepOnly(v.GetSet());
    }
    if (other.GetType() != static_cast<int>(TypeCode::SetVar)) return HasValues();
    const SetDomain& theirs = static_cast<const SetVar&>(other).m_domain;
    if (!m_domain.RestrictTo(theirs.Possible())) return false;
    if (!m_domain.RequireAll(theirs.Required())) return false;
    return m_domain.LimitSize(theirs.MinSize(), theirs.MaxSize());
}

bool SetVar::RemoveValueOf(const CPObject& other) {
    if (!other.IsBound() || !other.GetValue().IsSet()) return HasValues();
    const ValueSet& s = other.GetValue().GetSet();
    // Only a domain holding exactly that one set loses its last value.
    const bool onlyThat = m_domain.Required().Size() == m_domain.Possible().Size() &&
                          ValueSet::Subset(m_domain.Possible(), s) &&
                          ValueSet::Subset(s, m_domain.Possible());
    return onlyThat ? false : HasValues();
}

} // namespace GFCLib
