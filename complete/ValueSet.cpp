#include "complete/ValueSet.hpp"

#include "complete/Value.hpp"

#include <algorithm>
#include <ostream>

namespace GFCLib {

ValueSet::ValueSet(std::vector<Value>* universe, bool fill)
    : m_bits(universe != nullptr ? static_cast<int>(universe->size()) : 0, fill), m_universe(universe) {}

ValueSet::ValueSet(const ValueSet& other) : m_bits(other.m_bits) {
    if (other.m_owned != nullptr) {
        m_owned = new std::vector<Value>(*other.m_owned);
        m_universe = m_owned;
    } else {
        m_universe = other.m_universe;
    }
}

ValueSet& ValueSet::operator=(const ValueSet& other) {
    if (this == &other) return *this;
    std::vector<Value>* previous = m_owned;
    if (other.m_owned != nullptr) {
        m_owned = new std::vector<Value>(*other.m_owned);
        m_universe = m_owned;
    } else {
        m_owned = nullptr;
        m_universe = other.m_universe;
    }
    delete previous;
    m_bits = other.m_bits;
    return *this;
}

ValueSet::~ValueSet() {
    delete m_owned;
}

const Value& ValueSet::At(int i) const {
    return (*m_universe)[static_cast<std::size_t>(i)];
}

int ValueSet::IndexOf(const Value& value) const {
    if (m_universe == nullptr) return -1;
    for (std::size_t i = 0; i < m_universe->size(); ++i)
        if ((*m_universe)[i] == value) return static_cast<int>(i);
    return -1;
}

bool ValueSet::ContainsValue(const Value& value) const {
    const int index = IndexOf(value);
    return index >= 0 && m_bits.Test(index);
}

int ValueSet::UniverseSize() const {
    return m_universe != nullptr ? static_cast<int>(m_universe->size()) : 0;
}

ValueSet& ValueSet::operator-=(const ValueSet& other) {
    if (SameUniverse(other)) {
        m_bits.AndNot(other.m_bits);
        return *this;
    }
    for (int i = other.m_bits.First(); i >= 0; i = other.m_bits.NextSet(i + 1)) {
        const int mine = IndexOf(other.At(i));
        if (mine >= 0) m_bits.Set(mine, false);
    }
    return *this;
}

ValueSet& ValueSet::operator&=(const ValueSet& other) {
    if (SameUniverse(other)) {
        m_bits &= other.m_bits;
        return *this;
    }
    BitVector mask(m_bits.BitCount(), false);
    for (int i = other.m_bits.First(); i >= 0; i = other.m_bits.NextSet(i + 1)) {
        const int mine = IndexOf(other.At(i));
        if (mine >= 0) mask.Set(mine, true);
    }
    m_bits &= mask;
    return *this;
}

ValueSet& ValueSet::operator|=(const ValueSet& other) {
    if (SameUniverse(other)) {
        m_bits |= other.m_bits;
        return *this;
    }
    for (int i = other.m_bits.First(); i >= 0; i = other.m_bits.NextSet(i + 1)) {
        const Value& value = other.At(i);
        const int mine = IndexOf(value);
        if (mine >= 0) {
            m_bits.Set(mine, true);
        } else {
            OwnUniverse();
            m_owned->push_back(value);
            m_bits.PushBack(true);
        }
    }
    return *this;
}

void ValueSet::OwnUniverse() {
    if (m_owned != nullptr) return;
    m_owned = m_universe != nullptr ? new std::vector<Value>(*m_universe) : new std::vector<Value>();
    m_universe = m_owned;
}

ValueSet ValueSet::Complement(const ValueSet& set) {
    ValueSet result(set);
    result.m_bits = set.m_bits.Complement();
    return result;
}

ValueSet ValueSet::Intersection(const ValueSet& a, const ValueSet& b) {
    ValueSet result(a);
    result &= b;
    return result;
}

bool ValueSet::Subset(const ValueSet& a, const ValueSet& b) {
    if (a.Size() > b.Size()) return false;
    if (a.SameUniverse(b)) return a.m_bits.IsSubsetOf(b.m_bits);
    for (int i = a.m_bits.First(); i >= 0; i = a.m_bits.NextSet(i + 1))
        if (!b.ContainsValue(a.At(i))) return false;
    return true;
}

bool ValueSet::StrictSubset(const ValueSet& a, const ValueSet& b) {
    return a.Size() < b.Size() && Subset(a, b);
}

bool ValueSet::NotEqual(const ValueSet& a, const ValueSet& b) {
    return !(Subset(a, b) && Subset(b, a));
}

void ValueSet::Print(std::ostream& os) const {
    os << "{";
    bool first = true;
    for (int i = m_bits.First(); i >= 0; i = m_bits.NextSet(i + 1)) {
        if (!first) os << ",";
        first = false;
        os << At(i);
    }
    os << "}";
}

bool ValueSet::FirstSet(const ValueSet& required, const ValueSet& possible, int k) {
    m_bits.ClearAll();
    const int n = m_bits.BitCount();
    int taken = 0;
    for (int i = 0; i < n; ++i) {
        if (!required.Contains(i)) continue;
        if (!possible.Contains(i)) return false;
        if (++taken > k) return false;
        m_bits.Set(i, true);
    }
    for (int i = 0; i < n && taken < k; ++i) {
        if (required.Contains(i) || !possible.Contains(i)) continue;
        m_bits.Set(i, true);
        ++taken;
    }
    return taken == k;
}

// Sets of one size are visited as combinations of the free (possible, not required) positions
// in lexicographic order; when a size is exhausted the next size starts.
bool ValueSet::NextSet(const ValueSet& required, const ValueSet& possible, int minSize, int maxSize) {
    const int n = m_bits.BitCount();
    const int lo = std::max(minSize, required.Size());
    const int hi = std::min(maxSize, possible.Size());
    int size = Size();
    if (size < lo) return lo <= hi && FirstSet(required, possible, lo);
    if (size >= n) return false;
    bool consistent = true;
    for (int i = 0; i < n && consistent; ++i) {
        if (m_bits.Test(i) && !possible.Contains(i)) consistent = false;
        if (required.Contains(i) && !m_bits.Test(i)) consistent = false;
    }
    if (!consistent) {
        // Restart this size; its first set is the next candidate only if it differs.
        if (!FirstSet(required, possible, size))
            return size + 1 <= hi && FirstSet(required, possible, size + 1);
        return true;
    }
    // Free positions (possible, not required) in increasing order, and which of them are taken.
    std::vector<int> freePositions;
    for (int i = 0; i < n; ++i)
        if (possible.Contains(i) && !required.Contains(i)) freePositions.push_back(i);
    const int f = static_cast<int>(freePositions.size());
    // Find the rightmost taken free position that can move one slot right.
    int takenAfter = 0;
    int pivot = -1;
    for (int j = f - 1; j >= 0; --j) {
        if (m_bits.Test(freePositions[j])) {
            if (j + 1 + takenAfter < f) {
                pivot = j;
                break;
            }
            ++takenAfter;
        }
    }
    if (pivot < 0) {
        if (size >= hi) return false;
        return FirstSet(required, possible, size + 1);
    }
    // Move the pivot one slot right and pack the taken positions after it directly behind it.
    m_bits.Set(freePositions[pivot], false);
    for (int j = pivot + 1; j < f; ++j)
        m_bits.Set(freePositions[j], false);
    for (int j = 0; j <= takenAfter; ++j)
        m_bits.Set(freePositions[pivot + 1 + j], true);
    return true;
}

std::ostream& operator<<(std::ostream& os, const ValueSet& set) {
    set.Print(os);
    return os;
}

} // namespace GFCLib
