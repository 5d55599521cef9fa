#include "complete/FiniteDomain.hpp"

#include "complete/Trail.hpp"
#include "platform/FatalError.hpp"

#include <algorithm>
#include <ostream>
#include <string>

namespace GFCLib {

namespace {
std::string TooLarge(const FiniteDomainSpec* spec, const char* owner) {
    std::string what = owner != nullptr && owner[0] != '\0'          ? std::string("the domain of ") + owner
                       : spec != nullptr && !spec->GetName().empty() ? "the domain " + spec->GetName()
                                                                     : std::string("an expression's domain");
    return "Complete search cannot hold " + what + " value by value: it has " +
           std::to_string(spec != nullptr ? spec->UniverseSize() : 0) + " values (at most " +
           std::to_string(FiniteDomain::kMaxExplicitSize) + ")";
}
} // namespace

void FiniteDomain::Bind(FiniteDomainSpec* spec) {
    m_spec = spec;
    m_enumerated = spec == nullptr || !spec->IsInterval();
    m_state = FiniteDomainState(spec != nullptr ? spec->UniverseSize() : 0);
}

void FiniteDomain::Expand(const char* owner) {
    if (UniverseSize() > kMaxExplicitSize) throw Platform::ResourceError(TooLarge(m_spec, owner));
    m_enumerated = true;
}

void FiniteDomain::Touch() {
    if (m_trail != nullptr && m_stamp != m_trail->Stamp()) m_trail->Save(*this);
}

void FiniteDomain::Notify(int oldMin, int oldMax, bool inside) {
    if (m_trail == nullptr || !m_trail->HasListener() || m_state.m_size == 0) return;
    DomainEvent event = DomainEvent::Values;
    if (m_state.m_size == 1)
        event = DomainEvent::Fixed;
    else if (m_state.m_min != oldMin || m_state.m_max != oldMax)
        event = DomainEvent::Bounds;
    else
        inside = true;
    m_trail->Changed(m_owner, event, oldMin, oldMax, inside);
}

void FiniteDomain::MakeExplicit() {
    if (m_state.m_explicit) return;
    const std::int64_t n = UniverseSize();
    if (n > kMaxExplicitSize) throw Platform::ResourceError(TooLarge(m_spec, nullptr));
    if (m_state.m_bits.BitCount() != n) m_state.m_bits.Resize(static_cast<int>(n), false);
    m_state.m_bits.SetRange(m_state.m_min, m_state.m_max, true);
    m_state.m_explicit = true;
}

bool FiniteDomain::ContainsValue(const Value& value) const {
    return Contains(IndexOf(value));
}

int FiniteDomain::NextIndex(int from) const {
    if (IsEmpty()) return -1;
    if (from < m_state.m_min) from = m_state.m_min;
    if (from > m_state.m_max) return -1;
    if (!m_state.m_explicit) return from;
    const int p = m_state.m_bits.NextSet(from);
    return p <= m_state.m_max ? p : -1;
}

int FiniteDomain::PrevIndex(int from) const {
    if (IsEmpty()) return -1;
    if (from > m_state.m_max) from = m_state.m_max;
    if (from < m_state.m_min) return -1;
    if (!m_state.m_explicit) return from;
    const int p = m_state.m_bits.PrevSet(from);
    return p >= m_state.m_min ? p : -1;
}

int FiniteDomain::KthIndex(int k) const {
    if (k < 0 || k >= m_state.m_size) return -1;
    if (!m_state.m_explicit) return m_state.m_min + k;
    for (int i = MinIndex(); i >= 0; i = NextAfter(i))
        if (k-- == 0) return i;
    return -1;
}

bool FiniteDomain::Remove(int index) {
    if (!Contains(index)) return !IsEmpty();
    Touch();
    if (m_state.m_size == 1) {
        Clear();
        return false;
    }
    const int oldMin = m_state.m_min;
    const int oldMax = m_state.m_max;
    if (index == m_state.m_min)
        m_state.m_min = NextAfter(index);
    else if (index == m_state.m_max)
        m_state.m_max = PrevBefore(index);
    else
        MakeExplicit();
    if (m_state.m_explicit) m_state.m_bits.Set(index, false);
    --m_state.m_size;
    Notify(oldMin, oldMax);
    return true;
}

bool FiniteDomain::RemoveValue(const Value& value) {
    const int index = IndexOf(value);
    if (index >= 0) return Remove(index);
    return !IsEmpty();
}

bool FiniteDomain::KeepOnly(int index) {
    if (!Contains(index)) {
        Clear();
        return false;
    }
    if (m_state.m_size == 1) return true;
    Touch();
    const int oldMin = m_state.m_min;
    const int oldMax = m_state.m_max;
    m_state.m_min = index;
    m_state.m_max = index;
    m_state.m_size = 1;
    m_state.m_explicit = false;
    Notify(oldMin, oldMax);
    return true;
}

bool FiniteDomain::KeepValue(const Value& value) {
    const int index = IndexOf(value);
    if (index < 0) {
        Clear();
        return false;
    }
    return KeepOnly(index);
}

bool FiniteDomain::NarrowToIndexRange(int lo, int hi) {
    if (IsEmpty()) return false;
    lo = std::max(lo, m_state.m_min);
    hi = std::min(hi, m_state.m_max);
    if (lo == m_state.m_min && hi == m_state.m_max) return true;
    if (lo > hi) {
        Clear();
        return false;
    }
    Touch();
    const int oldMin = m_state.m_min;
    const int oldMax = m_state.m_max;
    if (!m_state.m_explicit) {
        m_state.m_min = lo;
        m_state.m_max = hi;
        m_state.m_size = static_cast<std::int64_t>(hi) - lo + 1;
    } else if (!Recount(lo, hi)) {
        return false;
    }
    Notify(oldMin, oldMax);
    return true;
}

bool FiniteDomain::Recount(int lo, int hi) {
    const BitVector& bits = m_state.m_bits;
    const int first = bits.NextSet(lo);
    if (first < 0 || first > hi) {
        Clear();
        return false;
    }
    m_state.m_min = first;
    m_state.m_max = bits.PrevSet(hi);
    m_state.m_size = bits.CountRange(m_state.m_min, m_state.m_max);
    if (m_state.m_size == static_cast<std::int64_t>(m_state.m_max) - m_state.m_min + 1)
        m_state.m_explicit = false;
    return true;
}

bool FiniteDomain::Intersect(const FiniteDomain& other) {
    if (!KeepIndexRange(other.m_state.m_min, other.m_state.m_max)) return false;
    if (!other.m_state.m_explicit || other.IsEmpty()) return !IsEmpty();
    return KeepMarked(other.m_state.m_bits);
}

bool FiniteDomain::KeepMarked(const BitVector& marks) {
    if (IsEmpty()) return false;
    const int lo = m_state.m_min;
    const int hi = m_state.m_max;
    // Nothing to do when every position of the domain is marked.
    const std::int64_t marked =
        m_state.m_explicit ? m_state.m_bits.CountCommon(marks, lo, hi) : marks.CountRange(lo, hi);
    if (marked == m_state.m_size) return true;
    Touch();
    MakeExplicit();
    m_state.m_bits.AndWords(marks, lo, hi);
    if (!Recount(lo, hi)) return false;
    Notify(lo, hi, true);
    return true;
}

void FiniteDomain::Clear() {
    if (IsEmpty()) return;
    Touch();
    m_state.m_min = 0;
    m_state.m_max = -1;
    m_state.m_size = 0;
    m_state.m_explicit = false;
}

void FiniteDomain::AddTo(BitVector& bits) const {
    if (IsEmpty()) return;
    if (m_state.m_explicit)
        bits.OrRange(m_state.m_bits, m_state.m_min, m_state.m_max);
    else
        bits.SetRange(m_state.m_min, m_state.m_max, true);
}

void FiniteDomain::Print(std::ostream& os) const {
    os << "{";
    bool first = true;
    ForEachIndex([&](int p) {
        if (!first) os << ",";
        first = false;
        os << ValueAt(p);
    });
    os << "}";
}

} // namespace GFCLib
