#pragma once
// A named universe of integers in increasing order, so that positions order like values and a
// domain's minimum and maximum are its first and last positions. Lookups are O(1) for ranges and
// O(log n) for value lists.

#include "complete/FiniteDomainSpec.hpp"

namespace GFCLib {

class IntDomainSpec : public FiniteDomainSpec {
public:
    // ints must be strictly increasing; interval marks specs made from a range.
    IntDomainSpec(std::string name, std::vector<int> ints, bool interval);

    // Creates the named spec lo .. hi (empty when lo > hi) in the current registry.
    static IntDomainSpec* CreateRange(const char* name, int lo, int hi);
    // Creates the named spec of the given values (numbers taken as ints, sorted, repeats dropped).
    static IntDomainSpec* CreateFromValues(const char* name, const std::vector<Value>& values);
    // An unregistered spec owned by the caller (domains of induced variables).
    static std::unique_ptr<IntDomainSpec> MakeAnonymous(std::vector<int> ints);
    // The integer spec of that name in the current registry, or null ("BoolDomain" always
    // exists).
    static IntDomainSpec* Find(const char* name);
    // The current registry's spec "BoolDomain" of the values 0 and 1.
    static IntDomainSpec* BoolSpec();

    int IndexOf(const Value& value) const override;
    bool IsInterval() const override { return m_interval; }
    // Position of integer v, or -1.
    int IndexOfInt(int v) const {
        if (m_contiguous) {
            const long long k = static_cast<long long>(v) - m_lo;
            return k >= 0 && k < static_cast<long long>(m_ints.size()) ? static_cast<int>(k) : -1;
        }
        return SearchInt(v);
    }
    int IntAt(int index) const { return m_ints[static_cast<std::size_t>(index)]; }
    // First position whose value is >= v (UniverseSize() when none).
    int LowerBound(int v) const;
    const std::vector<int>& Ints() const { return m_ints; }

private:
    int SearchInt(int v) const;

    std::vector<int> m_ints;
    bool m_interval;
    bool m_contiguous;
    int m_lo;
};

} // namespace GFCLib
