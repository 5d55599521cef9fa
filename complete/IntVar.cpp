#include "complete/IntVar.hpp"

#include "complete/IntVarState.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>

namespace GFCLib {

IntVar::IntVar() : NumVar(nullptr, std::make_unique<IntVarState>()) {}

IntVar::IntVar(const char* name, const char* specName) : NumVar(name, std::make_unique<IntVarState>()) {
    SetDomainSpec(specName);
}

void IntVar::SetDomainSpec(const char* specName) {
    IntDomainSpec* spec = IntDomainSpec::Find(specName);
    if (spec == nullptr)
        throw Platform::InternalError(std::string("Unknown integer domain ") +
                                      (specName != nullptr ? specName : ""));
    SetDomainSpec(spec);
}

void IntVar::SetDomainSpec(IntDomainSpec* spec) {
    m_intSpec = spec;
    m_domain.Bind(spec);
}

void IntVar::SetRange(int lo, int hi) {
    m_ownSpec = std::make_unique<IntDomainSpec>("", lo, hi, true);
    SetDomainSpec(m_ownSpec.get());
}

bool IntVar::KeepRange(long long lo, long long hi) {
    if (m_intSpec == nullptr) return false;
    // Every value is an int: bounds beyond that range say the same as its ends.
    lo = std::max(lo, kMinInt);
    hi = std::min(hi, kMaxInt);
    if (lo > hi) {
        m_domain.Clear();
        return false;
    }
    // Positions run up to 2^31 - 1, so the one past the last may not fit an int.
    const std::int64_t first = m_intSpec->LowerBound(lo);
    const std::int64_t last = m_intSpec->LowerBound(hi + 1) - 1;
    if (first > last) {
        m_domain.Clear();
        return false;
    }
    return m_domain.KeepIndexRange(static_cast<int>(first), static_cast<int>(last));
}

bool IntVar::Exclude(long long v) {
    if (IsInstantiated()) return GetInt() != v;
    const int index = m_intSpec->IndexOfInt(v);
    if (!m_domain.Contains(index)) return HasValues();
    if (index != m_domain.MinIndex() && index != m_domain.MaxIndex() &&
        m_domain.UniverseSize() > FiniteDomain::kMaxExplicitSize)
        return true;
    return m_domain.Remove(index);
}

bool IntVar::KeepValuesOf(const CPObject& other) {
    if (other.IsBound()) return m_domain.KeepValue(other.GetValue());
    const Value lo = other.GetMin();
    const Value hi = other.GetMax();
    if (!lo.IsInt() || !hi.IsInt()) return FiniteVar::KeepValuesOf(other);
    return KeepRange(lo.GetInt(), hi.GetInt());
}

} // namespace GFCLib
