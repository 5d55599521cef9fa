#pragma once
// A finite domain: a subset of the positions of a spec's universe. Integer specs keep their
// universe sorted, so positions order like values. An interval domain is filtered by its bounds
// only by the default forward filter; ExpandDomain makes it enumerated (every value filtered).
// Every narrowing operation answers true when the domain is not empty afterwards.

#include "complete/FiniteDomainSpec.hpp"
#include "complete/FiniteDomainState.hpp"

#include <iosfwd>

namespace GFCLib {

class FiniteDomain {
public:
    FiniteDomain() = default;
    explicit FiniteDomain(FiniteDomainSpec* spec) { Bind(spec); }
    // Makes this the full domain of spec.
    void Bind(FiniteDomainSpec* spec);

    FiniteDomainSpec* GetSpec() const { return m_spec; }
    bool IsEnumerated() const { return m_enumerated; }
    void Expand() { m_enumerated = true; }
    int Size() const { return m_state.Bits().Count(); }
    bool IsEmpty() const { return !m_state.Bits().Any(); }
    int UniverseSize() const { return m_state.Bits().BitCount(); }
    bool Contains(int index) const { return m_state.Bits().Test(index); }
    bool ContainsValue(const Value& value) const;
    int IndexOf(const Value& value) const { return m_spec != nullptr ? m_spec->IndexOf(value) : -1; }
    const Value& ValueAt(int index) const { return m_spec->At(index); }
    int MinIndex() const { return m_state.Bits().First(); }
    int MaxIndex() const { return m_state.Bits().Last(); }
    // Next position in the domain at or after from, or -1.
    int NextIndex(int from) const { return m_state.Bits().NextSet(from); }
    // Position of the k-th remaining value (k from 0), or -1.
    int KthIndex(int k) const;

    [[nodiscard]] bool Remove(int index) {
        m_state.Bits().Set(index, false);
        return !IsEmpty();
    }
    [[nodiscard]] bool RemoveValue(const Value& value);
    [[nodiscard]] bool KeepOnly(int index) {
        m_state.Bits().KeepOnly(index);
        return !IsEmpty();
    }
    [[nodiscard]] bool KeepValue(const Value& value);
    // Keeps positions lo .. hi only.
    [[nodiscard]] bool KeepIndexRange(int lo, int hi);
    [[nodiscard]] bool Intersect(const FiniteDomainState& other) {
        m_state.Bits() &= other.Bits();
        return !IsEmpty();
    }
    [[nodiscard]] bool IntersectBits(const BitVector& bits) {
        m_state.Bits() &= bits;
        return !IsEmpty();
    }

    FiniteDomainState& GetState() { return m_state; }
    const FiniteDomainState& GetState() const { return m_state; }
    // Writes "{v1,v2,...}".
    void Print(std::ostream& os) const;

private:
    FiniteDomainSpec* m_spec = nullptr;
    bool m_enumerated = true;
    FiniteDomainState m_state;
};

} // namespace GFCLib
