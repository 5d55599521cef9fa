#pragma once
// The constraints that approximate evaluation leaves out of consideration until nothing
// considered is violated. Invariant: position[c id] is c's place in the sequence or -1.

#include <vector>

namespace GLSLib {

class Con;
class GLSCSP;

class UnconsideredCons {
public:
    virtual ~UnconsideredCons() = default;

    // Positions sized to the constraint count (-1); with evaluate, every constraint of the
    // problem that is not violated (as last evaluated) is listed; without, the list is empty.
    void Initialise(const GLSCSP& problem, bool evaluate);
    // Appends c unless listed (growing the positions to the constraint count when needed).
    void Add(Con* c);
    // Removes c when listed (the last one takes its place).
    void Remove(Con* c);
    bool Contains(const Con* c) const;
    int Size() const { return static_cast<int>(m_cons.size()); }
    Con* Element(int k) const { return m_cons[static_cast<unsigned>(k)]; }
    const std::vector<Con*>& Cons() const { return m_cons; }

private:
    std::vector<Con*> m_cons;
    std::vector<int> m_positions;
};

} // namespace GLSLib
