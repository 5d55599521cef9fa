#pragma once
// What a set node knows of its set arguments: per argument, which universe elements it has
// seen as members, and the index of each element's value in a table of all the arguments'
// values (so that counts per value need no map lookup per event).

#include "localsearch/SetObj.hpp"

#include <unordered_map>
#include <vector>

namespace GLSLib {

class MembershipMirror {
public:
    // Indexes every value of every argument (first-seen order).
    explicit MembershipMirror(const std::vector<SetObj*>& args);
    // Number of distinct values over all arguments.
    int NumValues() const { return static_cast<int>(m_values.size()); }
    int ValueAt(int valueIndex) const { return m_values[static_cast<unsigned>(valueIndex)]; }
    // Value index of element i of argument k.
    int ValueIndex(int k, int i) const {
        return m_valueIndex[static_cast<unsigned>(k)][static_cast<unsigned>(i)];
    }
    // Whether the event (k, i, isMember) changes the mirror; applies it when it does. Events
    // outside the mirror are ignored.
    bool Apply(int k, int i, bool isMember);
    // Clears every bit (sized to the arguments' universes).
    void Clear();
    bool Bit(int k, int i) const { return m_bits[static_cast<unsigned>(k)][static_cast<unsigned>(i)] != 0; }
    void SetBit(int k, int i, bool isMember) {
        m_bits[static_cast<unsigned>(k)][static_cast<unsigned>(i)] = isMember;
    }
    int NumElements(int k) const { return static_cast<int>(m_bits[static_cast<unsigned>(k)].size()); }

private:
    std::vector<int> m_values;
    std::vector<std::vector<int>> m_valueIndex;
    std::vector<std::vector<unsigned char>> m_bits;
};

} // namespace GLSLib
