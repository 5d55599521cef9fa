#pragma once
// The assignments of a constraint's variables on which an assignment feature was penalised,
// each with its own penalty, and which of them (if any) equals the current assignment.
// Invariant: mismatches[k] is the number of positions where remembered assignment k differs
// from current, and matching is the one k with mismatches[k] == 0, or -1.

#include <vector>

namespace GLSLib {

class Con;
class IntVar;

class AssignmentMemory {
public:
    // Collects c's variables and their current value indexes; forgets every assignment.
    void Reset(Con* c);
    // Variable i now has value index v.
    void UpdateVariable(int i, int v);
    // Penalises the current assignment (remembering it when new).
    void PenaliseCurrent();
    // Penalty of the matching assignment, 0 when none matches.
    int MatchingPenalty() const;
    // The penalty before the latest PenaliseCurrent, given the base part of the penalty.
    int PreviousPenalty(int base, int current) const;
    void ForgetLastAdded() { m_lastAdded = -1; }
    int LastAdded() const { return m_lastAdded; }
    int Matching() const { return m_matching; }
    // Variable i. Throws std::out_of_range for a bad index.
    IntVar* GetVariable(int i) const { return m_variables.at(static_cast<unsigned>(i)); }
    int NumVariables() const { return static_cast<int>(m_variables.size()); }
    int NumRemembered() const { return static_cast<int>(m_remembered.size()); }

private:
    int m_lastAdded = -1;
    std::vector<IntVar*> m_variables;
    std::vector<std::vector<int>> m_remembered;
    std::vector<int> m_mismatches;
    std::vector<int> m_penalties;
    int m_matching = -1;
    std::vector<int> m_current;
};

} // namespace GLSLib
