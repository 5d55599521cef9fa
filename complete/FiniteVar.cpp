#include "complete/FiniteVar.hpp"

namespace GFCLib {

FiniteVar::FiniteVar(const char* name, std::unique_ptr<FiniteVarState> state)
    : Variable(name), m_state(std::move(state)) {
    BindState(m_state.get());
}

Value FiniteVar::GetMin() const {
    if (IsInstantiated()) return m_state->m_value;
    const int i = m_domain.MinIndex();
    return i >= 0 ? m_domain.ValueAt(i) : Value();
}

Value FiniteVar::GetMax() const {
    if (IsInstantiated()) return m_state->m_value;
    const int i = m_domain.MaxIndex();
    return i >= 0 ? m_domain.ValueAt(i) : Value();
}

void FiniteVar::SetValue(const Value& value) {
    m_state->m_instantiated = true;
    m_state->m_value = value;
    m_state->m_index = m_domain.IndexOf(value);
}

bool FiniteVar::NextValue() {
    const int next = m_domain.NextAfter(m_state->m_index);
    if (next < 0) return false;
    SetToIndex(next);
    return true;
}

void FiniteVar::RemoveCurrentValue() {
    (void)m_domain.Remove(m_state->m_index);
    m_state->m_instantiated = false;
}

bool FiniteVar::KeepValuesOf(const CPObject& other) {
    if (other.IsBound()) return m_domain.KeepValue(other.GetValue());
    if (SameSpec(other)) return m_domain.Intersect(static_cast<const FiniteVar&>(other).m_domain);
    if (!other.IsFinite()) return HasValues();
    const FiniteDomain& theirs = static_cast<const FiniteVar&>(other).m_domain;
    m_domain.ForEachIndex([&](int p) {
        if (!theirs.ContainsValue(m_domain.ValueAt(p))) (void)m_domain.Remove(p);
    });
    return HasValues();
}

bool FiniteVar::RemoveValueOf(const CPObject& other) {
    if (!other.IsBound()) return HasValues();
    if (SameSpec(other)) return m_domain.Remove(static_cast<const FiniteVar&>(other).GetIndex());
    return m_domain.RemoveValue(other.GetValue());
}

bool FiniteVar::SameSpec(const CPObject& other) const {
    return other.IsVariable() && other.IsFinite() &&
           static_cast<const FiniteVar&>(other).m_domain.GetSpec() == m_domain.GetSpec();
}

} // namespace GFCLib
