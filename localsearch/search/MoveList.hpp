#pragma once
// A set of candidate moves with constant-time insertion, removal and uniform random choice.
// Invariant: for the move at place k of the sequence, position[var id][value index] == k;
// every pair not in the sequence has -1; a pair is listed at most once. Removal moves the last
// move into the hole, so the order of the sequence is not kept.

#include "localsearch/search/Move.hpp"

#include <cstdint>
#include <vector>

namespace GLSLib {

class GLSCSP;

class MoveList {
public:
    virtual ~MoveList() = default;

    // One position row per variable of the problem (by id), each of the variable's domain
    // size; new entries -1. Keeps the moves already listed.
    void Initialise(const GLSCSP& problem);
    // Appends m unless it is listed already.
    void Add(const Move& m);
    // Removes m when listed; otherwise nothing.
    void Remove(const Move& m);
    // Removes every pair of the variable with this id.
    void RemoveVariable(int varId);
    // Appends the listed value indexes of the variable with this id to `indexes`, ascending.
    void ListedValues(int varId, std::vector<int>& indexes) const;
    bool Contains(int varId, int valueIndex) const { return Position(varId, valueIndex) >= 0; }
    // Place of the pair in the sequence, -1 when absent (or outside the table).
    int Position(int varId, int valueIndex) const;
    int Size() const { return static_cast<int>(m_moves.size()); }
    bool Empty() const { return m_moves.empty(); }
    // Move k (no range test).
    const Move& Element(int k) const { return m_moves[static_cast<unsigned>(k)]; }
    const std::vector<Move>& Moves() const { return m_moves; }

private:
    std::vector<Move> m_moves;
    std::vector<std::vector<int>> m_positions;
    // Per variable id, one bit per value index: set while the pair is listed.
    std::vector<std::vector<std::uint64_t>> m_listed;
};

} // namespace GLSLib
