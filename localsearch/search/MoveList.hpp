#pragma once
// A set of candidate moves with constant-time insertion, removal and uniform random choice.
// Invariant: for the move at place k of the sequence, position[var id][value index] == k;
// every pair not in the sequence has -1; a pair is listed at most once. Removal moves the last
// move into the hole, so the order of the sequence is not kept.

#include "localsearch/search/Move.hpp"

#include <cstdint>
#include <functional>
#include <vector>

namespace GLSLib {

class GLSCSP;

class MoveList {
public:
    virtual ~MoveList() = default;

    // One position row per variable of the problem (by id), each of the variable's domain
    // size; new entries -1. Keeps the moves already listed.
    // `stopping` (when given) is asked between rows: when it answers true the table is left
    // incomplete (unusable until initialised again) and false is returned.
    bool Initialise(const GLSCSP& problem, const std::function<bool()>& stopping = nullptr);
    // Appends m unless it is listed already.
    void Add(const Move& m);
    // Removes m when listed; otherwise nothing.
    void Remove(const Move& m);
    // The same as Remove(m) then Add(m) for a listed m, in one step: m goes to the end and the
    // move that was last takes m's place.
    void MoveToEnd(const Move& m);
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
    // The place of a pair's position in m_positions (no range test).
    std::size_t Slot(int varId, int valueIndex) const {
        return m_rowStart[static_cast<unsigned>(varId)] + static_cast<unsigned>(valueIndex);
    }
    void Mark(int varId, int valueIndex, bool listed);

    std::vector<Move> m_moves;
    // The positions of all pairs, row after row: the row of a variable id starts at
    // m_rowStart[id] and holds m_rowSize[id] entries.
    std::vector<int> m_positions;
    std::vector<std::size_t> m_rowStart;
    std::vector<int> m_rowSize;
    // Per variable id, one bit per value index: set while the pair is listed.
    std::vector<std::vector<std::uint64_t>> m_listed;
};

} // namespace GLSLib
