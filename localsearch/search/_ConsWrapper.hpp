#pragma once
// The constraints of the problem by constraint id, and the setting of the hard-constraint
// weight that every search makes before it starts.

#include <vector>

namespace GLSLib {

class Con;
class GLSCSP;

class _ConsWrapper {
public:
    // Sized to the constraint count at construction, every entry null.
    _ConsWrapper();
    virtual ~_ConsWrapper() = default;

    // Entry[c id] := c for every constraint of the problem (sized to the constraint count).
    void Build(const GLSCSP& problem);
    Con* Get(int id) const {
        return static_cast<unsigned>(id) < m_cons.size() ? m_cons[static_cast<unsigned>(id)] : nullptr;
    }
    int Size() const { return static_cast<int>(m_cons.size()); }

    // weight := the largest weight of the problem's soft constraints, at least 1; then the
    // problem's hard-constraint weight := 10 x weight, so that a hard constraint outweighs
    // every soft one.
    static void ComputeHardWeight(GLSCSP& problem, int& weight);

private:
    std::vector<Con*> m_cons;
};

} // namespace GLSLib
