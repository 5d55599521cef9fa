#pragma once
// The violated constraints that the search takes into account, with the sum of the weights of
// the soft ones and the count of the hard ones.
// Invariant: position[c id] is c's place in the sequence or -1; softWeight is the sum of the
// weights of the listed soft constraints, hardCount the number of listed hard ones.

#include <vector>

namespace GLSLib {

class Con;
class GLSCSP;

class ViolatedCons {
public:
    virtual ~ViolatedCons() = default;

    // Positions sized to the constraint count (-1), sums 0; every constraint of the problem is
    // initialised (full evaluation) and added when violated.
    void Build(GLSCSP& problem);
    // Adds c unless listed.
    void Add(Con* c);
    // Removes c when listed.
    void Remove(Con* c);
    // Grows the position table to the constraint count, for constraints made during the search.
    void Resize();
    bool Contains(const Con* c) const;
    int Count() const { return static_cast<int>(m_cons.size()); }
    int HardCount() const { return m_hardCount; }
    int SoftWeight() const { return m_softWeight; }
    bool Empty() const { return m_cons.empty(); }
    Con* Element(int k) const { return m_cons[static_cast<unsigned>(k)]; }
    const std::vector<Con*>& Cons() const { return m_cons; }
    // Empties the list and sets the sums to 0.
    void Clear();

private:
    std::vector<Con*> m_cons;
    std::vector<int> m_positions;
    int m_softWeight = 0;
    int m_hardCount = 0;
};

} // namespace GLSLib
