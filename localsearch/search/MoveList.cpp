#include "localsearch/search/MoveList.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"

#include <algorithm>
#include <bit>

namespace GLSLib {

bool MoveList::Initialise(const GLSCSP& problem, const std::function<bool()>& stopping) {
    std::vector<int> size = m_rowSize;
    for (IntVar* v : problem.GetVariables()) {
        const auto id = static_cast<unsigned>(v->GetId());
        if (size.size() <= id) size.resize(id + 1, 0);
        size[id] = std::max(size[id], v->DomainSize());
    }
    // Rows laid out afresh; the moves already listed keep their places.
    std::vector<int> positions;
    std::vector<std::size_t> start(size.size(), 0);
    std::size_t total = 0;
    for (std::size_t id = 0; id < size.size(); ++id) {
        start[id] = total;
        total += static_cast<unsigned>(size[id]);
    }
    // Filled row by row, so that a large table can be given up part way.
    positions.reserve(total);
    for (std::size_t id = 0; id < size.size(); ++id) {
        if (stopping && stopping()) return false;
        positions.insert(positions.end(), static_cast<unsigned>(size[id]), -1);
        if (id < m_rowSize.size())
            for (int k = 0; k < m_rowSize[id]; ++k)
                positions[start[id] + static_cast<unsigned>(k)] = m_positions[m_rowStart[id] + static_cast<unsigned>(k)];
    }
    m_positions = std::move(positions);
    m_rowStart = std::move(start);
    m_rowSize = std::move(size);
    m_listed.resize(m_rowSize.size());
    for (std::size_t id = 0; id < m_rowSize.size(); ++id) {
        m_listed[id].assign((static_cast<unsigned>(m_rowSize[id]) + 63) / 64, 0);
        for (int k = 0; k < m_rowSize[id]; ++k)
            if (m_positions[Slot(static_cast<int>(id), k)] >= 0) Mark(static_cast<int>(id), k, true);
    }
    m_moves.reserve(problem.GetVariables().size());
    return true;
}

int MoveList::Position(int varId, int valueIndex) const {
    if (static_cast<unsigned>(varId) >= m_rowSize.size()) return -1;
    if (valueIndex < 0 || valueIndex >= m_rowSize[static_cast<unsigned>(varId)]) return -1;
    return m_positions[Slot(varId, valueIndex)];
}

void MoveList::Mark(int varId, int valueIndex, bool listed) {
    const auto k = static_cast<unsigned>(valueIndex);
    std::uint64_t& word = m_listed[static_cast<unsigned>(varId)][k / 64];
    const std::uint64_t bit = std::uint64_t{1} << (k % 64);
    word = listed ? (word | bit) : (word & ~bit);
}

void MoveList::Add(const Move& m) {
    int& pos = m_positions[Slot(m.var->GetId(), m.value)];
    if (pos >= 0) return;
    pos = static_cast<int>(m_moves.size());
    m_moves.push_back(m);
    Mark(m.var->GetId(), m.value, true);
}

void MoveList::Remove(const Move& listed) {
    // A copy: the argument may be an element of the sequence, which the removal overwrites.
    const Move m = listed;
    int& pos = m_positions[Slot(m.var->GetId(), m.value)];
    if (pos < 0) return;
    const Move last = m_moves.back();
    m_moves[static_cast<unsigned>(pos)] = last;
    m_positions[Slot(last.var->GetId(), last.value)] = pos;
    pos = -1;
    m_moves.pop_back();
    Mark(m.var->GetId(), m.value, false);
}

void MoveList::MoveToEnd(const Move& listed) {
    const Move m = listed;
    int& pos = m_positions[Slot(m.var->GetId(), m.value)];
    const int end = static_cast<int>(m_moves.size()) - 1;
    if (pos == end) return;
    const Move last = m_moves.back();
    m_moves[static_cast<unsigned>(pos)] = last;
    m_positions[Slot(last.var->GetId(), last.value)] = pos;
    m_moves[static_cast<unsigned>(end)] = m;
    pos = end;
}

void MoveList::ListedValues(int varId, std::vector<int>& indexes) const {
    const std::vector<std::uint64_t>& words = m_listed[static_cast<unsigned>(varId)];
    for (std::size_t w = 0; w < words.size(); ++w)
        for (std::uint64_t bits = words[w]; bits != 0; bits &= bits - 1)
            indexes.push_back(static_cast<int>(w * 64) + std::countr_zero(bits));
}

void MoveList::RemoveVariable(int varId) {
    for (int k = 0; k < m_rowSize[static_cast<unsigned>(varId)]; ++k) {
        const int pos = m_positions[Slot(varId, k)];
        if (pos >= 0) Remove(m_moves[static_cast<unsigned>(pos)]);
    }
}

} // namespace GLSLib
