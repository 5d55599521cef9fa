#pragma once
// A set of positions in a list of values (the universe): the payload of set values and the
// required/possible parts of set domains. Two sets compare position by position only when they
// share one universe; otherwise members are matched by value.
// Invariant: the bits have exactly UniverseSize() positions; m_owned is null or equals m_universe.

#include "complete/BitVector.hpp"

#include <iosfwd>
#include <vector>

namespace GFCLib {

class Value;

class ValueSet {
public:
    ValueSet() = default;
    // Shares the universe (which must outlive the set); all members when fill is true.
    ValueSet(std::vector<Value>* universe, bool fill);
    ValueSet(const ValueSet& other);
    ValueSet& operator=(const ValueSet& other);
    ~ValueSet();

    // Universe element i (i must be in range).
    const Value& At(int i) const;
    // Position of the first universe element equal to value, or -1.
    int IndexOf(const Value& value) const;
    bool Contains(int index) const { return m_bits.Test(index); }
    bool ContainsValue(const Value& value) const;
    void RemoveIndex(int index) { m_bits.Set(index, false); }
    void AddIndex(int index) { m_bits.Set(index, true); }
    int Size() const { return m_bits.Count(); }
    int UniverseSize() const;
    bool SameUniverse(const ValueSet& other) const { return m_universe == other.m_universe; }
    const std::vector<Value>* Universe() const { return m_universe; }
    const BitVector& Bits() const { return m_bits; }
    BitVector& Bits() { return m_bits; }

    ValueSet& operator-=(const ValueSet& other);
    ValueSet& operator&=(const ValueSet& other);
    // Members of other missing from this universe are appended to an owned copy of it.
    ValueSet& operator|=(const ValueSet& other);

    static ValueSet Complement(const ValueSet& set);
    static ValueSet Intersection(const ValueSet& a, const ValueSet& b);
    static bool Subset(const ValueSet& a, const ValueSet& b);
    static bool StrictSubset(const ValueSet& a, const ValueSet& b);
    static bool Superset(const ValueSet& a, const ValueSet& b) { return Subset(b, a); }
    static bool NotEqual(const ValueSet& a, const ValueSet& b);
    bool operator==(const ValueSet& other) const { return !NotEqual(*this, other); }

    // Writes "{a,b,...}" in universe order.
    void Print(std::ostream& os) const;

    // Advances this set to the next set between required and possible with a size in
    // [minSize, maxSize], by size then lexicographic order of the free members; false when none.
    bool NextSet(const ValueSet& required, const ValueSet& possible, int minSize, int maxSize);
    // Makes this the first set of size k between required and possible; false when none exists.
    bool FirstSet(const ValueSet& required, const ValueSet& possible, int k);

private:
    void OwnUniverse();

    BitVector m_bits;
    std::vector<Value>* m_universe = nullptr; // not owned unless equal to m_owned
    std::vector<Value>* m_owned = nullptr;
};

std::ostream& operator<<(std::ostream& os, const ValueSet& set);

} // namespace GFCLib
