#include "complete/FiniteDomain.hpp"

#include <ostream>

namespace GFCLib {

void FiniteDomain::Bind(FiniteDomainSpec* spec) {
    m_spec = spec;
    m_enumerated = spec == nullptr || !spec->IsInterval();
    m_state.Bits().Resize(spec != nullptr ? spec->UniverseSize() : 0, true);
}

bool FiniteDomain::ContainsValue(const Value& value) const {
    return Contains(IndexOf(value));
}

int FiniteDomain::KthIndex(int k) const {
    if (k < 0) return -1;
    for (int i = MinIndex(); i >= 0; i = NextIndex(i + 1))
        if (k-- == 0) return i;
    return -1;
}

bool FiniteDomain::RemoveValue(const Value& value) {
    const int index = IndexOf(value);
    if (index >= 0) m_state.Bits().Set(index, false);
    return !IsEmpty();
}

bool FiniteDomain::KeepValue(const Value& value) {
    const int index = IndexOf(value);
    if (index < 0) {
        m_state.Bits().ClearAll();
        return false;
    }
    return KeepOnly(index);
}

bool FiniteDomain::KeepIndexRange(int lo, int hi) {
    if (lo > hi) {
        m_state.Bits().ClearAll();
        return false;
    }
    m_state.Bits().ClearBelow(lo);
    m_state.Bits().ClearAbove(hi);
    return !IsEmpty();
}

void FiniteDomain::Print(std::ostream& os) const {
    os << "{";
    bool first = true;
    for (int i = MinIndex(); i >= 0; i = NextIndex(i + 1)) {
        if (!first) os << ",";
        first = false;
        os << ValueAt(i);
    }
    os << "}";
}

} // namespace GFCLib
