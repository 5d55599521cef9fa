#pragma once
// The assignments of a constraint's variables on which an assignment feature was penalised,
// each with its own penalty, and which of them (if any) equals the current assignment.
// Invariant: matching is the one k with remembered[k] == current, or -1; hash is the XOR of
// the position hashes of current, and byHash lists every k under the hash of remembered[k].
// A change of one variable is then a hash update and a lookup, however many assignments
// are remembered.

#include <cstdint>
#include <unordered_map>
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
    // The hash of variable i at value index v.
    static std::uint64_t PositionHash(int i, int v);
    // The remembered assignment equal to current except that variable i is at v; -1 if none.
    int Find(std::uint64_t hash, int i, int v) const;

    std::vector<std::vector<int>> m_remembered;
    std::vector<int> m_penalties;
    int m_matching = -1;
    std::vector<int> m_current;
    std::uint64_t m_hash = 0;
    std::unordered_multimap<std::uint64_t, int> m_byHash;
};

} // namespace GLSLib
