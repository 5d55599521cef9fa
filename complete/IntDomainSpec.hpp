#pragma once
// A named universe of integers in increasing order, so that positions order like values and a
// domain's minimum and maximum are its first and last positions. A range lo .. hi is held by its
// two ends, however many values it has; a list of values is held as a sorted list. Lookups are
// O(1) for ranges and O(log n) for lists.

#include "complete/FiniteDomainSpec.hpp"

namespace GFCLib {

class IntDomainSpec : public FiniteDomainSpec {
public:
    // The values lo .. hi (none when lo > hi); interval marks domain descriptions whose domains filter their
    // bounds only. Throws Platform::ResourceError when that is more than kMaxUniverseSize values.
    IntDomainSpec(std::string name, long long lo, long long hi, bool interval);
    // The given values, strictly increasing; interval as above.
    IntDomainSpec(std::string name, std::vector<int> ints, bool interval);

    // Creates the named domain description lo .. hi (empty when lo > hi) in the current registry; throws
    // Platform::ResourceError when it has more than kMaxUniverseSize values.
    static IntDomainSpec* CreateRange(const char* name, int lo, int hi);
    // Creates the named domain description of the given values (numbers taken as ints, sorted, repeats
    // dropped).
    static IntDomainSpec* CreateFromValues(const char* name, const std::vector<Value>& values);
    // An unregistered domain description owned by the caller (domains of induced variables), from values in
    // any order with repeats.
    static std::unique_ptr<IntDomainSpec> MakeAnonymous(std::vector<int> ints);
    // The integer domain description of that name in the current registry, or null ("BoolDomain" always
    // exists).
    static IntDomainSpec* Find(const char* name);
    // The current registry's domain description "BoolDomain" of the values 0 and 1.
    static IntDomainSpec* BoolSpec();

    std::int64_t UniverseSize() const override { return m_size; }
    Value At(int index) const override { return Value(IntAt(index)); }
    int IndexOf(const Value& value) const override;
    bool IsInterval() const override { return m_interval; }
    // Position of integer v, or -1.
    int IndexOfInt(long long v) const {
        if (m_contiguous) {
            const long long k = v - m_lo;
            return k >= 0 && k < m_size ? static_cast<int>(k) : -1;
        }
        return SearchInt(v);
    }
    // The integer at a position in range.
    int IntAt(int index) const {
        return m_contiguous ? static_cast<int>(m_lo + index) : m_ints[static_cast<std::size_t>(index)];
    }
    // First position whose value is >= v (UniverseSize() when none, which may be 2^31: hence
    // 64 bits).
    std::int64_t LowerBound(long long v) const {
        if (m_contiguous) return v <= m_lo ? 0 : v - m_lo >= m_size ? m_size : v - m_lo;
        return SearchLowerBound(v);
    }
    // True when the values are every integer from the first to the last.
    bool IsContiguous() const { return m_contiguous; }
    // Every value in increasing order (for small universes: it lists them all).
    std::vector<int> Values() const;

private:
    int SearchInt(long long v) const;
    std::int64_t SearchLowerBound(long long v) const;

    long long m_lo = 0;
    std::int64_t m_size = 0;
    bool m_contiguous = true;
    bool m_interval;
    std::vector<int> m_ints; // the values when not contiguous
};

} // namespace GFCLib
