#pragma once
// The current score of every variable, by variable id: the sum of the weighted costs of the
// considered problem constraints on it, plus the weighted cost of the objective when the
// variable is in it.

#include "localsearch/search/Pinputs.hpp"

#include <vector>

namespace GLSLib {

class GLSCSP;

class VarsInputs {
public:
    virtual ~VarsInputs() = default;

    // One entry per variable row (largest id + 1), new entries 0.
    void Initialise(const GLSCSP& problem);
    Score Get(int varId) const { return m_inputs[static_cast<unsigned>(varId)]; }
    void Set(int varId, Score value) { m_inputs[static_cast<unsigned>(varId)] = value; }
    void Add(int varId, Score delta) { m_inputs[static_cast<unsigned>(varId)] += delta; }
    int Size() const { return static_cast<int>(m_inputs.size()); }

private:
    std::vector<Score> m_inputs;
};

} // namespace GLSLib
