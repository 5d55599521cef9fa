#pragma once
// An integer variable over an IntDomainSpec (universe sorted ascending), with integer fast paths
// and bound pruning for the arithmetic and ordering constraints.

#include "complete/IntDomainSpec.hpp"
#include "complete/NumVar.hpp"

namespace GFCLib {

class IntVar : public NumVar {
public:
    // An unbound variable without a domain; give it one with SetDomainSpec or SetRange.
    IntVar();
    // A variable over the registered integer domain description; throws Platform::InternalError when there is
    // no domain description of that name.
    IntVar(const char* name, const char* specName);

    int GetType() const override { return static_cast<int>(TypeCode::IntVar); }
    // Binds the domain to the named registered domain description (throws Platform::InternalError when
    // unknown).
    void SetDomainSpec(const char* specName);
    void SetDomainSpec(IntDomainSpec* spec);
    // Binds the domain to lo .. hi (a domain description owned by this variable).
    void SetRange(int lo, int hi);

    IntDomainSpec* GetIntSpec() const { return m_intSpec; }
    int GetInt() const { return m_state->m_value.GetInt(); }
    // Smallest and largest value left (the value when bound; 0 for an empty domain).
    int MinInt() const {
        if (IsInstantiated()) return GetInt();
        const int i = m_domain.MinIndex();
        return i >= 0 ? m_intSpec->IntAt(i) : 0;
    }
    int MaxInt() const {
        if (IsInstantiated()) return GetInt();
        const int i = m_domain.MaxIndex();
        return i >= 0 ? m_intSpec->IntAt(i) : 0;
    }
    bool ContainsInt(long long v) const { return m_domain.Contains(m_intSpec->IndexOfInt(v)); }
    // Propagation reads a bound variable as its value and an unbound one as its domain: fixed
    // when bound or when one value is left, and then MinInt() is that value.
    bool IsFixed() const { return IsInstantiated() || m_domain.Count() == 1; }
    // Whether v is still possible: the value of a bound variable, a value of an unbound one.
    bool Allows(long long v) const { return IsInstantiated() ? v == GetInt() : ContainsInt(v); }
    // Narrowing for propagation: a bound variable's value must comply (false otherwise) and its
    // domain is left as it is; an unbound variable's domain is narrowed. Exclude leaves a value
    // inside a range too large to hold value by value (it only takes such a value off an end).
    [[nodiscard]] bool Restrict(long long lo, long long hi) {
        if (IsInstantiated()) return GetInt() >= lo && GetInt() <= hi;
        return KeepRange(lo, hi);
    }
    [[nodiscard]] bool Fix(long long v) { return IsInstantiated() ? GetInt() == v : KeepInt(v); }
    [[nodiscard]] bool Exclude(long long v);
    [[nodiscard]] bool RemoveInt(long long v) {
        const int index = m_intSpec->IndexOfInt(v);
        if (index >= 0) return m_domain.Remove(index);
        return HasValues();
    }
    [[nodiscard]] bool KeepInt(long long v) {
        const int index = m_intSpec->IndexOfInt(v);
        if (index < 0) {
            m_domain.Clear();
            return false;
        }
        return m_domain.KeepOnly(index);
    }
    // Keeps the values in [lo, hi] (bounds may be beyond the int range).
    [[nodiscard]] bool KeepRange(long long lo, long long hi);
    [[nodiscard]] bool KeepBelow(long long v) { return KeepRange(kMinInt, v - 1); }
    [[nodiscard]] bool KeepAtMost(long long v) { return KeepRange(kMinInt, v); }
    [[nodiscard]] bool KeepAtLeast(long long v) { return KeepRange(v, kMaxInt); }
    [[nodiscard]] bool KeepAbove(long long v) { return KeepRange(v + 1, kMaxInt); }
    // Keeps the values from the other's minimum to its maximum.
    [[nodiscard]] bool KeepValuesOf(const CPObject& other) override;

    static constexpr long long kMinInt = -2147483648LL;
    static constexpr long long kMaxInt = 2147483647LL;

protected:
    IntDomainSpec* m_intSpec = nullptr;
    // For SetRange and induced variables; induced variables over one range share theirs.
    std::shared_ptr<IntDomainSpec> m_ownSpec;
};

} // namespace GFCLib
