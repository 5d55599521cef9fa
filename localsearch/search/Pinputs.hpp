#pragma once
// The value table: for every variable (by id) and every value index, the score the variable
// would have with that value and every other variable as it is, counting the considered
// constraints flagged in UpdateCons and the objective.
//
// A row is held as stored cells plus one offset common to the whole row, so that a change that
// moves every value of a row alike (a large constraint whose violation changed) costs one
// addition. The table also notes, per row, which cells changed otherwise since the move lists
// last read the row: a row shifted as a whole keeps the order of its values, and only the cells
// noted can have changed place against the current value.

#include <cstdint>
#include <functional>
#include <vector>

namespace GLSLib {

class GLSCSP;

// A sum of weighted costs: each cost is an int, so sums are kept in 64 bits and never wrap
// (a wrapped sum would no longer order the moves, and improving moves could go round for ever).
using Score = std::int64_t;

class Pinputs {
public:
    virtual ~Pinputs() = default;

    // One row per variable (by id), each the variable's domain size; new entries 0. Every row
    // counts as changed. `stopping` (when given) is asked between rows: when it answers true
    // the table is left incomplete and false is returned.
    bool Initialise(const GLSCSP& problem, const std::function<bool()>& stopping = nullptr);
    Score Get(int varId, int valueIndex) const {
        const auto id = static_cast<unsigned>(varId);
        return m_table[id][static_cast<unsigned>(valueIndex)] + m_offset[id];
    }
    void Set(int varId, int valueIndex, Score value) {
        const auto id = static_cast<unsigned>(varId);
        m_table[id][static_cast<unsigned>(valueIndex)] = value - m_offset[id];
        NoteCell(varId, valueIndex);
    }
    void Add(int varId, int valueIndex, Score delta) {
        m_table[static_cast<unsigned>(varId)][static_cast<unsigned>(valueIndex)] += delta;
        NoteCell(varId, valueIndex);
    }
    // Adds delta to every cell of the row.
    void Shift(int varId, Score delta) { m_offset[static_cast<unsigned>(varId)] += delta; }
    // The row with its offset folded in, for reading and writing whole; the row counts as
    // changed everywhere.
    std::vector<Score>& Row(int varId);
    // The longest row (the largest domain size).
    int Width() const;

    // Changes noted since the last ForgetChanges of the row: true when the whole row may have
    // changed; otherwise `cells` receives the value indexes changed one by one (ascending, each
    // once).
    bool ChangedCells(int varId, std::vector<int>& cells) const;
    void ForgetChanges(int varId);
    // Every row counts as changed everywhere.
    void NoteAllChanged();
    void NoteRowChanged(int varId) {
        const auto id = static_cast<unsigned>(varId);
        m_rowChanged[id] = 1;
        m_changedCells[id].clear();
    }

private:
    void NoteCell(int varId, int valueIndex) {
        const auto id = static_cast<unsigned>(varId);
        if (m_rowChanged[id]) return;
        std::vector<int>& cells = m_changedCells[id];
        cells.push_back(valueIndex);
        // Past a few cells reading the whole row costs less than sorting the list.
        if (cells.size() > 16 && cells.size() * 8 > m_table[id].size()) NoteRowChanged(varId);
    }

    std::vector<std::vector<Score>> m_table;
    std::vector<Score> m_offset;
    std::vector<char> m_rowChanged;
    std::vector<std::vector<int>> m_changedCells;
};

} // namespace GLSLib
