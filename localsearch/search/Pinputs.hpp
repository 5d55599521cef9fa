#pragma once
// The value table: for every variable (by id) and every value index, the score the variable
// would have with that value and every other variable as it is, counting the considered
// constraints flagged in UpdateCons and the objective.

#include <cstdint>
#include <vector>

namespace GLSLib {

class GLSCSP;

// A sum of weighted costs: each cost is an int, so sums are kept in 64 bits and never wrap
// (a wrapped sum would no longer order the moves, and improving moves could go round for ever).
using Score = std::int64_t;

class Pinputs {
public:
    virtual ~Pinputs() = default;

    // One row per variable (by id), each the variable's domain size; new entries 0.
    void Initialise(const GLSCSP& problem);
    Score Get(int varId, int valueIndex) const {
        return m_table[static_cast<unsigned>(varId)][static_cast<unsigned>(valueIndex)];
    }
    void Set(int varId, int valueIndex, Score value) {
        m_table[static_cast<unsigned>(varId)][static_cast<unsigned>(valueIndex)] = value;
    }
    void Add(int varId, int valueIndex, Score delta) {
        m_table[static_cast<unsigned>(varId)][static_cast<unsigned>(valueIndex)] += delta;
    }
    std::vector<Score>& Row(int varId) { return m_table[static_cast<unsigned>(varId)]; }
    const std::vector<Score>& Row(int varId) const { return m_table[static_cast<unsigned>(varId)]; }
    // The longest row (the largest domain size).
    int Width() const;

private:
    std::vector<std::vector<Score>> m_table;
};

} // namespace GLSLib
