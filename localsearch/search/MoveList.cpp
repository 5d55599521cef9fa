#include "localsearch/search/MoveList.hpp"

#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntVar.hpp"

#include <bit>

namespace GLSLib {

void MoveList::Initialise(const GLSCSP& problem) {
    for (IntVar* v : problem.GetVariables()) {
        const auto id = static_cast<unsigned>(v->GetId());
        if (m_positions.size() <= id) m_positions.resize(id + 1);
        m_positions[id].resize(static_cast<unsigned>(v->DomainSize()), -1);
    }
    m_listed.resize(m_positions.size());
    for (std::size_t id = 0; id < m_positions.size(); ++id) {
        m_listed[id].assign((m_positions[id].size() + 63) / 64, 0);
        for (std::size_t k = 0; k < m_positions[id].size(); ++k)
            if (m_positions[id][k] >= 0) m_listed[id][k / 64] |= std::uint64_t{1} << (k % 64);
    }
    m_moves.reserve(problem.GetVariables().size());
}

int MoveList::Position(int varId, int valueIndex) const {
    if (static_cast<unsigned>(varId) >= m_positions.size()) return -1;
    const std::vector<int>& row = m_positions[static_cast<unsigned>(varId)];
    if (static_cast<unsigned>(valueIndex) >= row.size()) return -1;
    return row[static_cast<unsigned>(valueIndex)];
}

void MoveList::Add(const Move& m) {
    int& pos = m_positions[static_cast<unsigned>(m.var->GetId())][static_cast<unsigned>(m.value)];
    if (pos >= 0) return;
    pos = static_cast<int>(m_moves.size());
    m_moves.push_back(m);
    const auto k = static_cast<unsigned>(m.value);
    m_listed[static_cast<unsigned>(m.var->GetId())][k / 64] |= std::uint64_t{1} << (k % 64);
}

void MoveList::Remove(const Move& listed) {
    // A copy: the argument may be an element of the sequence, which the removal overwrites.
    const Move m = listed;
    int& pos = m_positions[static_cast<unsigned>(m.var->GetId())][static_cast<unsigned>(m.value)];
    if (pos < 0) return;
    const Move last = m_moves.back();
    m_moves[static_cast<unsigned>(pos)] = last;
    m_positions[static_cast<unsigned>(last.var->GetId())][static_cast<unsigned>(last.value)] = pos;
    pos = -1;
    m_moves.pop_back();
    const auto k = static_cast<unsigned>(m.value);
    m_listed[static_cast<unsigned>(m.var->GetId())][k / 64] &= ~(std::uint64_t{1} << (k % 64));
}

void MoveList::ListedValues(int varId, std::vector<int>& indexes) const {
    const std::vector<std::uint64_t>& words = m_listed[static_cast<unsigned>(varId)];
    for (std::size_t w = 0; w < words.size(); ++w)
        for (std::uint64_t bits = words[w]; bits != 0; bits &= bits - 1)
            indexes.push_back(static_cast<int>(w * 64) + std::countr_zero(bits));
}

void MoveList::RemoveVariable(int varId) {
    std::vector<int>& row = m_positions[static_cast<unsigned>(varId)];
    for (std::size_t k = 0; k < row.size(); ++k) {
        if (row[k] < 0) continue;
        Remove(m_moves[static_cast<unsigned>(row[k])]);
    }
}

} // namespace GLSLib
