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
    std::vector<int> ints;
    for (long long v = lo; v <= hi; ++v)
        ints.push_back(static_cast<int>(v));
    m_ownSpec = std::make_unique<IntDomainSpec>("", std::move(ints), true);
    SetDomainSpec(m_ownSpec.get());
}

bool IntVar::KeepRange(long long lo, long long hi) {
    if (m_intSpec == nullptr) return false;
    const int n = m_intSpec->UniverseSize();
    lo = std::max(lo, kMinInt);
    hi = std::min(hi, kMaxInt);
    if (lo > hi) {
        m_domain.GetState().Bits().ClearAll();
        return false;
    }
    const int first = m_intSpec->LowerBound(static_cast<int>(lo));
    const int past = hi >= kMaxInt ? n : m_intSpec->LowerBound(static_cast<int>(hi + 1));
    return m_domain.KeepIndexRange(first, past - 1);
}

bool IntVar::KeepValuesOf(const CPObject& other) {
    if (other.IsBound()) return m_domain.KeepValue(other.GetValue());
    const Value lo = other.GetMin();
    const Value hi = other.GetMax();
    if (!lo.IsInt() || !hi.IsInt()) return FiniteVar::KeepValuesOf(other);
    return KeepRange(lo.GetInt(), hi.GetInt());
}

} // namespace GFCLib
